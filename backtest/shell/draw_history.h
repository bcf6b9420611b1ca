#pragma once

#include "known_draw.h"
#include "results_file.h"
#include "step_progress.h"

#include <QString>
#include <map>
#include <optional>
#include <vector>

struct GameProfile;

// Two sources that name different numbers for the same draw; the one kept is the results file
// over any data file, and a later data file (of a newer draw) over an earlier one.
struct Disagreement {
    int draw = 0;
    KnownDraw kept;
    QString keptFrom;
    KnownDraw dropped;
    QString droppedFrom;
};

// Every draw the player's own files tell, and what could not be used.
struct DrawHistory {
    std::map<int, KnownDraw> draws;
    int filesRead = 0;
    int unreadableFiles = 0;    // could not be opened or read, or are no data file
    int shortFiles = 0;         // hold fewer fields than the game's record
    int invalidDrawFiles = 0;   // a row is not a valid draw of the game
    int skippedResultLines = 0; // of the results file
    int sharedWithResults = 0;  // draws that both the data files and the results file tell
    int resultsDisagreeing = 0; // of those, the draws on which the two differ
    std::vector<Disagreement> disagreements;
};

// The name of the results file in the history's reports.
inline const QString ResultsSourceName = QStringLiteral("結果ファイル");

// Reads every data file of the game in the folder (names that start with the game's prefix and
// end in ".dat", in any case, as Windows folders may hold them) with the reader of the load
// command, each giving its draw N and the two before it, then lays the results file, where there is
// one, over them. `progress` hears of each data file read, with how many there are, so that a long
// read can show how far it has come; stopped, the history holds the files read so far.
DrawHistory assembleHistory(const GameProfile& profile, const QString& dataFolder,
                            const ResultsFile* results = nullptr,
                            const StepProgress& progress = {});

// Why the results file laid over the history cannot be trusted: it disagrees with the player's
// own data files on most of the draws they share, as another game's results or a file of
// another lottery would. Nothing when it can be used.
std::optional<QString> resultsDistrust(const DrawHistory& history);

#pragma once

#include "known_draw.h"
#include "results_file.h"

#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <utility>
#include <variant>
#include <vector>

struct GameProfile;
struct MainForm;

inline const QString EnterFromResultsCaption = QStringLiteral("結果から入力");

// The newest draw of a results source and the two before it, newest first.
struct NewestDraws {
    int latest = 0;
    std::array<KnownDraw, 3> newestFirst;
};

// The draws that the window's rows hold: row 1 is the draw in its draw-number box, rows 2 and 3
// the two before it; a row counts only when the prediction would take it.
std::map<int, KnownDraw> enteredDraws(const MainForm& window);

// The newest draw of the source and the two before it, taken from the source or, where it lacks
// one of them, from the window's rows; or the message that names the draws neither has.
std::variant<NewestDraws, QString> newestThreeDraws(const std::map<int, KnownDraw>& source,
                                                    const std::map<int, KnownDraw>& entered);

// Each number box of the three rows and the draw-number box of row 1 with the text the player
// would type: the main numbers ascending, then the bonus, in plain digits.
std::vector<std::pair<QString, QString>> typedTexts(const GameProfile& profile,
                                                    const NewestDraws& draws);

// 「結果から入力」 from a source already read: fills the rows when the source has the draws,
// asking first when that replaces numbers in the boxes; otherwise says why and changes nothing.
// Nothing is drawn, saved or predicted.
void enterDrawsFromResults(MainForm& window, const ResultsFile& results, const QString& source);

// The same from text copied from a results page: a table's rows or a draw's labelled lines.
void enterDrawsFromText(MainForm& window, const QString& text);

// The same from results files, read together as one table.
void enterDrawsFromFiles(MainForm& window, const QStringList& paths);

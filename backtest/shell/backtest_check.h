#pragma once

#include "draw_history.h"
#include "evaluation.h"
#include "results_file.h"
#include "step_progress.h"

#include <QString>
#include <QStringList>
#include <optional>

struct GameProfile;

// The whole of 「照合」's work on the player's files, which may run away from the window's thread:
// the results files read as one table and laid over the data files, then every draw evaluated.
struct BacktestCheck {
    std::optional<ResultsFile> results; // when results files were given and could be used
    DrawHistory history;
    Evaluation evaluation;
    std::optional<QString> refusal; // why the results files cannot be used; nothing else is done
    bool stopped = false;           // the progress said to stop
};

BacktestCheck checkBacktest(const GameProfile& profile, const QString& dataFolder,
                            const QStringList& resultsPaths, const StepProgress& progress);

#include "backtest_check.h"

BacktestCheck checkBacktest(const GameProfile& profile, const QString& dataFolder,
                            const QStringList& resultsPaths, const StepProgress& progress) {
    BacktestCheck check;
    bool goOn = true;
    const StepProgress heard = [&progress, &goOn](int done, int total) {
        goOn = goOn && progress(done, total);
        return goOn;
    };
    if (!resultsPaths.isEmpty()) {
        ResultsFile read = readResultsFiles(profile, resultsPaths);
        if (read.error) {
            check.refusal = read.error;
            return check;
        }
        check.results = std::move(read);
    }
    check.history =
        assembleHistory(profile, dataFolder, check.results ? &*check.results : nullptr, heard);
    if (goOn && check.results)
        check.refusal = resultsDistrust(check.history);
    if (goOn && !check.refusal)
        check.evaluation = evaluateHistory(profile, check.history.draws, heard);
    check.stopped = !goOn;
    return check;
}

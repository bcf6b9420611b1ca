// Times the history check of 「照合」 on a week-by-week player's folder: 2,000 data files (each
// holding its draw and the two before) and a results file of 2,000 draws, read, joined and
// evaluated in each of the three games, with the exact chance of every list's and key's hits.
// The target: under 300 ms for the whole.

#include "chance_comparison.h"
#include "draw_history.h"
#include "evaluation.h"
#include "game_profiles.h"
#include "profile_text.h"
#include "results_file.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int kDraws = 2000;
constexpr int kRuns = 5;
constexpr double kTargetMilliseconds = 300;

using Clock = std::chrono::steady_clock;

// Draw number d has the numbers history[d - 1]: distinct main numbers, then the bonus.
std::vector<std::vector<int>> randomHistory(const GameProfile& profile, int count) {
    std::mt19937 random(4242u);
    std::vector<int> pool(profile.PoolSize);
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<std::vector<int>> history;
    for (int d = 0; d < count; ++d) {
        std::shuffle(pool.begin(), pool.end(), random);
        history.emplace_back(pool.begin(), pool.begin() + profile.RowSize);
    }
    return history;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(EXIT_FAILURE);
    }
}

QString numberTexts(const std::vector<int>& numbers, QChar separator, bool quoted) {
    QStringList texts;
    for (int n : numbers)
        texts << (quoted ? QStringLiteral("\"%1\"").arg(n) : QString::number(n));
    return texts.join(separator);
}

// Files 7R3kai.dat .. for draws 3 .., and a results file of every draw.
QString prepareFolder(const QTemporaryDir& root, const GameProfile& profile,
                      const std::vector<std::vector<int>>& history) {
    const QString folder = root.filePath(toQString(profile.FilePrefix));
    QDir().mkpath(folder);
    for (int latest = 3; latest < kDraws + 3; ++latest) {
        QString line;
        for (int row = 0; row < 3; ++row)
            line += numberTexts(history[latest - 1 - row], u',', true) + u',';
        line += QStringLiteral("\"%1\"\r\n").arg(latest);
        write(QDir(folder).filePath(toQString(profile.FilePrefix) +
                                    QStringLiteral("%1kai.dat").arg(latest)),
              line.toLatin1() + "\x1A");
    }
    QString results = QStringLiteral("回,日付,数字\r\n");
    for (int d = 1; d <= kDraws; ++d)
        results += QStringLiteral("第%1回,2026/01/01,").arg(d) +
                   numberTexts(history[d - 1], u',', false) + QStringLiteral("\r\n");
    write(root.filePath(toQString(profile.FilePrefix) + QStringLiteral("results.csv")),
          results.toUtf8());
    return folder;
}

double timeCheck(const GameProfile& profile, const QString& folder, const QString& resultsPath) {
    const Clock::time_point start = Clock::now();
    const ResultsFile results = readResultsFile(profile, resultsPath);
    const DrawHistory history = assembleHistory(profile, folder, &results);
    const Evaluation evaluation = evaluateHistory(profile, history.draws);
    const std::vector<ChanceComparison> comparisons = compareWithChance(profile, evaluation);
    const Clock::time_point end = Clock::now();
    if (results.error || history.filesRead != kDraws ||
        static_cast<int>(evaluation.draws.size()) < kDraws - 1 || comparisons.size() != 5) {
        std::fprintf(stderr, "%.*s: the history check did not take every draw\n",
                     static_cast<int>(profile.programName.size()), profile.programName.data());
        std::exit(EXIT_FAILURE);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

} // namespace

int main() {
    QTemporaryDir root;
    std::printf("照合: %d data files and a results file of %d draws, median of %d runs\n", kDraws,
                kDraws, kRuns);
    bool allMet = true;
    for (const GameProfile* profile : {&kRk7klvn, &kRk6klvn, &kMiniklvn}) {
        const std::vector<std::vector<int>> history = randomHistory(*profile, kDraws + 2);
        const QString folder = prepareFolder(root, *profile, history);
        const QString resultsPath =
            root.filePath(toQString(profile->FilePrefix) + QStringLiteral("results.csv"));
        std::vector<double> samples;
        for (int run = 0; run < kRuns; ++run)
            samples.push_back(timeCheck(*profile, folder, resultsPath));
        std::sort(samples.begin(), samples.end());
        const double median = samples[kRuns / 2];
        const bool met = median < kTargetMilliseconds;
        allMet = allMet && met;
        std::printf("%-9.*s median %7.1f ms   fastest %7.1f ms   target < %.0f ms  %s\n",
                    static_cast<int>(profile->programName.size()), profile->programName.data(),
                    median, samples.front(), kTargetMilliseconds, met ? "MET" : "MISSED");
    }
    return allMet ? EXIT_SUCCESS : EXIT_FAILURE;
}

// Times the history check of 「照合」 on a week-by-week player's folder: 2,000 data files (each
// holding its draw and the two before) and a results file of 2,000 draws, read, joined and
// evaluated in each of the three games, with the exact chance of every list's and key's hits.
// The target: under 300 ms for the whole. The results file alone, as players download it (a
// header, era dates with the weekday, prize columns, Shift-JIS), is read in under 50 ms, and a
// hostile one (a line of millions of commas) is refused as quickly.

#include "chance_comparison.h"
#include "draw_history.h"
#include "evaluation.h"
#include "game_profiles.h"
#include "profile_text.h"
#include "results_file.h"
#include "shift_jis.h"

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
constexpr double kReadTargetMilliseconds = 50;

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

// A results table as players download it: the date in the era with the weekday before the draw
// number, the numbers under their headings, then prize counts, amounts and the carry-over.
QString resultsTable(const GameProfile& profile, const std::vector<std::vector<int>>& history) {
    QString table = QStringLiteral("抽せん日,回号");
    for (int k = 1; k <= profile.MainCount; ++k)
        table += QStringLiteral(",本数字%1").arg(k);
    for (int k = 1; k <= profile.BonusCount; ++k)
        table += QStringLiteral(",ボーナス数字%1").arg(k);
    table +=
        QStringLiteral(",1等口数,1等金額,2等口数,2等金額,3等口数,3等金額,キャリーオーバー\r\n");
    for (int d = 1; d <= kDraws; ++d)
        table += QStringLiteral("令和8年1月9日(金),第%1回,").arg(d) +
                 numberTexts(history[d - 1], u',', false) +
                 QStringLiteral(
                     ",2口,\"120,000,000円\",5口,\"8,000,000円\",120口,\"300,000円\",0円\r\n");
    return table;
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
    write(root.filePath(toQString(profile.FilePrefix) + QStringLiteral("results.csv")),
          *toShiftJis(resultsTable(profile, history)));
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

template <typename Work> double millisecondsOf(Work work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double medianOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// The results file read alone, and a file of one line of commas as large as a results file may
// be, refused.
bool timeReading(const GameProfile& profile, const QString& resultsPath,
                 const QString& hostilePath) {
    std::vector<double> reads, refusals;
    for (int run = 0; run < kRuns; ++run) {
        reads.push_back(millisecondsOf([&] {
            if (readResultsFile(profile, resultsPath).draws.size() != kDraws) {
                std::fprintf(stderr, "the results table did not give every draw\n");
                std::exit(EXIT_FAILURE);
            }
        }));
        refusals.push_back(millisecondsOf([&] {
            if (!readResultsFile(profile, hostilePath).error) {
                std::fprintf(stderr, "the line of commas was not refused\n");
                std::exit(EXIT_FAILURE);
            }
        }));
    }
    const double read = medianOf(reads);
    const double refusal = medianOf(refusals);
    const bool met = read < kReadTargetMilliseconds;
    std::printf("%-9.*s results table read %5.1f ms  target < %.0f ms  %s   "
                "(%lld MiB of commas refused in %.1f ms)\n",
                static_cast<int>(profile.programName.size()), profile.programName.data(), read,
                kReadTargetMilliseconds, met ? "MET" : "MISSED",
                static_cast<long long>(ResultsFileLimit >> 20), refusal);
    return met;
}

} // namespace

int main() {
    QTemporaryDir root;
    std::printf("照合: %d data files and a results file of %d draws, median of %d runs\n", kDraws,
                kDraws, kRuns);
    bool allMet = true;
    const QString hostilePath = root.filePath(QStringLiteral("commas.csv"));
    write(hostilePath, QByteArray(ResultsFileLimit, ','));
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
    for (const GameProfile* profile : {&kRk7klvn, &kRk6klvn, &kMiniklvn}) {
        const QString resultsPath =
            root.filePath(toQString(profile->FilePrefix) + QStringLiteral("results.csv"));
        allMet = timeReading(*profile, resultsPath, hostilePath) && allMet;
    }
    return allMet ? EXIT_SUCCESS : EXIT_FAILURE;
}

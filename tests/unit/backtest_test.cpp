#include "draw_history.h"
#include "evaluation.h"
#include "game_profiles.h"
#include "results_file.h"
#include "shift_jis.h"

#include "record_test_support.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

KnownDraw draw(std::vector<int> main, int bonus = 0) {
    return {std::move(main), bonus};
}

const std::vector<int> kA{3, 11, 17, 22, 28, 31, 36};
const std::vector<int> kB{1, 5, 9, 14, 20, 26, 33};
const std::vector<int> kC{2, 7, 12, 19, 24, 30, 35};
const std::vector<int> kD{4, 8, 13, 18, 25, 29, 37};

class BacktestHistory : public TempFolderTest {};

TEST_F(BacktestHistory, JoinsOverlappingFilesAndLaysTheResultsFileOverThem) {
    writeFile(u"7R1234kai.dat"_s, dataFile({kA, kB, kC}, 1234));
    // Overlaps 1234 and 1233; its 1233 differs, and being newer it wins.
    writeFile(u"7R1235kai.dat"_s, dataFile({kD, kA, kC}, 1235));
    writeFile(u"MR1234kai.dat"_s, dataFile({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
                                           1234)); // the mini game's
    writeFile(u"7R1240kai.dat"_s, "\"1\",\"2\",\"3\"\r\n\x1A");
    writeFile(u"7R1241kai.dat"_s, dataFile({kA, kA, {1, 1, 2, 3, 4, 5, 6}}, 1241));
    writeFile(u"7R1242kai.dat"_s, QByteArray("\x89\xFF\x00\x81", 4));
    writeFile(u"7R1243kai.txt"_s, dataFile({kA, kB, kC}, 1243));
    ResultsFile results;
    results.draws[1235] = draw(kB); // disagrees with the newer data file
    results.draws[1238] = draw(kC); // a gap after 1235
    results.skippedLines = 2;

    std::vector<std::pair<int, int>> progress;
    const DrawHistory history =
        assembleHistory(kRk7klvn, folder.path(), &results,
                        [&progress](int read, int files) {
                            progress.emplace_back(read, files);
                            return true;
                        });

    const std::map<int, KnownDraw> expected{
        {1232, draw(kC)}, {1233, draw(kC)}, {1234, draw(kA)}, {1235, draw(kB)}, {1238, draw(kC)}};
    EXPECT_EQ(history.draws, expected);
    EXPECT_EQ(history.filesRead, 2);
    EXPECT_EQ(history.shortFiles, 1);
    EXPECT_EQ(history.invalidDrawFiles, 1);
    EXPECT_EQ(history.unreadableFiles, 1);
    EXPECT_EQ(history.skippedResultLines, 2);
    ASSERT_EQ(history.disagreements.size(), 2u);
    EXPECT_EQ(history.disagreements[0].draw, 1233);
    EXPECT_EQ(history.disagreements[0].keptFrom, u"7R1235kai.dat"_s);
    EXPECT_EQ(history.disagreements[0].droppedFrom, u"7R1234kai.dat"_s);
    EXPECT_EQ(history.disagreements[1].draw, 1235);
    EXPECT_EQ(history.disagreements[1].keptFrom, ResultsSourceName);
    // The five files of the game, the text file and the mini game's left out.
    EXPECT_EQ(progress.front(), std::pair(0, 5));
    EXPECT_EQ(progress.back(), std::pair(5, 5));
}

// Told to stop, reading and evaluating return at once with what they have so far.
TEST_F(BacktestHistory, StopsWhenTheProgressSaysSo) {
    writeFile(u"7R1234kai.dat"_s, dataFile({kA, kB, kC}, 1234));
    const DrawHistory unread =
        assembleHistory(kRk7klvn, folder.path(), nullptr, [](int, int) { return false; });
    EXPECT_EQ(unread.filesRead, 0);

    std::map<int, KnownDraw> draws;
    for (int n = 1; n <= 600; ++n)
        draws[n] = draw(n % 2 ? kA : kB);
    std::vector<std::pair<int, int>> heard;
    const Evaluation evaluation = evaluateHistory(kRk7klvn, draws, [&heard](int done, int total) {
        heard.emplace_back(done, total);
        return heard.size() < 2;
    });
    EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{0, 600}, {256, 600}}));
    EXPECT_EQ(evaluation.draws.size(), 256u);
}

// Windows folders may hold the files with the extension in capitals.
TEST_F(BacktestHistory, ReadsDataFilesWhateverTheCaseOfTheirExtension) {
    writeFile(u"7R1234kai.DAT"_s, dataFile({kA, kB, kC}, 1234));
    writeFile(u"7R1235kai.Dat"_s, dataFile({kD, kA, kB}, 1235));

    const DrawHistory history = assembleHistory(kRk7klvn, folder.path());

    EXPECT_EQ(history.filesRead, 2);
    const std::map<int, KnownDraw> expected{
        {1232, draw(kC)}, {1233, draw(kB)}, {1234, draw(kA)}, {1235, draw(kD)}};
    EXPECT_EQ(history.draws, expected);
}

TEST(BacktestResultsFile, ReadsFullWidthDigitsAndJapaneseDates) {
    const QString text =
        u"回,日付,本数字\r\n"
        u"第１２３４回，２０２６年１１月２６日，３，１１，１７，２２，２８，３１，９\r\n"
        u"第1235回\t2026年12月3日\t１\t５\t９\t１４\t２０\t２６\t３３\r\n"_s;
    for (const QByteArray& bytes : {*toShiftJis(text), text.toUtf8()}) {
        const ResultsFile results = parseResultsFile(kRk6klvn, bytes);
        ASSERT_FALSE(results.error.has_value()) << results.error->toStdString();
        const std::map<int, KnownDraw> expected{{1234, draw({3, 11, 17, 22, 28, 31}, 9)},
                                                {1235, draw({1, 5, 9, 14, 20, 26}, 33)}};
        EXPECT_EQ(results.draws, expected);
        EXPECT_EQ(results.skippedLines, 1);
    }
}

TEST(BacktestResultsFile, ReadsBothEncodingsAndSkipsLinesThatAreNoDraw) {
    const QString text = u"回,日付,第1数字,第2数字,第3数字,第4数字,第5数字,第6数字,ボーナス\r\n"
                         u"第1234回,2026/11/26,3,11,17,22,28,31,9\r\n"
                         u"1235\t2026-12-03\t\"1\"\t5\t9\t14\t20\t26\t33\textra\r\n"
                         u"1236,2026/12/10,1,1,2,3,4,5,6\r\n"  // a number twice
                         u"1237,2026/12/17,1,2,3,4,5,6,3\r\n"  // bonus among the main numbers
                         u"1238,2026/12/24,1,2,3,4,5,44,7\r\n" // beyond the pool
                         u"\r\n"_s;
    const QByteArray shiftJis = *toShiftJis(text);
    const QByteArray utf8WithMark = "\xEF\xBB\xBF" + text.toUtf8();
    for (const QByteArray& bytes : {shiftJis, utf8WithMark, text.toUtf8()}) {
        const ResultsFile results = parseResultsFile(kRk6klvn, bytes);
        ASSERT_FALSE(results.error.has_value());
        const std::map<int, KnownDraw> expected{{1234, draw({3, 11, 17, 22, 28, 31}, 9)},
                                                {1235, draw({1, 5, 9, 14, 20, 26}, 33)}};
        EXPECT_EQ(results.draws, expected);
        EXPECT_EQ(results.skippedLines, 4);
    }
    EXPECT_TRUE(parseResultsFile(kRk6klvn, QByteArray("1234,\x82", 6)).error.has_value());
}

// Draws 1232..1234 are the worked example of the prediction: its high-pressure list holds the 9
// numbers 5 10 14 19 20 22 24 25 29, its low-pressure list the 13 numbers 1 2 5 10 13 18 19 20
// 21 22 24 27 29 (15 together), its keys are 9 and 28.
TEST(BacktestEvaluation, CountsTheHitsOfTheWorkedExampleAgainstTheNextDraw) {
    const std::map<int, KnownDraw> draws{{1232, draw(kC)},
                                         {1233, draw(kB)},
                                         {1234, draw(kA)},
                                         {1235, draw({1, 5, 9, 14, 25, 30, 37})},
                                         {1237, draw(kD)}}; // 1236 unknown: nothing more
    const Evaluation evaluation = evaluateHistory(kRk7klvn, draws);

    ASSERT_EQ(evaluation.draws.size(), 1u);
    const EvaluatedDraw& row = evaluation.draws.front();
    EXPECT_EQ(row.draw, 1235);
    EXPECT_EQ(row.high.hits, (std::vector<int>{5, 14, 25}));
    EXPECT_EQ(row.low.hits, (std::vector<int>{1, 5}));
    EXPECT_EQ(row.both.hits, (std::vector<int>{1, 5, 14, 25}));
    EXPECT_TRUE(row.frontHit);
    EXPECT_FALSE(row.backHit);
    // A pick of k numbers names k * 7 / 37 of the seven drawn on average.
    EXPECT_DOUBLE_EQ(row.high.chanceMean, 9 * 7 / 37.0);
    EXPECT_DOUBLE_EQ(row.low.chanceMean, 13 * 7 / 37.0);
    EXPECT_DOUBLE_EQ(row.both.chanceMean, 15 * 7 / 37.0);
    EXPECT_DOUBLE_EQ(evaluation.keyChance, 7 / 37.0);
    EXPECT_EQ(evaluation.high.counts, (std::vector<int>{0, 0, 0, 1, 0, 0, 0, 0}));
    // Nine numbers name none of the seven with C(30,9) / C(37,9) = 14307150 / 124403620.
    EXPECT_NEAR(evaluation.high.chance[0], 14307150.0 / 124403620.0, 1e-12);
}

} // namespace

#include "game_profiles.h"
#include "prediction_fixture.h"
#include "pyramid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using Cells = std::vector<PyramidCell>;
using Lines = std::vector<std::vector<int>>;

TEST(SpiralOrder, SideSixRunsAlongTheBottomUpTheRightDownTheLeftThenInwards) {
    const Cells expected{{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, // P1-P6
                         {2, 4}, {3, 3}, {4, 2}, {5, 1}, {6, 0},         // P7-P11
                         {5, 0}, {4, 0}, {3, 0}, {2, 0},                 // P12-P15
                         {2, 1}, {2, 2}, {2, 3},                         // P16-P18
                         {3, 2}, {4, 1}, {3, 1}};                        // P19-P21
    EXPECT_EQ(spiralOrder(6), expected);
}

TEST(SpiralOrder, SideFiveRunsTheSameWay) {
    const Cells expected{{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, // P1-P5
                         {2, 3}, {3, 2}, {4, 1}, {5, 0},         // P6-P9
                         {4, 0}, {3, 0}, {2, 0},                 // P10-P12
                         {2, 1}, {2, 2},                         // P13-P14
                         {3, 1}};                                // P15
    EXPECT_EQ(spiralOrder(5), expected);
}

TEST(PyramidLines, SideSixHasFifteenLinesOfSpiralPositions) {
    const Lines expected{
        {1, 2, 3, 4, 5, 6},
        {15, 16, 17, 18, 7},
        {14, 21, 19, 8},
        {13, 20, 9},
        {12, 10},
        {1, 15, 14, 13, 12, 11},
        {2, 16, 21, 20, 10},
        {3, 17, 19, 9},
        {4, 18, 8},
        {5, 7},
        {2, 15},
        {3, 16, 14},
        {4, 17, 21, 13},
        {5, 18, 19, 20, 12},
        {6, 7, 8, 9, 10, 11},
    };
    EXPECT_EQ(pyramidLines(6), expected);
}

TEST(PyramidLines, SideFiveHasTwelveLines) {
    const Lines expected{
        {1, 2, 3, 4, 5}, {12, 13, 14, 6}, {11, 15, 7}, {10, 8}, {1, 12, 11, 10, 9},
        {2, 13, 15, 8},  {3, 14, 7},      {4, 6},      {2, 12}, {3, 13, 11},
        {4, 14, 15, 10}, {5, 6, 7, 8, 9},
    };
    EXPECT_EQ(pyramidLines(5), expected);
}

// The low-pressure pyramid of the seven-number game, row by row from the apex down, as the draw
// and place of the number in each cell.
TEST(FillSequence, SevenNumberLowPressurePyramidHoldsTheDrawsInTheirCells) {
    const std::vector<std::vector<DrawSlot>> rowsFromApex{
        {{2, 4}},
        {{2, 5}, {2, 3}},
        {{2, 6}, {3, 6}, {2, 2}},
        {{2, 7}, {3, 7}, {3, 5}, {2, 1}},
        {{3, 1}, {3, 2}, {3, 3}, {3, 4}, {1, 7}},
        {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}},
    };
    const Cells cells = spiralOrder(6);
    const std::vector<DrawSlot> fill = fillSequence(kRk7klvn, Pressure::Low);
    ASSERT_EQ(fill.size(), cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const PyramidCell c = cells[i];
        EXPECT_EQ(fill[i], rowsFromApex[6 - c.r][c.p]) << "cell (" << c.r << "," << c.p << ")";
    }
}

TEST(FillSequence, SixNumberGamePutsTheBonusNumbersInTheInnerCells) {
    std::vector<DrawSlot> low;
    std::vector<DrawSlot> high;
    for (int draw : {1, 2, 3})
        for (int slot = 1; slot <= 6; ++slot)
            low.push_back({draw, slot});
    for (int draw : {3, 2, 1})
        for (int slot = 1; slot <= 6; ++slot)
            high.push_back({draw, slot});
    low.insert(low.end(), {{3, 7}, {2, 7}, {1, 7}});
    high.insert(high.end(), {{1, 7}, {2, 7}, {3, 7}});
    EXPECT_EQ(fillSequence(kRk6klvn, Pressure::Low), low);
    EXPECT_EQ(fillSequence(kRk6klvn, Pressure::High), high);
}

TEST(FillSequence, MiniGameTakesFiveNumbersOfEachDraw) {
    const std::vector<DrawSlot> high = fillSequence(kMiniklvn, Pressure::High);
    ASSERT_EQ(high.size(), 15u);
    EXPECT_EQ(high.front(), (DrawSlot{3, 1}));
    EXPECT_EQ(high[5], (DrawSlot{2, 1}));
    EXPECT_EQ(high.back(), (DrawSlot{1, 5}));
}

TEST(PredictFromDraws, WorkedExampleOfTheSevenNumberGame) {
    const PyramidPrediction r = predictFromDraws(kRk7klvn, drawValues(kWorkedExample));
    EXPECT_EQ(r.low.rawLineSums,
              (std::vector<int>{112, 76, 93, 61, 29, 98, 92, 58, 42, 64, 13, 57, 95, 121, 96}));
    EXPECT_EQ(r.low.lineSums,
              (std::vector<int>{1, 2, 19, 24, 29, 24, 18, 21, 5, 27, 13, 20, 21, 10, 22}));
    EXPECT_EQ(r.high.lineSums,
              (std::vector<int>{20, 14, 24, 25, 29, 24, 20, 25, 5, 22, 10, 19, 24, 14, 20}));
    EXPECT_EQ(r.keys.rowTotal, 1);
    EXPECT_EQ(r.keys.lastRow, 29);
    EXPECT_EQ(r.keys.front, 9); // 1 - 29 + 37
    EXPECT_EQ(r.keys.reducedRowTotal, 1);
    EXPECT_EQ(r.keys.back, 28); // |1 - 29|
    EXPECT_EQ(r.frontKeyText, QStringLiteral("09"));
    EXPECT_EQ(r.backKeyText, QStringLiteral("28"));
    EXPECT_EQ(r.rowTotalText, QStringLiteral(" 1"));
    EXPECT_EQ(r.reducedRowTotalText, QStringLiteral(" 1"));
    EXPECT_EQ(r.lastRowText, QStringLiteral(" 29"));
    EXPECT_EQ(r.lowLineTexts, texts({u" 1", u" 2", u" 19", u" 24", u" 29", u" 24", u" 18", u" 21",
                                     u" 5", u" 27", u" 13", u" 20", u" 21", u" 10", u" 22"}));
    EXPECT_EQ(r.highLineTexts,
              texts({u" 20", u" 14", u" 24", u" 25", u" 29", u" 24", u" 20", u" 25", u" 5", u" 22",
                     u" 10", u" 19", u" 24", u" 14", u" 20"}));
}

TEST(PredictFromDraws, OneToTwentyOneInTheSevenNumberGame) {
    const PyramidPrediction r = predictFromDraws(kRk7klvn, drawValues(kOneToTwentyOne));
    EXPECT_EQ(r.low.rawLineSums[0], 21);  // 1 + ... + 6
    EXPECT_EQ(r.low.lineSums[4], 22);     // 10 + 12
    EXPECT_EQ(r.low.lineSums[9], 12);     // 5 + 7
    EXPECT_EQ(r.low.rawLineSums[14], 51); // 6 + ... + 11
    EXPECT_EQ(r.low.lineSums[14], 14);
    EXPECT_EQ(r.low.lineSums,
              (std::vector<int>{21, 36, 25, 5, 22, 29, 32, 11, 30, 12, 17, 33, 18, 37, 14}));
    EXPECT_EQ(r.high.lineSums,
              (std::vector<int>{31, 31, 34, 28, 22, 29, 4, 34, 30, 3, 17, 33, 4, 9, 5}));
    EXPECT_EQ(r.keys.rowTotal, 35);
    EXPECT_EQ(r.keys.reducedRowTotal, 35);
    EXPECT_EQ(r.keys.lastRow, 22);
    EXPECT_EQ(r.frontKeyText, QStringLiteral("13"));
    EXPECT_EQ(r.backKeyText, QStringLiteral("13"));
}

TEST(PredictFromDraws, SixNumberGameAddsTheBonusNumbersOfTheInnerCells) {
    const PyramidPrediction r = predictFromDraws(kRk6klvn, drawValues(kOneToTwentyOne));
    EXPECT_EQ(r.low.rawLineSums[1], 82); // 17 + 18 + 19 + 20 + 8
    EXPECT_EQ(r.low.lineSums[1], 39);
    EXPECT_EQ(r.low.rawLineSums[2], 53); // 16 + 7 + 21 + 9
    EXPECT_EQ(r.low.lineSums[2], 10);
    // Lines through the bonus cells hold other bonus numbers in the two pyramids.
    EXPECT_EQ(r.low.rawLineSums[6], 52); // 2 + 18 + 7 + 14 + 11
    EXPECT_EQ(r.high.lineSums[6], 23);   // 16 + 4 + 21 + 14 + 11 = 66
    EXPECT_EQ(r.keys.front, 23);         // 4 - 24 + 43
    EXPECT_EQ(r.keys.back, 20);          // |4 - 24|
    for (int sum : r.low.lineSums)
        EXPECT_LE(sum, 43);
}

TEST(PredictFromDraws, MiniGameSumsTwelveLines) {
    const PyramidPrediction r = predictFromDraws(kMiniklvn, drawValues(kOneToFifteen));
    EXPECT_EQ(r.low.rawLineSums,
              (std::vector<int>{15, 45, 33, 18, 43, 38, 24, 10, 14, 27, 43, 35}));
    EXPECT_EQ(r.low.lineSums, (std::vector<int>{15, 14, 2, 18, 12, 7, 24, 10, 14, 27, 12, 4}));
    EXPECT_EQ(r.high.lineSums, (std::vector<int>{3, 15, 13, 18, 2, 28, 24, 20, 14, 17, 2, 14}));
    EXPECT_EQ(r.keys.rowTotal, 18); // wrap(111)
    EXPECT_EQ(r.keys.lastRow, 18);
    EXPECT_EQ(r.keys.reducedRowTotal, 18); // wrap(49)
    // Both differences are 0, and both keys become the pool size.
    EXPECT_EQ(r.keys.front, 31);
    EXPECT_EQ(r.keys.back, 31);
    EXPECT_EQ(r.lastRowText, QStringLiteral(" 18"));
    EXPECT_EQ(r.lowLineTexts.size(), 12);
}

struct WrapRow {
    const char* name;
    int fifthOfSecondDraw; // the line under the apex adds it to 10
    int lineSum;
};

class LineWrap : public testing::TestWithParam<WrapRow> {};

TEST_P(LineWrap, LineOfExactlyThePoolSizeKeepsIt) {
    const std::array<std::vector<int>, 3> draws{{
        {1, 2, 3, 4, 5, 6, 7},
        {1, 2, 10, 20, GetParam().fifthOfSecondDraw, 30, 33},
        {1, 2, 3, 4, 5, 6, 7},
    }};
    const PyramidPrediction r = predictFromDraws(kRk7klvn, drawValues(draws));
    EXPECT_EQ(r.low.lineSums[4], GetParam().lineSum);
}

INSTANTIATE_TEST_SUITE_P(Rows, LineWrap,
                         testing::Values(WrapRow{"PoolSize", 27, 37},
                                         WrapRow{"PoolSizePlusOne", 28, 1},
                                         WrapRow{"Below", 26, 36}),
                         [](const auto& info) { return std::string(info.param.name); });

// Random draws: distinct numbers of the pool, sorted, and in the six-number game a bonus
// that differs from its draw's main numbers.
DrawValues randomDraws(const GameProfile& p, std::mt19937& random) {
    DrawValues draws{};
    std::vector<int> pool(p.PoolSize);
    std::iota(pool.begin(), pool.end(), 1);
    for (auto& row : draws) {
        std::shuffle(pool.begin(), pool.end(), random);
        std::copy_n(pool.begin(), p.RowSize, row.begin());
        std::sort(row.begin(), row.begin() + p.MainCount);
    }
    return draws;
}

class PyramidProperties : public testing::TestWithParam<const GameProfile*> {};

TEST_P(PyramidProperties, HoldForManyRandomDraws) {
    const GameProfile& p = *GetParam();
    std::mt19937 random(20240607u + static_cast<unsigned>(p.PoolSize));
    for (int round = 0; round < 500; ++round) {
        const DrawValues draws = randomDraws(p, random);
        const PyramidPrediction r = predictFromDraws(p, draws);
        ASSERT_EQ(static_cast<int>(r.low.lineSums.size()), p.LineCount);
        ASSERT_EQ(static_cast<int>(r.high.lineSums.size()), p.LineCount);
        for (const std::vector<int>* sums : {&r.low.lineSums, &r.high.lineSums}) {
            for (int sum : *sums) {
                EXPECT_GE(sum, 1);
                EXPECT_LE(sum, p.PoolSize);
            }
        }
        EXPECT_GE(r.keys.front, 1);
        EXPECT_LE(r.keys.front, p.PoolSize);
        EXPECT_GE(r.keys.back, 1);
        EXPECT_LE(r.keys.back, p.PoolSize);

        DrawValues exchanged = draws;
        std::swap(exchanged[0], exchanged[2]);
        const PyramidPrediction swapped = predictFromDraws(p, exchanged);
        EXPECT_EQ(r.high.cells, swapped.low.cells);
        EXPECT_EQ(r.high.lineSums, swapped.low.lineSums);
    }
}

INSTANTIATE_TEST_SUITE_P(Games, PyramidProperties,
                         testing::Values(&kRk7klvn, &kRk6klvn, &kMiniklvn),
                         [](const auto& info) { return std::string(info.param->programName); });

} // namespace

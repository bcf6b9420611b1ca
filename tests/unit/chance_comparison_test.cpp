#include "chance_comparison.h"
#include "game_profiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

// A draw of the mini game (5 of 31) as the check sees it: for each list how many distinct
// numbers it held and how many of them were drawn; whether each key was drawn.
struct Week {
    int highSize, highHits, lowSize, lowHits, bothSize, bothHits;
    bool front, back;
};

ListHits listHits(int size, int hits, const GameProfile& game) {
    ListHits list;
    list.distinct = size;
    for (int n = 1; n <= hits; ++n)
        list.hits.push_back(n);
    list.chanceMean = static_cast<double>(size) * game.MainCount / game.PoolSize;
    return list;
}

Evaluation evaluationOf(const GameProfile& game, const std::vector<Week>& weeks) {
    Evaluation evaluation;
    evaluation.keyChance = static_cast<double>(game.MainCount) / game.PoolSize;
    for (const Week& w : weeks) {
        EvaluatedDraw row;
        row.high = listHits(w.highSize, w.highHits, game);
        row.low = listHits(w.lowSize, w.lowHits, game);
        row.both = listHits(w.bothSize, w.bothHits, game);
        row.frontHit = w.front;
        row.backHit = w.back;
        evaluation.draws.push_back(row);
    }
    return evaluation;
}

// Two weeks of the mini game, 5 numbers drawn of 31. A list of one number hits with 5/31; of
// two numbers none with C(26,2)/C(31,2) = 325/465, one with 130/465, two with 10/465; of three
// numbers none with 2600/4495, one with 1625/4495, two with 260/4495, three with 10/4495.
//   高気圧型, lists of 1 and 2, 2 hits: P(S >= 2) = 5/31 * 140/465 + 26/31 * 10/465
//            = 960/14415; P(S <= 2) = 1 - 5/31 * 10/465 = 14365/14415.
//   低気圧型, lists of 2 and 1, no hit: P(S <= 0) = 325/465 * 26/31 = 8450/14415.
//   両方, lists of 3 and 3, 2 hits: P(S >= 2) = 1 - (2600^2 + 2 * 2600 * 1625) / 4495^2
//            = 4995025/20205025.
//   表, drawn both weeks: P(K >= 2) = (5/31)^2 = 25/961. 裏, never: P(K <= 0) = 676/961.
// Twice the smaller tail, the smallest is 表's 50/961 = 0.052, above 0.05 / 5: nothing beyond
// chance.
TEST(ChanceComparison, GivesTheExactProbabilitiesOfATwoDrawHistory) {
    const Evaluation evaluation =
        evaluationOf(kMiniklvn, {{1, 1, 2, 0, 3, 1, true, false}, {2, 1, 1, 0, 3, 1, true, false}});
    const std::vector<ChanceComparison> c = compareWithChance(kMiniklvn, evaluation);

    ASSERT_EQ(c.size(), 5u);
    EXPECT_EQ(c[0].name, QStringLiteral("高気圧型"));
    EXPECT_EQ(c[0].hits, 2);
    EXPECT_NEAR(c[0].chanceHits, 3 * 5 / 31.0, 1e-12);
    EXPECT_NEAR(c[0].atLeast, 960.0 / 14415, 1e-12);
    EXPECT_NEAR(c[0].atMost, 14365.0 / 14415, 1e-12);
    EXPECT_EQ(c[1].hits, 0);
    EXPECT_NEAR(c[1].atLeast, 1.0, 1e-12);
    EXPECT_NEAR(c[1].atMost, 8450.0 / 14415, 1e-12);
    EXPECT_EQ(c[2].hits, 2);
    EXPECT_NEAR(c[2].atLeast, 4995025.0 / 20205025, 1e-12);
    EXPECT_EQ(c[3].name, QStringLiteral("表"));
    EXPECT_EQ(c[3].hits, 2);
    EXPECT_NEAR(c[3].atLeast, 25.0 / 961, 1e-12);
    EXPECT_NEAR(c[3].atMost, 1.0, 1e-12);
    EXPECT_EQ(c[4].hits, 0);
    EXPECT_NEAR(c[4].atMost, 676.0 / 961, 1e-12);
    for (const ChanceComparison& one : c)
        EXPECT_EQ(one.verdict, Verdict::WithinChance) << one.name.toStdString();
}

// Ten weeks in which 表 was drawn every time: (5/31)^10, about 1.2e-8. Twenty weeks in which
// a list of fifteen numbers never hit: (C(26,15)/C(31,15))^20 = (7726160/300540195)^20, far
// below any share.
TEST(ChanceComparison, ClaimsAnEffectWhereChanceCannotExplainIt) {
    const std::vector<Week> keyAlways(10, {6, 1, 6, 1, 10, 2, true, false});
    const std::vector<ChanceComparison> keys =
        compareWithChance(kMiniklvn, evaluationOf(kMiniklvn, keyAlways));
    EXPECT_NEAR(keys[3].atLeast, std::pow(5 / 31.0, 10), 1e-18);
    EXPECT_EQ(keys[3].verdict, Verdict::MoreThanChance);
    EXPECT_EQ(keys[0].verdict, Verdict::WithinChance);

    const std::vector<Week> neverHit(20, {15, 0, 6, 1, 18, 3, false, true});
    const std::vector<ChanceComparison> lists =
        compareWithChance(kMiniklvn, evaluationOf(kMiniklvn, neverHit));
    EXPECT_NEAR(lists[0].atMost, std::pow(7726160.0 / 300540195.0, 20), 1e-40);
    EXPECT_EQ(lists[0].verdict, Verdict::FewerThanChance);
}

// Over many histories of pure chance, each week's lists random picks of the sizes the
// pyramids give and each key a random number, the five verdicts together claim an effect in
// at most one history in twenty. Five comparisons each read alone at 5 % would claim one in
// about a fifth of them.
TEST(ChanceComparison, ClaimsAnEffectInAtMostOneHistoryOfPureChanceInTwenty) {
    constexpr int kHistories = 1000;
    constexpr int kWeeks = 52;
    const GameProfile& game = kRk7klvn;
    std::mt19937 random(20261209u);
    std::vector<int> pool(game.PoolSize);
    std::iota(pool.begin(), pool.end(), 1);
    const auto pick = [&](int size) {
        std::shuffle(pool.begin(), pool.end(), random);
        return std::vector<int>(pool.begin(), pool.begin() + size);
    };
    const auto hitsOf = [](const std::vector<int>& list, const std::vector<int>& drawn) {
        return static_cast<int>(std::count_if(list.begin(), list.end(), [&](int n) {
            return std::find(drawn.begin(), drawn.end(), n) != drawn.end();
        }));
    };
    std::uniform_int_distribution<int> highSizes(7, 12);
    std::uniform_int_distribution<int> lowSizes(7, 12);
    int claimed = 0;
    for (int h = 0; h < kHistories; ++h) {
        std::vector<Week> weeks;
        for (int w = 0; w < kWeeks; ++w) {
            const std::vector<int> drawn = pick(game.MainCount);
            const int highSize = highSizes(random);
            const int lowSize = lowSizes(random);
            const int bothSize = std::min(game.PoolSize, highSize + lowSize - 4);
            const std::vector<int> high = pick(highSize);
            const std::vector<int> low = pick(lowSize);
            const std::vector<int> both = pick(bothSize);
            const std::vector<int> keys = {pick(1)[0], pick(1)[0]};
            weeks.push_back({highSize, hitsOf(high, drawn), lowSize, hitsOf(low, drawn), bothSize,
                             hitsOf(both, drawn), hitsOf({keys[0]}, drawn) == 1,
                             hitsOf({keys[1]}, drawn) == 1});
        }
        const std::vector<ChanceComparison> c = compareWithChance(game, evaluationOf(game, weeks));
        claimed += std::any_of(c.begin(), c.end(),
                               [](const ChanceComparison& one) {
                                   return one.verdict != Verdict::WithinChance;
                               })
                       ? 1
                       : 0;
    }
    EXPECT_LE(claimed, kHistories * 5 / 100) << claimed << " of " << kHistories;
}

} // namespace

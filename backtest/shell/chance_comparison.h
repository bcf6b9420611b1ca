#pragma once

#include "evaluation.h"

#include <QString>
#include <vector>

struct GameProfile;

// What the hits of one list or key over the evaluated draws say, set against pure chance.
enum class Verdict { WithinChance, MoreThanChance, FewerThanChance };

// One of the five comparisons: the three lists (high, low, both) and the two keys (表, 裏).
// Chance is a random pick each week of as many numbers as the list held that week (a random
// number for a key). The probabilities are exact: the distribution of the summed hits is the
// convolution of each week's hypergeometric distribution (for the keys, the binomial one).
struct ChanceComparison {
    QString name;
    int hits = 0;          // over all evaluated draws
    double chanceHits = 0; // what chance names on average over the same draws
    double atLeast = 1;    // P(chance hits >= hits): the p-value of "more than chance"
    double atMost = 1;     // P(chance hits <= hits): the p-value of "fewer than chance"
    Verdict verdict = Verdict::WithinChance;
};

// Five comparisons are read at once, so that a player looking for any effect is misled by
// chance in at most this share of histories (Holm's step-down method over the five two-sided
// p-values).
inline constexpr double FamilyErrorRate = 0.05;

// The five comparisons in the order 高気圧型, 低気圧型, 両方, 表, 裏; with no evaluated draw
// every one is within chance.
std::vector<ChanceComparison> compareWithChance(const GameProfile& profile,
                                                const Evaluation& evaluation);

// The distribution of the summed hits of lists of these sizes, one a draw, each a random pick
// from the pool against a draw of MainCount numbers: element s is P(sum = s).
std::vector<double> chanceHitDistribution(const GameProfile& profile,
                                          const std::vector<int>& listSizes);

// The verdict in words a player reads at a glance.
QString verdictText(Verdict verdict);

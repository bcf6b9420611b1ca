#include "evaluation.h"

#include "game_profile.h"
#include "pyramid.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// A draw's prediction takes some microseconds: reporting every few hundred keeps the window
// answering without slowing the check.
constexpr int kDrawsBetweenProgress = 256;

double choose(int n, int k) {
    if (k < 0 || k > n)
        return 0;
    return std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0));
}

DrawValues valuesOf(const KnownDraw* newestFirst[3]) {
    DrawValues values{};
    for (std::size_t d = 0; d < 3; ++d) {
        const KnownDraw& draw = *newestFirst[d];
        for (std::size_t i = 0; i < draw.main.size(); ++i)
            values[d][i] = draw.main[i];
        if (draw.bonus > 0)
            values[d][draw.main.size()] = draw.bonus;
    }
    return values;
}

ListHits hitsOf(const GameProfile& profile, const std::set<int>& list, const KnownDraw& drawn) {
    ListHits hits;
    hits.distinct = static_cast<int>(list.size());
    for (int n : drawn.main) {
        if (list.count(n))
            hits.hits.push_back(n);
    }
    hits.chanceMean = static_cast<double>(hits.distinct) * profile.MainCount / profile.PoolSize;
    return hits;
}

bool drawnMain(const KnownDraw& drawn, int number) {
    return std::binary_search(drawn.main.begin(), drawn.main.end(), number);
}

HitDistribution emptyDistribution(const GameProfile& profile) {
    return {std::vector<int>(profile.MainCount + 1, 0),
            std::vector<double>(profile.MainCount + 1, 0.0)};
}

void count(const GameProfile& profile, HitDistribution& distribution, const ListHits& hits) {
    ++distribution.counts[hits.hits.size()];
    for (int x = 0; x <= profile.MainCount; ++x)
        distribution.chance[x] += hypergeometric(profile, hits.distinct, x);
}

void average(HitDistribution& distribution, std::size_t draws) {
    if (draws == 0)
        return;
    for (double& p : distribution.chance)
        p /= static_cast<double>(draws);
}

EvaluatedDraw evaluate(const GameProfile& profile, const KnownDraw* newestFirst[3], int next,
                       const KnownDraw& drawn) {
    const PyramidPrediction prediction = predictFromDraws(profile, valuesOf(newestFirst));
    const std::set<int> high(prediction.high.lineSums.begin(), prediction.high.lineSums.end());
    const std::set<int> low(prediction.low.lineSums.begin(), prediction.low.lineSums.end());
    std::set<int> both = high;
    both.insert(low.begin(), low.end());
    EvaluatedDraw row;
    row.draw = next;
    row.drawn = drawn;
    row.high = hitsOf(profile, high, drawn);
    row.low = hitsOf(profile, low, drawn);
    row.both = hitsOf(profile, both, drawn);
    row.frontKey = prediction.keys.front;
    row.backKey = prediction.keys.back;
    row.frontHit = drawnMain(drawn, row.frontKey);
    row.backHit = drawnMain(drawn, row.backKey);
    return row;
}

} // namespace

double hypergeometric(const GameProfile& profile, int picked, int hits) {
    const int pool = profile.PoolSize;
    const int drawn = profile.MainCount;
    return choose(drawn, hits) * choose(pool - drawn, picked - hits) / choose(pool, picked);
}

Evaluation evaluateHistory(const GameProfile& profile, const std::map<int, KnownDraw>& draws,
                           const StepProgress& progress) {
    Evaluation evaluation;
    evaluation.high = evaluation.low = evaluation.both = emptyDistribution(profile);
    evaluation.keyChance = static_cast<double>(profile.MainCount) / profile.PoolSize;
    const int total = static_cast<int>(draws.size());
    int done = 0;
    for (auto it = draws.rbegin(); it != draws.rend(); ++it, ++done) {
        if (progress && done % kDrawsBetweenProgress == 0 && !progress(done, total))
            break;
        const int n = it->first - 1;
        const auto latest = draws.find(n);
        const auto before = draws.find(n - 1);
        const auto oldest = draws.find(n - 2);
        if (latest == draws.end() || before == draws.end() || oldest == draws.end())
            continue;
        const KnownDraw* newestFirst[3] = {&latest->second, &before->second, &oldest->second};
        EvaluatedDraw row = evaluate(profile, newestFirst, it->first, it->second);
        count(profile, evaluation.high, row.high);
        count(profile, evaluation.low, row.low);
        count(profile, evaluation.both, row.both);
        evaluation.draws.push_back(std::move(row));
    }
    for (HitDistribution* d : {&evaluation.high, &evaluation.low, &evaluation.both})
        average(*d, evaluation.draws.size());
    return evaluation;
}

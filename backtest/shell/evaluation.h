#pragma once

#include "known_draw.h"
#include "step_progress.h"

#include <map>
#include <vector>

struct GameProfile;

// How one list of candidate numbers did against the next draw.
struct ListHits {
    int distinct = 0;      // numbers of the list, each counted once
    std::vector<int> hits; // those among the next draw's main numbers, ascending
    double chanceMean = 0; // what a pick of `distinct` numbers names on average
};

// The prediction from draws n - 2, n - 1 and n, held against draw n + 1.
struct EvaluatedDraw {
    int draw = 0; // n + 1
    KnownDraw drawn;
    ListHits high;
    ListHits low;
    ListHits both;
    int frontKey = 0;
    int backKey = 0;
    bool frontHit = false;
    bool backHit = false;
};

// How often each list reached each hit count 0..MainCount, beside what chance gives over the
// same draws (the hypergeometric distribution for each draw's list size, averaged).
struct HitDistribution {
    std::vector<int> counts;
    std::vector<double> chance;
};

struct Evaluation {
    std::vector<EvaluatedDraw> draws; // newest first
    HitDistribution high;
    HitDistribution low;
    HitDistribution both;
    double keyChance = 0; // a key number is one of the drawn main numbers
};

// Runs the prediction of the next-draw command for every draw n of the history for which n - 2,
// n - 1, n and n + 1 are all known, newest first; `progress` hears of the draws gone through
// now and then.
Evaluation evaluateHistory(const GameProfile& profile, const std::map<int, KnownDraw>& draws,
                           const StepProgress& progress = {});

// P(X = hits) when `picked` of the pool's numbers are held against a draw of MainCount numbers.
double hypergeometric(const GameProfile& profile, int picked, int hits);

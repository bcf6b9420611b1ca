// Times "次回予想" end to end through the recording fakes: the checks, the pyramids, the drawing
// calls and the box writes, for each of the three games. The fakes record every call, so the
// figure is an upper bound for the work of the handler itself.

#include "fake_platform.h"
#include "field_map.h"
#include "game_profiles.h"
#include "prediction.h"
#include "pyramid.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int kIterations = 20000;
constexpr int kDifferentDraws = 64;

using Clock = std::chrono::steady_clock;

// Distinct numbers of the pool per row, typed unsorted, so that every run sorts.
std::vector<QStringList> randomRows(const GameProfile& profile, std::mt19937& random) {
    std::vector<int> pool(profile.PoolSize);
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<QStringList> rows;
    for (int row = 0; row < 3; ++row) {
        std::shuffle(pool.begin(), pool.end(), random);
        QStringList texts;
        for (int i = 0; i < profile.RowSize; ++i)
            texts << QString::number(pool[i]);
        rows.push_back(texts);
    }
    return rows;
}

struct Timing {
    double meanMicroseconds;
    double medianMicroseconds;
};

Timing timePredictions(const GameProfile& profile) {
    std::mt19937 random(12345u);
    std::vector<std::vector<QStringList>> draws;
    for (int i = 0; i < kDifferentDraws; ++i)
        draws.push_back(randomRows(profile, random));

    std::vector<double> samples;
    samples.reserve(kIterations);
    for (int i = 0; i < kIterations; ++i) {
        // A fresh window per run keeps the recordings from growing; it is set up untimed.
        FakeWindow window(profile);
        const std::vector<QStringList>& rows = draws[i % kDifferentDraws];
        for (int row = 1; row <= 3; ++row)
            window.form.fill(numberBoxesOfRow(profile, row), rows[row - 1]);
        window.form.texts[drawNumberBoxOfRow(1)] = QStringLiteral("1235");

        const Clock::time_point start = Clock::now();
        BUTTON5_ON(window.mainForm);
        const Clock::time_point end = Clock::now();

        if (window.state.PredictionShown != 1) {
            std::fprintf(stderr, "%.*s: a prediction failed\n",
                         static_cast<int>(profile.programName.size()), profile.programName.data());
            std::exit(EXIT_FAILURE);
        }
        samples.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    const double total = std::accumulate(samples.begin(), samples.end(), 0.0);
    std::nth_element(samples.begin(), samples.begin() + kIterations / 2, samples.end());
    return {total / kIterations, samples[kIterations / 2]};
}

// The computation alone, without the window: both pyramids, their sums and the keys.
double timePyramids(const GameProfile& profile) {
    std::mt19937 random(12345u);
    std::vector<DrawValues> draws(kDifferentDraws);
    for (DrawValues& values : draws) {
        const std::vector<QStringList> rows = randomRows(profile, random);
        for (int row = 0; row < 3; ++row) {
            for (int i = 0; i < profile.RowSize; ++i)
                values[row][i] = rows[row][i].toInt();
            std::sort(values[row].begin(), values[row].begin() + profile.MainCount);
        }
    }
    long long checksum = 0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kIterations; ++i)
        checksum += predictFromDraws(profile, draws[i % kDifferentDraws]).keys.front;
    const Clock::time_point end = Clock::now();
    if (checksum <= 0)
        std::exit(EXIT_FAILURE);
    return std::chrono::duration<double, std::micro>(end - start).count() / kIterations;
}

} // namespace

int main() {
    std::printf("BUTTON5_ON through the recording fakes, %d runs per game\n", kIterations);
    for (const GameProfile* profile : {&kRk7klvn, &kRk6klvn, &kMiniklvn}) {
        const Timing t = timePredictions(*profile);
        const int nameLength = static_cast<int>(profile->programName.size());
        std::printf("%-9.*s mean %7.2f us   median %7.2f us   pyramids alone %6.2f us\n",
                    nameLength, profile->programName.data(), t.meanMicroseconds,
                    t.medianMicroseconds, timePyramids(*profile));
    }
    return EXIT_SUCCESS;
}

#include "chance_comparison.h"

#include "game_profile.h"

#include <algorithm>
#include <numeric>

namespace {

// Probabilities below this are dropped from the ends of a distribution as it grows. Together they
// weigh less than 1e-95 even over thousands of draws, far below the thousandth a p-value is shown
// to, and leaving them out keeps the sums short: the ends of a long history's distribution hold
// thousands of such values. Hit distributions fall off steadily on both sides, so only ends are
// dropped.
constexpr double kNegligible = 1e-100;

// A distribution of whole numbers, P(first + i) = p[i].
struct Distribution {
    int first = 0;
    std::vector<double> p{1.0};
};

void trimEnds(Distribution& d) {
    auto begin = d.p.begin();
    while (begin + 1 < d.p.end() && *begin < kNegligible)
        ++begin;
    auto end = d.p.end();
    while (end - 1 > begin && *(end - 1) < kNegligible)
        --end;
    d.first += static_cast<int>(begin - d.p.begin());
    d.p.erase(end, d.p.end());
    d.p.erase(d.p.begin(), begin);
}

// The distribution of the sum with one more independent term whose P(x) = term[x].
void addTerm(Distribution& sum, const std::vector<double>& term, std::vector<double>& scratch) {
    scratch.assign(sum.p.size() + term.size() - 1, 0.0);
    for (std::size_t x = 0; x < term.size(); ++x) {
        const double q = term[x];
        if (q == 0.0)
            continue;
        double* out = scratch.data() + x;
        for (std::size_t j = 0; j < sum.p.size(); ++j)
            out[j] += q * sum.p[j];
    }
    std::swap(sum.p, scratch);
    trimEnds(sum);
}

double atLeast(const Distribution& d, int value) {
    const int from = std::max(value - d.first, 0);
    if (from >= static_cast<int>(d.p.size()))
        return 0.0;
    return std::min(1.0, std::accumulate(d.p.begin() + from, d.p.end(), 0.0));
}

double atMost(const Distribution& d, int value) {
    const int to = std::min(value - d.first + 1, static_cast<int>(d.p.size()));
    if (to <= 0)
        return 0.0;
    return std::min(1.0, std::accumulate(d.p.begin(), d.p.begin() + to, 0.0));
}

// P(hits = x) for a list of each size 0..PoolSize, worked out once.
std::vector<std::vector<double>> hitTerms(const GameProfile& profile) {
    std::vector<std::vector<double>> terms(profile.PoolSize + 1);
    for (int size = 0; size <= profile.PoolSize; ++size) {
        for (int x = 0; x <= std::min(size, profile.MainCount); ++x)
            terms[size].push_back(hypergeometric(profile, size, x));
    }
    return terms;
}

Distribution listDistribution(const std::vector<std::vector<double>>& terms,
                              const std::vector<int>& sizes) {
    Distribution sum;
    std::vector<double> scratch;
    for (int size : sizes)
        addTerm(sum, terms[std::clamp(size, 0, static_cast<int>(terms.size()) - 1)], scratch);
    return sum;
}

ChanceComparison compared(QString name, int hits, double chanceHits, const Distribution& chance) {
    ChanceComparison c;
    c.name = std::move(name);
    c.hits = hits;
    c.chanceHits = chanceHits;
    c.atLeast = atLeast(chance, hits);
    c.atMost = atMost(chance, hits);
    return c;
}

ChanceComparison listComparison(const std::vector<std::vector<double>>& terms, QString name,
                                const Evaluation& evaluation, const ListHits EvaluatedDraw::*list) {
    std::vector<int> sizes;
    int hits = 0;
    double chanceHits = 0;
    for (const EvaluatedDraw& row : evaluation.draws) {
        sizes.push_back((row.*list).distinct);
        hits += static_cast<int>((row.*list).hits.size());
        chanceHits += (row.*list).chanceMean;
    }
    return compared(std::move(name), hits, chanceHits, listDistribution(terms, sizes));
}

ChanceComparison keyComparison(const Distribution& binomial, QString name,
                               const Evaluation& evaluation, bool EvaluatedDraw::*hit) {
    int hits = 0;
    for (const EvaluatedDraw& row : evaluation.draws)
        hits += (row.*hit) ? 1 : 0;
    const double chanceHits = evaluation.keyChance * static_cast<double>(evaluation.draws.size());
    return compared(std::move(name), hits, chanceHits, binomial);
}

// Either direction counts as an effect, so each comparison's p-value is two-sided: twice the
// smaller tail. Holm's method then takes the comparisons from the smallest p-value up, each
// against a stricter share the more comparisons remain, and stops at the first that chance
// explains.
void judge(std::vector<ChanceComparison>& comparisons) {
    const auto twoSided = [](const ChanceComparison& c) {
        return std::min(1.0, 2.0 * std::min(c.atLeast, c.atMost));
    };
    std::vector<ChanceComparison*> order;
    for (ChanceComparison& c : comparisons)
        order.push_back(&c);
    std::stable_sort(order.begin(), order.end(),
                     [&](const ChanceComparison* a, const ChanceComparison* b) {
                         return twoSided(*a) < twoSided(*b);
                     });
    const auto count = static_cast<double>(order.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        ChanceComparison& c = *order[rank];
        if (twoSided(c) > FamilyErrorRate / (count - static_cast<double>(rank)))
            break;
        c.verdict = c.atLeast < c.atMost ? Verdict::MoreThanChance : Verdict::FewerThanChance;
    }
}

} // namespace

std::vector<double> chanceHitDistribution(const GameProfile& profile,
                                          const std::vector<int>& listSizes) {
    const Distribution sum = listDistribution(hitTerms(profile), listSizes);
    std::vector<double> full(static_cast<std::size_t>(sum.first), 0.0);
    full.insert(full.end(), sum.p.begin(), sum.p.end());
    return full;
}

std::vector<ChanceComparison> compareWithChance(const GameProfile& profile,
                                                const Evaluation& evaluation) {
    const std::vector<std::vector<double>> terms = hitTerms(profile);
    Distribution binomial;
    std::vector<double> scratch;
    const std::vector<double> keyTerm{1.0 - evaluation.keyChance, evaluation.keyChance};
    for (std::size_t d = 0; d < evaluation.draws.size(); ++d)
        addTerm(binomial, keyTerm, scratch);

    std::vector<ChanceComparison> comparisons{
        listComparison(terms, QStringLiteral("高気圧型"), evaluation, &EvaluatedDraw::high),
        listComparison(terms, QStringLiteral("低気圧型"), evaluation, &EvaluatedDraw::low),
        listComparison(terms, QStringLiteral("両方"), evaluation, &EvaluatedDraw::both),
        keyComparison(binomial, QStringLiteral("表"), evaluation, &EvaluatedDraw::frontHit),
        keyComparison(binomial, QStringLiteral("裏"), evaluation, &EvaluatedDraw::backHit)};
    if (!evaluation.draws.empty())
        judge(comparisons);
    return comparisons;
}

QString verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::MoreThanChance:
        return QStringLiteral("偶然より多く当たっています");
    case Verdict::FewerThanChance:
        return QStringLiteral("偶然より当たりが少なくなっています");
    case Verdict::WithinChance:
        break;
    }
    return QStringLiteral("偶然の範囲内です");
}

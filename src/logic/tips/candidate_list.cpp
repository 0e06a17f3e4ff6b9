#include "logic/tips/candidate_list.h"

#include "logic/statistics/frequency_classes.h"

#include <array>

namespace talvo::logic {

namespace {

// The most any strategy appends: each number 6 times through its numbers class and
// 3 times each through its final digit and its tens, under both strategies together.
constexpr std::size_t kMaxCandidates = 2 * 70 * (6 + 3 + 3);

// Levels from the furthest to the nearest to the mean, with the weight each gives a
// number of kind 1; kinds 2 and 3 give half of it.
struct WeightedLevel {
    int level;
    int weight;
};
constexpr std::array<WeightedLevel, 3> kOverdueLevels = {{{3, 6}, {2, 4}, {1, 2}}};
constexpr std::array<WeightedLevel, 3> kFavouriteLevels = {{{6, 6}, {5, 4}, {4, 2}}};

void appendCandidates(const ClassSets& classSets, const std::array<WeightedLevel, 3>& levels,
                      CandidateList& candidates) {
    for (int kind = 1; kind <= 3; ++kind)
        for (const WeightedLevel& s : levels) {
            const int w = kind == 1 ? s.weight : s.weight / 2;
            const NumberSet& set = classSets.at(kind, s.level);
            for (int n = 1; n <= 70; ++n)
                if (set.contains(n))
                    candidates.insert(candidates.end(), static_cast<std::size_t>(w),
                                      static_cast<std::uint8_t>(n));
        }
}

} // namespace

QString strategyName(int strategy) {
    switch (strategy) {
    case kOverdue:
        return QStringLiteral("Auswahl nur aus Restanten");
    case kFavourites:
        return QStringLiteral("Auswahl nur aus Favoriten");
    case kOverdueAndFavourites:
        return QStringLiteral("Auswahl aus Restanten und Favoriten");
    case kRandom:
        return QStringLiteral("Auswahl aus 70 Zahlen per Zufall");
    }
    return {};
}

CandidateList buildCandidateList(const ClassSets& classSets, int strategy) {
    CandidateList candidates;
    candidates.reserve(kMaxCandidates);
    if (strategy == kOverdue || strategy == kOverdueAndFavourites)
        appendCandidates(classSets, kOverdueLevels, candidates);
    if (strategy == kFavourites || strategy == kOverdueAndFavourites)
        appendCandidates(classSets, kFavouriteLevels, candidates);
    if (strategy == kRandom)
        for (int n = 1; n <= 70; ++n)
            candidates.push_back(static_cast<std::uint8_t>(n));
    return candidates;
}

} // namespace talvo::logic

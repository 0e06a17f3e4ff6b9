#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace talvo::logic {

struct ClassSets;

// The four ways the tip centre chooses its candidates, in the order of its radio group.
enum TipStrategy { kOverdue = 0, kFavourites = 1, kOverdueAndFavourites = 2, kRandom = 3 };
inline constexpr int kTipStrategyCount = 4;

// The strategy's name as a tip text shows it; an empty text for an unknown strategy.
QString strategyName(int strategy);

// The numbers a tip draws from. A number may stand several times: its weight.
using CandidateList = std::vector<std::uint8_t>;

// The candidates of a strategy from the class sets: each classified number appears once
// per kind and level it was reached through, the further from the mean the more often.
// "Zufall" gives 1..70 once each; an unknown strategy gives an empty list.
CandidateList buildCandidateList(const ClassSets& classSets, int strategy);

} // namespace talvo::logic

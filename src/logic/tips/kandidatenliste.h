#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace talvo::logic {

struct TKlassenMengen;

// The four ways the tip centre chooses its candidates, in the order of its radio group.
enum TippStrategie { kRestanten = 0, kFavoriten = 1, kRestantenUndFavoriten = 2, kZufall = 3 };
inline constexpr int kTippStrategien = 4;

// The strategy's name as a tip text shows it; an empty text for an unknown strategy.
QString strategieName(int strategie);

// The numbers a tip draws from. A number may stand several times: its weight.
using Kandidatenliste = std::vector<std::uint8_t>;

// The candidates of a strategy from the class sets: each classified number appears once
// per kind and level it was reached through, the further from the mean the more often.
// "Zufall" gives 1..70 once each; an unknown strategy gives an empty list.
Kandidatenliste KandidatenlisteBilden(const TKlassenMengen& mengen, int strategie);

} // namespace talvo::logic

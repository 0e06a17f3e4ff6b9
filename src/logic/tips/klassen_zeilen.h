#pragma once

#include "logic/statistics/klassen.h"

#include <QString>
#include <array>
#include <vector>

namespace talvo::logic {

// The tip centre's display of the class sets: six rows, Restanten and Favoriten of the
// numbers, the final digits and the tens.
struct KlassenZelle {
    int zahl = 0;
    int klasse = 0; // its colours: KlassenFarben(klasse)
    bool operator==(const KlassenZelle&) const = default;
};

struct KlassenZeile {
    QString titel;
    std::vector<KlassenZelle> zellen; // none: the row shows "Keine" on kKeineFarbe
};

inline constexpr Rgb kKeineFarbe = {214, 222, 243};

// A Restanten row holds the numbers of the levels 3, 2, 1 of its kind, a Favoriten row
// those of 6, 5, 4, each level ascending.
std::array<KlassenZeile, 6> klassenZeilen(const TKlassenMengen& mengen);

} // namespace talvo::logic

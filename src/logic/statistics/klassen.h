#pragma once

#include "logic/core/zahlenmenge.h"

#include <array>

namespace talvo::logic {

// Frequency statistics come in three kinds.
enum class StatArt { Zahlen = 1, Endzahlen = 2, Zehner = 3 };

inline constexpr int kKlassen = 7;
inline constexpr int kStufen = 6;

// The classified numbers of the last statistics run: kind 1..3 by level 1..6. Levels
// 1..3 are one, two and three standard deviations below the mean, 4..6 above it.
struct TKlassenMengen {
    std::array<std::array<Zahlenmenge, kStufen>, 3> sets{};

    Zahlenmenge& at(int kind, int level) { return sets[kind - 1][level - 1]; }
    const Zahlenmenge& at(int kind, int level) const { return sets[kind - 1][level - 1]; }
    void clear() { sets = {}; }
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

struct KlassenFarbe {
    Rgb hintergrund;
    Rgb text;
};

// Colours of the classes 1..7; class 0 (an item no rule places) gets a neutral grey.
KlassenFarbe KlassenFarben(int klasse);
// The level in the class sets of a class; 0 for class 4 and class 0, which add nothing.
int klassenStufe(int klasse);
// Background of an absence: the colour band of its length.
Rgb abwesenheitsFarbe(int absence);

} // namespace talvo::logic

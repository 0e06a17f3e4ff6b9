#pragma once

#include "logic/core/number_set.h"

#include <array>

namespace talvo::logic {

// Frequency statistics come in three kinds.
enum class StatisticKind { Numbers = 1, FinalDigits = 2, Tens = 3 };

inline constexpr int kClassCount = 7;
inline constexpr int kLevelCount = 6;

// The classified numbers of the last statistics run: kind 1..3 by level 1..6. Levels
// 1..3 are one, two and three standard deviations below the mean, 4..6 above it.
struct ClassSets {
    std::array<std::array<NumberSet, kLevelCount>, 3> sets{};

    NumberSet& at(int kind, int level) { return sets[kind - 1][level - 1]; }
    const NumberSet& at(int kind, int level) const { return sets[kind - 1][level - 1]; }
    void clear() { sets = {}; }
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

struct ClassColour {
    Rgb background;
    Rgb text;
};

// Colours of the classes 1..7; class 0 (an item no rule places) gets a neutral grey.
ClassColour classColour(int itemClass);
// The level in the class sets of a class; 0 for class 4 and class 0, which add nothing.
int levelOfClass(int itemClass);
// Background of an absence: the colour band of its length.
Rgb absenceColour(int absence);

} // namespace talvo::logic

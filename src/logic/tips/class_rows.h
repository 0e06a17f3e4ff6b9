#pragma once

#include "logic/statistics/frequency_classes.h"

#include <QString>
#include <array>
#include <vector>

namespace talvo::logic {

// The tip centre's display of the class sets: six rows, Restanten and Favoriten of the
// numbers, the final digits and the tens.
struct ClassCell {
    int number = 0;
    int itemClass = 0; // its colours: classColour(itemClass)
    bool operator==(const ClassCell&) const = default;
};

struct ClassRow {
    QString title;
    std::vector<ClassCell> numberCells; // none: the row shows "Keine" on kNoneColour
};

inline constexpr Rgb kNoneColour = {214, 222, 243};

// A Restanten row holds the numbers of the levels 3, 2, 1 of its kind, a Favoriten row
// those of 6, 5, 4, each level ascending.
std::array<ClassRow, 6> classRows(const ClassSets& classSets);

} // namespace talvo::logic

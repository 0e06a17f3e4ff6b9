#pragma once

#include "logic/core/history_file.h"
#include "logic/core/zahlenmenge.h"

#include <array>
#include <vector>

namespace talvo::logic {

// One set of numbers per real draw, oldest first.
using ZiehungsMengenListe = std::vector<Zahlenmenge>;
ZiehungsMengenListe ZiehungsMengen(const DrawHistory& history);

struct Abwesenheiten {
    // Draws since number n was last drawn, at index n (0 = drawn in the newest draw).
    std::array<int, 71> seit{};
    // The numbers by ascending absence, ties by ascending number; a number away for
    // more than 1000 draws is not placed.
    std::vector<int> ordnung;
};

Abwesenheiten StatAusgeblieben(const ZiehungsMengenListe& mengen);

} // namespace talvo::logic

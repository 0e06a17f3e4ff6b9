#pragma once

#include "logic/statistics/klassen.h"

#include <QString>
#include <array>
#include <vector>

namespace talvo::logic {

// The result of one frequency statistic over the last W draws.
struct StatErgebnis {
    StatArt art = StatArt::Zahlen;
    int W = 0;               // draws counted
    int M = 0;               // numbers drawn in them, 20 per draw
    std::vector<int> anzahl; // count of item j at index j - 1
    double mu = 0.0;
    double sigma = 0.0;
    std::array<int, 6> T{};   // thresholds T1..T6
    std::vector<int> klasse;  // class 0..7 of item j at index j - 1
    std::array<QString, 7> R; // range texts of the classes 1..7
    QString ueberschrift;     // "Auswertung für W Ziehungen (M Zahlen)"
    QString legende;          // "M Zahlen"
    QString mittel;           // the mean with one decimal

    int items() const { return static_cast<int>(anzahl.size()); }
};

} // namespace talvo::logic

#pragma once

#include "logic/statistics/frequency_classes.h"

#include <QString>
#include <array>
#include <vector>

namespace talvo::logic {

// The result of one frequency statistic over the last drawCount draws.
struct FrequencyResult {
    StatisticKind kind = StatisticKind::Numbers;
    int drawCount = 0;            // draws counted
    int numberCount = 0;          // numbers drawn in them, 20 per draw
    std::vector<int> occurrences; // count of item j at index j - 1
    double mu = 0.0;
    double sigma = 0.0;
    std::array<int, 6> thresholds{};    // thresholds T1..T6
    std::vector<int> itemClass;         // class 0..7 of item j at index j - 1
    std::array<QString, 7> rangeTexts;  // range texts of the classes 1..7
    std::array<QString, 7> legendTexts; // the same, every range from its lower bound up
    QString heading;                    // "Auswertung für W Ziehungen (M Zahlen)"
    QString legend;                     // "M Zahlen"
    QString meanText;                   // the mean with one decimal

    int items() const { return static_cast<int>(occurrences.size()); }
};

} // namespace talvo::logic

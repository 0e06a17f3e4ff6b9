#pragma once

#include "logic/core/history_file.h"

#include <QString>
#include <array>
#include <vector>

namespace talvo::logic {

inline constexpr int kMaxPickedNumbers = 10;

// Entry m is x in the odds 1 : x that one draw holds a given set of m numbers.
inline constexpr std::array<double, 11> kCombinationOdds = {
    0.0, 3.5, 12.73, 48.02, 189.25, 780.64, 3382.77, 15464.07, 74941.3, 387196.5, 2147180.7};

// Adds n to the picked numbers, or removes it when it is picked already; an eleventh
// number is refused. Returns whether the set changed.
bool togglePick(NumberSet& picked, int n);

struct FreeSearchHit {
    int position = 0; // in the history, counted from 0
    DaySerial date = 0;
};

struct FreeSearchResult {
    int drawCount = 0;               // real draws examined
    std::vector<FreeSearchHit> hits; // newest first
};

// The draws among the last n real draws (n = 0: all) that hold every picked number.
FreeSearchResult freeSearch(const DrawHistory& history, const NumberSet& picked, int n);

// The labels of the summary rows and the summary column of search number `searchNumber`.
const std::array<QString, 6>& summaryRowLabels();
std::array<QString, 6> summaryColumn(int searchNumber, const NumberSet& picked,
                                     const FreeSearchResult& result);
// The picked numbers ascending, separated by blanks.
QString numbersText(const NumberSet& numbers);

} // namespace talvo::logic

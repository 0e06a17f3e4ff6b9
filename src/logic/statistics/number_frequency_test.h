#pragma once

#include <QString>
#include <vector>

namespace talvo::logic {

// Whether the counts of the 70 numbers over a window of W draws are more uneven than
// chance makes them. A draw takes 20 of the 70 numbers without putting any back, so the
// counts of one draw are tied together: the plain chi-square sum comes out smaller by
// the factor (70 - 20) / (70 - 1) than for independent numbers. Scaled back up by 69/50
// it follows a chi-square distribution with 69 degrees of freedom closely.
struct NumberFrequencyTest {
    int drawCount = 0;
    double statistic = 0.0; // T = 69/50 · Σ (O − E)² / E, E = 20 W / 70
    int degrees = 69;
    double pValue = 1.0;         // the chance of a T at least this large
    std::vector<double> zScores; // (O − E) / √(W · 2/7 · 5/7) of number n at index n − 1
};

// counts[n - 1] is the count of number n over the last drawCount draws. Without a draw
// every score is 0 and the p-value 1.
NumberFrequencyTest testNumberFrequencies(const std::vector<int>& counts, int drawCount);

// The |z| beyond which a number is called unusual: two-sided, Šidák-corrected for the 70
// numbers at 5 %.
double unusualNumberLimit();
bool isUnusualNumber(double z);

// The test's result in one German sentence.
QString numberFrequencyTestSentence(const NumberFrequencyTest& test);
// The numbers beyond the limit in one German sentence.
QString unusualNumbersSentence(const NumberFrequencyTest& test);

// A chance as the sentences write it: whole percent, below 1 % as "weniger als 1 %".
QString chanceText(double chance);

} // namespace talvo::logic

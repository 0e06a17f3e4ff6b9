#pragma once

#include "logic/core/history_file.h"
#include "logic/statistics/stat_ergebnis.h"

#include <array>
#include <vector>

namespace talvo::logic {

// The three frequency statistics over the last n real draws (n = 0: all of them). Each
// adds the numbers of its classified items to the class sets and never empties them.
StatErgebnis StatZahlen(const DrawHistory& history, int n, TKlassenMengen& mengen);
StatErgebnis StatEndzahlen(const DrawHistory& history, int n, TKlassenMengen& mengen);
StatErgebnis StatZehner(const DrawHistory& history, int n, TKlassenMengen& mengen);
StatErgebnis frequencyStatistic(StatArt art, const DrawHistory& history, int n, TKlassenMengen& mengen);

// The number of items of a kind: 70 numbers, 10 final digits, 7 tens.
int itemAnzahl(StatArt art);
// Mean and standard deviation of one item's count over a window of w draws.
struct Erwartung {
    double mu = 0.0;
    double sigma = 0.0;
};
Erwartung erwartung(StatArt art, int w);

// T1..T6 for a mean and standard deviation, rounded and corrected.
std::array<int, 6> schwellen(double mu, double sigma);
// Class 1..7 of a count, or 0 when thresholds moved past each other leave it in none.
int klassifizieren(int x, const std::array<int, 6>& T);
std::array<QString, 7> bereichsTexte(const std::array<int, 6>& T);
// The numbers 1..70 an item of a kind stands for.
std::vector<int> itemZahlen(StatArt art, int item);

// The numbers 1..70 by ascending count, ties by ascending number; counts[n - 1] is the
// count of number n.
std::vector<int> haeufigkeitsOrdnung(const std::vector<int>& counts);

} // namespace talvo::logic

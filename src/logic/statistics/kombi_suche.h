#pragma once

#include "logic/statistics/absences.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace talvo::logic {

inline constexpr int kKombiListenLaenge = 1000;
// The count an unoccupied position of the flop list carries.
inline constexpr std::int32_t kFlopLeerAnzahl = 1000000;

struct KombiEintrag {
    Zahlenmenge kombination; // empty: the position is unoccupied
    std::int32_t anzahl = 0;

    bool belegt() const { return !kombination.empty(); }
    bool operator==(const KombiEintrag&) const = default;
};

struct KombiErgebnis {
    int k = 2;
    std::vector<KombiEintrag> TopKombis;  // by descending count, earlier combination first on ties
    std::vector<KombiEintrag> FlopKombis; // by ascending count, later combination first on ties
    std::int64_t genommen = 0;            // combinations taken up, in lexicographic order
    bool gestoppt = false;
};

// Both lists with every position unoccupied, as a search starts.
KombiErgebnis leeresKombiErgebnis(int k);

// The draw sets of the last n draws (n = 0, or more than there are: all of them).
ZiehungsMengenListe kombiFenster(const ZiehungsMengenListe& all, int n);

// The best-combination search over the given draws for combinations of k = 2..4 numbers.
// Its lists are exactly those of the sequential search that runs through the combinations
// in lexicographic order and offers each to the top list and, when not placed there, to
// the flop list. `stop` is read between groups of combinations; a stopped search gives the
// lists of that sequential search stopped after `genommen` combinations. `progress` gets
// the number of combinations taken up now and then, from the calling thread.
KombiErgebnis KombiSuche(const ZiehungsMengenListe& draws, int k, const std::atomic<bool>* stop = nullptr,
                         const std::function<void(std::int64_t)>& progress = {});

// Places the combinations whose counts are given, in lexicographic order from the first
// combination of k numbers on, into the two lists of `result` as the sequential search
// does: one pass decides which combinations the top list takes, then both lists are
// selected from the counts.
void kombiListenFuellen(const std::vector<std::uint32_t>& counts, KombiErgebnis& result);

} // namespace talvo::logic

#pragma once

#include "logic/core/records.h"
#include "logic/statistics/klassen.h"

#include <array>
#include <vector>

namespace talvo::logic {

// The class sets of the three frequency statistics over a window of draws that slides
// along the history: a draw enters at one end and leaves at the other, and the counts
// follow without being counted again. The sets equal those StatZahlen, StatEndzahlen and
// StatZehner give for the same draws.
class KlassenFenster {
  public:
    KlassenFenster();

    void hinzufuegen(const TKenoZahlen& draw);
    void entfernen(const TKenoZahlen& draw);
    int ziehungen() const { return w_; }

    // The 18 class sets of the draws now in the window.
    TKlassenMengen klassenMengen();

  private:
    struct Art {
        StatArt art;
        std::vector<std::vector<int>> zahlen; // per item, the numbers it stands for
        std::vector<int> item;                // per number 1..70, its item (index 0 unused)
        std::vector<int> anzahl;              // per item
        int schwellenW = -1;                  // the window size `T` was computed for
        std::array<int, 6> T{};
    };
    void zaehlen(const TKenoZahlen& draw, int delta);

    std::array<Art, 3> arten_;
    int w_ = 0;
};

} // namespace talvo::logic

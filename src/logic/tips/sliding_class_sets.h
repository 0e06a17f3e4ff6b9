#pragma once

#include "logic/core/records.h"
#include "logic/statistics/frequency_classes.h"

#include <array>
#include <vector>

namespace talvo::logic {

// The class sets of the three frequency statistics over a window of draws that slides
// along the history: a draw enters at one end and leaves at the other, and the counts
// follow without being counted again. The sets equal those numberStatistic, finalDigitStatistic and
// tensStatistic give for the same draws.
class SlidingClassSets {
  public:
    SlidingClassSets();

    void addDraw(const DrawRecord& draw);
    void removeDraw(const DrawRecord& draw);
    int draws() const { return w_; }

    // The 18 class sets of the draws now in the window.
    ClassSets classSets();

  private:
    struct KindCounts {
        StatisticKind kind;
        std::vector<std::vector<int>> numbers; // per item, the numbers it stands for
        std::vector<int> item;                 // per number 1..70, its item (index 0 unused)
        std::vector<int> occurrences;          // per item
        int thresholdsWindow = -1;             // the window size `thresholds` was computed for
        std::array<int, 6> thresholds{};
    };
    void countDraw(const DrawRecord& draw, int delta);

    std::array<KindCounts, 3> kinds_;
    int w_ = 0;
};

} // namespace talvo::logic

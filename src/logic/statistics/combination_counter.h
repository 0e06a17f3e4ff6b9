#pragma once

#include "logic/statistics/absences.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace talvo::logic {

// Counts, for every combination of k = 2..4 of the numbers 1..70, the draws that hold it.
// The combinations come in groups that share their first k - 1 numbers (the prefix), in
// lexicographic order, so a group is the run of combinations whose last number runs from
// the prefix's last number + 1 to 70.
class CombinationCounter {
  public:
    // How a group's counts are formed; every way gives the same counts.
    enum class Kernel {
        Fastest, // the widest one the processor offers
        Plain,   // one 64-bit word at a time
    };

    // counts[i] belongs to the group's i-th combination; n is the group's size. Returning
    // false ends the counting.
    using GroupSink = std::function<bool(const std::uint32_t* counts, std::size_t n)>;

    CombinationCounter(const DrawSetList& draws, int k, Kernel kernel = Kernel::Fastest);

    // Hands every group to `sink` in order; false when the sink ended the counting.
    bool run(const GroupSink& sink);

    // Whether the processor offers a wider kernel than the plain one.
    static bool wideKernelAvailable();

  private:
    void gatherDrawsWith(int a);
    bool descend(int depth, int from, const std::uint64_t* parent, const GroupSink& sink);
    bool finishGroup(const std::uint64_t* prefix, int last, const GroupSink& sink);

    using CountFn = void (*)(const std::uint64_t*, const std::uint64_t*, std::size_t, int, std::uint32_t*);

    int k_;
    CountFn count_;
    std::vector<std::uint8_t> numbers_;                 // the numbers 1..70 of every draw in a row
    std::vector<std::uint32_t> numbersStart_;           // draw i's at numbersStart_[i]..numbersStart_[i + 1]
    std::vector<std::vector<std::uint32_t>> drawsWith_; // for each number, the draws holding it
    std::size_t words_ = 0;                             // words per column for the current first number
    std::vector<std::uint64_t> block_;                  // columns of the draws holding the first number
    std::vector<std::vector<std::uint64_t>> levels_;    // draws holding the prefix so far, per depth
};

} // namespace talvo::logic

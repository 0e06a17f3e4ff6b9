#include "logic/statistics/combination_search.h"

#include "logic/statistics/combination_counter.h"
#include "logic/statistics/combination_values.h"

#include <algorithm>
#include <bit>

namespace talvo::logic {

namespace {

// The search counts the combinations group by group (CombinationCounter) and places each
// group's counts as they come, in lexicographic order, as the sequential search would.

// C(n, m) for the m = 0..3 numbers that can follow a combination's first.
std::int64_t binom(int n, int m) {
    if (n < m)
        return 0;
    switch (m) {
    case 0:
        return 1;
    case 1:
        return n;
    case 2:
        return std::int64_t{n} * (n - 1) / 2;
    default:
        return std::int64_t{n} * (n - 1) * (n - 2) / 6;
    }
}

// The combination of rank r in lexicographic order of the k-subsets of 1..70.
NumberSet unrank(std::int64_t r, int k) {
    NumberSet set;
    int next = 1;
    for (int i = 0; i < k; ++i) {
        for (int a = next;; ++a) {
            const std::int64_t below = binom(70 - a, k - 1 - i);
            if (r < below) {
                set.insert(a);
                next = a + 1;
                break;
            }
            r -= below;
        }
    }
    return set;
}

// The placement of the sequential search, decided combination by combination as they
// are counted. The top list takes a combination exactly when it is counted more often
// than the 1000th best combination before it (nothing counted 0 ever enters). The flop
// list is offered every combination, also one the top list took, so that it ends with
// the 1000 rarest of all; it takes one exactly when fewer than 1000 combinations before
// it were counted less often. What the lists hold at the end is, of all combinations each
// list ever took, the 1000 best: by descending count and earlier first on ties for the
// top list, by ascending count and later first on ties for the flop list. So only the
// takers are kept, and of those counted alike for the flop list only the latest 1000.
class Placement {
  public:
    // maxCount bounds every count that will be taken.
    explicit Placement(std::size_t maxCount)
        : all_(maxCount + 2, 0), seen_(maxCount + 2, 0), flopTaken_(maxCount + 2), flopBar_(maxCount + 1) {}

    void take(std::uint32_t j) {
        const auto rank = static_cast<std::uint32_t>(taken_++);
        if (j > topBar_) {
            ++all_[j];
            top_.emplace_back(j, rank);
            if (++aboveTopBar_ >= kCombinationListLength)
                raiseTopBar();
        } else if (j == topBar_) {
            // Only counts from the top bar up can become the bar later.
            ++all_[j];
        }
        // Only counts below the flop bar are ever looked at again when that bar comes down.
        if (j > flopBar_)
            return;
        ++seen_[j];
        Latest& latest = flopTaken_[j];
        if (latest.ranks.size() < kCombinationListLength) {
            latest.ranks.push_back(rank);
        } else {
            latest.ranks[latest.oldest] = rank;
            latest.oldest = (latest.oldest + 1) % kCombinationListLength;
        }
        if (j < flopBar_ && ++belowFlopBar_ >= kCombinationListLength)
            lowerFlopBar();
    }

    // The counts of consecutive combinations; most of them only pass between the bars.
    // A count strictly between the bars only moves the rank on. The others are picked out
    // 64 at a time without a branch per count, which matters in short windows where many
    // counts sit on the bars. The bars only move apart while taking, so a count found
    // between them stays there; take() passes over one that has come between them since.
    void takeAll(const std::uint32_t* counts, std::size_t n) {
        const std::size_t base = taken_;
        for (std::size_t start = 0; start < n; start += 64) {
            const std::size_t len = std::min<std::size_t>(64, n - start);
            const std::uint32_t low = flopBar_ + 1;
            const std::uint32_t width = topBar_ > low ? topBar_ - low : 0;
            std::uint64_t outside = 0;
            for (std::size_t i = 0; i < len; ++i)
                outside |= static_cast<std::uint64_t>(counts[start + i] - low >= width) << i;
            for (; outside != 0; outside &= outside - 1) {
                const std::size_t i = start + static_cast<std::size_t>(std::countr_zero(outside));
                taken_ = base + i;
                take(counts[i]);
            }
        }
        taken_ = base + n;
    }

    std::int64_t taken() const { return static_cast<std::int64_t>(taken_); }

    void fill(CombinationSearchResult& r) {
        std::stable_sort(top_.begin(), top_.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        std::vector<std::pair<std::uint32_t, std::uint32_t>> flop;
        for (std::uint32_t j = 0; j <= flopBar_ && j < flopTaken_.size(); ++j)
            for (auto rank : flopTaken_[j].ranks)
                flop.emplace_back(j, rank);
        std::sort(flop.begin(), flop.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : a.second > b.second;
        });
        for (std::size_t p = 0; p < top_.size() && p < r.topCombinations.size(); ++p)
            r.topCombinations[p] = {unrank(top_[p].second, r.k), static_cast<std::int32_t>(top_[p].first)};
        for (std::size_t p = 0; p < flop.size() && p < r.flopCombinations.size(); ++p)
            r.flopCombinations[p] = {unrank(flop[p].second, r.k), static_cast<std::int32_t>(flop[p].first)};
        r.combinationsTaken = taken();
    }

  private:
    struct Latest {
        std::vector<std::uint32_t> ranks; // at most 1000, a ring once full
        std::size_t oldest = 0;
    };

    void raiseTopBar() {
        while (aboveTopBar_ >= kCombinationListLength) {
            ++topBar_;
            aboveTopBar_ -= all_[topBar_];
        }
        // Takers counted less than the bar have left the top list for good.
        if (top_.size() > 4 * kCombinationListLength)
            std::erase_if(top_, [this](const auto& e) { return e.first < topBar_; });
    }

    void lowerFlopBar() {
        while (belowFlopBar_ >= kCombinationListLength) {
            flopTaken_[flopBar_] = {};
            --flopBar_;
            belowFlopBar_ -= seen_[flopBar_];
        }
    }

    std::size_t taken_ = 0;
    std::vector<std::int64_t> all_;  // combinations so far by count
    std::vector<std::int64_t> seen_; // combinations so far by count, from the flop bar down
    std::vector<std::pair<std::uint32_t, std::uint32_t>> top_; // top list takers: count, rank
    std::vector<Latest> flopTaken_;                            // latest flop list takers by count
    std::uint32_t topBar_ = 0;      // the 1000th best count so far, 0 while fewer exist
    std::int64_t aboveTopBar_ = 0;  // combinations so far counted more often than topBar_
    std::uint32_t flopBar_;         // the largest count the flop list still takes
    std::int64_t belowFlopBar_ = 0; // combinations so far counted less than flopBar_
};

} // namespace

void fillCombinationLists(const std::vector<std::uint32_t>& counts, CombinationSearchResult& result) {
    const std::size_t maxCount = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    Placement placement(maxCount);
    placement.takeAll(counts.data(), counts.size());
    placement.fill(result);
}

CombinationSearchResult emptyCombinationSearchResult(int k) {
    CombinationSearchResult r;
    r.k = k;
    r.topCombinations.assign(kCombinationListLength, CombinationEntry{});
    r.flopCombinations.assign(kCombinationListLength, CombinationEntry{{}, kFlopEmptyCount});
    return r;
}

DrawSetList lastDrawSets(const DrawSetList& all, int n) {
    if (n <= 0 || static_cast<std::size_t>(n) >= all.size())
        return all;
    return DrawSetList(all.end() - n, all.end());
}

CombinationSearchResult searchCombinations(const DrawSetList& draws, int k, const std::atomic<bool>* stop,
                                           const std::function<void(std::int64_t)>& progress) {
    CombinationSearchResult r = emptyCombinationSearchResult(k);
    if (k < 2 || k > 4)
        return r;
    Placement placement(draws.size());
    const std::int64_t reportStep = std::max<std::int64_t>(1, combinationsOf70(k) / 256);
    std::int64_t nextReport = reportStep;
    CombinationCounter counter(draws, k);
    // The group during which a stop came is dropped.
    r.stopped = !counter.run([&](const std::uint32_t* counts, std::size_t n) {
        if (stop && stop->load(std::memory_order_relaxed))
            return false;
        placement.takeAll(counts, n);
        if (progress && placement.taken() >= nextReport) {
            progress(placement.taken());
            nextReport = placement.taken() + reportStep;
        }
        return true;
    });
    placement.fill(r);
    if (progress)
        progress(r.combinationsTaken);
    return r;
}

} // namespace talvo::logic

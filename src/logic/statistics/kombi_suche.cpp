#include "logic/statistics/kombi_suche.h"

#include "logic/statistics/kombi_werte.h"

#include <algorithm>
#include <array>
#include <bit>

namespace talvo::logic {

namespace {

// The search counts first and places afterwards. Counting goes through the combinations in
// lexicographic order, grouped by their first k - 1 numbers (the prefix): a bit column per
// number (one bit per draw) gives by AND the draws holding the prefix, and each of those
// draws adds one to the count of every larger number it holds. The work is proportional
// to the combinations the draws really contain, not to combinations times draws.

constexpr std::uint32_t kOfferedFlag = 0x80000000u;

// Numbers 1..64 are bits 0..63 of lo, 65..70 bits 0..5 of hi.
struct DrawMask {
    std::uint64_t lo = 0;
    std::uint64_t hi = 0;
};

std::int64_t binom(int n, int m) {
    if (m < 0 || n < m)
        return 0;
    std::int64_t r = 1;
    for (int i = 1; i <= m; ++i)
        r = r * (n - m + i) / i;
    return r;
}

// The combination of rank r in lexicographic order of the k-subsets of 1..70.
Zahlenmenge unrank(std::int64_t r, int k) {
    Zahlenmenge set;
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

class Counter {
public:
    Counter(const ZiehungsMengenListe& draws, int k) : k_(k) {
        words_ = (draws.size() + 63) / 64;
        columns_.assign(71 * words_, 0);
        masks_.reserve(draws.size());
        for (std::size_t i = 0; i < draws.size(); ++i) {
            DrawMask m;
            for (int n = 1; n <= 70; ++n) {
                if (!draws[i].contains(n))
                    continue;
                if (n <= 64)
                    m.lo |= std::uint64_t{1} << (n - 1);
                else
                    m.hi |= std::uint64_t{1} << (n - 65);
                columns_[static_cast<std::size_t>(n) * words_ + i / 64] |= std::uint64_t{1} << (i % 64);
            }
            masks_.push_back(m);
        }
        for (auto& level : levels_)
            level.assign(words_, 0);
    }

    // Counts the combinations in lexicographic order into `counts` until all are done or
    // `stop` is seen after a group; a group during which the stop came is dropped.
    bool run(std::vector<std::uint32_t>& counts, const std::atomic<bool>* stop,
             const std::function<void(std::int64_t)>& progress) {
        stop_ = stop;
        progress_ = &progress;
        counts_ = &counts;
        const std::int64_t total = kombinationenAus70(k_);
        reportStep_ = std::max<std::int64_t>(1, total / 256);
        nextReport_ = reportStep_;
        return descend(1, 1, nullptr);
    }

private:
    // Chooses prefix number `depth` from `from` on; `parent` is the bit set of the draws
    // holding the numbers chosen so far (nullptr before the first).
    bool descend(int depth, int from, const std::uint64_t* parent) {
        const int last = 70 - (k_ - depth); // highest number this position can take
        std::uint64_t* here = levels_[static_cast<std::size_t>(depth - 1)].data();
        for (int p = from; p <= last; ++p) {
            const std::uint64_t* column = columns_.data() + static_cast<std::size_t>(p) * words_;
            if (parent) {
                for (std::size_t w = 0; w < words_; ++w)
                    here[w] = parent[w] & column[w];
            } else {
                std::copy(column, column + words_, here);
            }
            if (depth == k_ - 1) {
                if (!countGroup(here, p))
                    return false;
            } else if (!descend(depth + 1, p + 1, here)) {
                return false;
            }
        }
        return true;
    }

    bool countGroup(const std::uint64_t* drawsWithPrefix, int p) {
        std::array<std::uint32_t, 71> cnt{};
        for (std::size_t w = 0; w < words_; ++w) {
            for (std::uint64_t bits = drawsWithPrefix[w]; bits != 0; bits &= bits - 1) {
                const DrawMask& m = masks_[w * 64 + static_cast<std::size_t>(std::countr_zero(bits))];
                // Numbers above p are the bits from p on.
                std::uint64_t lo = p >= 64 ? 0 : m.lo & (~std::uint64_t{0} << p);
                std::uint64_t hi = p <= 64 ? m.hi : m.hi & (~std::uint64_t{0} << (p - 64));
                for (; lo != 0; lo &= lo - 1)
                    ++cnt[static_cast<std::size_t>(std::countr_zero(lo)) + 1];
                for (; hi != 0; hi &= hi - 1)
                    ++cnt[static_cast<std::size_t>(std::countr_zero(hi)) + 65];
            }
        }
        if (stop_ && stop_->load(std::memory_order_relaxed))
            return false;
        counts_->insert(counts_->end(), cnt.begin() + p + 1, cnt.end());
        const auto taken = static_cast<std::int64_t>(counts_->size());
        if (*progress_ && taken >= nextReport_) {
            (*progress_)(taken);
            nextReport_ = taken + reportStep_;
        }
        return true;
    }

    int k_;
    std::size_t words_ = 0;
    std::vector<std::uint64_t> columns_; // column of number n at n * words_
    std::vector<DrawMask> masks_;
    std::array<std::vector<std::uint64_t>, 3> levels_;
    const std::atomic<bool>* stop_ = nullptr;
    const std::function<void(std::int64_t)>* progress_ = nullptr;
    std::vector<std::uint32_t>* counts_ = nullptr;
    std::int64_t reportStep_ = 1;
    std::int64_t nextReport_ = 1;
};

// Marks every combination the sequential search would not place in the top list: that
// list takes a combination exactly when it is counted more often than the 1000th best
// combination before it (nothing counted 0 ever enters). Returns that bar at the end.
std::uint32_t markOffered(std::vector<std::uint32_t>& counts, std::size_t maxCount) {
    std::vector<std::int64_t> hist(maxCount + 2, 0);
    std::uint32_t bar = 0;          // the 1000th best count so far, 0 while fewer exist
    std::int64_t aboveBar = 0;      // combinations so far counted more often than bar
    for (auto& c : counts) {
        const std::uint32_t j = c;
        if (j <= bar)
            c |= kOfferedFlag;
        ++hist[j];
        if (j > bar)
            ++aboveBar;
        while (aboveBar >= kKombiListenLaenge) {
            ++bar;
            aboveBar -= hist[bar];
        }
    }
    return bar;
}

KombiEintrag entry(std::int64_t rank, std::uint32_t count, int k) {
    return {unrank(rank, k), static_cast<std::int32_t>(count)};
}

void fillTop(const std::vector<std::uint32_t>& counts, std::uint32_t bar, int k, KombiErgebnis& r) {
    // The final top list: the 1000 best by count, earlier combination first on ties.
    std::int64_t above = 0;
    for (auto c : counts)
        above += (c & ~kOfferedFlag) > bar ? 1 : 0;
    std::int64_t equalWanted = bar > 0 ? kKombiListenLaenge - above : 0;
    std::vector<std::pair<std::uint32_t, std::int64_t>> chosen;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const std::uint32_t j = counts[i] & ~kOfferedFlag;
        if (j > bar || (j == bar && equalWanted > 0 && j > 0)) {
            if (j == bar)
                --equalWanted;
            chosen.emplace_back(j, static_cast<std::int64_t>(i));
        }
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t p = 0; p < chosen.size() && p < r.TopKombis.size(); ++p)
        r.TopKombis[p] = entry(chosen[p].second, chosen[p].first, k);
}

void fillFlop(const std::vector<std::uint32_t>& counts, std::size_t maxCount, int k, KombiErgebnis& r) {
    // The final flop list: of the combinations offered to it, the 1000 best by ascending
    // count, later combination first on ties.
    std::vector<std::int64_t> hist(maxCount + 1, 0);
    std::int64_t offered = 0;
    for (auto c : counts) {
        if (c & kOfferedFlag) {
            ++hist[c & ~kOfferedFlag];
            ++offered;
        }
    }
    std::size_t bar = maxCount;   // the largest count that still enters
    std::int64_t equalWanted = 0; // how many of the combinations counted `bar` enter
    if (offered > kKombiListenLaenge) {
        std::int64_t below = 0;
        for (bar = 0; below + hist[bar] < kKombiListenLaenge; ++bar)
            below += hist[bar];
        equalWanted = kKombiListenLaenge - below;
    } else {
        equalWanted = hist[bar];
    }
    std::vector<std::pair<std::uint32_t, std::int64_t>> chosen;
    for (std::size_t i = counts.size(); i-- > 0;) {
        if (!(counts[i] & kOfferedFlag))
            continue;
        const std::uint32_t j = counts[i] & ~kOfferedFlag;
        if (j < bar || (j == bar && equalWanted > 0)) {
            if (j == bar)
                --equalWanted;
            chosen.emplace_back(j, static_cast<std::int64_t>(i));
        }
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t p = 0; p < chosen.size() && p < r.FlopKombis.size(); ++p)
        r.FlopKombis[p] = entry(chosen[p].second, chosen[p].first, k);
}

} // namespace

void kombiListenFuellen(std::vector<std::uint32_t> counts, KombiErgebnis& result) {
    result.genommen = static_cast<std::int64_t>(counts.size());
    const std::size_t maxCount = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    const std::uint32_t bar = markOffered(counts, maxCount);
    fillTop(counts, bar, result.k, result);
    fillFlop(counts, maxCount, result.k, result);
}

KombiErgebnis leeresKombiErgebnis(int k) {
    KombiErgebnis r;
    r.k = k;
    r.TopKombis.assign(kKombiListenLaenge, KombiEintrag{});
    r.FlopKombis.assign(kKombiListenLaenge, KombiEintrag{{}, kFlopLeerAnzahl});
    return r;
}

ZiehungsMengenListe kombiFenster(const ZiehungsMengenListe& all, int n) {
    if (n <= 0 || static_cast<std::size_t>(n) >= all.size())
        return all;
    return ZiehungsMengenListe(all.end() - n, all.end());
}

KombiErgebnis KombiSuche(const ZiehungsMengenListe& draws, int k, const std::atomic<bool>* stop,
                         const std::function<void(std::int64_t)>& progress) {
    KombiErgebnis r = leeresKombiErgebnis(k);
    if (k < 2 || k > 4)
        return r;
    std::vector<std::uint32_t> counts;
    counts.reserve(static_cast<std::size_t>(kombinationenAus70(k)));
    Counter counter(draws, k);
    r.gestoppt = !counter.run(counts, stop, progress);
    kombiListenFuellen(std::move(counts), r);
    if (progress)
        progress(r.genommen);
    return r;
}

} // namespace talvo::logic

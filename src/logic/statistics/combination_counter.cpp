#include "logic/statistics/combination_counter.h"

#include <algorithm>
#include <bit>

#if defined(__GNUC__) && defined(__x86_64__)
#define TALVO_WIDE_POPCOUNT 1
#include <immintrin.h>
#endif

namespace talvo::logic {

// The counting works on one first number a at a time. Only the draws holding a can hold
// a combination that starts with a, about 2/7 of them, so the search first gathers those
// draws into bit columns: bit r of column n says whether the r-th draw holding a also
// holds n. AND of the columns of the prefix's further numbers gives the draws holding the
// whole prefix; AND with the column of a last number d and a popcount gives the count of
// the combination ending in d. The columns lie word by word (the 72 columns' first words,
// then their second words, ...), so one word of the prefix meets the same word of every
// last number in a row, and eight of those are counted by one vector instruction where
// the processor has it.

namespace {

constexpr std::size_t kLanes = 72; // columns 0..71: the numbers 1..70 and room for whole vectors
constexpr int kHighest = 70;

// The popcount instruction is far faster than its replacement; where the compiler can,
// it builds the plain loop twice and picks the version the processor runs.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
#define TALVO_POPCOUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define TALVO_POPCOUNT_CLONES
#endif

// counts[d] for d = last + 1..70: the draws holding the prefix and d. Four last numbers
// at a time share each word of the prefix and keep their sums in registers.
TALVO_POPCOUNT_CLONES void countPlain(const std::uint64_t* prefix, const std::uint64_t* block,
                                      std::size_t words, int last, std::uint32_t* counts) {
    int d = last + 1;
    for (; d + 3 <= kHighest; d += 4) {
        std::uint64_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
        for (std::size_t w = 0; w < words; ++w) {
            const std::uint64_t t = prefix[w];
            const std::uint64_t* row = block + w * kLanes + d;
            s0 += static_cast<std::uint64_t>(std::popcount(t & row[0]));
            s1 += static_cast<std::uint64_t>(std::popcount(t & row[1]));
            s2 += static_cast<std::uint64_t>(std::popcount(t & row[2]));
            s3 += static_cast<std::uint64_t>(std::popcount(t & row[3]));
        }
        counts[d] = static_cast<std::uint32_t>(s0);
        counts[d + 1] = static_cast<std::uint32_t>(s1);
        counts[d + 2] = static_cast<std::uint32_t>(s2);
        counts[d + 3] = static_cast<std::uint32_t>(s3);
    }
    for (; d <= kHighest; ++d) {
        std::uint64_t sum = 0;
        for (std::size_t w = 0; w < words; ++w)
            sum += static_cast<std::uint64_t>(
                std::popcount(prefix[w] & block[w * kLanes + static_cast<std::size_t>(d)]));
        counts[d] = static_cast<std::uint32_t>(sum);
    }
}

#ifdef TALVO_WIDE_POPCOUNT
// The same eight last numbers at a time; counts below last + 1 in the first vector are
// formed too and not read.
__attribute__((target("avx512f,avx512vpopcntdq"))) void countWide(const std::uint64_t* prefix,
                                                                  const std::uint64_t* block,
                                                                  std::size_t words, int last,
                                                                  std::uint32_t* counts) {
    for (std::size_t lane = static_cast<std::size_t>(last + 1) / 8 * 8; lane < kLanes; lane += 8) {
        __m512i sum = _mm512_setzero_si512();
        for (std::size_t w = 0; w < words; ++w) {
            const __m512i column = _mm512_loadu_si512(block + w * kLanes + lane);
            const __m512i both =
                _mm512_and_si512(_mm512_set1_epi64(static_cast<long long>(prefix[w])), column);
            sum = _mm512_add_epi64(sum, _mm512_popcnt_epi64(both));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(counts + lane),
                            _mm512_maskz_cvtepi64_epi32(0xff, sum));
    }
}
#endif

} // namespace

bool CombinationCounter::wideKernelAvailable() {
#ifdef TALVO_WIDE_POPCOUNT
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vpopcntdq");
#else
    return false;
#endif
}

CombinationCounter::CombinationCounter(const DrawSetList& draws, int k, Kernel kernel)
    : k_(k), count_(countPlain), drawsWith_(kHighest + 1), levels_(3) {
#ifdef TALVO_WIDE_POPCOUNT
    if (kernel == Kernel::Fastest && wideKernelAvailable())
        count_ = countWide;
#else
    (void)kernel;
#endif
    numbersStart_.reserve(draws.size() + 1);
    numbers_.reserve(draws.size() * 20);
    std::size_t most = 0;
    for (auto& with : drawsWith_)
        with.reserve(draws.size() * 2 / 7 + 64);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        numbersStart_.push_back(static_cast<std::uint32_t>(numbers_.size()));
        // The members 1..70 lie in the set's first three words.
        for (int w = 0; w < 3; ++w) {
            std::uint32_t bits = draws[i].words[static_cast<std::size_t>(w)];
            bits &= w == 0   ? ~std::uint32_t{1}
                    : w == 2 ? (std::uint32_t{1} << (kHighest - 63)) - 1
                             : ~std::uint32_t{0};
            for (; bits != 0; bits &= bits - 1) {
                const int n = 32 * w + std::countr_zero(bits);
                numbers_.push_back(static_cast<std::uint8_t>(n));
                drawsWith_[static_cast<std::size_t>(n)].push_back(static_cast<std::uint32_t>(i));
            }
        }
    }
    numbersStart_.push_back(static_cast<std::uint32_t>(numbers_.size()));
    for (const auto& with : drawsWith_)
        most = std::max(most, with.size());
    const std::size_t words = (most + 63) / 64;
    block_.resize(words * kLanes);
    for (auto& level : levels_)
        level.resize(words);
}

void CombinationCounter::gatherDrawsWith(int a) {
    const std::vector<std::uint32_t>& rows = drawsWith_[static_cast<std::size_t>(a)];
    words_ = (rows.size() + 63) / 64;
    std::fill(block_.begin(), block_.begin() + static_cast<std::ptrdiff_t>(words_ * kLanes), 0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::uint64_t* row = block_.data() + r / 64 * kLanes;
        const std::uint64_t bit = std::uint64_t{1} << (r % 64);
        const std::uint32_t draw = rows[r];
        for (std::uint32_t i = numbersStart_[draw]; i < numbersStart_[draw + 1]; ++i)
            row[numbers_[i]] |= bit;
    }
    std::uint64_t* all = levels_[0].data();
    std::fill(all, all + words_, ~std::uint64_t{0});
    if (rows.size() % 64 != 0)
        all[words_ - 1] = (std::uint64_t{1} << (rows.size() % 64)) - 1;
}

bool CombinationCounter::run(const GroupSink& sink) {
    for (int a = 1; a <= kHighest - (k_ - 1); ++a) {
        gatherDrawsWith(a);
        const bool more =
            k_ == 2 ? finishGroup(levels_[0].data(), a, sink) : descend(1, a + 1, levels_[0].data(), sink);
        if (!more)
            return false;
    }
    return true;
}

// Chooses the prefix's number at `depth` (0 is a) from `from` on; `parent` marks the draws
// holding the numbers chosen before it.
bool CombinationCounter::descend(int depth, int from, const std::uint64_t* parent, const GroupSink& sink) {
    const int highest = kHighest - (k_ - 1 - depth); // the highest number this place can take
    std::uint64_t* here = levels_[static_cast<std::size_t>(depth)].data();
    for (int p = from; p <= highest; ++p) {
        for (std::size_t w = 0; w < words_; ++w)
            here[w] = parent[w] & block_[w * kLanes + static_cast<std::size_t>(p)];
        const bool more =
            depth == k_ - 2 ? finishGroup(here, p, sink) : descend(depth + 1, p + 1, here, sink);
        if (!more)
            return false;
    }
    return true;
}

bool CombinationCounter::finishGroup(const std::uint64_t* prefix, int last, const GroupSink& sink) {
    std::uint32_t counts[kLanes];
    count_(prefix, block_.data(), words_, last, counts);
    return sink(counts + last + 1, static_cast<std::size_t>(kHighest - last));
}

} // namespace talvo::logic

#include "logic/statistics/combination_counter.h"
#include "logic/statistics/combination_values.h"
#include "tools/generated_history.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace talvo::logic;
using talvo::tools::generatedHistory;

namespace {

// The rank of an ascending combination among the k-subsets of 1..70 in lexicographic order.
std::int64_t rankOf(const std::vector<int>& c) {
    const auto binom = [](int n, int m) {
        std::int64_t r = 1;
        for (int i = 1; i <= m; ++i)
            r = r * (n - m + i) / i;
        return m < 0 || n < m ? std::int64_t{0} : r;
    };
    const int k = static_cast<int>(c.size());
    std::int64_t rank = 0;
    int next = 1;
    for (int i = 0; i < k; ++i) {
        for (int a = next; a < c[static_cast<std::size_t>(i)]; ++a)
            rank += binom(70 - a, k - 1 - i);
        next = c[static_cast<std::size_t>(i)] + 1;
    }
    return rank;
}

// Every draw adds one to each combination of k of its own numbers.
std::vector<std::uint32_t> countedDrawByDraw(const DrawSetList& draws, int k) {
    std::vector<std::uint32_t> counts(static_cast<std::size_t>(combinationsOf70(k)), 0);
    for (const NumberSet& d : draws) {
        std::vector<int> numbers;
        for (int n = 1; n <= 70; ++n)
            if (d.contains(n))
                numbers.push_back(n);
        std::vector<int> pick(static_cast<std::size_t>(k));
        const auto choose = [&](auto&& self, std::size_t depth, std::size_t from) -> void {
            if (depth == pick.size()) {
                ++counts[static_cast<std::size_t>(rankOf(pick))];
                return;
            }
            for (std::size_t i = from; i < numbers.size(); ++i) {
                pick[depth] = numbers[i];
                self(self, depth + 1, i + 1);
            }
        };
        choose(choose, 0, 0);
    }
    return counts;
}

std::vector<std::uint32_t> countedByGroups(const DrawSetList& draws, int k,
                                           CombinationCounter::Kernel kernel) {
    std::vector<std::uint32_t> counts;
    CombinationCounter counter(draws, k, kernel);
    EXPECT_TRUE(counter.run([&](const std::uint32_t* group, std::size_t n) {
        counts.insert(counts.end(), group, group + n);
        return true;
    }));
    return counts;
}

NumberSet setOf(std::initializer_list<int> numbers) {
    NumberSet s;
    for (int n : numbers)
        s.insert(n);
    return s;
}

struct CountCase {
    const char* name;
    int k;
    DrawSetList draws;
};

// Histories around the 64-draw words of the columns: one number in every draw, in 63, 64,
// 65 or 128 of them, numbers at both ends of 1..70, sets holding fewer or more than 20.
std::vector<CountCase> countCases() {
    const auto generated = [](int n, unsigned seed) {
        return collectDrawSets(generatedHistory(n, QDate(2004, 2, 2), seed));
    };
    const NumberSet ends = setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70});
    const auto repeated = [](const NumberSet& s, int n) { return DrawSetList(std::size_t(n), s); };
    DrawSetList mixed = repeated(ends, 65);
    for (const NumberSet& d : generated(200, 31))
        mixed.push_back(d);
    DrawSetList odd = {setOf({70}), setOf({1, 70}), setOf({0, 5, 6, 7, 70, 71, 200}),
                       setOf({2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                              17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30})};
    return {
        {"pairs, no draw", 2, {}},
        {"pairs, 63 equal draws", 2, repeated(ends, 63)},
        {"pairs, 64 equal draws", 2, repeated(ends, 64)},
        {"pairs, 3000 draws", 2, generated(3000, 32)},
        {"triples, 65 equal draws then 200 others", 3, mixed},
        {"triples, 1000 draws", 3, generated(1000, 33)},
        {"triples, odd sets", 3, odd},
        {"quadruples, 128 equal draws", 4, repeated(ends, 128)},
        {"quadruples, 65 equal draws then 200 others", 4, mixed},
        {"quadruples, 700 draws", 4, generated(700, 34)},
        {"quadruples, odd sets", 4, odd},
    };
}

TEST(CombinationCounter, CountsEachCombinationAsItsDrawsDoWithEveryKernel) {
    std::vector<CombinationCounter::Kernel> kernels = {CombinationCounter::Kernel::Plain};
    if (CombinationCounter::wideKernelAvailable())
        kernels.push_back(CombinationCounter::Kernel::Fastest);
    else
        std::printf("The processor offers no wider kernel; only the plain one is compared.\n");
    for (const CountCase& c : countCases()) {
        const std::vector<std::uint32_t> expected = countedDrawByDraw(c.draws, c.k);
        for (CombinationCounter::Kernel kernel : kernels) {
            const std::vector<std::uint32_t> counts = countedByGroups(c.draws, c.k, kernel);
            ASSERT_EQ(counts.size(), expected.size()) << c.name;
            for (std::size_t i = 0; i < counts.size(); ++i)
                ASSERT_EQ(counts[i], expected[i])
                    << c.name << ", combination " << i << ", kernel " << static_cast<int>(kernel);
        }
    }
}

TEST(CombinationCounter, EndsWhenTheSinkSaysSo) {
    const DrawSetList draws = collectDrawSets(generatedHistory(100));
    CombinationCounter counter(draws, 3);
    int groups = 0;
    EXPECT_FALSE(counter.run([&](const std::uint32_t*, std::size_t) { return ++groups < 5; }));
    EXPECT_EQ(groups, 5);
}

} // namespace

#include "logic/core/number_set.h"

#include <bit>

namespace talvo::logic {

bool NumberSet::empty() const {
    for (auto w : words)
        if (w != 0)
            return false;
    return true;
}

int NumberSet::count() const {
    int n = 0;
    for (auto w : words)
        n += std::popcount(w);
    return n;
}

NumberSet toNumberSet(const std::vector<std::uint8_t>& numbers) {
    NumberSet set;
    for (auto n : numbers)
        set.insert(n);
    return set;
}

std::vector<std::uint8_t> toNumberList(const NumberSet& set, int expectedCount, int upperBound) {
    std::vector<std::uint8_t> list;
    if (expectedCount > 0)
        list.reserve(static_cast<std::size_t>(expectedCount));
    const int top = upperBound < 255 ? upperBound : 255;
    for (int n = 1; n <= top; ++n) {
        if (set.contains(n))
            list.push_back(static_cast<std::uint8_t>(n));
    }
    return list;
}

} // namespace talvo::logic

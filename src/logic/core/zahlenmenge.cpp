#include "logic/core/zahlenmenge.h"

#include <bit>

namespace talvo::logic {

bool Zahlenmenge::empty() const {
    for (auto w : words)
        if (w != 0)
            return false;
    return true;
}

int Zahlenmenge::count() const {
    int n = 0;
    for (auto w : words)
        n += std::popcount(w);
    return n;
}

Zahlenmenge ListeZuMenge(const std::vector<std::uint8_t>& numbers) {
    Zahlenmenge set;
    for (auto n : numbers)
        set.insert(n);
    return set;
}

std::vector<std::uint8_t> MengeZuListe(const Zahlenmenge& set, int expectedCount, int upperBound) {
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

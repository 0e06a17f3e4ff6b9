#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace talvo::logic {

// A set of the numbers 0..255 as 256 bits: member n is bit n mod 32 of word n div 32.
struct NumberSet {
    std::array<std::uint32_t, 8> words{};

    bool contains(int n) const { return n >= 0 && n < 256 && (words[n >> 5] >> (n & 31) & 1u) != 0; }
    void insert(int n) {
        if (n >= 0 && n < 256)
            words[n >> 5] |= 1u << (n & 31);
    }
    void remove(int n) {
        if (n >= 0 && n < 256)
            words[n >> 5] &= ~(1u << (n & 31));
    }
    bool empty() const;
    int count() const;
    bool operator==(const NumberSet&) const = default;
};

NumberSet toNumberSet(const std::vector<std::uint8_t>& numbers);
// Members of the set in 1..upperBound, ascending; expectedCount only reserves room.
std::vector<std::uint8_t> toNumberList(const NumberSet& set, int expectedCount, int upperBound);

} // namespace talvo::logic

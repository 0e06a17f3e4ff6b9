#pragma once

#include <array>

namespace talvo::logic {

// The fixed tables of the game. Records and settings store an index into them.

inline constexpr std::array<int, 4> kStakeEuro = {1, 2, 5, 10};
// Index 0 is continuous play, shown as "Dauer".
inline constexpr std::array<int, 11> kDurationDraws = {0, 1, 2, 3, 4, 5, 6, 12, 18, 24, 30};
// Index 0 means all stored draws, shown as "Alle".
inline constexpr std::array<int, 10> kDrawCounts = {0, 10, 12, 18, 20, 24, 30, 50, 100, 313};
// Sizes of the downloadable draw sets; 0 stands for all draws.
inline constexpr std::array<int, 5> kDrawSetSizes = {6, 30, 90, 300, 0};
inline constexpr double kPlus5Stake = 0.75;
// The plus 5 prize in euro by the number of matching final digits 0..5; the same for every
// slip, whatever its stake.
inline constexpr std::array<int, 6> kPlus5Prize = {0, 2, 5, 50, 500, 5000};

// Payout factor in whole euro per euro staked, row = KENO type 0..10, column 0 = the
// type's pick count, columns 1..11 = hits 0..10. Types 0 and 1 have no picks and no prize.
inline constexpr int kMaxType = 10;
inline constexpr std::array<std::array<int, 12>, 11> kPayoutTable = {{
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {2, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0},
    {3, 0, 0, 1, 16, 0, 0, 0, 0, 0, 0, 0},
    {4, 0, 0, 1, 2, 22, 0, 0, 0, 0, 0, 0},
    {5, 0, 0, 0, 2, 7, 100, 0, 0, 0, 0, 0},
    {6, 0, 0, 0, 1, 2, 15, 500, 0, 0, 0, 0},
    {7, 0, 0, 0, 0, 1, 12, 100, 1000, 0, 0, 0},
    {8, 1, 0, 0, 0, 1, 2, 15, 100, 10000, 0, 0},
    {9, 2, 0, 0, 0, 0, 2, 5, 20, 1000, 50000, 0},
    {10, 2, 0, 0, 0, 0, 2, 5, 15, 100, 1000, 100000},
}};

// Pick count of a type; 0 for a type outside the table.
constexpr int pickCount(int type) {
    return type >= 0 && type <= kMaxType ? kPayoutTable[type][0] : 0;
}
// Prize factor for a type and a number of hits; 0 outside the table.
constexpr int payoutFactor(int type, int hits) {
    return type >= 0 && type <= kMaxType && hits >= 0 && hits <= 10 ? kPayoutTable[type][hits + 1] : 0;
}
// Euro per field and draw for a stake index; 0 for an index outside the table.
constexpr int stakeEuro(int index) {
    return index >= 0 && index < static_cast<int>(kStakeEuro.size()) ? kStakeEuro[index] : 0;
}
// Euro won by plus 5 with `digits` matching final digits; 0 outside the table.
constexpr int plus5Prize(int digits) {
    return digits >= 0 && digits < static_cast<int>(kPlus5Prize.size()) ? kPlus5Prize[digits] : 0;
}
// Draws of a duration index; -1 for an index outside the table.
constexpr int durationDraws(int index) {
    return index >= 0 && index < static_cast<int>(kDurationDraws.size()) ? kDurationDraws[index] : -1;
}

} // namespace talvo::logic

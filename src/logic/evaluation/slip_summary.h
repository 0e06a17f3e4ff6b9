#pragma once

#include "logic/core/dates.h"

#include <QString>
#include <array>
#include <cstdint>

namespace talvo::logic {

struct SlipOutcome;

// What one slip, or all of them, staked and won over an evaluation.
struct SlipSummary {
    QString name;
    std::int64_t evaluations = 0; // draws the slip was evaluated against
    std::int64_t stakeCents = 0;
    std::int64_t gamePrize = 0;  // euro
    std::int64_t plus5Prize = 0; // euro
    // Fields of KENO type t (2..10) with h hits, and how many fields of each type were played.
    std::array<std::array<std::int64_t, 11>, 11> hits{};
    std::array<std::int64_t, 11> fieldsOfType{};
    // Plays of plus 5 against a known number, by matching final digits.
    std::array<std::int64_t, 6> plus5Hits{};
    std::int64_t plus5Plays = 0;
    double expectedPrize = 0; // euro, from the exact odds of every field and plus 5 play
    // The largest single prize, of one field or of plus 5, and the date of its draw
    // (0 when it was no stored draw); the first one when several are equal.
    std::int64_t largestPrize = 0;
    DaySerial largestPrizeDate = 0;

    void add(const SlipOutcome& outcome, DaySerial date);
    // Adds another summary's figures; the name stays.
    void add(const SlipSummary& other);

    std::int64_t balanceCents() const { return (gamePrize + plus5Prize) * 100 - stakeCents; }
    double expectedBalance() const { return expectedPrize - static_cast<double>(stakeCents) / 100.0; }
    // What the exact odds expect for the fields of type t with h hits; and for plus 5.
    double expectedHits(int kenoType, int hits) const;
    double expectedPlus5Hits(int digits) const;
};

} // namespace talvo::logic

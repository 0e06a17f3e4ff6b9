#pragma once

#include "logic/core/number_set.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace talvo::logic {

// Text the player copied from a results page, taken apart into what may be winning
// numbers and the day they are for.
struct PastedText {
    // The digit runs that are no part of a date or a time of day, in order, as written
    // ("07" stays "07").
    QStringList pieces;
    // The first date in the text as a day serial; none when the text holds no date.
    std::optional<int> day;
};

// Results pages put the date and the time of the draw beside the numbers, so both are
// left out of the pieces:
// - a date is day.month.year, three digit runs joined by single dots, the day and month
//   of one or two digits, the year of four or of two (meaning 20xx), and a day the
//   calendar has ("12.03.2024", "12.3.24"; "31.02.2024" is no date). Runs chained by
//   more dots ("1.2.3.4") are no date either: a list of numbers may be written so.
// - a time is hh:mm or hh:mm:ss ("19:10"), or hh.mm followed by "Uhr" ("19.10 Uhr").
// Every date found is left out; the first gives the day.
PastedText readPastedText(const QString& text);

struct DrawNumbersCheck {
    NumberSet numbers; // the 20 numbers, only when the check passed
    QString problem;   // empty when the pieces are 20 different numbers 1..70; else what is wrong
    bool ok() const { return problem.isEmpty(); }
};

// Whether the pieces are one draw's winning numbers. The problem names, one line each,
// how many numbers there are when they are not 20, which numbers are repeated, and which
// pieces are no number of the board; a piece counts with its value, so "07" repeats "7".
DrawNumbersCheck checkDrawNumbers(const QStringList& pieces);

} // namespace talvo::logic

#pragma once

#include "logic/core/dates.h"
#include "logic/core/number_set.h"

#include <QString>

namespace talvo::logic {

// How many winning numbers a draw has.
inline constexpr int kDrawNumberCount = 20;

// A draw as the player entered it, on the entry page or on the command line.
struct DrawEntry {
    DaySerial datum = 0;
    NumberSet numbers; // 20 of 1..70
    QString plus5;     // as entered; its first five characters are stored
};

// What the entry page says when not exactly 20 numbers are marked; empty for 20.
QString markedCountMessage(int marked);

// What the entry page says about the plus 5 typed there: it is left empty or holds the five
// digits printed on the receipt. Empty when the text is fine.
QString plus5EntryMessage(const QString& plus5);

} // namespace talvo::logic

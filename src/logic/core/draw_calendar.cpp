#include "logic/core/draw_calendar.h"

#include <algorithm>

namespace talvo::logic {

namespace {

constexpr int kSunday = 1;

bool isSunday(int day) {
    return weekdayNumber(day) == kSunday;
}

// Sundays from `first` to `last`, both included (first <= last).
long long sundaysBetween(int first, int last) {
    // Counted as Sundays up to a day, with days shifted to be positive so that the
    // division rounds the same way on both ends. Serial 1 (31.12.1899) was a Sunday.
    const auto sundaysUpTo = [](long long day) {
        const long long shifted = day - 1 + 7LL * 1000000000;
        return shifted / 7;
    };
    return sundaysUpTo(last) - sundaysUpTo(static_cast<long long>(first) - 1);
}

} // namespace

DrawCalendar::DrawCalendar(const DrawHistory& history) {
    for (const DrawRecord& draw : history) {
        const int day = wholeDay(draw.datum);
        // A record dated before the first draw of all is damaged, not a sign of daily draws.
        if (!draw.isPlaceholder() && day >= kFirstDrawSerial && isSunday(day))
            dailyFrom_ = std::min(dailyFrom_, day);
    }
}

bool DrawCalendar::isDrawDay(int day) const {
    return day >= kFirstDrawSerial && (!isSunday(day) || day >= dailyFrom_);
}

int DrawCalendar::drawDayBefore(int day) const {
    int d = day - 1;
    while (d >= kFirstDrawSerial && !isDrawDay(d))
        --d;
    return d;
}

int DrawCalendar::drawDayAfter(int day) const {
    int d = std::max(day + 1, kFirstDrawSerial);
    while (!isDrawDay(d))
        ++d;
    return d;
}

int DrawCalendar::drawDaysBetween(int first, int last) const {
    first = std::max(first, kFirstDrawSerial);
    if (first > last)
        return 0;
    long long n = static_cast<long long>(last) - first + 1 - sundaysBetween(first, last);
    if (last >= dailyFrom_)
        n += sundaysBetween(std::max(first, dailyFrom_), last);
    return static_cast<int>(n);
}

} // namespace talvo::logic

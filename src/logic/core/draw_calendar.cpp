#include "logic/core/draw_calendar.h"

#include <algorithm>

namespace talvo::logic {

namespace {

constexpr int kSonntag = 1;

bool isSunday(int day) {
    return weekdayNumber(day) == kSonntag;
}

// Sundays from `von` to `bis`, both included (von <= bis).
long long sundaysBetween(int von, int bis) {
    // Counted as Sundays up to a day, with days shifted to be positive so that the
    // division rounds the same way on both ends. Serial 1 (31.12.1899) was a Sunday.
    const auto bisZu = [](long long day) {
        const long long shifted = day - 1 + 7LL * 1000000000;
        return shifted / 7;
    };
    return bisZu(bis) - bisZu(static_cast<long long>(von) - 1);
}

} // namespace

DrawCalendar::DrawCalendar(const DrawHistory& history) {
    for (const TKenoZahlen& draw : history) {
        const int day = wholeDay(draw.datum);
        // A record dated before the first draw of all is damaged, not a sign of daily draws.
        if (!draw.istLeer() && day >= kFirstDrawSerial && isSunday(day))
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

int DrawCalendar::drawDaysBetween(int von, int bis) const {
    von = std::max(von, kFirstDrawSerial);
    if (von > bis)
        return 0;
    long long n = static_cast<long long>(bis) - von + 1 - sundaysBetween(von, bis);
    if (bis >= dailyFrom_)
        n += sundaysBetween(std::max(von, dailyFrom_), bis);
    return static_cast<int>(n);
}

} // namespace talvo::logic

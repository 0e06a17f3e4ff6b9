#include "ui/tips/time_axis_ticks.h"

#include <array>

namespace talvo::ui {

namespace {

// Boundaries every `months` months, aligned to the calendar (quarters start in January,
// decades in a year ending in 0), from the one on or before first to the first after last.
QList<QDate> boundaries(const QDate& first, const QDate& last, int months) {
    QDate start;
    if (months % 12 == 0) {
        const int years = months / 12;
        start = QDate(first.year() - ((first.year() % years) + years) % years, 1, 1);
    } else {
        start = QDate(first.year(), (first.month() - 1) / months * months + 1, 1);
    }
    QList<QDate> dates{start};
    while (dates.last() <= last)
        dates.append(dates.last().addMonths(months));
    return dates;
}

} // namespace

TimeAxisTicks timeAxisTicks(const QDate& first, const QDate& last, int maxIntervals) {
    constexpr std::array<int, 12> kMonthSteps = {1, 2, 3, 6, 12, 24, 60, 120, 240, 600, 1200, 2400};
    TimeAxisTicks ticks;
    for (int months : kMonthSteps) {
        ticks.dates = boundaries(first, last, months);
        ticks.yearly = months >= 12;
        if (ticks.dates.size() - 1 <= maxIntervals)
            break;
    }
    return ticks;
}

} // namespace talvo::ui

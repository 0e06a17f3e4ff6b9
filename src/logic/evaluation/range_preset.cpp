#include "logic/evaluation/range_preset.h"

#include "logic/core/dates.h"
#include "logic/core/draw_calendar.h"

namespace talvo::logic {

DateRange presetRange(int newest, const DrawCalendar& calendar) {
    const DateRange week{newest - 6, newest};
    // The one Sunday the seven days may hold is left out where it has no draw: at the
    // end for a Sunday, at the start for a Saturday.
    switch (weekdayNumber(newest)) {
    case 1:
        return calendar.isDrawDay(newest) ? week : DateRange{newest - 6, newest - 1};
    case 7:
        return calendar.isDrawDay(newest - 6) ? week : DateRange{newest - 5, newest};
    default:
        return week;
    }
}

} // namespace talvo::logic

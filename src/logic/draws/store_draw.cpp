#include "logic/draws/store_draw.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/number_set.h"

#include <algorithm>

namespace talvo::logic {

bool storeDraw(DrawHistory& history, int position, DaySerial datum, const NumberSet& selection,
               const QString& plus5) {
    const std::vector<std::uint8_t> numbers = toNumberList(selection, 20, 70);
    if (numbers.size() != 20 || position < 0)
        return false;
    const auto pos = static_cast<std::size_t>(position);
    if (pos >= history.size())
        history.resize(pos + 1);
    DrawRecord& draw = history[pos];
    draw.datum = datum;
    std::copy(numbers.begin(), numbers.end(), draw.GZ.begin());
    draw.plus5.setText(plus5.left(5));
    // The draw just stored belongs to the calendar the gap is filled by.
    const DrawCalendar calendar(history);
    int day = wholeDay(datum);
    for (std::size_t i = pos; i-- > 0 && history[i].datum == 0;) {
        day = calendar.drawDayBefore(day);
        history[i].datum = day;
    }
    return true;
}

int proposedFirstDrawDay(int today) {
    // An empty history knows no Sunday draws.
    return DrawCalendar().drawDayBefore(today + 1);
}

} // namespace talvo::logic

#pragma once

namespace talvo::logic {

class DrawCalendar;

struct DateRange {
    int from = 0;
    int to = 0;
    bool operator==(const DateRange&) const = default;
};

// The date range the main window proposes from the day of the newest draw: its week of
// draws. In the Monday-to-Saturday calendar that is Monday to Saturday for a Saturday,
// the six days before for a Sunday, and the seven days ending with the draw otherwise;
// once Sundays are drawn, always the seven days ending with the draw.
DateRange presetRange(int newest, const DrawCalendar& calendar);

} // namespace talvo::logic

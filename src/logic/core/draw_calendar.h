#pragma once

#include "logic/core/history_file.h"

#include <climits>

namespace talvo::logic {

// Which days have a KENO draw. The game began on 02.02.2004 and was drawn Monday to
// Saturday; later it came to be drawn every day, Sundays included. The program learns
// which calendar holds from the history itself: from the earliest real draw (not an empty
// placeholder) that is dated on a Sunday, every day is a draw day; before it, every day
// but Sunday. A history without any Sunday draw thus keeps the Monday-to-Saturday
// calendar throughout. Days before 02.02.2004 are never draw days.
//
// Every rule of the program that leaves out Sundays (filling gaps in the history,
// counting the draws of a date range, presetting that range, correcting a slip's start
// date, a new tip's start date) asks this calendar, so they all agree with the history.
class DrawCalendar {
  public:
    // The calendar of a history without any Sunday draw.
    DrawCalendar() = default;
    // A draw about to be stored counts once it is in `history`.
    explicit DrawCalendar(const DrawHistory& history);

    bool isDrawDay(int day) const;
    // The latest draw day before `day`. Before the first draw of all there is none; there
    // it gives the plain day before, so a walk back past 02.02.2004 still moves on.
    int drawDayBefore(int day) const;
    // The first draw day after `day`.
    int drawDayAfter(int day) const;
    // How many draw days lie from `first` to `last`, both included; 0 when first > last.
    int drawDaysBetween(int first, int last) const;

  private:
    int dailyFrom_ = INT_MAX; // the first Sunday with a draw
};

} // namespace talvo::logic

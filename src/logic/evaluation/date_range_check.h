#pragma once

#include "logic/core/dates.h"

#include <QString>
#include <optional>

namespace talvo::logic {

// Why the days from..until cannot be evaluated, as the player is told it; nothing when
// they can. Only the days count, not the times of day, as in evaluateRange: a range of
// one day is a range.
std::optional<QString> checkDateRange(DaySerial from, DaySerial until);

} // namespace talvo::logic

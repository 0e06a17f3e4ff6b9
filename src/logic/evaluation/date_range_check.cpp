#include "logic/evaluation/date_range_check.h"

namespace talvo::logic {

std::optional<QString> checkDateRange(DaySerial from, DaySerial until) {
    if (wholeDay(from) <= wholeDay(until))
        return std::nullopt;
    return QStringLiteral("Das Datum \"von\" liegt nach dem Datum \"bis\". Bitte den Zeitraum berichtigen.");
}

} // namespace talvo::logic

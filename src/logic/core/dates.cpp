#include "logic/core/dates.h"

#include <cmath>

namespace talvo::logic {

namespace {
const QDate kEpoch(1899, 12, 30);
// QDate covers far more than any sane serial; beyond this a serial is treated as no day.
constexpr double kSerialLimit = 1.0e8;
} // namespace

int wholeDay(DaySerial serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > kSerialLimit)
        return 0;
    return static_cast<int>(std::floor(serial));
}

QDate serialToDate(DaySerial serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > kSerialLimit)
        return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(serial)));
}

DaySerial dateToSerial(const QDate& date) { return static_cast<double>(kEpoch.daysTo(date)); }

DaySerial dateTimeToSerial(const QDateTime& dateTime) {
    const QTime t = dateTime.time();
    return dateToSerial(dateTime.date()) + t.msecsSinceStartOfDay() / 86400000.0;
}

QString serialToText(DaySerial serial) {
    const QDate d = serialToDate(serial);
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

bool textToSerial(const QString& text, DaySerial& serial) {
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
    if (!d.isValid())
        return false;
    serial = dateToSerial(d);
    return true;
}

int weekdayNumber(int daySerial) {
    // Serial 0 (30.12.1899) was a Saturday.
    const int r = ((daySerial % 7) + 7) % 7;
    return r == 0 ? 7 : r;
}

} // namespace talvo::logic

#include "logic/core/dates.h"

#include <cmath>

namespace talvo::logic {

namespace {
const QDate kEpoch(1899, 12, 30);
// QDate covers far more than any sane serial; beyond this a serial is treated as no day.
constexpr double kSerialLimit = 1.0e8;
// 31.12.9999, the last day a date field can show.
constexpr double kLastDaySerial = 2958465;
} // namespace

int wholeDay(DaySerial serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > kSerialLimit)
        return 0;
    return static_cast<int>(std::floor(serial));
}

bool isCalendarDay(DaySerial serial) {
    return std::isfinite(serial) && serial > -kSerialLimit && serial < kLastDaySerial + 1;
}

QDate serialToDate(DaySerial serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > kSerialLimit)
        return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(serial)));
}

DaySerial dateToSerial(const QDate& date) {
    return static_cast<double>(kEpoch.daysTo(date));
}

DaySerial dateTimeToSerial(const QDateTime& dateTime) {
    const QTime t = dateTime.time();
    return dateToSerial(dateTime.date()) + t.msecsSinceStartOfDay() / 86400000.0;
}

QString serialToText(DaySerial serial) {
    const QDate d = serialToDate(serial);
    if (!d.isValid())
        return {};
    int year = 0;
    int month = 0;
    int day = 0;
    d.getDate(&year, &month, &day);
    if (year < 1000 || year > 9999)
        return d.toString(QStringLiteral("dd.MM.yyyy"));
    // Written digit by digit: the draw lists write every stored date at each start, and
    // the general date formatting takes most of that time.
    const QChar text[10] = {
        QChar(u'0' + day / 10),    QChar(u'0' + day % 10),        QChar(u'.'),
        QChar(u'0' + month / 10),  QChar(u'0' + month % 10),      QChar(u'.'),
        QChar(u'0' + year / 1000), QChar(u'0' + year / 100 % 10), QChar(u'0' + year / 10 % 10),
        QChar(u'0' + year % 10)};
    return QString(text, 10);
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

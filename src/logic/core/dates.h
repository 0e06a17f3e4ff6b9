#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace talvo::logic {

// Dates are day serials counted from 30.12.1899 (serial 0); the whole part is the day,
// a fraction the time of day.
using DaySerial = double;

// The first KENO draw, 02.02.2004.
inline constexpr int kFirstDrawSerial = 38019;

QDate serialToDate(DaySerial serial); // invalid for serials no calendar holds
DaySerial dateToSerial(const QDate& date);
DaySerial dateTimeToSerial(const QDateTime& dateTime);
// "dd.MM.yyyy"; an empty text for a serial that is not a calendar day.
QString serialToText(DaySerial serial);
// Parses "d.M.yyyy"; returns false when the text is no date.
bool textToSerial(const QString& text, DaySerial& serial);
// True for a serial that names a calendar day no later than 31.12.9999.
bool isCalendarDay(DaySerial serial);
// Whole day of a serial (towards minus infinity, as the day of a negative serial is).
int wholeDay(DaySerial serial);
// 1 = Sunday .. 7 = Saturday.
int weekdayNumber(int daySerial);

} // namespace talvo::logic

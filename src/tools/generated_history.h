#pragma once

// A plausible draw history for tests, benchmarks, the help's pictures and trying the
// windows: one draw per day from Monday to Saturday, 20 distinct ascending numbers from 1
// to 70 and a five digit plus 5 number, random but repeatable by the seed.

#include "logic/core/history_file.h"

#include <QDate>

namespace talvo::tools {

logic::DrawHistory generatedHistory(int count, const QDate& first = QDate(2004, 2, 2), quint32 seed = 1);

// The number of draw days from `first` up to and including `last`.
int drawDaysBetween(const QDate& first, const QDate& last);

} // namespace talvo::tools

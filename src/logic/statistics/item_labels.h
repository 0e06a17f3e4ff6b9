#pragma once

#include "logic/statistics/frequency_classes.h"

#include <QStringList>

namespace talvo::logic {

// What the items of the final digits and of the tens are called where the window lists
// them and in their spreadsheet, item j at index j - 1: "Gewinnzahlen mit Endzahl 0:",
// "Gewinnzahlen von 1 - 10". The numbers are named by themselves: none for them.
QStringList statisticItemLabels(StatisticKind kind);

} // namespace talvo::logic

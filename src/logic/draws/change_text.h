#pragma once

#include "logic/core/dates.h"

#include <QString>

namespace talvo::logic {

struct DrawSetMerge;
struct ImportResult;

// What the undo history calls each change of the draws; numbers in German form ("6.884").

// "Ziehung 10.12.2026 gespeichert"
QString storedDrawText(DaySerial datum);
// "Update: 3 neu, 1 ersetzt"
QString drawSetChangeText(const DrawSetMerge& merge);
// "Import KENO_ab_2004.csv: 6.884 neu, 5 Platzhalter" (the empty records it adds), with
// ", 2 ersetzt" when it replaced stored draws.
QString importChangeText(const QString& fileName, const ImportResult& result);

} // namespace talvo::logic

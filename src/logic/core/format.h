#pragma once

#include <QString>

namespace talvo::logic {

// Numbers as a German desktop shows them: digit grouping with '.', decimal comma.
QString formatNumber(double value, int decimals);
// The same without digit grouping ("1234,50"): the command line's measures, which scripts
// read back as numbers.
QString formatNumberUngrouped(double value, int decimals);
// Whole numbers without grouping, as the grids show counts and euro amounts.
QString formatInteger(long long value);

} // namespace talvo::logic

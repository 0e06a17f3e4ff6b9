#pragma once

#include <QString>

namespace talvo::logic {

// Numbers as a German desktop shows them: digit grouping with '.', decimal comma.
QString formatNumber(double value, int decimals);
// Whole numbers without grouping, as the grids show counts and euro amounts.
QString formatInteger(long long value);

} // namespace talvo::logic

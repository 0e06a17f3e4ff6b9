#pragma once

#include <QString>
#include <QStringList>

namespace talvo::logic {

// The runs of ASCII digits in a text, in order, leading zeros kept: "12.03.2024: 3, 07"
// gives 12, 03, 2024, 3, 07. Everything else separates them.
QStringList extractDigitRuns(const QString& text);

} // namespace talvo::logic

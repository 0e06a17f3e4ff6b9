#pragma once

#include <QString>

namespace talvo::logic {

// How many final digits of the slip's plus 5 number match the draw's (0..5). An empty
// draw text is class 0; any other text that is no integer throws Error.
int plus5Class(const QString& drawPlus5, const QString& slipPlus5);

} // namespace talvo::logic

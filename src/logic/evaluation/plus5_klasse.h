#pragma once

#include <QString>

namespace talvo::logic {

// How many final digits of the slip's plus 5 number match the draw's (0..5). An empty
// draw text is class 0; any other text that is no integer throws Error.
int Plus5Klasse(const QString& ziehung, const QString& schein);

} // namespace talvo::logic

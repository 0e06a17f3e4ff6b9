#pragma once

#include <QString>

namespace talvo::logic {

// A text from a file or a server as it may be printed or shown: every control character
// becomes a blank. A line break would split a record of the command line or a table row,
// an escape sequence would drive the terminal, and neither belongs in such a text.
QString printableText(QString text);

} // namespace talvo::logic

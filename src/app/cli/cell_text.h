#pragma once

#include "logic/core/printable_text.h"

#include <QString>

namespace talvo::cli {

// A text as one field of a TAB-separated line. Names and plus 5 texts come from files and
// may hold any byte; a tab or a line break in them would split the field or the line.
inline QString cellText(const QString& text) {
    return logic::printableText(text);
}

} // namespace talvo::cli

#pragma once

#include <QString>

namespace talvo::cli {

// A text as one field of a TAB-separated line. Names and plus 5 texts come from files and
// may hold any byte; a tab or a line break in them would split the field or the line.
inline QString cellText(QString text) {
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace talvo::cli

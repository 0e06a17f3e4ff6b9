#pragma once

#include <QString>

namespace talvo::cli {

// A text as one field of a TAB-separated line. Names and plus 5 texts come from files and
// may hold any byte; a tab or a line break in them would split the field or the line, and
// any other control character would reach the terminal as it stands. Each becomes a blank.
inline QString cellText(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace talvo::cli

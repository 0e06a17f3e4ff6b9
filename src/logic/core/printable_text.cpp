#include "logic/core/printable_text.h"

namespace talvo::logic {

QString printableText(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace talvo::logic

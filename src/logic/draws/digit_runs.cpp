#include "logic/draws/digit_runs.h"

namespace talvo::logic {

QStringList extractDigitRuns(const QString& text) {
    QStringList pieces;
    qsizetype start = -1;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        const bool digit = i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
        if (digit && start < 0) {
            start = i;
        } else if (!digit && start >= 0) {
            pieces << text.mid(start, i - start);
            start = -1;
        }
    }
    return pieces;
}

} // namespace talvo::logic

#pragma once

#include <QString>

namespace talvo::logic {

// Messages of the evaluation that every front end shows alike.
inline QString noSlipMessage() {
    return QStringLiteral(
        "Sie haben keinen Spielschein für die Auswertung eingelesen.\r\rIch breche erst einmal ab.");
}
inline QString noWinningNumbersMessage() {
    return QStringLiteral("Keine Gewinnzahlen für die Auswertung angegeben.");
}

} // namespace talvo::logic

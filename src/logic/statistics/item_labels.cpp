#include "logic/statistics/item_labels.h"

namespace talvo::logic {

QStringList statisticItemLabels(StatisticKind kind) {
    QStringList labels;
    if (kind == StatisticKind::FinalDigits) {
        for (int d = 0; d <= 9; ++d)
            labels << QStringLiteral("Gewinnzahlen mit Endzahl %1:").arg(d);
    } else if (kind == StatisticKind::Tens) {
        for (int j = 1; j <= 7; ++j)
            labels << QStringLiteral("Gewinnzahlen von %1 - %2").arg(10 * j - 9).arg(10 * j);
    }
    return labels;
}

} // namespace talvo::logic

#include "logic/export/statistics_export_table.h"

#include "logic/statistics/item_labels.h"

namespace talvo::logic {

namespace {

constexpr int kNumbers = 70;

// The count of item j, empty without a result or for an item it does not hold.
QString countText(const std::optional<FrequencyResult>& result, int item) {
    if (!result || item < 1 || item > result->items())
        return {};
    return QString::number(result->occurrences[static_cast<std::size_t>(item - 1)]);
}

} // namespace

ExportTable buildNumbersExportTable(const std::optional<FrequencyResult>& numbers) {
    ExportTable table(2, kNumbers + 1);
    table.setCell(0, 0, QStringLiteral("Zahl"));
    table.setCell(1, 0, QStringLiteral("Häufigkeit"));
    for (int n = 1; n <= kNumbers; ++n) {
        table.setCell(0, n, QString::number(n));
        table.setCell(1, n, countText(numbers, n));
    }
    return table;
}

ExportTable buildItemsExportTable(StatisticKind kind, const std::optional<FrequencyResult>& result) {
    const QStringList labels = statisticItemLabels(kind);
    const int items = static_cast<int>(labels.size());
    const bool finalDigits = kind == StatisticKind::FinalDigits;
    ExportTable table(2, finalDigits ? kNumbers + 1 : items + 1);
    table.setCell(0, 0, finalDigits ? QStringLiteral("Endnummer") : QStringLiteral("Zehner"));
    table.setCell(1, 0, QStringLiteral("Häufigkeit"));
    for (int item = 1; item <= items; ++item) {
        table.setCell(0, item, labels[item - 1]);
        table.setCell(1, item, countText(result, item));
    }
    return table;
}

ExportTable buildAbsencesExportTable(const Absences& absences, AbsenceOrder order) {
    ExportTable table(2, kNumbers + 1);
    table.setCell(0, 0, QStringLiteral("Zahl"));
    table.setCell(1, 0, QStringLiteral("Seit Ziehungen..."));
    for (int cell = 1; cell <= kNumbers; ++cell) {
        int n = cell;
        if (order == AbsenceOrder::ByAbsence)
            n = cell <= static_cast<int>(absences.ranking.size())
                    ? absences.ranking[static_cast<std::size_t>(cell - 1)]
                    : 0;
        if (n < 1 || n > kNumbers)
            continue;
        table.setCell(0, cell, QString::number(n));
        table.setCell(1, cell, QString::number(absences.drawsSince[static_cast<std::size_t>(n)]));
    }
    return table;
}

} // namespace talvo::logic

#include "logic/export/draw_export_table.h"

#include "logic/core/dates.h"
#include "logic/core/error.h"
#include "logic/core/printable_text.h"

#include <algorithm>
#include <array>

namespace talvo::logic {

namespace {

constexpr int kNumberColumns = 20;

int columnCountFor(int choice) {
    switch (choice) {
    case kNumbersAndPlus5:
        return 2 + kNumberColumns + 1;
    case kNumbersOnly:
        return 2 + kNumberColumns;
    default:
        return 3;
    }
}

bool includesNumbers(int choice) {
    return choice != kPlus5Only;
}
bool includesPlus5(int choice) {
    return choice != kNumbersOnly;
}

QString dateText(int choice, const DrawRecord& draw) {
    if (choice == kPlus5Only) {
        const QDate d = serialToDate(draw.datum);
        return d.isValid() ? d.toString(QStringLiteral("dd-MM-yyyy")) : QString();
    }
    return serialToText(draw.datum);
}

} // namespace

QString drawExportChoiceText(int choice) {
    static const std::array<const char*, kDrawExportChoices> texts = {"Gewinnzahlen und plus 5",
                                                                      "nur Gewinnzahlen", "nur plus 5"};
    if (choice < 0 || choice >= kDrawExportChoices)
        return {};
    return QString::fromUtf8(texts[static_cast<std::size_t>(choice)]);
}

QDate firstExportDate() {
    return serialToDate(kFirstDrawSerial);
}

QDate lastDrawDate(const DrawHistory& history) {
    const auto last = std::find_if(history.rbegin(), history.rend(),
                                   [](const DrawRecord& d) { return !d.isPlaceholder(); });
    return last == history.rend() ? QDate() : serialToDate(last->datum);
}

QDate adjustedStartDate(const QDate& from, const QDate& to) {
    QDate adjusted = to < from ? to : from;
    return std::max(adjusted, firstExportDate());
}

QDate adjustedEndDate(const QDate& from, const QDate& to, const QDate& today) {
    QDate adjusted = from > to ? from : to;
    return std::min(adjusted, today);
}

ExportRange findExportRange(const DrawHistory& history, const QDate& from, const QDate& to) {
    const int fromDay = static_cast<int>(dateToSerial(from));
    const int toDay = static_cast<int>(dateToSerial(to));
    const int count = static_cast<int>(history.size());
    ExportRange range{count, -1};
    bool anyStored = false;
    for (int i = 0; i < count; ++i) {
        const DrawRecord& draw = history[static_cast<std::size_t>(i)];
        if (draw.isPlaceholder())
            continue;
        anyStored = true;
        const int day = wholeDay(draw.datum);
        if (day >= fromDay && range.first == count)
            range.first = i;
        if (day <= toDay)
            range.last = i;
    }
    if (!anyStored)
        throw Error(QStringLiteral("Es ist noch keine Ziehung gespeichert, die exportiert werden könnte."));
    if (range.first > range.last)
        throw Error(
            QStringLiteral("Vom %1 bis zum %2 ist keine Ziehung gespeichert.")
                .arg(from.toString(QStringLiteral("dd.MM.yyyy")), to.toString(QStringLiteral("dd.MM.yyyy"))));
    return range;
}

ExportTable buildDrawExportTable(const DrawHistory& history, int choice, int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(history.size()) - 1);
    int rowCount = 1;
    for (int i = first; i <= last; ++i)
        rowCount += history[static_cast<std::size_t>(i)].isPlaceholder() ? 0 : 1;

    ExportTable table(columnCountFor(choice), rowCount);
    const int plus5Column = table.columnCount() - 1;
    table.setCell(0, 0, QStringLiteral("Veranstaltung"));
    table.setCell(1, 0, QStringLiteral("Datum"));
    if (includesNumbers(choice))
        for (int z = 0; z < kNumberColumns; ++z)
            table.setCell(2 + z, 0, QStringLiteral("Zahl %1").arg(z + 1));
    if (includesPlus5(choice))
        table.setCell(plus5Column, 0, QStringLiteral("plus 5"));

    int row = 1;
    for (int i = first; i <= last; ++i) {
        const DrawRecord& draw = history[static_cast<std::size_t>(i)];
        if (draw.isPlaceholder())
            continue;
        table.setCell(0, row, QString::number(i + 1));
        table.setCell(1, row, dateText(choice, draw));
        if (includesNumbers(choice))
            for (int z = 0; z < kNumberColumns; ++z)
                table.setCell(2 + z, row, QString::number(draw.GZ[static_cast<std::size_t>(z)]));
        if (includesPlus5(choice))
            table.setCell(plus5Column, row, printableText(draw.plus5.text()));
        ++row;
    }
    return table;
}

} // namespace talvo::logic

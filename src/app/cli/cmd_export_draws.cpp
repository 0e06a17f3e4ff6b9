#include "arguments.h"
#include "cell_text.h"
#include "command.h"
#include "history_option.h"

#include "logic/core/error.h"
#include "logic/export/draw_export_table.h"
#include "platform/spreadsheet.h"

#include <QTextStream>
#include <algorithm>

namespace talvo::cli {
namespace {

int choiceOption(const Arguments& opts) {
    const int choice = opts.integer(QStringLiteral("choice"), -1);
    if (choice < 0 || choice >= logic::kDrawExportChoices)
        throw UsageError{QStringLiteral("--choice erwartet 0, 1 oder 2.")};
    return choice;
}

QDate dateOption(const Arguments& opts, const char* name) {
    return logic::serialToDate(parseDate(opts.required(QString::fromLatin1(name))));
}

int exportDraws(const QStringList& args, Io& io) {
    const Arguments opts(args);
    const int choice = choiceOption(opts);
    const QDate from = std::max(dateOption(opts, "from"), logic::firstExportDate());
    const QDate to = std::min(dateOption(opts, "to"), opts.nowDateTime().date());
    if (from > to)
        throw logic::Error(
            QStringLiteral("Der Zeitraum ist ungültig: Er beginnt am %1 und endet am %2.")
                .arg(from.toString(QStringLiteral("dd.MM.yyyy")), to.toString(QStringLiteral("dd.MM.yyyy"))));
    const logic::DrawHistory history = historyOption(opts);
    const logic::ExportRange range = logic::findExportRange(history, from, to);
    const logic::ExportTable table = logic::buildDrawExportTable(history, choice, range.first, range.last);
    if (opts.has(QStringLiteral("xlsx"))) {
        platform::writeWorkbook(table, logic::drawExportChoiceText(choice), choice,
                                opts.value(QStringLiteral("xlsx")));
        return 0;
    }
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c)
            io.out << (c > 0 ? "\t" : "") << cellText(table.cell(c, r));
        io.out << '\n';
    }
    return 0;
}

const CommandRegistrar reg("export-draws",
                           "export-draws --history H --choice C --from DD.MM.YYYY --to DD.MM.YYYY "
                           "[--now \"YYYY-MM-DD HH:MM\"] [--xlsx OUT]",
                           exportDraws);

} // namespace
} // namespace talvo::cli

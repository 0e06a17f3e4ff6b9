#include "export_draws_request.h"

#include "arguments.h"
#include "command.h"
#include "history_option.h"

#include "logic/core/error.h"

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

} // namespace

DrawExportRequest drawExportRequest(const Arguments& opts) {
    const int choice = choiceOption(opts);
    const QDate from = std::max(dateOption(opts, "from"), logic::firstExportDate());
    const QDate to = std::min(dateOption(opts, "to"), opts.nowDateTime().date());
    if (from > to)
        throw logic::Error(
            QStringLiteral("Der Zeitraum ist ungültig: Er beginnt am %1 und endet am %2.")
                .arg(from.toString(QStringLiteral("dd.MM.yyyy")), to.toString(QStringLiteral("dd.MM.yyyy"))));
    const logic::DrawHistory history = historyOption(opts);
    const logic::ExportRange range = logic::findExportRange(history, from, to);
    return {choice, logic::buildDrawExportTable(history, choice, range.first, range.last)};
}

} // namespace talvo::cli

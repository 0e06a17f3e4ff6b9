#include "cell_text.h"
#include "command.h"
#include "history_option.h"
#include "options.h"

#include "logic/core/error.h"
#include "logic/export/ziehungs_tabelle.h"
#include "platform/spreadsheet.h"

#include <QTextStream>
#include <algorithm>

namespace talvo::cli {
namespace {

int choiceOption(const Options& opts) {
    const int wahl = opts.integer(QStringLiteral("choice"), -1);
    if (wahl < 0 || wahl >= logic::kZiehungsExportWahlen)
        throw UsageError{QStringLiteral("--choice erwartet 0, 1 oder 2.")};
    return wahl;
}

QDate dateOption(const Options& opts, const char* name) {
    return logic::serialToDate(parseDate(opts.required(QString::fromLatin1(name))));
}

int exportDraws(const QStringList& args, Io& io) {
    const Options opts(args);
    const int wahl = choiceOption(opts);
    const QDate von = std::max(dateOption(opts, "from"), logic::ersterExportTag());
    const QDate bis = std::min(dateOption(opts, "to"), opts.nowDateTime().date());
    if (von > bis)
        throw logic::Error(QStringLiteral("Der Zeitraum ist ungültig: Er beginnt am %1 und endet am %2.")
                               .arg(von.toString(QStringLiteral("dd.MM.yyyy")),
                                    bis.toString(QStringLiteral("dd.MM.yyyy"))));
    const logic::DrawHistory history = historyOption(opts);
    const logic::ExportBereich bereich = logic::ziehungsBereich(history, von, bis);
    const logic::ExportTabelle tabelle = logic::ZiehungsTabelle(history, wahl, bereich.erste, bereich.letzte);
    if (opts.has(QStringLiteral("xlsx"))) {
        platform::writeWorkbook(tabelle, logic::ziehungsExportText(wahl), wahl, opts.value(QStringLiteral("xlsx")));
        return 0;
    }
    for (int r = 0; r < tabelle.zeilen(); ++r) {
        for (int c = 0; c < tabelle.spalten(); ++c)
            io.out << (c > 0 ? "\t" : "") << cellText(tabelle.zelle(c, r));
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

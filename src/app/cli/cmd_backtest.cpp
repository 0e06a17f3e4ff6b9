#include "command.h"
#include "history_option.h"
#include "options.h"
#include "seed_option.h"

#include "logic/core/error.h"
#include "logic/core/format.h"
#include "logic/statistics/free_search.h"
#include "logic/tips/strategie_test.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

QString euro(long long amount) {
    return logic::formatNumber(static_cast<double>(amount), 2);
}

std::optional<int> dayOption(const Options& options, const QString& name) {
    if (!options.has(name))
        return std::nullopt;
    return logic::wholeDay(parseDate(options.value(name)));
}

int backtest(const QStringList& args, Io& io) {
    const Options options(args, {QStringLiteral("draws")});
    options.required(QStringLiteral("strategy"));
    options.required(QStringLiteral("type"));
    logic::StrategieTestParameter p;
    p.strategie = options.integer(QStringLiteral("strategy"), -1);
    p.typ = options.integer(QStringLiteral("type"), 0);
    p.einsatz = options.integer(QStringLiteral("stake"), 1);
    p.anzahl = lastOption(options);
    p.von = dayOption(options, QStringLiteral("from"));
    p.bis = dayOption(options, QStringLiteral("to"));
    if (const QString fehler = logic::strategieTestFehler(p); !fehler.isEmpty())
        throw UsageError{fehler};
    p.seed = seedOption(options);

    const logic::StrategieTestErgebnis r = logic::StrategieTest(historyOption(options), p);
    if (r.ziehungen.empty())
        throw logic::Error(QString::fromUtf8(logic::kKeineTestZiehungMeldung));

    if (options.has(QStringLiteral("draws")))
        for (const logic::GetesteteZiehung& z : r.ziehungen)
            io.out << logic::serialToText(z.datum) << '\t' << logic::zahlenText(z.tipp) << '\t' << z.treffer
                   << '\t' << euro(z.gewinn) << '\n';
    io.out << "Seed\t" << p.seed << '\n';
    io.out << "Ziehungen\t" << r.ziehungen.size() << '\n';
    io.out << "Einsatz\t" << euro(r.einsatz) << '\n';
    io.out << "Gewinn\t" << euro(r.gewinn) << '\n';
    io.out << QStringLiteral("Rückfluss\t") << logic::formatNumber(r.rueckfluss(), 2) << '\n';
    io.out << "Zufall\t" << logic::formatNumber(r.zufallRueckfluss(), 2) << '\n';
    io.out << "Tiefster Stand\t" << euro(r.tiefsterStand) << '\n';
    io.out << QStringLiteral("Längste Serie ohne Gewinn\t") << r.laengsteSerieOhneGewinn << '\n';
    io.out << "Ziehungen mit Gewinn\t" << r.ziehungenMitGewinn << '\n';
    for (int h = 0; h <= p.typ; ++h)
        io.out << "Treffer\t" << h << '\t' << r.treffer[static_cast<std::size_t>(h)] << '\t'
               << logic::formatNumber(r.erwartet[static_cast<std::size_t>(h)], 2) << '\n';
    return 0;
}

const CommandRegistrar reg("backtest",
                           "backtest --history DATEI --strategy S --type T [--last N] [--from TT.MM.JJJJ] "
                           "[--to TT.MM.JJJJ] [--stake E] [--seed X] [--draws]",
                           backtest);

} // namespace
} // namespace talvo::cli

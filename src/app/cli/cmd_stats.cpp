#include "command.h"
#include "history_option.h"
#include "options.h"

#include "logic/core/program_state.h"
#include "logic/statistics/statistik.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

QString joined(const std::vector<int>& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

void printResult(const logic::StatErgebnis& r, QTextStream& out) {
    out << "KIND\t" << static_cast<int>(r.art) << '\n';
    out << "heading\t" << r.ueberschrift << '\n';
    out << "legend\t" << r.legende << '\n';
    out << "mean\t" << r.mittel << '\n';
    out << "T\t" << joined({r.T.begin(), r.T.end()}) << '\n';
    out << 'R';
    for (const QString& text : r.R)
        out << '\t' << text;
    out << '\n';
    for (int j = 1; j <= r.items(); ++j)
        out << "item\t" << j << '\t' << r.anzahl[static_cast<std::size_t>(j - 1)] << '\t'
            << r.klasse[static_cast<std::size_t>(j - 1)] << '\n';
}

int stats(const QStringList& args, Io& io) {
    const Options options(args);
    const int n = lastOption(options);
    logic::ProgramState state;
    state.setHistory(historyOption(options));
    logic::Statistik statistik(state);
    statistik.HaeufigkeitenBerechnen(n);

    for (auto art : {logic::StatArt::Zahlen, logic::StatArt::Endzahlen, logic::StatArt::Zehner})
        if (const auto& r = statistik.ergebnis(art))
            printResult(*r, io.out);
    for (int kind = 1; kind <= 3; ++kind)
        for (int level = 1; level <= logic::kStufen; ++level) {
            std::vector<int> numbers;
            for (auto v : logic::MengeZuListe(state.KlassenMengen.at(kind, level), 70, 70))
                numbers.push_back(v);
            io.out << "KLASSEN\t" << kind << '\t' << level << '\t' << joined(numbers) << '\n';
        }
    const logic::Abwesenheiten& a = statistik.abwesenheiten();
    for (int number = 1; number <= 70; ++number)
        io.out << "ABSENCE\t" << number << '\t' << a.seit[static_cast<std::size_t>(number)] << '\n';
    io.out << "ABSENCE-ORDER\t" << joined(a.ordnung) << '\n';
    io.out << "FREQUENCY-ORDER\t" << joined(statistik.haeufigkeitsOrdnung()) << '\n';
    return 0;
}

const CommandRegistrar reg("stats", "stats --history DATEI --last N", stats);

} // namespace
} // namespace talvo::cli

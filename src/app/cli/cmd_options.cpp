#include "cell_text.h"
#include "command.h"

#include "logic/settings/einstellungen.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

QString perGame(const std::array<std::int32_t, logic::TEinstellungen::kSpiele>& values) {
    QStringList parts;
    for (auto v : values)
        parts << QString::number(v);
    return parts.join(QLatin1Char(' '));
}

int options(const QStringList& args, Io& io) {
    if (args.size() != 1)
        throw UsageError{QStringLiteral("Genau eine Datei angeben.")};
    const logic::TEinstellungen e = logic::EinstellungenLesen(args[0]);
    const auto line = [&io](const char* name, const QString& value) {
        io.out << name << '\t' << value << '\n';
    };
    line("farbschema", QString::number(e.farbschema));
    line("einsatzIndex", QString::number(e.einsatzIndex));
    line("laufzeitIndex", QString::number(e.laufzeitIndex));
    line("statAnzahlIndex", QString::number(e.statAnzahlIndex));
    line("statRegister", QString::number(e.statRegister));
    line("tippBereich", QString::number(e.tippBereich));
    line("tippTyp", perGame(e.tippTyp));
    line("scheinTyp", perGame(e.scheinTyp));
    line("startDatei", cellText(e.startDatei.text()));
    line("plus5Mitspiel", QString::number(e.plus5Mitspiel));
    return 0;
}

const CommandRegistrar reg("options", "options DATEI", options);

} // namespace
} // namespace talvo::cli

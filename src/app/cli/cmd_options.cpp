#include "arguments.h"
#include "cell_text.h"
#include "command.h"

#include "logic/settings/options_file.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

QString perGame(const std::array<std::int32_t, logic::OptionsRecord::kGames>& values) {
    QStringList parts;
    for (auto v : values)
        parts << QString::number(v);
    return parts.join(QLatin1Char(' '));
}

int options(const Arguments& args, Io& io) {
    if (args.positional().size() != 1)
        throw UsageError{QStringLiteral("Genau eine Datei angeben.")};
    const logic::OptionsRecord record = logic::loadOptions(args.positional().first());
    const auto line = [&io](const char* name, const QString& value) {
        io.out << name << '\t' << value << '\n';
    };
    line("farbschema", QString::number(record.farbschema));
    line("einsatzIndex", QString::number(record.einsatzIndex));
    line("laufzeitIndex", QString::number(record.laufzeitIndex));
    line("statAnzahlIndex", QString::number(record.statAnzahlIndex));
    line("statRegister", QString::number(record.statRegister));
    line("tippBereich", QString::number(record.tippBereich));
    line("tippTyp", perGame(record.tippTyp));
    line("scheinTyp", perGame(record.scheinTyp));
    line("startDatei", cellText(record.startDatei.text()));
    line("plus5Mitspiel", QString::number(record.plus5Mitspiel));
    return 0;
}

const CommandRegistrar reg("options", options);

} // namespace
} // namespace talvo::cli

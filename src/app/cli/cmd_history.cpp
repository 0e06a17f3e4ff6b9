#include "arguments.h"
#include "cell_text.h"
#include "command.h"

#include "logic/core/history_file.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

int history(const Arguments& args, Io& io) {
    if (args.positional().size() != 1)
        throw UsageError{QStringLiteral("Genau eine Datei angeben.")};
    const logic::DrawHistory draws = logic::loadDrawHistory(args.positional().first());
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const logic::DrawRecord& d = draws[i];
        QStringList numbers;
        for (auto n : d.GZ)
            numbers << QString::number(n);
        io.out << (i + 1) << '\t' << logic::serialToText(d.datum) << '\t' << numbers.join(QLatin1Char(' '))
               << '\t' << cellText(d.plus5.text()) << '\n';
    }
    return 0;
}

const CommandRegistrar reg("history", history);

} // namespace
} // namespace talvo::cli

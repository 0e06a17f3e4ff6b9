#include "arguments.h"
#include "command.h"

#include "logic/draws/digit_runs.h"

#include <QFile>
#include <QTextStream>

namespace talvo::cli {
namespace {

int parse(const Arguments& args, Io& io) {
    if (!args.positional().isEmpty())
        throw UsageError{QStringLiteral("parse liest nur die Standardeingabe.")};
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw UsageError{QStringLiteral("Die Standardeingabe kann nicht gelesen werden.")};
    io.out << logic::extractDigitRuns(QString::fromUtf8(in.readAll())).join(QLatin1Char(' ')) << '\n';
    return 0;
}

const CommandRegistrar reg("parse", parse);

} // namespace
} // namespace talvo::cli

#include "command_line.h"

#include "arguments.h"
#include "command.h"
#include "command_table.h"
#include "help_text.h"
#include "helper_program.h"

#include "logic/core/error.h"
#include "logic/core/version.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace talvo::cli {

namespace {

bool asksForHelp(const QString& word) {
    return word == QStringLiteral("--help") || word == QStringLiteral("-h") || word == QStringLiteral("help");
}

// A script must learn when its output is missing or cut short (a full disk, a closed
// pipe): everything still buffered is written now, and any write that failed turns the
// exit code into an error.
int finish(Io& io, int rc) {
    io.out.flush();
    const bool written =
        io.out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!written) {
        io.err << "Die Ausgabe konnte nicht vollständig geschrieben werden (ist der Datenträger voll?).\n";
        rc = rc == 0 ? 1 : rc;
    }
    io.err.flush();
    return rc;
}

int runCommand(const CommandSpec& command, const QStringList& args, char* argv[], Helper self, Io& io) {
    const Arguments arguments(args, command);
    if (arguments.helpWanted()) {
        io.out << commandHelp(command);
        return 0;
    }
    if (!arguments.problem().isEmpty()) {
        io.err << arguments.problem() << '\n' << usageHint(command);
        return 2;
    }
    const bool helperNeeded =
        command.helper != Helper::None && command.helper != self &&
        (!command.helperSwitch || arguments.has(QString::fromUtf8(command.helperSwitch)));
    if (helperNeeded) {
        io.err << runInHelper(command.helper, argv) << '\n';
        return 1;
    }
    // A companion started by hand with a command that talvo-cli runs itself.
    const CommandFn run = registeredCommand(QString::fromUtf8(command.name));
    if (!run) {
        io.err << "Den Befehl " << command.name << " führt talvo-cli selbst aus.\n";
        return 2;
    }
    try {
        return run(arguments, io);
    } catch (const UsageError& e) {
        io.out.flush();
        io.err << e.text << '\n' << usageHint(command);
        return 2;
    } catch (const logic::Error& e) {
        io.out.flush();
        QString text = e.text();
        io.err << text.replace(QLatin1Char('\r'), QLatin1Char('\n')) << '\n';
        return 1;
    }
}

} // namespace

int runCommandLine(char* argv[], Helper self) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    Io io{out, err};

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        err << commandList();
        return finish(io, 2);
    }
    const QString name = args.takeFirst();
    if (name == QStringLiteral("--version") && args.isEmpty()) {
        out << "talvo-cli " << logic::kVersionText << '\n';
        return finish(io, 0);
    }
    if (asksForHelp(name) && args.isEmpty()) {
        out << commandList();
        return finish(io, 0);
    }
    if (name == QStringLiteral("help") && args.size() == 1 && findCommand(args.first())) {
        out << commandHelp(*findCommand(args.first()));
        return finish(io, 0);
    }
    const CommandSpec* command = findCommand(name);
    if (!command) {
        err << "Unbekannter Befehl: " << name << "\n\"talvo-cli --help\" zeigt alle Befehle.\n";
        return finish(io, 2);
    }
    return finish(io, runCommand(*command, args, argv, self, io));
}

} // namespace talvo::cli

#include "command.h"

#include "logic/core/error.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace talvo::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> list;
    return list;
}
} // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFn fn) {
    registry().push_back({QString::fromUtf8(name), QString::fromUtf8(usage), std::move(fn)});
}

const std::vector<Command>& commands() { return registry(); }

} // namespace talvo::cli

namespace {

void printUsage(QTextStream& err) {
    err << "Aufruf: talvo-cli BEFEHL ...\n";
    for (const auto& c : talvo::cli::commands())
        err << "  " << c.usage << '\n';
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    talvo::cli::Io io{out, err};

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printUsage(err);
        return 2;
    }
    const QString name = args.takeFirst();
    for (const auto& c : talvo::cli::commands()) {
        if (c.name != name)
            continue;
        try {
            const int rc = c.run(args, io);
            out.flush();
            return rc;
        } catch (const talvo::cli::UsageError& e) {
            out.flush();
            err << e.text << "\nAufruf: " << c.usage << '\n';
            return 2;
        } catch (const talvo::logic::Error& e) {
            out.flush();
            QString text = e.text();
            err << text.replace(QLatin1Char('\r'), QLatin1Char('\n')) << '\n';
            return 1;
        }
    }
    err << "Unbekannter Befehl: " << name << '\n';
    printUsage(err);
    return 2;
}

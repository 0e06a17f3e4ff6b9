#include "command.h"

#include "logic/core/error.h"
#include "logic/core/version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace talvo::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> list;
    return list;
}
} // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFn fn, CommandNeeds needs) {
    registry().push_back({QString::fromUtf8(name), QString::fromUtf8(usage), std::move(fn), needs});
}

const std::vector<Command>& commands() {
    return registry();
}

} // namespace talvo::cli

namespace {

void printUsage(QTextStream& err) {
    err << "Aufruf: talvo-cli BEFEHL ...\n";
    err << "  --version\n";
    for (const auto& c : talvo::cli::commands())
        err << "  " << c.usage << '\n';
}

// The application the named command needs: a GUI one without a display for those that
// draw text, a plain one for the others.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const auto& c : talvo::cli::commands()) {
        if (c.name == name && c.needs == talvo::cli::CommandNeeds::Fonts) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            // Qt's notes about the missing desktop (runtime folder and the like) would end up
            // between the command's own German messages.
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    fprintf(stderr, "%s\n", qPrintable(text));
            });
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const auto app = makeApplication(argc, argv);
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
    if (name == QStringLiteral("--version") && args.isEmpty()) {
        out << "talvo-cli " << talvo::logic::kVersionText << '\n';
        return 0;
    }
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

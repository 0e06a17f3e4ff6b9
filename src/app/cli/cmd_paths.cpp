#include "arguments.h"
#include "command.h"

#include "logic/core/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace talvo::cli {
namespace {

// The folders and files the desktop program uses when started from the same folder as
// this tool; an installation is checked with it. A missing demo slip or help fails.
int paths(const Arguments& args, Io& io) {
    using logic::AppPaths;
    const AppPaths p = AppPaths::forUser(AppPaths::programFolder(QCoreApplication::applicationDirPath()));
    const auto line = [&io](const char* name, const QString& path) {
        io.out << name << '\t' << QDir::toNativeSeparators(path) << '\n';
    };
    line("Programmordner", p.programDir);
    line("Demo-Spielschein", p.demoFile());
    line("Hilfe", p.helpFile);
    line("Hilfe-Verzeichnis", p.helpCollection);
    line("Datenordner", p.dataDir);
    int rc = 0;
    for (const QString& file : {p.demoFile(), p.helpFile}) {
        if (!QFileInfo(file).isFile()) {
            io.err << "Die Datei fehlt: " << QDir::toNativeSeparators(file) << '\n';
            rc = 1;
        }
    }
    return rc;
}

const CommandRegistrar reg("paths", paths);

} // namespace
} // namespace talvo::cli

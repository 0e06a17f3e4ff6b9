#include "support/temp_folder.h"

#include <QDir>

namespace talvo::test {

logic::AppPaths TempFolder::paths() const {
    logic::AppPaths p;
    p.dataDir = path() + QLatin1Char('/');
    p.programDir = p.dataDir;
    p.helpFile = p.programDir + QStringLiteral("TALVO Hilfe.qch");
    p.helpCollection = p.dataDir + QStringLiteral("Hilfe/TALVO Hilfe.qhc");
    return p;
}

logic::AppPaths TempFolder::emptyDataAndProgramFolders() const {
    QDir(path()).removeRecursively();
    QDir().mkpath(filePath(QStringLiteral("data")));
    QDir().mkpath(filePath(QStringLiteral("prog")));
    logic::AppPaths p;
    p.dataDir = filePath(QStringLiteral("data/"));
    p.programDir = filePath(QStringLiteral("prog/"));
    return p;
}

} // namespace talvo::test

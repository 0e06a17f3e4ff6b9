#include "logic/core/paths.h"

#include "logic/core/install_layout.h"

#include <QDir>
#include <QStandardPaths>

namespace talvo::logic {

namespace {
QString withSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

AppPaths AppPaths::forUser(const QString& programDir) {
    AppPaths paths;
    paths.programDir = withSlash(programDir);
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    paths.dataDir = withSlash(base) + QLatin1String(kProductName) + QLatin1Char('/');
    // On a fresh account even the parents of the data folder may be missing. A failure
    // shows up at the first write.
    QDir().mkpath(paths.dataDir);
    paths.helpFile = paths.programDir + QStringLiteral("TALVO Hilfe.qch");
    paths.helpCollection = withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)) +
                           QLatin1String(kProductName) + QStringLiteral("/TALVO Hilfe.qhc");
    return paths;
}

QString AppPaths::programFolder(const QString& executableFolder) {
    const QDir executable(executableFolder);
    const QDir shared(executable.absoluteFilePath(QString::fromUtf8(kSharedFolderFromProgram)));
    return shared.exists() ? shared.absolutePath() : executable.absolutePath();
}

} // namespace talvo::logic

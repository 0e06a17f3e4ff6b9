#include "helper_program.h"

#include "command.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <unistd.h>

namespace talvo::cli {

namespace {

QString programName(Helper helper) {
    switch (helper) {
    case Helper::Print:
        return QStringLiteral("talvo-cli-print");
    case Helper::Network:
        return QStringLiteral("talvo-cli-net");
    case Helper::Workbook:
        return QStringLiteral("talvo-cli-xlsx");
    case Helper::None:
        break;
    }
    return {};
}

// In the build tree the companions lie beside talvo-cli; installed, in their own folder
// under libexec, where no one runs them by mistake.
QString programPath(const QString& name) {
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString beside = folder + name;
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QFileInfo(folder + QStringLiteral(TALVO_HELPER_FOLDER_FROM_PROGRAM) + QLatin1Char('/') + name)
        .absoluteFilePath();
}

} // namespace

QString runInHelper(Helper helper, char* argv[]) {
    const QString name = programName(helper);
    const QByteArray path = programPath(name).toLocal8Bit();
    argv[0] = const_cast<char*>(path.constData());
    execv(path.constData(), argv);
    return QStringLiteral("Das Begleitprogramm %1 lässt sich nicht starten; TALVO ist nicht vollständig "
                          "installiert.")
        .arg(name);
}

} // namespace talvo::cli

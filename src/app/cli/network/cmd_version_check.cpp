#include "arguments.h"
#include "command.h"

#include "logic/core/contact.h"
#include "logic/core/error.h"
#include "logic/core/paths.h"
#include "logic/core/version.h"
#include "logic/update/program_update.h"
#include "platform/download.h"
#include "platform/installer_download.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QUrl>

namespace talvo::cli {
namespace {

int versionCheck(const Arguments& o, Io& io) {
    QString base = o.required(QStringLiteral("base"));
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    QString folder = o.has(QStringLiteral("data"))
                         ? o.value(QStringLiteral("data"))
                         : logic::AppPaths::forUser(QCoreApplication::applicationDirPath()).dataDir;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const auto withTimeout = [&o](platform::DownloadLimits limits) {
        limits.overall = o.seconds(QStringLiteral("timeout"), limits.overall);
        return limits;
    };

    // The steps of the menu entry "Updateprüfung", with the reasons spelled out.
    const QString local = folder + QLatin1String(logic::kVersionFile);
    QFile::remove(local);
    QString why;
    if (!platform::downloadFileBlocking(QUrl(base + QLatin1String(logic::kVersionFile)), local, &why,
                                        withTimeout(platform::versionFileLimits())))
        throw logic::Error(
            logic::versionNotCheckableMessage(QUrl(QString::fromUtf8(logic::kWebSite)).host()) +
            QLatin1Char('\r') + why);
    const QString serverVersion = logic::readVersionFile(local);
    if (logic::isCurrentVersion(serverVersion))
        io.out << "aktuell\n";
    else
        io.out << "neu\t" << serverVersion << '\n';
    io.out.flush();

    if (o.has(QStringLiteral("download"))) {
        const QString installer = folder + QLatin1String(logic::kInstallerLocal);
        QFile::remove(installer);
        if (!platform::downloadInstallerBlocking(base, installer, &why,
                                                 withTimeout(platform::installerLimits())))
            throw logic::Error(QString::fromUtf8(logic::kInstallerDownloadFailedMessage) + QLatin1Char('\r') +
                               why);
    }
    return 0;
}

const CommandRegistrar reg("version-check", versionCheck);

} // namespace
} // namespace talvo::cli

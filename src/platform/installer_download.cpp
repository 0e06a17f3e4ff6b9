#include "platform/installer_download.h"

#include "logic/core/error.h"
#include "logic/core/record_file.h"
#include "logic/core/version.h"

#include <QEventLoop>
#include <QFile>
#include <QUrl>
#include <algorithm>

namespace talvo::platform {

InstallerDownload::InstallerDownload(QObject* parent)
    : QObject(parent), check_(new FileDownload(this)), installer_(new FileDownload(this)) {
    connect(check_, &FileDownload::finished, this, [this](bool ok) { onCheckFetched(ok); });
    connect(installer_, &FileDownload::progress, this, &InstallerDownload::progress);
    connect(installer_, &FileDownload::finished, this, &InstallerDownload::finished);
}

QString InstallerDownload::checkPath() const {
    return target_ + QLatin1String(logic::kInstallerCheckEnding);
}

void InstallerDownload::start(const QString& base, const QString& target, DownloadLimits limits) {
    abort();
    base_ = base;
    target_ = target;
    limits_ = limits;
    QFile::remove(checkPath());
    const QString checkName =
        QLatin1String(logic::kInstallerOnServer) + QLatin1String(logic::kInstallerCheckEnding);
    DownloadLimits checkLimits = versionFileLimits();
    checkLimits.maxBytes = logic::kMostInstallerCheckBytes;
    checkLimits.overall = std::min(checkLimits.overall, limits.overall);
    check_->start(QUrl(base_ + checkName), checkPath(), checkLimits);
}

void InstallerDownload::onCheckFetched(bool ok) {
    const QUrl address(base_ + QLatin1String(logic::kInstallerOnServer));
    // A server without a check file offers none: the installer then comes unchecked, kept
    // only when the transfer itself reports no fault.
    if (!ok) {
        installer_->start(address, target_, limits_);
        return;
    }
    std::optional<logic::InstallerCheck> expected;
    QString why;
    try {
        expected =
            logic::parseInstallerCheck(logic::readWholeFile(checkPath(), logic::kMostInstallerCheckBytes));
    } catch (const logic::Error& e) {
        why = e.text();
    }
    QFile::remove(checkPath());
    if (!expected) {
        emit finished(false, why);
        return;
    }
    installer_->start(address, target_, limits_, expected);
}

void InstallerDownload::abort() {
    check_->abort();
    installer_->abort();
}

bool InstallerDownload::isRunning() const {
    return check_->isRunning() || installer_->isRunning();
}

bool downloadInstallerBlocking(const QString& base, const QString& target, QString* error,
                               DownloadLimits limits) {
    InstallerDownload download;
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&download, &InstallerDownload::finished, &loop, [&](bool success, const QString& why) {
        ok = success;
        if (error)
            *error = why;
        loop.quit();
    });
    download.start(base, target, limits);
    loop.exec();
    return ok;
}

} // namespace talvo::platform

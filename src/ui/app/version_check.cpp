#include "ui/app/version_check.h"

#include "logic/core/contact.h"
#include "logic/core/error.h"
#include "logic/update/program_update.h"
#include "platform/download.h"
#include "ui/app/new_version_window.h"
#include "ui/common/message_box.h"

#include <QApplication>
#include <QFile>
#include <QUrl>

namespace talvo::ui {

VersionCheck::VersionCheck(const logic::AppPaths& paths, const QString& downloadBase, QObject* parent)
    : QObject(parent), paths_(paths), downloadBase_(downloadBase),
      download_(new platform::FileDownload(this)) {
    connect(download_, &platform::FileDownload::finished, this, &VersionCheck::downloaded);
}

VersionCheck::~VersionCheck() {
    delete window_;
}

NewVersionWindow* VersionCheck::window() const {
    return window_;
}

QString VersionCheck::localFile() const {
    return paths_.dataDir + QLatin1String(logic::kVersionFile);
}

bool VersionCheck::isRunning() const {
    return download_->isRunning();
}

void VersionCheck::checkForUpdates(QWidget* parent) {
    parent_ = parent;
    if (!platform::isOnline()) {
        showMessage(
            parent,
            QStringLiteral("Sie sind offline! Für die Prüfung, ob eine aktuellere Programm-Version "
                           "heruntergeladen werden kann, muss eine Verbindung zum Internet bestehen."),
            MessageIcon::Error);
        return;
    }
    startCheck();
}

void VersionCheck::startCheck() {
    if (isRunning())
        return;
    // The window stays usable while the file comes; the cursor says that something runs.
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QFile::remove(localFile());
    download_->start(QUrl(downloadBase_ + QLatin1String(logic::kVersionFile)), localFile(),
                     platform::versionFileLimits());
}

void VersionCheck::downloaded() {
    QApplication::restoreOverrideCursor();
    if (!QFile::exists(localFile())) {
        // The command line keeps its wording of this message; the window speaks to the player
        // politely.
        showMessage(parent_,
                    QStringLiteral("Momentan ist die Prüfung, ob eine aktuellere Programm-Version "
                                   "heruntergeladen werden kann, nicht möglich.\r\rBitte versuchen Sie es "
                                   "später noch einmal oder schauen Sie auf %1 nach.")
                        .arg(QUrl(QString::fromUtf8(logic::kWebSite)).host()),
                    MessageIcon::Information);
    } else {
        // A file that names no version ends the check without a word.
        try {
            const QString serverVersion = logic::readVersionFile(localFile());
            if (logic::isCurrentVersion(serverVersion))
                showMessage(parent_, QStringLiteral("Sie nutzen die aktuelle Programm-Version."),
                            MessageIcon::Information);
            else
                offerVersion(serverVersion);
        } catch (const logic::Error&) {
        }
    }
    emit checkFinished();
}

void VersionCheck::offerVersion(const QString& serverVersion) {
    // Each check that finds another version shows its own window. The old one goes at once:
    // the navigator would bring an open one to the front instead.
    delete window_;
    serverVersion_ = serverVersion;
    emit newVersionFound();
}

NewVersionWindow* VersionCheck::createWindow() {
    window_ = new NewVersionWindow(paths_, downloadBase_, serverVersion_);
    connect(window_, &NewVersionWindow::installerStarted, this, &VersionCheck::installerStarted);
    return window_;
}

} // namespace talvo::ui

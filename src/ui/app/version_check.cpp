#include "ui/app/version_check.h"

#include "logic/app/program_update.h"
#include "logic/core/error.h"
#include "platform/download.h"
#include "ui/app/contact.h"
#include "ui/app/neue_version.h"
#include "ui/common/message_box.h"

#include <QApplication>
#include <QFile>
#include <QUrl>

namespace talvo::ui {

VersionPruefung::VersionPruefung(const logic::AppPaths& paths, const QString& downloadBase, QObject* parent)
    : QObject(parent), paths_(paths), downloadBase_(downloadBase), download_(new platform::DateiHolen(this)) {
    connect(download_, &platform::DateiHolen::finished, this, &VersionPruefung::downloaded);
}

VersionPruefung::~VersionPruefung() {
    delete window_;
}

TFNeueVersion* VersionPruefung::window() const {
    return window_;
}

QString VersionPruefung::localFile() const {
    return paths_.dataDir + QLatin1String(logic::kVersionFile);
}

bool VersionPruefung::isRunning() const {
    return download_->isRunning();
}

void VersionPruefung::Updatepruefung(QWidget* parent) {
    parent_ = parent;
    if (!platform::IstOnline()) {
        showMessage(
            parent,
            QStringLiteral("Sie sind offline! Für die Prüfung, ob eine aktuellere Programm-Version "
                           "heruntergeladen werden kann, muss eine Verbindung zum Internet bestehen."),
            MessageIcon::Error);
        return;
    }
    VersionPruefen();
}

void VersionPruefung::VersionPruefen() {
    if (isRunning())
        return;
    // The window stays usable while the file comes; the cursor says that something runs.
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QFile::remove(localFile());
    download_->start(QUrl(downloadBase_ + QLatin1String(logic::kVersionFile)), localFile(),
                     platform::versionFileLimits());
}

void VersionPruefung::downloaded() {
    QApplication::restoreOverrideCursor();
    if (!QFile::exists(localFile())) {
        showMessage(parent_, logic::versionNichtPruefbar(QUrl(QString::fromUtf8(kWebSite)).host()),
                    MessageIcon::Information);
    } else {
        // A file that names no version ends the check without a word.
        try {
            const QString serverVersion = logic::VersionLesen(localFile());
            if (logic::istAktuelleVersion(serverVersion))
                showMessage(parent_, QStringLiteral("Sie nutzen die aktuelle Programm-Version."),
                            MessageIcon::Information);
            else
                openWindow(serverVersion);
        } catch (const logic::Error&) {
        }
    }
    emit checkFinished();
}

void VersionPruefung::openWindow(const QString& serverVersion) {
    // Each check that finds another version shows its own window.
    if (window_)
        window_->close();
    window_ = new TFNeueVersion(paths_, downloadBase_, serverVersion);
    connect(window_, &TFNeueVersion::programmEnde, this, &VersionPruefung::programmEnde);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace talvo::ui

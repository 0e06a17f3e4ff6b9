#include "ui/app/new_version_window.h"

#include "logic/core/version.h"
#include "logic/update/program_update.h"
#include "platform/download.h"
#include "platform/installer_download.h"
#include "platform/shell.h"
#include "ui/common/message_box.h"
#include "ui/common/user_action.h"
#include "ui/navigation/navigator.h"

#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include "logic/core/error.h"
#include "logic/core/record_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#endif

namespace talvo::ui {

namespace {

// Where the texts name the installer's folders: on Windows the program folder (the
// installer's own choice) and the user's folder; elsewhere the package lies in the data
// folder and the package manager decides the rest.
#ifdef Q_OS_WIN
const QString kProgramFolder = QStringLiteral("Programmverzeichnis");
const QString kUserFolder = QStringLiteral("Anwenderverzeichnis");
#else
const QString kProgramFolder = QStringLiteral("Datenverzeichnis");
const QString kUserFolder = kProgramFolder;
#endif

// The installation's questions and messages; %1 is the installer's name in the data folder.
#ifdef Q_OS_WIN
constexpr char kInstallQuestion[] =
    "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Die "
    "Programm-Datei "
    "wird gelöscht und das Update gestartet. Wenn etwas schiefläuft, bitte das Update manuell durch "
    "Doppelklick "
    "auf die Datei \"%1\" im Programmverzeichnis starten.\r\rSoll fortgefahren werden?";
constexpr char kInstallCancelledText[] = "Installation wurde auf Ihren Wunsch abgebrochen. Sie können das "
                                         "Update manuell durch Doppelklick auf die "
                                         "Datei \"%1\" im Programmverzeichnis starten.\r\rZuvor muss TALVO "
                                         "geschlossen und die Datei \"talvo.exe\" "
                                         "gelöscht werden.";
constexpr char kInstallNotStartedText[] = "Update konnte nicht gestartet werden. Bitte schließen Sie TALVO "
                                          "und starten Sie das Update manuell durch "
                                          "Doppelklick auf die Datei \"%1\" im Programmverzeichnis.";
#else
constexpr char kInstallQuestion[] =
    "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Das Update wird "
    "gestartet. Wenn etwas schiefläuft, bitte das Update manuell durch Doppelklick auf die Datei \"%1\" im "
    "Datenverzeichnis starten.\r\rSoll fortgefahren werden?";
constexpr char kInstallCancelledText[] = "Installation wurde auf Ihren Wunsch abgebrochen. Sie können das "
                                         "Update manuell durch Doppelklick auf die "
                                         "Datei \"%1\" im Datenverzeichnis starten.";
constexpr char kInstallNotStartedText[] = "Update konnte nicht gestartet werden. Bitte schließen Sie TALVO "
                                          "und starten Sie das Update manuell durch "
                                          "Doppelklick auf die Datei \"%1\" im Datenverzeichnis.";
#endif

QString installerName() {
    return QString::fromLatin1(logic::kInstallerLocal);
}

QLabel* textLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel* boldLabel(const QString& text, QWidget* parent, double scale = 1.0) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

QString megabytes(qint64 bytes) {
    return QLocale(QLocale::German).toString(bytes / (1024.0 * 1024.0), 'f', 1);
}

} // namespace

NewVersionWindow::NewVersionWindow(const logic::AppPaths& paths, const QString& downloadBase,
                                   const QString& serverVersion, QWidget* parent)
    : QWidget(parent, Qt::Window), paths_(paths), downloadBase_(downloadBase),
      download_(new platform::InstallerDownload(this)) {
    setObjectName(QStringLiteral("FNeueVersion"));
    setWindowTitle(QStringLiteral("Angaben zur aktuellen Version"));
    setAttribute(Qt::WA_DeleteOnClose);
    setHelpContext(this, 140);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(8);

    auto* versions = new QGridLayout;
    versions->setHorizontalSpacing(10);
    versions->addWidget(new QLabel(QStringLiteral("Sie nutzen "), this), 0, 0);
    auto* currentVersionLabel = boldLabel(
        QStringLiteral("%1 %2").arg(QLatin1String(logic::kProductName), QLatin1String(logic::kVersionText)),
        this);
    currentVersionLabel->setObjectName(QStringLiteral("LJetzt"));
    versions->addWidget(currentVersionLabel, 0, 1);
    versions->addWidget(new QLabel(QStringLiteral("Aktuell ist"), this), 1, 0);
    auto* serverVersionLabel = boldLabel(serverVersion, this);
    serverVersionLabel->setObjectName(QStringLiteral("LNeu"));
    serverVersionLabel->setTextFormat(Qt::PlainText);
    versions->addWidget(serverVersionLabel, 1, 1);
    versions->setColumnStretch(2, 1);
    layout->addLayout(versions);

    auto* headline = new QHBoxLayout;
    headline->addWidget(boldLabel(QStringLiteral("Es gibt eine"), this, 1.3));
    auto* newVersionLabel = boldLabel(QStringLiteral("neue Version!"), this, 1.3);
    newVersionLabel->setStyleSheet(QStringLiteral("color: #b00000;"));
    headline->addWidget(newVersionLabel);
    headline->addStretch();
    layout->addLayout(headline);

    layout->addWidget(
        textLabel(QStringLiteral("Sie können die aktuelle Version der Programmdatei jetzt herunterladen. "
                                 "Von einer Aktualisierung bleiben Ihre persönlichen Einstellungen und "
                                 "Daten unberührt."),
                  this));
    layout->addWidget(
        textLabel(QStringLiteral(
                      "Wenn Sie auf Download klicken, wird die Datei für die Installation in das %1 geladen.")
                      .arg(kProgramFolder),
                  this));
    layout->addWidget(boldLabel(QStringLiteral("Achtung"), this));
    layout->addWidget(
        textLabel(QStringLiteral("Wenn die Installation startet, wird das Programm beendet. Das Update "
                                 "wird in das %1 installiert.")
                      .arg(kProgramFolder),
                  this));
    layout->addWidget(
        textLabel(QStringLiteral("Alternativ kann die Installation eigenhändig über Doppelklick auf die "
                                 "Datei %1 im %2 gestartet werden.")
                      .arg(installerName(), kUserFolder),
                  this));
    layout->addWidget(
        textLabel(QStringLiteral("Nach Abschluss des Downloads wird der Knopf „Installation“ aktiv."), this));

    progressPanel_ = new QWidget(this);
    progressPanel_->setObjectName(QStringLiteral("p1"));
    auto* progressLayout = new QVBoxLayout(progressPanel_);
    progressLayout->setContentsMargins(0, 4, 0, 0);
    progressLayout->addWidget(new QLabel(QStringLiteral("Download wurde gestartet"), progressPanel_));
    progress_ = new QProgressBar(progressPanel_);
    progress_->setObjectName(QStringLiteral("Gauge1"));
    progress_->setTextVisible(false);
    progressLayout->addWidget(progress_);
    status_ = new QLabel(progressPanel_);
    status_->setObjectName(QStringLiteral("LStatus"));
    status_->setWordWrap(true);
    progressLayout->addWidget(status_);
    progressPanel_->hide();
    layout->addWidget(progressPanel_);

    auto* buttons = new QHBoxLayout;
    downloadButton_ = new QPushButton(QStringLiteral("&Download"), this);
    downloadButton_->setObjectName(QStringLiteral("BDownload"));
    downloadButton_->setDefault(true);
    buttons->addWidget(downloadButton_);
    installPanel_ = new QWidget(this);
    installPanel_->setObjectName(QStringLiteral("PInst"));
    auto* installLayout = new QHBoxLayout(installPanel_);
    installLayout->setContentsMargins(0, 0, 0, 0);
    auto* installButton = new QPushButton(QStringLiteral("&Installation"), installPanel_);
    installButton->setObjectName(QStringLiteral("BInstallation"));
    installLayout->addWidget(installButton);
    installPanel_->hide();
    buttons->addWidget(installPanel_);
    buttons->addStretch();
    auto* closeButton = new QPushButton(QStringLiteral("Sch&ließen"), this);
    closeButton->setObjectName(QStringLiteral("BSchliessen"));
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(downloadButton_, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { downloadInstaller(); }); });
    connect(installButton, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { installUpdate(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(download_, &platform::InstallerDownload::progress, this, &NewVersionWindow::showProgress);
    connect(download_, &platform::InstallerDownload::finished, this, &NewVersionWindow::onDownloadFinished);

    setFixedWidth(440);
    fitHeight();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft() + QPoint(40, 40));
}

void NewVersionWindow::fitHeight() {
    // The wrapped texts take the height they need at the window's width, no more: a
    // taller window would spread the rest between them.
    layout()->activate();
    setFixedHeight(layout()->totalHeightForWidth(width()));
}

QString NewVersionWindow::installerPath() const {
    return paths_.dataDir + installerName();
}

bool NewVersionWindow::isDownloading() const {
    return download_->isRunning();
}

void NewVersionWindow::downloadInstaller() {
    if (download_->isRunning())
        return;
    if (!platform::isOnline()) {
        showMessage(
            this,
            QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung zum Internet "
                           "bestehen."),
            MessageIcon::Information);
        return;
    }
    progressPanel_->show();
    installPanel_->hide();
    fitHeight();
    // An installer of an earlier try must not be taken for the new one.
    QFile::remove(installerPath());
    progress_->setRange(0, 0); // busy until the size is known
    status_->setText(QStringLiteral("Die Installationsdatei wird geladen ..."));
    downloadButton_->setEnabled(false);
    setCursor(Qt::BusyCursor);
    download_->start(downloadBase_, installerPath());
}

void NewVersionWindow::showProgress(qint64 received, qint64 total) {
    if (total > 0) {
        progress_->setRange(0, 1000);
        progress_->setValue(static_cast<int>(received * 1000 / total));
        status_->setText(QStringLiteral("%1 von %2 MB geladen").arg(megabytes(received), megabytes(total)));
    } else {
        status_->setText(QStringLiteral("%1 MB geladen").arg(megabytes(received)));
    }
}

void NewVersionWindow::onDownloadFinished(bool ok, const QString& why) {
    unsetCursor();
    downloadButton_->setEnabled(true);
    progress_->setRange(0, 1000);
    progress_->setValue(ok ? 1000 : 0);
    if (ok) {
        status_->setText(QStringLiteral("Download abgeschlossen: %1").arg(installerName()));
        installPanel_->show();
        fitHeight();
    } else {
        status_->setText(why);
        showMessage(this, QString::fromUtf8(logic::kInstallerDownloadFailedMessage),
                    MessageIcon::Information);
    }
    emit downloadFinished(ok);
}

void NewVersionWindow::installUpdate() {
    if (!askYesNo(this, QString::fromUtf8(kInstallQuestion).arg(installerName()))) {
        showMessage(this, QString::fromUtf8(kInstallCancelledText).arg(installerName()),
                    MessageIcon::Information);
        return;
    }
    if (!platform::shellOpen(installerPath())) {
        showMessage(this, QString::fromUtf8(kInstallNotStartedText).arg(installerName()),
                    MessageIcon::Information);
        return;
    }
#ifdef Q_OS_WIN
    removeOldProgram();
#else
    // The package manager owns the installed program's files: nothing of them is deleted here.
    emit installerStarted();
#endif
}

#ifdef Q_OS_WIN
void NewVersionWindow::removeOldProgram() {
    QTemporaryFile fresh(QDir::tempPath() + QStringLiteral("/uisXXXXXX.tmp"));
    fresh.setAutoRemove(false);
    if (!fresh.open())
        throw logic::Error(QStringLiteral("Im temporären Ordner kann keine Datei angelegt werden."));
    const QFileInfo freshName(fresh.fileName());
    const QString script = QDir::toNativeSeparators(freshName.absolutePath() + QLatin1Char('/') +
                                                    freshName.completeBaseName() + QStringLiteral(".bat"));
    const QString exe = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    const QString folder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    // A write-protected program file could not be deleted.
    QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    logic::writeWholeFile(script, logic::selfDeleteScript(exe, folder, script));
    // The program's folder must not be in use when the script removes it.
    QDir::setCurrent(QDir::tempPath());
    platform::runHiddenBatch(script);
    emit installerStarted();
}
#endif

} // namespace talvo::ui

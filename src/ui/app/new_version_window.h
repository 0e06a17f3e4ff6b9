#pragma once

#include "logic/core/paths.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace talvo::platform {
class InstallerDownload;
}

namespace talvo::ui {

// "Angaben zur aktuellen Version": names the version the server offers, downloads its
// installer into the data folder and starts it. Created by each check that finds another
// version; destroyed when closed.
class NewVersionWindow : public QWidget {
    Q_OBJECT
  public:
    NewVersionWindow(const logic::AppPaths& paths, const QString& downloadBase, const QString& serverVersion,
                     QWidget* parent = nullptr);

    QString installerPath() const;
    bool isDownloading() const;

    // "&Download": fetches the installer in the background, with its progress in progressPanel_.
    void downloadInstaller();
    // "&Installation": after the user agreed, starts the installer and ends the program.
    void installUpdate();

  signals:
    // The installer has started: the program ends so that it can be replaced.
    void installerStarted();
    // A download ended; ok when the installer lies in the data folder.
    void downloadFinished(bool ok);

  private:
    void fitHeight();
    void onDownloadFinished(bool ok, const QString& why);
    void showProgress(qint64 received, qint64 total);
#ifdef Q_OS_WIN
    void removeOldProgram();
#endif

    logic::AppPaths paths_;
    QString downloadBase_;
    platform::InstallerDownload* download_;
    QPushButton* downloadButton_;
    QWidget* progressPanel_;
    QProgressBar* progress_;
    QLabel* status_;
    QWidget* installPanel_;
};

} // namespace talvo::ui

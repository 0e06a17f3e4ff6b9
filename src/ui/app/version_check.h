#pragma once

#include "logic/core/paths.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace talvo::platform {
class FileDownload;
}

namespace talvo::ui {

class NewVersionWindow;

// The help menu's "&Updateprüfung": fetches the server's version file in the background
// and asks for the new-version window when the server offers another version.
class VersionCheck : public QObject {
    Q_OBJECT
  public:
    VersionCheck(const logic::AppPaths& paths, const QString& downloadBase, QObject* parent = nullptr);
    ~VersionCheck() override;

    // The menu entry: the offline message, or the check. `parent` holds the messages.
    void checkForUpdates(QWidget* parent);
    // The check itself; a second request while one runs is ignored.
    void startCheck();
    bool isRunning() const;
    // The new-version window of the last check while it is open.
    NewVersionWindow* window() const;
    // The window for the version the last check found; the navigator creates it on request.
    NewVersionWindow* createWindow();

  signals:
    void checkFinished();
    // The server offers another version: its window is to be shown.
    void newVersionFound();
    // Passed on from the new-version window once the installer runs.
    void installerStarted();

  private:
    // The copy of the server's version file in the data folder.
    QString localFile() const;
    void downloaded();
    void offerVersion(const QString& serverVersion);

    logic::AppPaths paths_;
    QString downloadBase_;
    platform::FileDownload* download_;
    QPointer<QWidget> parent_;
    QString serverVersion_;
    QPointer<NewVersionWindow> window_;
};

} // namespace talvo::ui

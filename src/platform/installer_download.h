#pragma once

#include "platform/download.h"

#include <QObject>
#include <QString>

namespace talvo::platform {

// Fetches the installer of a new version. When the server offers the installer's check
// file (its size and SHA-256) beside it, that file comes first and the installer is kept
// only when it matches; a faulty check file stops the download before it starts.
class InstallerDownload : public QObject {
    Q_OBJECT
  public:
    explicit InstallerDownload(QObject* parent = nullptr);

    // base: the download folder's address, ending with '/'; target: the local installer.
    void start(const QString& base, const QString& target, DownloadLimits limits = installerLimits());
    void abort();
    bool isRunning() const;

  signals:
    // The installer's own progress.
    void progress(qint64 received, qint64 total);
    // ok: the installer lies at the target. error: why not (German), empty on success.
    void finished(bool ok, const QString& error);

  private:
    void onCheckFetched(bool ok);
    QString checkPath() const;

    FileDownload* check_;
    FileDownload* installer_;
    QString base_;
    QString target_;
    DownloadLimits limits_;
};

// Runs an installer download to its end in a local event loop; for the command line.
bool downloadInstallerBlocking(const QString& base, const QString& target, QString* error,
                               DownloadLimits limits = installerLimits());

} // namespace talvo::platform

#pragma once

#include "logic/update/installer_check.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace talvo::platform {

// What one download may take. A draw set or the version file fits the defaults.
struct DownloadLimits {
    qint64 maxBytes = 32 * 1024 * 1024;
    std::chrono::seconds overall{120}; // from the request to the last byte
    std::chrono::seconds idle{60};     // without a single byte
};

// The version file is one small record; the installer of a new version may be large and
// come slowly.
inline DownloadLimits versionFileLimits() {
    return {1024 * 1024, std::chrono::seconds(60), std::chrono::seconds(30)};
}
inline DownloadLimits installerLimits() {
    return {256LL * 1024 * 1024, std::chrono::minutes(30), std::chrono::seconds(60)};
}

// Fetches one address into a file without blocking the window. The body is kept in
// memory up to the limit and written atomically to the target when it is a real answer
// (a 2xx status, the announced length, more than 3 bytes, and the size and SHA-256 of
// `expected` when given). Anything else is a failed download and leaves the target
// untouched.
class FileDownload : public QObject {
    Q_OBJECT
  public:
    explicit FileDownload(QObject* parent = nullptr);
    ~FileDownload() override;

    void start(const QUrl& address, const QString& target, DownloadLimits limits = {},
               std::optional<logic::InstallerCheck> expected = std::nullopt);
    void abort();
    bool isRunning() const { return reply_ != nullptr; }

  signals:
    void progress(qint64 received, qint64 total);
    // ok: the target was written. error: why not (German), empty on success.
    void finished(bool ok, const QString& error);

  private:
    void takeBody();
    void stop(const QString& why);
    void onFinished();
    QString tooBigText() const;

    QNetworkAccessManager* manager_;
    QNetworkReply* reply_ = nullptr;
    QTimer* overallTimer_;
    QTimer* idleTimer_;
    QString target_;
    DownloadLimits limits_;
    std::optional<logic::InstallerCheck> expected_;
    QByteArray body_;
    QString stopReason_;
};

// Runs a download to its end in a local event loop; for the command line.
bool downloadFileBlocking(const QUrl& address, const QString& target, QString* error,
                          DownloadLimits limits = {});

// Whether the system reports an internet connection; unknown counts as online.
bool isOnline();
// Test seam: pins the answer of isOnline; std::nullopt asks the system again.
void setOnlineForTests(std::optional<bool> online);

} // namespace talvo::platform

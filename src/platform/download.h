#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace talvo::platform {

// Fetches one address into a file without blocking the window. The body is written to
// the probe file and, when it is a real answer (a 2xx status and more than 3 bytes),
// atomically to the target. Anything else is a failed download and leaves the target
// untouched.
class DateiHolen : public QObject {
    Q_OBJECT
public:
    explicit DateiHolen(QObject* parent = nullptr);
    ~DateiHolen() override;

    void start(const QUrl& address, const QString& target, const QString& probeFile);
    void abort();
    bool isRunning() const { return reply_ != nullptr; }

    // Larger answers are refused; a full draw history is well below it.
    static constexpr qint64 kMaxBytes = 32 * 1024 * 1024;

signals:
    void progress(qint64 received, qint64 total);
    // ok: the target was written. error: why not (German), empty on success.
    void finished(bool ok, const QString& error);

private:
    void onFinished();
    void fail(const QString& error);

    QNetworkAccessManager* manager_;
    QNetworkReply* reply_ = nullptr;
    QString target_;
    QString probe_;
};

// Runs a download to its end in a local event loop; for the command line.
bool dateiHolenBlocking(const QUrl& address, const QString& target, const QString& probeFile, QString* error);

// Whether the system reports an internet connection; unknown counts as online.
bool IstOnline();
// Test seam: pins the answer of IstOnline; std::nullopt asks the system again.
void setOnlineForTests(std::optional<bool> online);

} // namespace talvo::platform

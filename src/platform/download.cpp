#include "platform/download.h"

#include "logic/core/error.h"
#include "logic/core/paths.h"
#include "logic/core/record_file.h"

#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <limits>
#include <utility>

namespace talvo::platform {

namespace {

// Qt's own texts are English; these are the cases a user meets.
QString germanNetworkError(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Der Server hat die Verbindung abgelehnt.");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("Der Server hat die Verbindung vorzeitig beendet.");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("Der Server wurde nicht gefunden.");
    case QNetworkReply::TimeoutError:
        return QStringLiteral("Der Server antwortet nicht.");
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("Die Übertragung wurde abgebrochen.");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("Eine sichere Verbindung zum Server kam nicht zustande.");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QStringLiteral("Die Netzwerkverbindung ist unterbrochen.");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("Der Proxy-Server ist nicht erreichbar.");
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
        return QStringLiteral("Die Adresse nennt ein unbekanntes Protokoll.");
    case QNetworkReply::ProtocolFailure:
        return QStringLiteral("Die Antwort des Servers ist fehlerhaft.");
    default:
        return QStringLiteral("Die Übertragung ist fehlgeschlagen.");
    }
}

QString httpStatusText(int status) {
    switch (status) {
    case 401:
    case 403:
        return QStringLiteral("Zugriff verweigert");
    case 404:
    case 410:
        return QStringLiteral("Datei nicht gefunden");
    case 500:
        return QStringLiteral("interner Serverfehler");
    case 502:
    case 503:
    case 504:
        return QStringLiteral("Server nicht verfügbar");
    default:
        return QString();
    }
}

std::chrono::milliseconds timerSpan(std::chrono::seconds span) {
    // QTimer counts in int milliseconds; a longer limit is as good as none.
    const auto most = std::chrono::milliseconds(std::numeric_limits<int>::max());
    return span > std::chrono::duration_cast<std::chrono::seconds>(most) ? most
                                                                         : std::chrono::milliseconds(span);
}

} // namespace

FileDownload::FileDownload(QObject* parent)
    : QObject(parent), manager_(new QNetworkAccessManager(this)), overallTimer_(new QTimer(this)),
      idleTimer_(new QTimer(this)) {
    overallTimer_->setSingleShot(true);
    idleTimer_->setSingleShot(true);
    connect(overallTimer_, &QTimer::timeout, this, [this] {
        stop(QStringLiteral("Der Server hat die Datei nicht innerhalb von %1 Sekunden geliefert.")
                 .arg(limits_.overall.count()));
    });
    connect(idleTimer_, &QTimer::timeout, this, [this] {
        stop(QStringLiteral("Der Server hat %1 Sekunden lang keine Daten gesendet.")
                 .arg(limits_.idle.count()));
    });
}

FileDownload::~FileDownload() {
    abort();
}

void FileDownload::start(const QUrl& address, const QString& target, DownloadLimits limits,
                         std::optional<logic::InstallerCheck> expected) {
    abort();
    target_ = target;
    limits_ = limits;
    expected_ = std::move(expected);
    body_.clear();
    stopReason_.clear();

    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(logic::kProductName));
    reply_ = manager_->get(request);
    // Qt keeps no more than this unread; takeBody() drains it as it comes.
    reply_->setReadBufferSize(256 * 1024);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant announced = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid() && announced.toLongLong() > limits_.maxBytes)
            stop(tooBigText());
    });
    connect(reply_, &QNetworkReply::readyRead, this, &FileDownload::takeBody);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        idleTimer_->start(timerSpan(limits_.idle));
        emit progress(received, total);
    });
    connect(reply_, &QNetworkReply::finished, this, &FileDownload::onFinished);
    overallTimer_->start(timerSpan(limits_.overall));
    idleTimer_->start(timerSpan(limits_.idle));
}

void FileDownload::abort() {
    overallTimer_->stop();
    idleTimer_->stop();
    body_.clear();
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

QString FileDownload::tooBigText() const {
    return QStringLiteral("Die Datei unter %1 ist größer als %2 MB und wird nicht geladen.")
        .arg(reply_->url().toString(),
             QLocale(QLocale::German).toString(limits_.maxBytes / (1024.0 * 1024.0), 'f', 0));
}

void FileDownload::takeBody() {
    if (!reply_ || !stopReason_.isEmpty())
        return;
    // One byte beyond the limit is enough to know the answer is too big.
    body_ += reply_->read(limits_.maxBytes + 1 - body_.size());
    if (body_.size() > limits_.maxBytes)
        stop(tooBigText());
}

void FileDownload::stop(const QString& why) {
    if (!reply_ || !stopReason_.isEmpty())
        return;
    stopReason_ = why;
    body_.clear();
    reply_->abort(); // ends in onFinished, which reports the reason
}

void FileDownload::onFinished() {
    QNetworkReply* reply = reply_;
    if (!reply)
        return;
    takeBody();
    reply_ = nullptr;
    reply->deleteLater();
    overallTimer_->stop();
    idleTimer_->stop();
    const QByteArray body = std::exchange(body_, QByteArray());
    const QString address = reply->url().toString();

    const auto fail = [this](const QString& why) { emit finished(false, why); };
    if (!stopReason_.isEmpty())
        return fail(stopReason_);
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        const QString reason = httpStatusText(status.toInt());
        return fail(QStringLiteral("Der Server antwortete auf %1 mit dem Status %2%3.")
                        .arg(address, status.toString(),
                             reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason)));
    }
    if (reply->error() != QNetworkReply::NoError)
        return fail(QStringLiteral("Die Adresse %1 konnte nicht geladen werden.\r%2")
                        .arg(address, germanNetworkError(reply->error())));
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool decoded = reply->hasRawHeader("Content-Encoding");
    if (announced.isValid() && !decoded && announced.toLongLong() != body.size())
        return fail(QStringLiteral("Die Übertragung von %1 blieb unvollständig: %2 von %3 Bytes.")
                        .arg(address)
                        .arg(body.size())
                        .arg(announced.toLongLong()));
    if (body.size() <= 3)
        return fail(QStringLiteral("Der Server lieferte keine Daten."));
    // Without an announced length a connection cut short looks like a complete answer;
    // only the size and checksum the server names tell the two apart.
    if (expected_)
        if (const QString mismatch = logic::installerMismatch(*expected_, body); !mismatch.isEmpty())
            return fail(mismatch + QStringLiteral("\rDie heruntergeladene Datei wurde verworfen."));
    try {
        logic::writeWholeFile(target_, body);
    } catch (const logic::Error& e) {
        return fail(e.text());
    }
    emit finished(true, QString());
}

bool downloadFileBlocking(const QUrl& address, const QString& target, QString* error, DownloadLimits limits) {
    FileDownload download;
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&download, &FileDownload::finished, &loop, [&](bool success, const QString& why) {
        ok = success;
        if (error)
            *error = why;
        loop.quit();
    });
    download.start(address, target, limits);
    loop.exec();
    return ok;
}

namespace {
std::optional<bool>& pinnedOnline() {
    static std::optional<bool> pinned;
    return pinned;
}
} // namespace

bool isOnline() {
    if (pinnedOnline())
        return *pinnedOnline();
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = QNetworkInformation::instance();
    if (!info)
        return true;
    const auto r = info->reachability();
    return r == QNetworkInformation::Reachability::Online || r == QNetworkInformation::Reachability::Unknown;
}

void setOnlineForTests(std::optional<bool> online) {
    pinnedOnline() = online;
}

} // namespace talvo::platform

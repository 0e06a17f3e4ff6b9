#include "platform/download.h"

#include "logic/core/error.h"
#include "logic/core/paths.h"
#include "logic/core/record_file.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace talvo::platform {

DateiHolen::DateiHolen(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this)) {}

DateiHolen::~DateiHolen() { abort(); }

void DateiHolen::start(const QUrl& address, const QString& target, const QString& probeFile) {
    abort();
    target_ = target;
    probe_ = probeFile;
    QFile::remove(probe_);

    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(logic::kProductName));
    request.setTransferTimeout(60000);
    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (received > kMaxBytes || total > kMaxBytes) {
            reply_->abort();
            return;
        }
        emit progress(received, total);
    });
    connect(reply_, &QNetworkReply::finished, this, &DateiHolen::onFinished);
}

void DateiHolen::abort() {
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void DateiHolen::fail(const QString& error) { emit finished(false, error); }

void DateiHolen::onFinished() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError) {
        fail(QStringLiteral("Die Adresse %1 konnte nicht geladen werden: %2")
                 .arg(reply->url().toString(), reply->errorString()));
        return;
    }
    if (reply->url().scheme().startsWith(QLatin1String("http")) && (status < 200 || status > 299)) {
        fail(QStringLiteral("Der Server antwortete mit dem Status %1.").arg(status));
        return;
    }
    const QByteArray body = reply->readAll();
    QFile probe(probe_);
    if (probe.open(QIODevice::WriteOnly))
        probe.write(body);
    probe.close();
    if (body.size() <= 3) {
        fail(QStringLiteral("Der Server lieferte keine Daten."));
        return;
    }
    try {
        logic::writeWholeFile(target_, body);
    } catch (const logic::Error& e) {
        fail(e.text());
        return;
    }
    emit finished(true, QString());
}

bool dateiHolenBlocking(const QUrl& address, const QString& target, const QString& probeFile, QString* error) {
    DateiHolen download;
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&download, &DateiHolen::finished, &loop, [&](bool success, const QString& why) {
        ok = success;
        if (error)
            *error = why;
        loop.quit();
    });
    download.start(address, target, probeFile);
    loop.exec();
    return ok;
}

namespace {
std::optional<bool>& pinnedOnline() {
    static std::optional<bool> pinned;
    return pinned;
}
} // namespace

bool IstOnline() {
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

void setOnlineForTests(std::optional<bool> online) { pinnedOnline() = online; }

} // namespace talvo::platform

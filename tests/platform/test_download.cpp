#include "logic/core/history_file.h"
#include "platform/download.h"
#include "support/history_builder.h"
#include "support/http_test_server.h"
#include "support/temp_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using talvo::platform::FileDownload;
using talvo::test::HttpTestServer;

namespace {

class Download : public ::testing::Test {
  protected:
    struct Outcome {
        bool ok = false;
        QString error;
    };

    Outcome fetch(const QString& file, talvo::platform::DownloadLimits limits = {}) {
        FileDownload download;
        QSignalSpy done(&download, &FileDownload::finished);
        download.start(QUrl(server.base() + file), target(), limits);
        if (!done.wait(60000))
            return {false, QStringLiteral("timeout")};
        return {done.at(0).at(0).toBool(), done.at(0).at(1).toString()};
    }
    QString target() const { return dir.filePath(QStringLiteral("tempGZ.tpp")); }

    int argc = 0;
    QCoreApplication app{argc, nullptr};
    QTemporaryDir dir;
    HttpTestServer server;
    const QByteArray set = talvo::logic::drawsToBytes(talvo::test::drawDays(QDate(2024, 1, 2), 30));
};

TEST_F(Download, RealAnswerIsWrittenToTheTargetAlone) {
    server.set(QStringLiteral("/downloads/gz30.tpp"), {200, set});
    const Outcome r = fetch(QStringLiteral("gz30.tpp"));
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(talvo::test::readFile(target()), set);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("tempGZ.tpp")});
    EXPECT_EQ(server.requests(), 1);
}

// Qt's texts for these cases are English; the user reads German.
bool soundsEnglish(const QString& text) {
    for (const char* english :
         {"Connection", "closed", "canceled", "Unknown", "server replied", "Not Found", "refused"})
        if (text.contains(QLatin1String(english)))
            return true;
    return false;
}

TEST_F(Download, FailedAnswersLeaveTheTargetUntouched) {
    struct Case {
        const char* name;
        HttpTestServer::Answer answer;
    };
    const Case cases[] = {
        {"three bytes", {200, "abc"}},
        {"not found", {404, "<html><body>Die Seite gibt es nicht.</body></html>"}},
        {"server error", {500, set}},
        {"cut short", {200, set, HttpTestServer::Mode::Truncated}},
        {"closed at once", {200, set, HttpTestServer::Mode::CloseAtOnce}},
    };
    for (const Case& c : cases) {
        talvo::test::writeFile(dir, QStringLiteral("tempGZ.tpp"), "old");
        server.set(QStringLiteral("/downloads/x.tpp"), c.answer);
        const Outcome r = fetch(QStringLiteral("x.tpp"));
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_FALSE(r.error.isEmpty()) << c.name;
        EXPECT_FALSE(soundsEnglish(r.error)) << c.name << ": " << r.error.toStdString();
        EXPECT_EQ(talvo::test::readFile(target()), "old") << c.name;
    }
}

TEST_F(Download, AnswersAboveTheLimitAreRefusedAnnouncedOrNot) {
    struct Case {
        const char* name;
        qint64 size;
        HttpTestServer::Mode mode;
        bool ok;
    };
    talvo::platform::DownloadLimits small;
    small.maxBytes = 1000;
    for (const Case& c : {Case{"announced, at the limit", 1000, HttpTestServer::Mode::Normal, true},
                          Case{"announced, one byte more", 1001, HttpTestServer::Mode::Normal, false},
                          Case{"unannounced, at the limit", 1000, HttpTestServer::Mode::NoLength, true},
                          Case{"unannounced, one byte more", 1001, HttpTestServer::Mode::NoLength, false}}) {
        talvo::test::writeFile(dir, QStringLiteral("tempGZ.tpp"), "old");
        server.set(QStringLiteral("/downloads/x.tpp"), {200, QByteArray(c.size, 'k'), c.mode});
        const Outcome r = fetch(QStringLiteral("x.tpp"), small);
        EXPECT_EQ(r.ok, c.ok) << c.name << ": " << r.error.toStdString();
        EXPECT_EQ(talvo::test::readFile(target()).size(), c.ok ? c.size : 3) << c.name;
        if (!c.ok) {
            EXPECT_TRUE(r.error.contains(QStringLiteral("größer als")))
                << c.name << ": " << r.error.toStdString();
        }
    }
}

TEST_F(Download, FortyMegabytesAreRefusedUnderTheRealLimit) {
    for (const auto mode : {HttpTestServer::Mode::Normal, HttpTestServer::Mode::NoLength}) {
        server.set(QStringLiteral("/downloads/big.tpp"), {200, QByteArray(40 * 1000 * 1000, '\0'), mode});
        const Outcome r = fetch(QStringLiteral("big.tpp"));
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains(QStringLiteral("größer als 32 MB"))) << r.error.toStdString();
        EXPECT_FALSE(QFile::exists(target()));
    }
}

TEST_F(Download, SlowAndSilentServersMeetTheirTimeLimits) {
    QElapsedTimer clock;
    talvo::platform::DownloadLimits overall;
    overall.overall = std::chrono::seconds(2);
    server.set(QStringLiteral("/downloads/slow.tpp"), {200, set, HttpTestServer::Mode::Trickle});
    clock.start();
    Outcome r = fetch(QStringLiteral("slow.tpp"), overall);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Der Server hat die Datei nicht innerhalb von 2 Sekunden geliefert."));
    EXPECT_LT(clock.elapsed(), 15000);

    talvo::platform::DownloadLimits idle;
    idle.idle = std::chrono::seconds(2);
    server.set(QStringLiteral("/downloads/silent.tpp"), {200, set, HttpTestServer::Mode::Stall});
    clock.restart();
    r = fetch(QStringLiteral("silent.tpp"), idle);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Der Server hat 2 Sekunden lang keine Daten gesendet."));
    EXPECT_LT(clock.elapsed(), 15000);
    EXPECT_FALSE(QFile::exists(target()));
}

TEST_F(Download, UnreachableAddressFails) {
    FileDownload download;
    QSignalSpy done(&download, &FileDownload::finished);
    download.start(QUrl(QStringLiteral("http://127.0.0.1:1/downloads/gz6.tpp")), target());
    ASSERT_TRUE(done.wait(20000));
    EXPECT_FALSE(done.at(0).at(0).toBool());
    EXPECT_TRUE(
        done.at(0).at(1).toString().endsWith(QStringLiteral("Der Server hat die Verbindung abgelehnt.")))
        << done.at(0).at(1).toString().toStdString();
    EXPECT_FALSE(QFile::exists(target()));
}

TEST_F(Download, OnlineSeamPinsTheAnswer) {
    talvo::platform::setOnlineForTests(false);
    EXPECT_FALSE(talvo::platform::isOnline());
    talvo::platform::setOnlineForTests(true);
    EXPECT_TRUE(talvo::platform::isOnline());
    talvo::platform::setOnlineForTests(std::nullopt);
}

} // namespace

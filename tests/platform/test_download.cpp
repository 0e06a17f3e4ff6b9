#include "logic/core/history_file.h"
#include "platform/download.h"
#include "support/history_builder.h"
#include "support/http_test_server.h"
#include "support/temp_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using talvo::platform::DateiHolen;
using talvo::test::HttpTestServer;

namespace {

class Download : public ::testing::Test {
protected:
    struct Outcome {
        bool ok = false;
        QString error;
    };

    Outcome fetch(const QString& file) {
        DateiHolen download;
        QSignalSpy done(&download, &DateiHolen::finished);
        download.start(QUrl(server.base() + file), target(), probe());
        if (!done.wait(20000))
            return {false, QStringLiteral("timeout")};
        return {done.at(0).at(0).toBool(), done.at(0).at(1).toString()};
    }
    QString target() const { return dir.filePath(QStringLiteral("tempGZ.tpp")); }
    QString probe() const { return dir.filePath(QStringLiteral("tmp.tmp")); }

    int argc = 0;
    QCoreApplication app{argc, nullptr};
    QTemporaryDir dir;
    HttpTestServer server;
    const QByteArray set = talvo::logic::drawsToBytes(talvo::test::drawDays(QDate(2024, 1, 2), 30));
};

TEST_F(Download, RealAnswerIsWrittenToProbeAndTarget) {
    server.set(QStringLiteral("/downloads/gz30.tpp"), {200, set});
    const Outcome r = fetch(QStringLiteral("gz30.tpp"));
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(talvo::test::readFile(target()), set);
    EXPECT_EQ(talvo::test::readFile(probe()), set);
    EXPECT_EQ(server.requests(), 1) << "one request serves both files";
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
        EXPECT_EQ(talvo::test::readFile(target()), "old") << c.name;
    }
}

TEST_F(Download, UnreachableAddressFails) {
    DateiHolen download;
    QSignalSpy done(&download, &DateiHolen::finished);
    download.start(QUrl(QStringLiteral("http://127.0.0.1:1/downloads/gz6.tpp")), target(), probe());
    ASSERT_TRUE(done.wait(20000));
    EXPECT_FALSE(done.at(0).at(0).toBool());
    EXPECT_FALSE(QFile::exists(target()));
}

TEST_F(Download, OnlineSeamPinsTheAnswer) {
    talvo::platform::setOnlineForTests(false);
    EXPECT_FALSE(talvo::platform::IstOnline());
    talvo::platform::setOnlineForTests(true);
    EXPECT_TRUE(talvo::platform::IstOnline());
    talvo::platform::setOnlineForTests(std::nullopt);
}

} // namespace

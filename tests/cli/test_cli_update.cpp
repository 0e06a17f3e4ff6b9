#include "logic/core/history_file.h"
#include "support/cli_runner.h"
#include "support/full_disk.h"
#include "support/history_builder.h"
#include "support/http_test_server.h"
#include "support/python_http_server.h"
#include "support/temp_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

using talvo::test::runCli;

namespace {

TEST(CliNeed, ChoiceAndFileForTheClock) {
    QTemporaryDir dir;
    const QString h = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    talvo::logic::saveDrawHistory(h, talvo::test::drawDays(QDate(2024, 6, 4), 1)); // a Tuesday
    EXPECT_EQ(runCli({QStringLiteral("need"), QStringLiteral("--history"), h, QStringLiteral("--now"),
                      QStringLiteral("2024-06-05 10:00")})
                  .out,
              "0\t\n");
    EXPECT_EQ(runCli({QStringLiteral("need"), QStringLiteral("--history"), h, QStringLiteral("--now"),
                      QStringLiteral("2024-06-05 19:00")})
                  .out,
              "1\tgz6.tpp\n");
    EXPECT_EQ(
        runCli({QStringLiteral("need"), QStringLiteral("--history"), dir.filePath(QStringLiteral("none.tpp")),
                QStringLiteral("--now"), QStringLiteral("2024-06-05 19:00")})
            .out,
        "5\tgzAlle.tpp\n");
}

class CliUpdate : public ::testing::Test {
  protected:
    void SetUp() override {
        // The server holds the draw sets as the program's own export writes them.
        const QString source = data.filePath(QStringLiteral("server-history.tpp"));
        talvo::logic::saveDrawHistory(source, full);
        ASSERT_EQ(runCli({QStringLiteral("export-sets"), QStringLiteral("--history"), source,
                          QStringLiteral("--dir"), server.path()})
                      .exitCode,
                  0);
        QFile::remove(source);
        QFile::remove(QDir(server.path()).filePath(QStringLiteral("gz300.tpp"))); // answered with 404
        talvo::test::writeFile(server, QStringLiteral("gz6.tpp"), "abc");
        talvo::test::writeFile(server, QStringLiteral("gz90.tpp"), QByteArray(85, 'x'));
        history = data.filePath(QStringLiteral("KenoZahlen.tpp"));
        talvo::logic::saveDrawHistory(history, talvo::logic::DrawHistory(full.begin(), full.end() - 10));
    }
    talvo::test::CliResult update(const QString& choice) {
        return runCli({QStringLiteral("update"), QStringLiteral("--history"), history,
                       QStringLiteral("--base"), http.base(), QStringLiteral("--choice"), choice});
    }

    QTemporaryDir server;
    QTemporaryDir data;
    QString history;
    const talvo::logic::DrawHistory full = talvo::test::drawDays(QDate(2024, 1, 2), 100);
    talvo::test::PythonHttpServer http{server.path()};
};

TEST_F(CliUpdate, DownloadsMergesAndPrintsTheDrawCount) {
    ASSERT_TRUE(http.running());
    const QByteArray before = talvo::test::readFile(history);
    const auto r = update(QStringLiteral("2"));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "100\n");
    EXPECT_EQ(talvo::test::readFile(history), talvo::logic::drawsToBytes(full));
    EXPECT_FALSE(QFile::exists(data.filePath(QStringLiteral("tempGZ.tpp"))));
    // The history before the update is kept for undo.
    const auto list =
        runCli({QStringLiteral("undo"), QStringLiteral("--history"), history, QStringLiteral("--list")});
    EXPECT_TRUE(list.out.endsWith(QStringLiteral("\tUpdate: 10 neu, 0 ersetzt\n"))) << list.out.toStdString();
    EXPECT_EQ(list.out.count(u'\n'), 1);
    EXPECT_EQ(runCli({QStringLiteral("undo"), QStringLiteral("--history"), history}).exitCode, 0);
    EXPECT_EQ(talvo::test::readFile(history), before);
}

TEST_F(CliUpdate, FailedDownloadsChangeNothing) {
    ASSERT_TRUE(http.running());
    const QByteArray before = talvo::test::readFile(history);
    for (const char* choice : {"1", "3", "4"}) { // 3 bytes, not whole records, missing file
        const auto r = update(QString::fromLatin1(choice));
        EXPECT_EQ(r.exitCode, 1) << choice;
        EXPECT_TRUE(
            r.err.contains(QStringLiteral("Das Herunterladen aktueller Daten hat leider nicht geklappt.")))
            << choice;
        EXPECT_EQ(talvo::test::readFile(history), before) << choice;
    }
    EXPECT_EQ(
        runCli({QStringLiteral("undo"), QStringLiteral("--history"), history, QStringLiteral("--list")}).out,
        QString());
    const auto none = update(QStringLiteral("0"));
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("Es wurde kein Aktualisierungsbedarf gesetzt.")));
}

TEST_F(CliUpdate, BrokenSetsAreRefusedWithTheReason) {
    ASSERT_TRUE(http.running());
    const QByteArray before = talvo::test::readFile(history);
    talvo::logic::DrawHistory twice(full.end() - 30, full.end());
    twice[20].GZ[5] = twice[20].GZ[4];
    talvo::logic::saveDrawHistory(QDir(server.path()).filePath(QStringLiteral("gz30.tpp")), twice);
    auto r = update(QStringLiteral("2"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Die 21. Ziehung vom "))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("zweimal"))) << r.err.toStdString();
    EXPECT_EQ(talvo::test::readFile(history), before);

    // The whole set is sound, but its last draws lie after the pinned today.
    talvo::logic::saveDrawHistory(QDir(server.path()).filePath(QStringLiteral("gz30.tpp")),
                                  talvo::logic::DrawHistory(full.end() - 30, full.end()));
    const QDate last = talvo::logic::serialToDate(full.back().datum);
    r = runCli({QStringLiteral("update"), QStringLiteral("--history"), history, QStringLiteral("--base"),
                http.base(), QStringLiteral("--choice"), QStringLiteral("2"), QStringLiteral("--now"),
                last.addDays(-1).toString(QStringLiteral("yyyy-MM-dd 20:00"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("liegt nach dem heutigen Tag"))) << r.err.toStdString();
    EXPECT_EQ(talvo::test::readFile(history), before);
    EXPECT_FALSE(QFile::exists(data.filePath(QStringLiteral("tempGZ.tpp"))));
}

TEST_F(CliUpdate, AnAnswerAboveThirtyTwoMegabytesIsRefused) {
    ASSERT_TRUE(http.running());
    QFile big(QDir(server.path()).filePath(QStringLiteral("gzAlle.tpp")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(40 * 1000 * 1000)); // sparse: no disk space needed
    big.close();
    const QByteArray before = talvo::test::readFile(history);
    const auto r = update(QStringLiteral("5"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("größer als 32 MB"))) << r.err.toStdString();
    EXPECT_EQ(talvo::test::readFile(history), before);
}

TEST_F(CliUpdate, NoFileInTheSharedTemporaryFolderIsTouched) {
    ASSERT_TRUE(http.running());
    // Another user's link in a shared temporary folder, pointing at a file of the victim.
    QTemporaryDir shared;
    const QString victim = talvo::test::writeFile(data, QStringLiteral("victim.txt"), "mine");
    ASSERT_TRUE(QFile::link(victim, shared.filePath(QStringLiteral("tmp.tmp"))));
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", shared.path().toUtf8());
    const auto r = update(QStringLiteral("2"));
    qputenv("TMPDIR", oldTmp);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(talvo::test::readFile(victim), "mine");
    EXPECT_EQ(QDir(shared.path()).entryList(QDir::Files | QDir::System),
              QStringList{QStringLiteral("tmp.tmp")});
}

TEST_F(CliUpdate, FullDiskKeepsTheHistoryAndLeavesNoDownload) {
    ASSERT_TRUE(http.running());
    const QByteArray before = talvo::test::readFile(history);
    const auto outcome = talvo::test::onFullDisk(data.path(), [&] {
        const auto r = update(QStringLiteral("2"));
        return QString::number(r.exitCode) + u'\n' + r.err;
    });
    if (!outcome)
        GTEST_SKIP() << "neither a mount namespace nor a file size limit is available";
    EXPECT_TRUE(outcome->startsWith(QStringLiteral("1\n"))) << outcome->toStdString();
    EXPECT_TRUE(outcome->contains(QStringLiteral("konnte nicht vollständig geschrieben werden")))
        << outcome->toStdString();
    EXPECT_EQ(talvo::test::readFile(history), before);
    EXPECT_EQ(QDir(data.path()).entryList(QDir::Files), QStringList{QStringLiteral("KenoZahlen.tpp")});
}

// The slow server runs in a thread of the test, which needs an application object.
class CliUpdateLimits : public ::testing::Test {
  protected:
    int argc = 0;
    QCoreApplication app{argc, nullptr};
};

TEST_F(CliUpdateLimits, TimeoutEndsASlowServer) {
    QTemporaryDir data;
    const QString history = data.filePath(QStringLiteral("KenoZahlen.tpp"));
    const auto full = talvo::test::drawDays(QDate(2024, 1, 2), 40);
    talvo::logic::saveDrawHistory(history, talvo::logic::DrawHistory(full.begin(), full.end() - 10));
    const QByteArray before = talvo::test::readFile(history);
    talvo::test::HttpTestServerThread server(
        {{QStringLiteral("/downloads/gz30.tpp"),
          {200, talvo::logic::drawsToBytes(talvo::logic::DrawHistory(full.end() - 30, full.end())),
           talvo::test::HttpTestServer::Mode::Trickle}}});
    QElapsedTimer clock;
    clock.start();
    const auto r = runCli({QStringLiteral("update"), QStringLiteral("--history"), history,
                           QStringLiteral("--base"), server.base(), QStringLiteral("--choice"),
                           QStringLiteral("2"), QStringLiteral("--timeout"), QStringLiteral("3")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("nicht innerhalb von 3 Sekunden"))) << r.err.toStdString();
    EXPECT_LT(clock.elapsed(), 30000);
    EXPECT_EQ(talvo::test::readFile(history), before);
}

TEST(CliUpdateTimeout, MustBeAWholeNumberOfSeconds) {
    QTemporaryDir data;
    for (const char* bad : {"0", "-1", "1.5", "abc", "", "3s", "000"}) {
        const auto r = runCli({QStringLiteral("update"), QStringLiteral("--history"),
                               data.filePath(QStringLiteral("h.tpp")), QStringLiteral("--base"),
                               QStringLiteral("http://127.0.0.1:1/"), QStringLiteral("--choice"),
                               QStringLiteral("1"), QStringLiteral("--timeout"), QString::fromLatin1(bad)});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_TRUE(r.err.contains(QStringLiteral("--timeout"))) << bad << ": " << r.err.toStdString();
    }
}

} // namespace

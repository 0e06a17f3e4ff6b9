#include "logic/core/history_file.h"
#include "support/cli_runner.h"
#include "support/history_builder.h"
#include "support/python_http_server.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using talvo::test::runCli;

namespace {

TEST(CliNeed, ChoiceAndFileForTheClock) {
    QTemporaryDir dir;
    const QString h = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    talvo::logic::KenoZahlenSchreiben(h, talvo::test::drawDays(QDate(2024, 6, 4), 1)); // a Tuesday
    EXPECT_EQ(runCli({QStringLiteral("need"), QStringLiteral("--history"), h, QStringLiteral("--now"),
                      QStringLiteral("2024-06-05 10:00")})
                  .out,
              "0\t\n");
    EXPECT_EQ(runCli({QStringLiteral("need"), QStringLiteral("--history"), h, QStringLiteral("--now"),
                      QStringLiteral("2024-06-05 19:00")})
                  .out,
              "1\tgz6.tpp\n");
    EXPECT_EQ(runCli({QStringLiteral("need"), QStringLiteral("--history"), dir.filePath(QStringLiteral("none.tpp")),
                      QStringLiteral("--now"), QStringLiteral("2024-06-05 19:00")})
                  .out,
              "5\tgzAlle.tpp\n");
}

class CliUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        // The server holds the draw sets as the program's own export writes them.
        const QString source = data.filePath(QStringLiteral("server-history.tpp"));
        talvo::logic::KenoZahlenSchreiben(source, full);
        ASSERT_EQ(runCli({QStringLiteral("export-sets"), QStringLiteral("--history"), source, QStringLiteral("--dir"),
                          server.path()})
                      .exitCode,
                  0);
        QFile::remove(source);
        QFile::remove(QDir(server.path()).filePath(QStringLiteral("gz300.tpp"))); // answered with 404
        talvo::test::writeFile(server, QStringLiteral("gz6.tpp"), "abc");
        talvo::test::writeFile(server, QStringLiteral("gz90.tpp"), QByteArray(85, 'x'));
        history = data.filePath(QStringLiteral("KenoZahlen.tpp"));
        talvo::logic::KenoZahlenSchreiben(history, talvo::logic::DrawHistory(full.begin(), full.end() - 10));
    }
    talvo::test::CliResult update(const QString& choice) {
        return runCli({QStringLiteral("update"), QStringLiteral("--history"), history, QStringLiteral("--base"),
                       http.base(), QStringLiteral("--choice"), choice});
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
    // The history before the update is kept for undo.
    EXPECT_EQ(talvo::test::readFile(history + QStringLiteral(".bak")), before);
    EXPECT_FALSE(QFile::exists(data.filePath(QStringLiteral("tempGZ.tpp"))));
}

TEST_F(CliUpdate, FailedDownloadsChangeNothing) {
    ASSERT_TRUE(http.running());
    const QByteArray before = talvo::test::readFile(history);
    for (const char* choice : {"1", "3", "4"}) { // 3 bytes, not whole records, missing file
        const auto r = update(QString::fromLatin1(choice));
        EXPECT_EQ(r.exitCode, 1) << choice;
        EXPECT_TRUE(r.err.contains(QStringLiteral("Das Herunterladen aktueller Daten hat leider nicht geklappt.")))
            << choice;
        EXPECT_EQ(talvo::test::readFile(history), before) << choice;
    }
    EXPECT_FALSE(QFile::exists(history + QStringLiteral(".bak")));
    const auto none = update(QStringLiteral("0"));
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("Es wurde kein Aktualisierungsbedarf gesetzt.")));
}

} // namespace

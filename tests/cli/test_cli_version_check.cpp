#include "support/cli_runner.h"
#include "support/http_test_server.h"
#include "support/python_http_server.h"
#include "support/temp_files.h"
#include "support/version_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using talvo::test::HttpTestServer;
using talvo::test::HttpTestServerThread;
using talvo::test::runCli;
using talvo::test::versionFile;

namespace {

const QString kVersionPath = QStringLiteral("/downloads/version.tlv");
const QString kInstallerPath = QStringLiteral("/downloads/tvupdate.deb");

// The servers run in a thread of the test, which needs an application object.
class CliVersionCheck : public ::testing::Test {
  protected:
    talvo::test::CliResult check(const HttpTestServerThread& server, QStringList more = {}) {
        return runCli(QStringList{QStringLiteral("version-check"), QStringLiteral("--base"), server.base(),
                                  QStringLiteral("--data"), data.path()} +
                      more);
    }
    QStringList files() const { return QDir(data.path()).entryList(QDir::Files | QDir::Hidden); }
    QString local(const char* name) const { return data.filePath(QString::fromLatin1(name)); }

    int argc = 0;
    QCoreApplication app{argc, nullptr};
    QTemporaryDir data;
};

TEST_F(CliVersionCheck, PrintsCurrentOrTheServersOtherVersion) {
    struct Case {
        QByteArray file;
        QString out;
    };
    for (const Case& c :
         {Case{versionFile("1.7.1.0"), QStringLiteral("aktuell\n")},
          Case{versionFile("1.6.2.0"), QStringLiteral("neu\t1.6.2.0\n")}, // older: another one
          Case{versionFile("1.8.0.0"), QStringLiteral("neu\t1.8.0.0\n")},
          Case{versionFile("2.0 Beta 3"), QStringLiteral("neu\t2.0 Beta 3\n")}}) {
        const HttpTestServerThread server({{kVersionPath, {200, c.file}}});
        const auto r = check(server);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, QString());
        // The fetched file stays in the data folder until the next check.
        EXPECT_EQ(talvo::test::readFile(local("version.tlv")), c.file);
        EXPECT_EQ(files(), QStringList{QStringLiteral("version.tlv")});
    }
}

TEST_F(CliVersionCheck, MissingShortOrBadFilesPrintNothing) {
    struct Case {
        HttpTestServer::Answer answer;
        const char* says;
        bool kept; // whether the fetched file lies in the data folder
    };
    for (const Case& c : {
             Case{{200, versionFile("1.8.0.0").left(10)}, "zu kurz", true},
             Case{{200, versionFile("", 0)}, "nennt keine gültige Version", true},
             Case{{200, versionFile("1.8.0.0", 16)}, "nennt keine gültige Version", true},
             Case{{404, "<html>Not Found</html>"}, "Status 404", false},
             Case{{200, "abc"}, "keine Daten", false},
             Case{{200, versionFile("1.8.0.0"), HttpTestServer::Mode::Truncated}, "vorzeitig beendet", false},
         }) {
        // A file of an earlier check is never taken for the answer.
        talvo::test::writeFile(data, QStringLiteral("version.tlv"), versionFile("1.9.0.0"));
        const HttpTestServerThread server({{kVersionPath, c.answer}});
        const auto r = check(server, {QStringLiteral("--download")});
        EXPECT_EQ(r.exitCode, 1) << c.says;
        EXPECT_EQ(r.out, QString()) << c.says;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        if (!c.kept) {
            EXPECT_TRUE(r.err.startsWith(
                QStringLiteral("Momentan ist die Prüfung, ob eine aktuellere "
                               "Programm-Version heruntergeladen werden kann, nicht möglich.")))
                << r.err.toStdString();
        }
        // No installer is fetched after a failed check.
        EXPECT_EQ(files(), c.kept ? QStringList{QStringLiteral("version.tlv")} : QStringList()) << c.says;
    }
}

TEST_F(CliVersionCheck, AServerThatNeverAnswersEndsByTheLimit) {
    const HttpTestServerThread server(
        {{kVersionPath, {200, versionFile("1.8.0.0"), HttpTestServer::Mode::Stall}}});
    QElapsedTimer clock;
    clock.start();
    const auto r = check(server, {QStringLiteral("--timeout"), QStringLiteral("2")});
    EXPECT_LT(clock.elapsed(), 30000);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QString());
    EXPECT_TRUE(r.err.contains(QStringLiteral("nicht innerhalb von 2 Sekunden"))) << r.err.toStdString();
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(CliVersionCheck, DownloadFetchesTheInstallerWhetherNewOrNot) {
    QByteArray installer(300 * 1024, '\0');
    for (int i = 0; i < installer.size(); ++i)
        installer[i] = static_cast<char>(i * 7 + i / 256);
    for (const char* version : {"1.8.0.0", "1.7.1.0"}) {
        talvo::test::writeFile(data, QStringLiteral("Update.deb"), "an earlier installer");
        const HttpTestServerThread server(
            {{kVersionPath, {200, versionFile(version)}}, {kInstallerPath, {200, installer}}});
        const auto r = check(server, {QStringLiteral("--download")});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, qstrcmp(version, "1.7.1.0") == 0 ? QStringLiteral("aktuell\n")
                                                          : QStringLiteral("neu\t1.8.0.0\n"));
        EXPECT_EQ(talvo::test::readFile(local("Update.deb")), installer);
        EXPECT_EQ(files(), (QStringList{QStringLiteral("Update.deb"), QStringLiteral("version.tlv")}));
    }
}

TEST_F(CliVersionCheck, AFailedInstallerDownloadLeavesNoFile) {
    struct Case {
        HttpTestServer::Answer answer;
        QStringList more;
        const char* says;
    };
    for (const Case& c : {
             Case{{404, "<html>Not Found</html>"}, {}, "Status 404"},
             Case{{200, QByteArray(100000, 'x'), HttpTestServer::Mode::Truncated}, {}, "vorzeitig beendet"},
             Case{{200, QByteArray(100000, 'x'), HttpTestServer::Mode::CloseAtOnce}, {}, "Die Adresse"},
             Case{{200, QByteArray(100, 'x'), HttpTestServer::Mode::Trickle},
                  {QStringLiteral("--timeout"), QStringLiteral("3")},
                  "nicht innerhalb von 3 Sekunden"},
         }) {
        talvo::test::writeFile(data, QStringLiteral("Update.deb"), "an earlier installer");
        const HttpTestServerThread server(
            {{kVersionPath, {200, versionFile("1.8.0.0")}}, {kInstallerPath, c.answer}});
        const auto r = check(server, QStringList{QStringLiteral("--download")} + c.more);
        EXPECT_EQ(r.exitCode, 1) << c.says;
        // The check's own line comes first; the download's failure follows on stderr.
        EXPECT_EQ(r.out, QStringLiteral("neu\t1.8.0.0\n"));
        EXPECT_TRUE(r.err.startsWith(
            QStringLiteral("Das Herunterladen hat nicht geklappt.\n\nVersuchen Sie es später "
                           "noch einmal.\n")))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_EQ(files(), QStringList{QStringLiteral("version.tlv")}) << c.says;
    }
}

// The version text reaches the terminal as one field: an escape sequence or a line break
// from the server becomes blanks.
TEST_F(CliVersionCheck, ControlCharactersOfTheVersionTextBecomeBlanks) {
    const HttpTestServerThread server({{kVersionPath, {200, versionFile("\x1b[31mROT\x1b[0m\nX")}}});
    const auto r = check(server);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("neu\t [31mROT [0m X\n"));
}

// The check file beside the installer names its size and SHA-256: an installer that does not
// match them is not kept, whether cut short or changed.
TEST_F(CliVersionCheck, TheInstallerIsKeptOnlyWhenItMatchesTheCheckFile) {
    QByteArray installer(200 * 1024, '\0');
    for (int i = 0; i < installer.size(); ++i)
        installer[i] = static_cast<char>(i * 13 + i / 512);
    const QByteArray sha = QCryptographicHash::hash(installer, QCryptographicHash::Sha256).toHex();
    const QByteArray checkFile = QByteArray::number(installer.size()) + " " + sha + "\n";
    const QString checkPath = kInstallerPath + QStringLiteral(".check");
    struct Case {
        HttpTestServer::Answer installerAnswer;
        HttpTestServer::Answer checkAnswer;
        const char* says; // empty: kept
    };
    QByteArray changed = installer;
    changed[1000] = static_cast<char>(changed[1000] ^ 1);
    for (const Case& c : {
             Case{{200, installer}, {200, checkFile}, ""},
             Case{{200, installer},
                  {200, sha.toUpper() + "\t\t" + QByteArray::number(installer.size()) + "\r\n"},
                  "Die Prüfdatei des Updates ist fehlerhaft: Die Größe ist keine Zahl von Bytes."},
             Case{{200, installer},
                  {200, "\t" + QByteArray::number(installer.size()) + "  " + sha.toUpper() + "\r\nmehr"},
                  ""},
             Case{{200, installer, HttpTestServer::Mode::NoLength}, {200, checkFile}, ""},
             Case{{200, installer, HttpTestServer::Mode::NoLengthCut},
                  {200, checkFile},
                  "Sie hat 102.400 Bytes, erwartet waren 204.800 Bytes."},
             Case{{200, changed}, {200, checkFile}, "Ihre SHA-256-Prüfsumme stimmt nicht"},
             Case{{200, installer}, {200, "204800 abc\n"}, "64 Hexadezimalziffern"},
             Case{{200, installer},
                  {200, "<html>Hier nicht</html>"},
                  "Die Prüfdatei des Updates ist fehlerhaft"},
         }) {
        talvo::test::writeFile(data, QStringLiteral("Update.deb"), "an earlier installer");
        const HttpTestServerThread server({{kVersionPath, {200, versionFile("1.8.0.0")}},
                                           {kInstallerPath, c.installerAnswer},
                                           {checkPath, c.checkAnswer}});
        const auto r = check(server, {QStringLiteral("--download")});
        const bool kept = qstrlen(c.says) == 0;
        EXPECT_EQ(r.exitCode, kept ? 0 : 1) << r.err.toStdString();
        EXPECT_EQ(r.out, QStringLiteral("neu\t1.8.0.0\n"));
        if (kept) {
            EXPECT_EQ(talvo::test::readFile(local("Update.deb")), installer);
            EXPECT_EQ(files(), (QStringList{QStringLiteral("Update.deb"), QStringLiteral("version.tlv")}));
        } else {
            EXPECT_TRUE(r.err.startsWith(QStringLiteral("Das Herunterladen hat nicht geklappt.")))
                << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
            EXPECT_EQ(files(), QStringList{QStringLiteral("version.tlv")}) << c.says;
        }
    }
}

TEST(CliVersionCheckCap, AnInstallerAbove256MegabytesIsRefused) {
    QTemporaryDir server;
    QTemporaryDir data;
    talvo::test::writeFile(server, QStringLiteral("version.tlv"), versionFile("1.8.0.0"));
    QFile big(server.filePath(QStringLiteral("tvupdate.deb")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(257LL * 1024 * 1024)); // sparse: no disk space needed
    big.close();
    const talvo::test::PythonHttpServer http(server.path());
    ASSERT_TRUE(http.running());
    const auto r = runCli({QStringLiteral("version-check"), QStringLiteral("--base"), http.base(),
                           QStringLiteral("--data"), data.path(), QStringLiteral("--download")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("neu\t1.8.0.0\n"));
    EXPECT_TRUE(r.err.contains(QStringLiteral("größer als 256 MB"))) << r.err.toStdString();
    EXPECT_EQ(QDir(data.path()).entryList(QDir::Files), QStringList{QStringLiteral("version.tlv")});
}

TEST(CliVersionCheckFolder, TheDataFolderIsTheDefault) {
    QTemporaryDir home;
    QTemporaryDir server;
    talvo::test::writeFile(server, QStringLiteral("version.tlv"), versionFile("1.7.1.0"));
    const talvo::test::PythonHttpServer http(server.path());
    ASSERT_TRUE(http.running());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("daten")));
    QDir(home.path()).mkdir(QStringLiteral("daten"));
    const auto r = runCli({QStringLiteral("version-check"), QStringLiteral("--base"), http.base()}, {}, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("aktuell\n"));
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("daten/TALVO/version.tlv"))));
}

TEST(CliVersionCheckUsage, BaseIsRequired) {
    const auto r = runCli({QStringLiteral("version-check")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--base"))) << r.err.toStdString();
}

} // namespace

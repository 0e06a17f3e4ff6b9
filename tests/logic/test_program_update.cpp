#include "logic/core/error.h"
#include "logic/core/version.h"
#include "logic/update/installer_check.h"
#include "logic/update/program_update.h"
#include "support/temp_files.h"
#include "support/version_file.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::versionFile;
using talvo::test::writeFile;

namespace {

TEST(VersionFile, TheTextOfTheFirstRecordIsTheServersVersion) {
    QTemporaryDir dir;
    struct Case {
        QByteArray bytes;
        QString text;
    };
    for (const Case& c : {
             Case{versionFile("1.7.1.0"), QStringLiteral("1.7.1.0")},
             Case{versionFile("1.8.0.0") + "more records after the first", QStringLiteral("1.8.0.0")},
             Case{versionFile("123456789012345"), QStringLiteral("123456789012345")},
             Case{versionFile("2.0 \xe4", 5), QStringLiteral("2.0 ä")},     // Windows-1252
             Case{versionFile("1.7.1.0-beta", 5), QStringLiteral("1.7.1")}, // the length byte counts
             // Control characters are shown as blanks.
             Case{versionFile("\x1b[31mROT\x1b[0m\nX"), QStringLiteral(" [31mROT [0m X")},
             Case{versionFile("1.8\t\r\x7f\x81"), QStringLiteral("1.8    ")},
         }) {
        const QString path = writeFile(dir, QStringLiteral("version.tlv"), c.bytes);
        EXPECT_EQ(readVersionFile(path), c.text) << c.bytes.toStdString();
    }
}

TEST(VersionFile, ShortFilesAndTextsOfNoLengthAreRefused) {
    QTemporaryDir dir;
    struct Case {
        QByteArray bytes;
        const char* says;
    };
    for (const Case& c : {
             Case{versionFile("1.7.1.0").left(10), "ist mit 10 Bytes zu kurz; sie muss 24 Bytes lang sein."},
             Case{versionFile("1.7.1.0").left(23), "ist mit 23 Bytes zu kurz"},
             Case{QByteArray(), "ist mit 0 Bytes zu kurz"},
             Case{versionFile("", 0), "nennt keine gültige Version."},
             Case{versionFile("1.7.1.0", 16), "nennt keine gültige Version."},
             Case{versionFile("1.7.1.0", 255), "nennt keine gültige Version."},
             Case{QByteArray(2 * 1024 * 1024, '\x07'), "ist zu groß"},
         }) {
        const QString path = writeFile(dir, QStringLiteral("version.tlv"), c.bytes);
        try {
            readVersionFile(path);
            ADD_FAILURE() << "accepted " << c.says;
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.says))) << e.text().toStdString();
        }
    }
    EXPECT_THROW(readVersionFile(dir.filePath(QStringLiteral("missing.tlv"))), Error);
    EXPECT_THROW(readVersionFile(dir.path()), Error);
}

TEST(VersionFile, OnlyTheProgramsOwnTextCountsAsCurrent) {
    EXPECT_STREQ(kVersionText, "1.7.1.0");
    EXPECT_TRUE(isCurrentVersion(QStringLiteral("1.7.1.0")));
    // No order of versions: an older one is another version as well.
    for (const char* other : {"1.7.0.9", "1.8.0.0", "1.7.1", "1.7.1.0 ", " 1.7.1.0", "1.7.1.00"})
        EXPECT_FALSE(isCurrentVersion(QString::fromLatin1(other))) << other;
}

TEST(VersionFile, MessageNamesTheWebSite) {
    EXPECT_EQ(versionNotCheckableMessage(QStringLiteral("talvo.example.net")),
              QStringLiteral(
                  "Momentan ist die Prüfung, ob eine aktuellere Programm-Version heruntergeladen werden "
                  "kann, nicht möglich.\r\rBitte versuchen Sie es später noch einmal oder schauen sie auf "
                  "talvo.example.net nach."));
}

TEST(SelfRemovalScript, FiveLinesWithEveryPathQuoted) {
    const QByteArray script = selfDeleteScript(
        QStringLiteral("C:\\Program Files\\TALVO\\talvo.exe"), QStringLiteral("C:\\Program Files\\TALVO\\"),
        QStringLiteral("C:\\Users\\Anna Maria\\AppData\\Local\\Temp\\uis1A2B.bat"));
    EXPECT_EQ(script, QByteArray(":Label1\r\n"
                                 "del \"C:\\Program Files\\TALVO\\talvo.exe\"\r\n"
                                 "if Exist \"C:\\Program Files\\TALVO\\talvo.exe\" goto Label1\r\n"
                                 "rmdir \"C:\\Program Files\\TALVO\\\"\r\n"
                                 "del \"C:\\Users\\Anna Maria\\AppData\\Local\\Temp\\uis1A2B.bat\"\r\n"));
}

TEST(SelfRemovalScript, WrittenInWindows1252) {
    const QByteArray script =
        selfDeleteScript(QStringLiteral("D:\\Spiele\\Jörg\\talvo.exe"), QStringLiteral("D:\\Spiele\\Jörg\\"),
                         QStringLiteral("C:\\Temp\\uisFF.bat"));
    EXPECT_TRUE(script.contains("del \"D:\\Spiele\\J\xf6rg\\talvo.exe\"\r\n"));
    EXPECT_EQ(script.count("\r\n"), 5);
    EXPECT_EQ(script.count('\n'), 5);
}

TEST(SelfRemovalScript, APathWindows1252CannotWriteIsRefused) {
    // Written as '?', the path would name no file and the script would never end.
    EXPECT_THROW(selfDeleteScript(QStringLiteral("C:\\Users\\Дмитрий\\TALVO\\talvo.exe"),
                                  QStringLiteral("C:\\Users\\Дмитрий\\TALVO\\"),
                                  QStringLiteral("C:\\Temp\\uis1.bat")),
                 Error);
    EXPECT_THROW(selfDeleteScript(QStringLiteral("C:\\TALVO\\talvo.exe"), QStringLiteral("C:\\TALVO\\"),
                                  QStringLiteral("C:\\Users\\李\\Temp\\uis1.bat")),
                 Error);
}

TEST(InstallerCheck, TheFirstLineNamesSizeAndChecksum) {
    const QByteArray installer = "a small installer";
    const QByteArray sha = QCryptographicHash::hash(installer, QCryptographicHash::Sha256);
    const QByteArray line = QByteArray::number(installer.size()) + ' ' + sha.toHex();
    for (const QByteArray& text : {line, line + "\n", line + "\r\nweitere Zeilen", "  " + line + " \t"}) {
        const InstallerCheck check = parseInstallerCheck(text);
        EXPECT_EQ(check.size, installer.size()) << text.toStdString();
        EXPECT_EQ(check.sha256, sha);
        EXPECT_EQ(installerMismatch(check, installer), QString());
    }
    const InstallerCheck check = parseInstallerCheck(line);
    EXPECT_TRUE(installerMismatch(check, installer.left(5))
                    .contains(QStringLiteral("Sie hat 5 Bytes, erwartet waren 17 Bytes")));
    EXPECT_TRUE(installerMismatch(check, "A small installer")
                    .contains(QStringLiteral("SHA-256-Prüfsumme stimmt nicht")));

    for (const QByteArray& faulty :
         {QByteArray(), QByteArray("17"), "17 " + sha.toHex().left(63), "17 " + sha.toHex() + " x",
          "-17 " + sha.toHex(), "1e3 " + sha.toHex(), "17 " + sha.toHex().replace('a', 'g'), "\n" + line,
          "9999999999999999 " + sha.toHex()}) {
        EXPECT_THROW(parseInstallerCheck(faulty), Error) << faulty.toStdString();
    }
}

} // namespace

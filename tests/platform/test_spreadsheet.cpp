#include "logic/core/error.h"
#include "logic/export/export_table.h"
#include "platform/spreadsheet.h"
#include "support/full_disk.h"
#include "support/temp_files.h"
#include "support/workbook_reader.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

using namespace talvo;

namespace {

// Reads a workbook back with a real reader, with the number format and alignment of the
// cells the draw tables format.
test::Workbook readBack(const QString& path) {
    test::Workbook book = test::readWorkbook(path, {"W1", "W3", "A2", "C2"});
    EXPECT_TRUE(book.ok) << book.error.toStdString();
    return book;
}

TEST(Spreadsheet, StatisticsTableFromA1WithFittedColumns) {
    QTemporaryDir dir;
    logic::ExportTable t(2, 71);
    t.setCell(0, 0, QStringLiteral("Endnummer"));
    t.setCell(1, 0, QStringLiteral("Häufigkeit"));
    t.setCell(0, 1, QStringLiteral("Gewinnzahlen mit Endzahl 0:"));
    t.setCell(1, 1, QStringLiteral("201"));
    t.setCell(1, 70, QStringLiteral("7"));
    const QString path = dir.filePath(QStringLiteral("t.xlsx"));
    platform::writeWorkbook(t, QStringLiteral("Endzahlen"), platform::kModeStatistics, path);
    const test::Workbook book = readBack(path);
    EXPECT_EQ(book.sheets().size(), 1);
    EXPECT_EQ(book.sheets().at(0), QStringLiteral("Endzahlen"));
    EXPECT_EQ(book.dimensions(), QStringLiteral("A1:B71"));
    EXPECT_EQ(book.cell("A1"), QStringLiteral("Endnummer"));
    EXPECT_EQ(book.cell("B1"), QStringLiteral("Häufigkeit"));
    EXPECT_EQ(book.cell("A2"), QStringLiteral("Gewinnzahlen mit Endzahl 0:"));
    EXPECT_EQ(book.cell("B2"), QStringLiteral("201"));
    EXPECT_FALSE(book.isText("B2")); // counts are numbers
    EXPECT_EQ(book.cell("B71"), QStringLiteral("7"));
    EXPECT_NEAR(book.width("A"), 29.71, 0.01); // longest text 27 characters
    EXPECT_NEAR(book.width("B"), 12.71, 0.01);
    EXPECT_EQ(book.widthCount(), 2); // empty columns keep their width
}

TEST(Spreadsheet, DrawTableKeepsPlus5AsTextAndLeavesTheDateColumn) {
    QTemporaryDir dir;
    for (int mode : {platform::kModeWinningNumbersPlus5, platform::kModePlus5}) {
        const int textColumn = mode == platform::kModePlus5 ? 2 : 22;
        logic::ExportTable t(23, 3);
        for (int c = 0; c < 23; ++c)
            t.setCell(c, 0, QStringLiteral("S%1").arg(c));
        t.setCell(0, 1, QStringLiteral("1"));
        t.setCell(1, 1, QStringLiteral("24.02.2024 und mehr Text"));
        t.setCell(textColumn, 1, QStringLiteral("01234"));
        t.setCell(textColumn, 2, QStringLiteral("56789"));
        const QString path = dir.filePath(QStringLiteral("m%1.xlsx").arg(mode));
        platform::writeWorkbook(t, QStringLiteral("Gewinnzahlen"), mode, path);
        const test::Workbook book = readBack(path);
        const char* second = mode == platform::kModePlus5 ? "C2" : "W2";
        const char* third = mode == platform::kModePlus5 ? "C3" : "W3";
        EXPECT_EQ(book.cell(second), QStringLiteral("01234"));
        EXPECT_TRUE(book.isText(second));
        EXPECT_TRUE(book.isText(third)); // text even where it reads as a number
        EXPECT_EQ(book.dimensions(), QStringLiteral("A1:W3"));
        EXPECT_LT(book.width("B"), 0); // never fitted
        EXPECT_NEAR(book.width("A"), 4.71, 0.01);
        EXPECT_NEAR(book.width("D"), 4.71, 0.01);
        if (mode == platform::kModeWinningNumbersPlus5) {
            EXPECT_EQ(book.numberFormat("W1"), QStringLiteral("@"));
            EXPECT_EQ(book.alignment("W3"), QStringLiteral("right"));
            EXPECT_NE(book.numberFormat("C2"), QStringLiteral("@"));
        } else {
            EXPECT_EQ(book.numberFormat("C2"), QStringLiteral("@"));
            EXPECT_NE(book.numberFormat("W1"), QStringLiteral("@"));
        }
    }
}

TEST(Spreadsheet, OtherModesNeitherFormatNorFit) {
    QTemporaryDir dir;
    logic::ExportTable t(2, 2);
    t.setCell(0, 0, QStringLiteral("eine lange Überschrift"));
    const QString path = dir.filePath(QStringLiteral("x.xlsx"));
    platform::writeWorkbook(t, QStringLiteral("X"), 3, path);
    EXPECT_TRUE(readBack(path).widthCount() == 0);
}

TEST(Spreadsheet, AnEarlierWorkbookIsNeverReplaced) {
    // The user may have kept an exported workbook, changed, under the name it opened with.
    QTemporaryDir dir;
    logic::ExportTable t(1, 1);
    const QString first = platform::saveWorkbook(t, QStringLiteral("Tops"), 5, dir.path());
    EXPECT_EQ(first, dir.filePath("Tops.xlsx"));
    QFile kept(first);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("changed by the user");
    kept.close();
    EXPECT_EQ(platform::saveWorkbook(t, QStringLiteral("Tops"), 5, dir.path()),
              dir.filePath("Tops (2).xlsx"));
    EXPECT_EQ(platform::saveWorkbook(t, QStringLiteral("Flops"), 5, dir.path()), dir.filePath("Flops.xlsx"));
    const QString third = platform::saveWorkbook(t, QStringLiteral("Tops"), 5, dir.path());
    EXPECT_EQ(third, dir.filePath("Tops (3).xlsx"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("changed by the user"));
    EXPECT_EQ(readBack(third).sheets().at(0), QStringLiteral("Tops"));
}

// The workbook's own XML: a number with a decimal comma (width="12,71") makes it unreadable.
QByteArray sheetXml(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1])"
                            ".read('xl/worksheets/sheet1.xml'))"),
             path});
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

TEST(Spreadsheet, WorkbookIsTheSameUnderAGermanLocale) {
    QTemporaryDir dir;
    logic::ExportTable t(2, 3);
    t.setCell(0, 0, QStringLiteral("Endnummer"));
    t.setCell(1, 1, QStringLiteral("201"));
    const QString c = dir.filePath(QStringLiteral("c.xlsx"));
    platform::writeWorkbook(t, QStringLiteral("Endzahlen"), platform::kModeStatistics, c);

    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 is missing; scripts/setup.sh creates it";
    char decimal[8];
    std::snprintf(decimal, sizeof decimal, "%.1f", 0.5);
    EXPECT_STREQ(decimal, "0,5"); // the C library prints the German way now
    const QString de = dir.filePath(QStringLiteral("de.xlsx"));
    platform::writeWorkbook(t, QStringLiteral("Endzahlen"), platform::kModeStatistics, de);
    std::snprintf(decimal, sizeof decimal, "%.1f", 0.5);
    EXPECT_STREQ(decimal, "0,5"); // and still does afterwards
    std::setlocale(LC_ALL, before.c_str());

    const QByteArray xml = sheetXml(de);
    ASSERT_FALSE(xml.isEmpty());
    EXPECT_FALSE(
        QRegularExpression(QStringLiteral("=\"-?[0-9]+,[0-9]+\"")).match(QString::fromUtf8(xml)).hasMatch())
        << xml.toStdString();
    EXPECT_EQ(xml, sheetXml(c));
    EXPECT_NEAR(readBack(de).width("A"), 11.71, 0.01);
}

TEST(Spreadsheet, ImpossibleSheetNameOrFolderIsAnError) {
    QTemporaryDir dir;
    logic::ExportTable t(1, 1);
    EXPECT_THROW(platform::writeWorkbook(t, QStringLiteral("a[b]"), 5, dir.filePath("a.xlsx")), logic::Error);
    EXPECT_FALSE(QFile::exists(dir.filePath("a.xlsx")));
    EXPECT_THROW(platform::writeWorkbook(t, QStringLiteral("A"), 5, dir.filePath("fehlt/a.xlsx")),
                 logic::Error);
    // A bad sheet name leaves a workbook of that name, kept by the user, alone.
    const QString kept = test::writeFile(dir, QStringLiteral("b.xlsx"), "kept");
    EXPECT_THROW(platform::writeWorkbook(t, QStringLiteral("a[b]"), 5, kept), logic::Error);
    EXPECT_EQ(test::readFile(kept), QByteArray("kept"));
}

TEST(Spreadsheet, AFullDiskKeepsTheEarlierWorkbookAndSaysWhyInGerman) {
    QTemporaryDir dir;
    const QString path = test::writeFile(dir, QStringLiteral("Tops.xlsx"), "the earlier workbook");
    logic::ExportTable t(23, 2000);
    for (int r = 0; r < t.rowCount(); ++r)
        for (int c = 0; c < t.columnCount(); ++c)
            t.setCell(c, r, QStringLiteral("Zelle %1/%2").arg(r).arg(c));
    const auto text = test::onFullDisk(dir.path(), [&] {
        try {
            platform::writeWorkbook(t, QStringLiteral("Tops"), 5, path);
            return QStringLiteral("no error");
        } catch (const logic::Error& e) {
            return e.text();
        }
    });
    if (!text)
        GTEST_SKIP() << "neither a mount namespace nor a file size limit is available";
    EXPECT_TRUE(text->startsWith(QStringLiteral("Die Tabelle kann nicht als \"%1\" gespeichert werden")
                                     .arg(QDir::toNativeSeparators(path))) ||
                text->startsWith(QStringLiteral("Die Datei \"%1\"").arg(QDir::toNativeSeparators(path))))
        << text->toStdString();
    EXPECT_FALSE(text->contains(QStringLiteral("space")) || text->contains(QStringLiteral("Error")))
        << text->toStdString();
    EXPECT_EQ(test::readFile(path), QByteArray("the earlier workbook"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Tops.xlsx")});
}

// The library builds the workbook in the folder for temporary files; when that is full,
// the message names the cause in German and the library's own English lines stay hidden.
TEST(Spreadsheet, AFullTemporaryFolderIsNamedInGermanWithoutTheLibrarysLines) {
    QTemporaryDir full;
    QTemporaryDir target;
    QTemporaryDir logs;
    const QString path = target.filePath(QStringLiteral("Tops.xlsx"));
    const QString errors = logs.filePath(QStringLiteral("stderr.txt"));
    logic::ExportTable t(23, 2000);
    for (int r = 0; r < t.rowCount(); ++r)
        for (int c = 0; c < t.columnCount(); ++c)
            t.setCell(c, r, QStringLiteral("Zelle %1/%2").arg(r).arg(c));
    const auto text = test::onFullDisk(full.path(), [&] {
        qputenv("TMPDIR", QFile::encodeName(full.path()));
        // What the program's standard error shows while the workbook is written.
        std::fflush(stderr);
        if (!std::freopen(QFile::encodeName(errors).constData(), "w", stderr))
            return QStringLiteral("stderr not redirected");
        try {
            platform::writeWorkbook(t, QStringLiteral("Tops"), 5, path);
            return QStringLiteral("no error");
        } catch (const logic::Error& e) {
            return e.text();
        }
    });
    if (!text)
        GTEST_SKIP() << "neither a mount namespace nor a file size limit is available";
    EXPECT_TRUE(text->startsWith(QStringLiteral("Die Tabelle kann nicht als \"%1\" gespeichert werden")
                                     .arg(QDir::toNativeSeparators(path))))
        << text->toStdString();
    EXPECT_TRUE(text->endsWith(QStringLiteral("\rAuf dem Datenträger ist kein Platz mehr frei.")) ||
                text->endsWith(QStringLiteral("\rDie Datei ist zu groß für den Datenträger.")))
        << text->toStdString();
    EXPECT_EQ(test::readFile(errors), QByteArray());
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace

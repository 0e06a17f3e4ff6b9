#include "logic/core/error.h"
#include "logic/export/export_tabelle.h"
#include "platform/spreadsheet.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

using namespace talvo;

namespace {

// Reads a workbook back with openpyxl: sheet names, every cell as [value, is-text],
// the explicit column widths (stored with the spreadsheet's padding of 0.71) and the number format and
// alignment of some cells.
QJsonObject readBack(const QString& path) {
    static const char* script = R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
cells = {}
for row in ws.iter_rows():
    for c in row:
        if c.value is not None:
            cells[c.coordinate] = [str(c.value), isinstance(c.value, str)]
widths = {k: v.width for k, v in ws.column_dimensions.items() if v.customWidth}
dimensions = ws.dimensions
formats = {k: [ws[k].number_format, ws[k].alignment.horizontal or ""] for k in sys.argv[2:]}
print(json.dumps({"sheets": wb.sheetnames, "cells": cells, "widths": widths, "formats": formats,
                  "dimensions": dimensions}))
)";
    // Debian's interpreter carries python3-openpyxl; another one first on the PATH may not.
    const QString python = QFile::exists(QStringLiteral("/usr/bin/python3"))
                               ? QStringLiteral("/usr/bin/python3")
                               : QStringLiteral("python3");
    QProcess p;
    p.start(python, {QStringLiteral("-c"), QString::fromUtf8(script), path, "W1", "W3", "A2", "C2"});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QString cell(const QJsonObject& book, const char* name) {
    return book["cells"].toObject()[QLatin1String(name)].toArray().at(0).toString();
}
bool isText(const QJsonObject& book, const char* name) {
    return book["cells"].toObject()[QLatin1String(name)].toArray().at(1).toBool();
}
double width(const QJsonObject& book, const char* column) {
    return book["widths"].toObject()[QLatin1String(column)].toDouble(-1);
}

TEST(Spreadsheet, StatisticsTableFromA1WithFittedColumns) {
    QTemporaryDir dir;
    logic::ExportTabelle t(2, 71);
    t.setZelle(0, 0, QStringLiteral("Endnummer"));
    t.setZelle(1, 0, QStringLiteral("Häufigkeit"));
    t.setZelle(0, 1, QStringLiteral("Gewinnzahlen mit Endzahl 0:"));
    t.setZelle(1, 1, QStringLiteral("201"));
    t.setZelle(1, 70, QStringLiteral("7"));
    const QString path = dir.filePath(QStringLiteral("t.xlsx"));
    platform::writeWorkbook(t, QStringLiteral("Endzahlen"), platform::kModusStatistik, path);
    const QJsonObject book = readBack(path);
    EXPECT_EQ(book["sheets"].toArray().size(), 1);
    EXPECT_EQ(book["sheets"].toArray().at(0).toString(), QStringLiteral("Endzahlen"));
    EXPECT_EQ(book["dimensions"].toString(), QStringLiteral("A1:B71"));
    EXPECT_EQ(cell(book, "A1"), QStringLiteral("Endnummer"));
    EXPECT_EQ(cell(book, "B1"), QStringLiteral("Häufigkeit"));
    EXPECT_EQ(cell(book, "A2"), QStringLiteral("Gewinnzahlen mit Endzahl 0:"));
    EXPECT_EQ(cell(book, "B2"), QStringLiteral("201"));
    EXPECT_FALSE(isText(book, "B2")); // counts are numbers
    EXPECT_EQ(cell(book, "B71"), QStringLiteral("7"));
    EXPECT_NEAR(width(book, "A"), 29.71, 0.01); // longest text 27 characters
    EXPECT_NEAR(width(book, "B"), 12.71, 0.01);
    EXPECT_EQ(book["widths"].toObject().size(), 2); // empty columns keep their width
}

TEST(Spreadsheet, DrawTableKeepsPlus5AsTextAndLeavesTheDateColumn) {
    QTemporaryDir dir;
    for (int mode : {platform::kModusGewinnzahlenPlus5, platform::kModusPlus5}) {
        const int textColumn = mode == platform::kModusPlus5 ? 2 : 22;
        logic::ExportTabelle t(23, 3);
        for (int c = 0; c < 23; ++c)
            t.setZelle(c, 0, QStringLiteral("S%1").arg(c));
        t.setZelle(0, 1, QStringLiteral("1"));
        t.setZelle(1, 1, QStringLiteral("24.02.2024 und mehr Text"));
        t.setZelle(textColumn, 1, QStringLiteral("01234"));
        t.setZelle(textColumn, 2, QStringLiteral("56789"));
        const QString path = dir.filePath(QStringLiteral("m%1.xlsx").arg(mode));
        platform::writeWorkbook(t, QStringLiteral("Gewinnzahlen"), mode, path);
        const QJsonObject book = readBack(path);
        const char* second = mode == platform::kModusPlus5 ? "C2" : "W2";
        const char* third = mode == platform::kModusPlus5 ? "C3" : "W3";
        EXPECT_EQ(cell(book, second), QStringLiteral("01234"));
        EXPECT_TRUE(isText(book, second));
        EXPECT_TRUE(isText(book, third)); // text even where it reads as a number
        EXPECT_EQ(book["dimensions"].toString(), QStringLiteral("A1:W3"));
        EXPECT_LT(width(book, "B"), 0); // never fitted
        EXPECT_NEAR(width(book, "A"), 4.71, 0.01);
        EXPECT_NEAR(width(book, "D"), 4.71, 0.01);
        const QJsonObject formats = book["formats"].toObject();
        if (mode == platform::kModusGewinnzahlenPlus5) {
            EXPECT_EQ(formats["W1"].toArray().at(0).toString(), QStringLiteral("@"));
            EXPECT_EQ(formats["W3"].toArray().at(1).toString(), QStringLiteral("right"));
            EXPECT_NE(formats["C2"].toArray().at(0).toString(), QStringLiteral("@"));
        } else {
            EXPECT_EQ(formats["C2"].toArray().at(0).toString(), QStringLiteral("@"));
            EXPECT_NE(formats["W1"].toArray().at(0).toString(), QStringLiteral("@"));
        }
    }
}

TEST(Spreadsheet, OtherModesNeitherFormatNorFit) {
    QTemporaryDir dir;
    logic::ExportTabelle t(2, 2);
    t.setZelle(0, 0, QStringLiteral("eine lange Überschrift"));
    const QString path = dir.filePath(QStringLiteral("x.xlsx"));
    platform::writeWorkbook(t, QStringLiteral("X"), 3, path);
    EXPECT_TRUE(readBack(path)["widths"].toObject().isEmpty());
}

TEST(Spreadsheet, AnEarlierWorkbookIsNeverReplaced) {
    // The user may have kept an exported workbook, changed, under the name it opened with.
    QTemporaryDir dir;
    logic::ExportTabelle t(1, 1);
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
    EXPECT_EQ(readBack(third)["sheets"].toArray().at(0).toString(), QStringLiteral("Tops"));
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
    logic::ExportTabelle t(2, 3);
    t.setZelle(0, 0, QStringLiteral("Endnummer"));
    t.setZelle(1, 1, QStringLiteral("201"));
    const QString c = dir.filePath(QStringLiteral("c.xlsx"));
    platform::writeWorkbook(t, QStringLiteral("Endzahlen"), platform::kModusStatistik, c);

    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 is missing; scripts/setup.sh creates it";
    char decimal[8];
    std::snprintf(decimal, sizeof decimal, "%.1f", 0.5);
    EXPECT_STREQ(decimal, "0,5"); // the C library prints the German way now
    const QString de = dir.filePath(QStringLiteral("de.xlsx"));
    platform::writeWorkbook(t, QStringLiteral("Endzahlen"), platform::kModusStatistik, de);
    std::snprintf(decimal, sizeof decimal, "%.1f", 0.5);
    EXPECT_STREQ(decimal, "0,5"); // and still does afterwards
    std::setlocale(LC_ALL, before.c_str());

    const QByteArray xml = sheetXml(de);
    ASSERT_FALSE(xml.isEmpty());
    EXPECT_FALSE(
        QRegularExpression(QStringLiteral("=\"-?[0-9]+,[0-9]+\"")).match(QString::fromUtf8(xml)).hasMatch())
        << xml.toStdString();
    EXPECT_EQ(xml, sheetXml(c));
    EXPECT_NEAR(width(readBack(de), "A"), 11.71, 0.01);
}

TEST(Spreadsheet, ImpossibleSheetNameOrFolderIsAnError) {
    QTemporaryDir dir;
    logic::ExportTabelle t(1, 1);
    EXPECT_THROW(platform::writeWorkbook(t, QStringLiteral("a[b]"), 5, dir.filePath("a.xlsx")), logic::Error);
    EXPECT_FALSE(QFile::exists(dir.filePath("a.xlsx")));
    EXPECT_THROW(platform::writeWorkbook(t, QStringLiteral("A"), 5, dir.filePath("fehlt/a.xlsx")),
                 logic::Error);
}

} // namespace

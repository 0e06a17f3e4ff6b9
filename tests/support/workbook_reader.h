#pragma once

// Reads a written workbook back with a real reader (openpyxl), as a spreadsheet program
// would see it.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

namespace talvo::test {

struct Workbook {
    QJsonObject json;
    bool ok = false;
    QString error;

    QStringList sheets() const {
        QStringList names;
        for (const auto& n : json[QLatin1String("sheets")].toArray())
            names << n.toString();
        return names;
    }
    // "A1:W3": the range that holds values.
    QString dimensions() const { return json[QLatin1String("dimensions")].toString(); }
    // The cell's value as text; empty for an empty cell.
    QString cell(const QString& name) const {
        return json[QLatin1String("cells")].toObject()[name].toArray().at(0).toString();
    }
    // Whether the reader sees text (not a number) in the cell.
    bool isText(const QString& name) const {
        return json[QLatin1String("cells")].toObject()[name].toArray().at(1).toBool();
    }
    // The cells of one row from column A on, as far as the row holds values.
    QStringList row(int number, int columns) const {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << cell(QStringLiteral("%1%2").arg(QChar(u'A' + c)).arg(number));
        return cells;
    }
    // The explicit width of a column (with the spreadsheet's padding of 0.71); -1 without.
    double width(const QString& column) const {
        return json[QLatin1String("widths")].toObject()[column].toDouble(-1);
    }
    int widthCount() const { return static_cast<int>(json[QLatin1String("widths")].toObject().size()); }
    // Number format and horizontal alignment of a cell named to readWorkbook.
    QString numberFormat(const QString& name) const {
        return json[QLatin1String("formats")].toObject()[name].toArray().at(0).toString();
    }
    QString alignment(const QString& name) const {
        return json[QLatin1String("formats")].toObject()[name].toArray().at(1).toString();
    }
};

// `formatCells`: the cells whose number format and alignment are wanted.
inline Workbook readWorkbook(const QString& path, const QStringList& formatCells = {}) {
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
# Before the formats: looking a cell up adds it to the sheet and widens its dimensions.
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
    p.start(python, QStringList{QStringLiteral("-c"), QString::fromUtf8(script), path} + formatCells);
    p.waitForFinished(60000);
    Workbook book;
    book.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    book.error = QString::fromUtf8(p.readAllStandardError());
    book.json = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    return book;
}

} // namespace talvo::test

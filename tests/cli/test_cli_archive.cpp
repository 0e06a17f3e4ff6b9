#include "logic/core/history_file.h"
#include "support/cli_runner.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"
#include "support/temp_files.h"
#include "support/undo_files.h"
#include "tools/generated_history.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talvo;
using talvo::test::readFile;
using talvo::test::runCli;
using talvo::test::writeFile;

namespace {

const QString kNow = QStringLiteral("2024-06-30 12:00");

QString numbers(int first) {
    QStringList parts;
    for (int n : test::run20(first))
        parts << QString::number(n);
    return parts.join(u';');
}

test::CliResult import(const QString& history, const QString& file, const QStringList& extra = {}) {
    return runCli(QStringList{QStringLiteral("import"), QStringLiteral("--history"), history, file,
                              QStringLiteral("--now"), kNow} +
                  extra);
}

TEST(CliImport, PrintsTheReportAndWritesWithABackup) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    logic::saveDrawHistory(history, {test::draw(QDate(2024, 3, 4), test::run20(1), QStringLiteral("00001")),
                                     test::draw(QDate(2024, 3, 5), test::run20(2), QStringLiteral("00002"))});
    const QByteArray before = readFile(history);
    const QString file = writeFile(
        dir, QStringLiteral("archiv.csv"),
        (QStringLiteral("Datum;Keno_Z1;Keno_Z2;Keno_Plus5;Keno_Spieleinsatz\r\n") +
         QStringLiteral("07.03.2024;") + numbers(7) + QStringLiteral(";7;304.198,00\r\n") + // neu
         QStringLiteral("05.03.2024;") + numbers(9) + QStringLiteral(";2;300,00\r\n") +     // abweichend
         QStringLiteral("\r\n") + QStringLiteral("04.03.2024;") + numbers(1) +
         QStringLiteral(";1\r\n") + // gleich
         QStringLiteral("31.02.2024;") + numbers(1) + QStringLiteral("\r\n") + QStringLiteral("Summe;1\r\n"))
            .toUtf8());

    // The gap between 05.03. and 07.03. gets one empty record.
    const QString report = QStringLiteral("neu\t1\nersetzt\t0\nabweichend\t1\ngleich\t1\nfehlerhaft\t2\n"
                                          "platzhalter\t1\n"
                                          "Zeile\t6\tDas Datum 31.02.2024 gibt es nicht.\n"
                                          "Zeile\t7\t\"Summe\" ist kein Datum.\n");
    auto r = import(history, file, {QStringLiteral("--dry-run")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, report);
    EXPECT_EQ(readFile(history), before);
    EXPECT_EQ(test::undoFileCount(history), 0);

    r = import(history, file);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, report);
    EXPECT_EQ(test::newestUndoBytes(history), before);
    const QStringList rows =
        runCli({QStringLiteral("history"), history}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[2], "3\t06.03.2024\t0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\t"); // the gap is filled
    EXPECT_EQ(rows[3].section(u'\t', 1, 1), "07.03.2024");
    EXPECT_EQ(rows[3].section(u'\t', 3), "00007");

    // Replacing: the differing draw takes the file's numbers.
    const QByteArray imported = readFile(history);
    r = import(history, file, {QStringLiteral("--replace")});
    EXPECT_EQ(r.out.left(70),
              "neu\t0\nersetzt\t1\nabweichend\t0\ngleich\t2\nfehlerhaft\t2\nplatzhalter\t0\nZeile");
    EXPECT_EQ(test::newestUndoBytes(history), imported);

    // Nothing new: nothing written, no undo point added.
    r = import(history, file, {QStringLiteral("--replace")});
    EXPECT_EQ(r.out.left(70),
              "neu\t0\nersetzt\t0\nabweichend\t0\ngleich\t3\nfehlerhaft\t2\nplatzhalter\t0\nZeile");
    EXPECT_EQ(test::newestUndoBytes(history), imported);
    const QStringList changes =
        runCli({QStringLiteral("undo"), QStringLiteral("--history"), history, QStringLiteral("--list")})
            .out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[0].section(u'\t', 2), "Import archiv.csv: 0 neu, 0 Platzhalter, 1 ersetzt");
    EXPECT_EQ(changes[1].section(u'\t', 2), "Import archiv.csv: 1 neu, 1 Platzhalter");
}

TEST(CliImport, FilesWithoutAGoodRowChangeNothing) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    logic::saveDrawHistory(history, test::drawDays(QDate(2024, 3, 4), 3));
    const QByteArray before = readFile(history);
    QRandomGenerator random(18);
    QByteArray noise(50000, '\0');
    for (char& b : noise)
        b = static_cast<char>(random.bounded(256));
    const QByteArray future = (QStringLiteral("01.07.2024;") + numbers(1)).toUtf8();
    for (const QByteArray& bytes : {noise, QByteArray(), QByteArray("Datum;Keno_Z1\r\n"), future}) {
        const auto r = import(history, writeFile(dir, QStringLiteral("x.csv"), bytes));
        EXPECT_EQ(r.exitCode, 1) << bytes.left(20).toStdString();
        // The report still names the faulty lines; the message says what a row must hold.
        EXPECT_TRUE(
            r.out.startsWith(QStringLiteral("neu\t0\nersetzt\t0\nabweichend\t0\ngleich\t0\nfehlerhaft\t")))
            << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Erwartet wird"))) << r.err.toStdString();
    }
    const auto late = import(history, writeFile(dir, QStringLiteral("x.csv"), future));
    EXPECT_TRUE(
        late.out.contains(QStringLiteral("Zeile\t1\tDas Datum 01.07.2024 liegt nach dem heutigen Tag.")))
        << late.out.toStdString();
    EXPECT_EQ(readFile(history), before);
    EXPECT_EQ(test::undoFileCount(history), 0);

    // A history out of date order is refused, naming the first record out of place.
    logic::DrawHistory shuffled = test::drawDays(QDate(2024, 3, 4), 3);
    std::swap(shuffled[1], shuffled[2]);
    logic::saveDrawHistory(history, shuffled);
    const auto r = import(
        history, writeFile(dir, QStringLiteral("y.csv"), QByteArray(future).replace("01.07", "01.06")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Nr. 3 vom 05.03.2024"))) << r.err.toStdString();

    EXPECT_EQ(import(history, dir.filePath(QStringLiteral("fehlt.csv"))).exitCode, 1);
    EXPECT_EQ(runCli({QStringLiteral("import"), QStringLiteral("--history"), history}).exitCode, 2);
}

TEST(CliImport, KeepsTheFirstThousandReasonsAndCountsTheRest) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    QByteArray bytes = (QStringLiteral("04.03.2024;") + numbers(1) + QStringLiteral("\n")).toUtf8();
    for (int i = 0; i < 1500; ++i)
        bytes += "x\n";
    bytes += QByteArray(10000, '7'); // a line far longer than a row
    const auto r =
        import(history, writeFile(dir, QStringLiteral("a.csv"), bytes), {QStringLiteral("--dry-run")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6 + 1000 + 1);
    EXPECT_EQ(lines[4], "fehlerhaft\t1501");
    EXPECT_EQ(lines[5], "platzhalter\t0");
    EXPECT_EQ(lines[6], "Zeile\t2\t\"x\" ist kein Datum.");
    EXPECT_EQ(lines[1005], "Zeile\t1001\t\"x\" ist kein Datum.");
    EXPECT_EQ(lines[1006], "weitere\t501");
    EXPECT_FALSE(QFileInfo::exists(history));

    // Up to a thousand reasons, no line of left-out ones.
    const auto few =
        import(history, writeFile(dir, QStringLiteral("b.csv"), bytes.left(bytes.indexOf("x\n") + 2)),
               {QStringLiteral("--dry-run")});
    EXPECT_FALSE(few.out.contains(QStringLiteral("weitere"))) << few.out.toStdString();
    EXPECT_TRUE(few.out.endsWith(QStringLiteral("Zeile\t2\t\"x\" ist kein Datum.\n")))
        << few.out.toStdString();
}

TEST(CliExportCsv, WritesTheArchiveColumns) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    logic::DrawHistory h = test::drawDays(QDate(2024, 3, 4), 4);
    h[1].GZ = {};
    logic::saveDrawHistory(history, h);
    const auto exportCsv = [&](const QStringList& extra = {}) {
        return runCli(QStringList{QStringLiteral("export-csv"), QStringLiteral("--history"), history} +
                      extra);
    };
    const QString header =
        QStringLiteral("Datum;Keno_Z1;Keno_Z2;Keno_Z3;Keno_Z4;Keno_Z5;Keno_Z6;Keno_Z7;Keno_Z8;"
                       "Keno_Z9;Keno_Z10;Keno_Z11;Keno_Z12;Keno_Z13;Keno_Z14;Keno_Z15;Keno_Z16;"
                       "Keno_Z17;Keno_Z18;Keno_Z19;Keno_Z20;Keno_Plus5\r\n");
    auto r = exportCsv();
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, header + QStringLiteral("04.03.2024;") + numbers(1) + QStringLiteral(";10000\r\n") +
                         QStringLiteral("06.03.2024;") + numbers(15) + QStringLiteral(";10002\r\n") +
                         QStringLiteral("07.03.2024;") + numbers(22) + QStringLiteral(";10003\r\n"));
    r = exportCsv({QStringLiteral("--from"), QStringLiteral("05.03.2024"), QStringLiteral("--to"),
                   QStringLiteral("6.3.2024")});
    EXPECT_EQ(r.out, header + QStringLiteral("06.03.2024;") + numbers(15) + QStringLiteral(";10002\r\n"));
    EXPECT_EQ(exportCsv({QStringLiteral("--from"), QStringLiteral("07.03.2024")}).out.count(u'\n'), 2);
    EXPECT_EQ(exportCsv({QStringLiteral("--to"), QStringLiteral("04.03.2024")}).out.count(u'\n'), 2);
    r = exportCsv({QStringLiteral("--from"), QStringLiteral("08.03.2024")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, header);

    r = exportCsv({QStringLiteral("--from"), QStringLiteral("06.03.2024"), QStringLiteral("--to"),
                   QStringLiteral("05.03.2024")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.isEmpty());

    logic::saveDrawHistory(history, {});
    EXPECT_EQ(exportCsv().out, header);
    r = runCli({QStringLiteral("export-csv"), QStringLiteral("--history"),
                dir.filePath(QStringLiteral("fehlt.tpp"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.isEmpty());
}

TEST(CliExportCsv, ExportOfAHistoryImportsIntoAnEmptyOneAsTheSameDraws) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("quelle.tpp"));
    logic::saveDrawHistory(source, tools::generatedHistory(600, QDate(2021, 1, 4), 3));
    const QString csv =
        writeFile(dir, QStringLiteral("export.csv"),
                  runCli({QStringLiteral("export-csv"), QStringLiteral("--history"), source}).out.toUtf8());
    const QString target = dir.filePath(QStringLiteral("ziel.tpp"));
    const auto r = import(target, csv);
    EXPECT_EQ(r.out, "neu\t600\nersetzt\t0\nabweichend\t0\ngleich\t0\nfehlerhaft\t0\nplatzhalter\t0\n");
    EXPECT_EQ(readFile(target), readFile(source));
    EXPECT_EQ(test::undoFileCount(target), 1);
    EXPECT_EQ(test::newestUndoBytes(target), QByteArray()); // there was no history
}

TEST(CliUndo, TakesBackChangesNewestFirst) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const auto undo = [&] { return runCli({QStringLiteral("undo"), QStringLiteral("--history"), history}); };
    const auto list = [&] {
        return runCli(
            {QStringLiteral("undo"), QStringLiteral("--history"), history, QStringLiteral("--list")});
    };
    // Each draw at the number its date takes: 04.03. first, 05.03. second.
    const auto store = [&](const QString& date, const QString& now) {
        const QString position =
            date.startsWith(QStringLiteral("05")) ? QStringLiteral("2") : QStringLiteral("1");
        return runCli({QStringLiteral("store"), QStringLiteral("--history"), history,
                       QStringLiteral("--position"), position, QStringLiteral("--date"), date,
                       QStringLiteral("--numbers"),
                       QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20"),
                       QStringLiteral("--now"), now});
    };
    auto r = undo();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("keine Änderung der Ziehungen"))) << r.err.toStdString();
    r = list();
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");

    // The first store: there was no history, so undo leaves an empty one.
    ASSERT_EQ(store(QStringLiteral("04.03.2024"), QStringLiteral("2024-03-04 20:15")).exitCode, 0);
    EXPECT_EQ(list().out, "1\t04.03.2024 20:15\tZiehung 04.03.2024 gespeichert\n");
    const QByteArray first = readFile(history);
    r = undo();
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(QFileInfo::exists(history));
    EXPECT_EQ(QFileInfo(history).size(), 0);
    EXPECT_EQ(list().out, "");
    EXPECT_EQ(undo().exitCode, 1); // an undo is no change of its own

    ASSERT_EQ(store(QStringLiteral("04.03.2024"), QStringLiteral("2024-03-04 20:15")).exitCode, 0);
    ASSERT_EQ(store(QStringLiteral("04.03.2024"), QStringLiteral("2024-03-04 20:16")).exitCode,
              0); // no write
    ASSERT_EQ(store(QStringLiteral("05.03.2024"), QStringLiteral("2024-03-05 19:01")).exitCode, 0);
    EXPECT_EQ(list().out, "1\t05.03.2024 19:01\tZiehung 05.03.2024 gespeichert\n"
                          "2\t04.03.2024 20:15\tZiehung 04.03.2024 gespeichert\n");
    ASSERT_EQ(undo().exitCode, 0);
    EXPECT_EQ(readFile(history), first);
    ASSERT_EQ(undo().exitCode, 0);
    EXPECT_EQ(QFileInfo(history).size(), 0);
}

} // namespace

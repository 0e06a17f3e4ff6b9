#include "support/cli_runner.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/temp_files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talvo::test;

namespace {

QByteArray numberedText(int count, const char* lineEnd = "\r\n") {
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "Zeile " + QByteArray::number(i) + lineEnd;
    return text;
}

QStringList args(const QString& file, const QString& pdf) {
    return {QStringLiteral("print-text"), file, QStringLiteral("--pdf"), pdf};
}

TEST(CliPrintText, PagesCarryHeaderLinesAndFooterAndTheCountIsPrinted) {
    QTemporaryDir dir;
    const QString file = writeFile(dir, QStringLiteral("tipps.ktp"), numberedText(100));
    const QString pdf = dir.filePath(QStringLiteral("tipps.pdf"));
    const CliResult r = runCli(args(file, pdf));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("2 Seite wird gedruckt\n"));
    EXPECT_EQ(r.err, QString());
    ASSERT_EQ(pdfPageCount(pdf), 2);

    const QStringList page1 = pdfLines(pdf, 1);
    const QStringList page2 = pdfLines(pdf, 2);
    ASSERT_GE(page1.size(), 3);
    EXPECT_EQ(page1.first(), QStringLiteral("TALVO"));
    EXPECT_EQ(page1.last(), QStringLiteral("Seite 1"));
    EXPECT_EQ(page2.first(), QStringLiteral("TALVO"));
    EXPECT_EQ(page2.last(), QStringLiteral("Seite 2"));
    // Every line once, in order, split between the two pages.
    const QStringList printed = page1.mid(1, page1.size() - 2) + page2.mid(1, page2.size() - 2);
    QStringList expected;
    for (int i = 1; i <= 100; ++i)
        expected << QStringLiteral("Zeile %1").arg(i);
    EXPECT_EQ(printed, expected);
}

TEST(CliPrintText, AFinalLineEndStartsNoFurtherLine) {
    QTemporaryDir dir;
    // How many lines a page takes, read from a longer print.
    const QString probe = dir.filePath(QStringLiteral("probe.pdf"));
    ASSERT_EQ(runCli(args(writeFile(dir, QStringLiteral("lang.ktp"), numberedText(100)), probe)).exitCode, 0);
    const int perPage = int(pdfLines(probe, 1).size()) - 2;
    ASSERT_GT(perPage, 40);

    struct Case {
        QByteArray text;
        QString out;
    } cases[] = {
        {numberedText(perPage), QStringLiteral("1 Seite wird gedruckt\n")},
        {numberedText(perPage, "\n"), QStringLiteral("1 Seite wird gedruckt\n")},
        {numberedText(perPage) + "\r\n", QStringLiteral("2 Seite wird gedruckt\n")},
        {numberedText(perPage + 1).chopped(2), QStringLiteral("2 Seite wird gedruckt\n")},
        {"", QStringLiteral("1 Seite wird gedruckt\n")},
    };
    for (const auto& c : cases) {
        const QString pdf = dir.filePath(QStringLiteral("seiten.pdf"));
        const CliResult r = runCli(args(writeFile(dir, QStringLiteral("seiten.ktp"), c.text), pdf));
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, c.out) << c.text.size() << " bytes";
    }
    // The empty text: one page with nothing on it, not even header and footer.
    EXPECT_EQ(pdfPageCount(dir.filePath(QStringLiteral("seiten.pdf"))), 1);
    EXPECT_TRUE(pdfText(dir.filePath(QStringLiteral("seiten.pdf"))).trimmed().isEmpty());
}

TEST(CliPrintText, Windows1252TextNeedsNoDisplay) {
    QTemporaryDir dir;
    const QString file =
        writeFile(dir, QStringLiteral("umlaute.ktp"), "Gr\xFC\xDF\x65 \x80 5\nGl\xFC\x63k \xC4\xD6\xDC\n");
    const QString pdf = dir.filePath(QStringLiteral("umlaute.pdf"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const CliResult r = runCli(args(file, pdf), {}, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("1 Seite wird gedruckt\n"));
    const QStringList lines = pdfLines(pdf, 1);
    EXPECT_EQ(lines, QStringList({"TALVO", "Grüße € 5", "Glück ÄÖÜ", "Seite 1"}));
}

TEST(CliPrintText, FailuresAreGermanWithExitOneAndLeaveNoOutput) {
    QTemporaryDir dir;
    const QString file = writeFile(dir, QStringLiteral("da.ktp"), "x\r\n");
    const QString old = writeFile(dir, QStringLiteral("alt.pdf"), "alt");
    struct Case {
        QString file, pdf, says;
    } cases[] = {
        {dir.filePath(QStringLiteral("fehlt.ktp")), old, QStringLiteral("fehlt.ktp")},
        {dir.path(), dir.filePath(QStringLiteral("b.pdf")), QStringLiteral("kann nicht")},
        {file, dir.filePath(QStringLiteral("kein/ordner.pdf")), QStringLiteral("ordner.pdf")},
        {file, dir.path(), QStringLiteral("kann nicht")},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli(args(c.file, c.pdf));
        EXPECT_EQ(r.exitCode, 1) << c.file.toStdString() << " " << c.pdf.toStdString();
        EXPECT_EQ(r.out, QString());
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        if (c.pdf != old) {
            EXPECT_FALSE(QFileInfo(c.pdf).isFile());
        }
    }
    EXPECT_EQ(readFile(old), QByteArray("alt"));
}

TEST(CliPrintText, WrongUsageExitsWithTwo) {
    for (const QStringList& a :
         {QStringList{QStringLiteral("print-text")},
          QStringList{QStringLiteral("print-text"), QStringLiteral("a.ktp")},
          QStringList{QStringLiteral("print-text"), QStringLiteral("--pdf"), QStringLiteral("o.pdf")}}) {
        const CliResult r = runCli(a);
        EXPECT_EQ(r.exitCode, 2) << a.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Aufruf: talvo-cli print-text --pdf AUSGABE.pdf DATEI")))
            << r.err.toStdString();
    }
}

} // namespace

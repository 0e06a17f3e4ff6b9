#include "platform/default_printer.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/pdf_text.h"
#include "support/temp_files.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/text_frame.h"

#include <QAction>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace talvo;
using test::namedChild;

namespace {

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Tipp %1: 3 17 25 38 44 59 61 70").arg(i);
    return lines;
}

} // namespace

class TextFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ui::TextFrame> frame;
    test::MessageCapture capture;
    QList<test::ShownMessage>& messages = capture.shown();

    void click(const char* action) { namedChild<QAction>(*frame, action)->trigger(); }
    QPlainTextEdit* pane() { return namedChild<QPlainTextEdit>(*frame, "m1"); }
    QString dataPath(const QString& name) const { return dir->filePath(name); }
    QString dataDir() const { return dir->path() + QLatin1Char('/'); }
    QStringList files() const { return QDir(dir->path()).entryList(QDir::Files); }

  private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        capture.clear();
        // No test may reach a real printer of the machine.
        platform::setPrinterSourceForTests([] { return std::unique_ptr<QPrinter>(); });
        frame = std::make_unique<ui::TextFrame>(dataDir());
        frame->resize(500, 400);
        frame->show();
    }

    void cleanup() {
        frame.reset();
        platform::setPrinterSourceForTests({});
        ui::setNextFileName({});
    }

    void paneIsALightCyanFixedPitchTextWithThreeGlyphButtons() {
        QPlainTextEdit* textEdit = pane();
        QCOMPARE(textEdit->palette().color(QPalette::Base), QColor(217, 255, 255));
        QCOMPARE(textEdit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(textEdit->verticalScrollBar()->isVisible());
        const QFontMetrics metrics(textEdit->font());
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
        QCOMPARE(textEdit->font().pointSize(), 10);
        QVERIFY(!textEdit->isReadOnly());

        auto* bar = namedChild<QToolBar>(*frame, "ToolBar1");
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QStringList order;
        for (QAction* a : bar->actions()) {
            order << a->objectName();
            QVERIFY(!a->icon().isNull());
        }
        QCOMPARE(order, QStringList({"BOeffnen", "BSpeichern", "BDrucken"}));
    }

    void openAndSaveRoundTripUmlautsByteForByte() {
        const QByteArray bytes("Tipps f\xFCr die Woche\r\n\r\n\xC4 \xD6 \xDC \xE4 \xF6 \xFC \xDF \x80 \xA0"
                               "Ende\r\n");
        const QString source = test::writeFile(*dir, QStringLiteral("woche.ktp"), bytes);
        pane()->setPlainText(QStringLiteral("alt"));
        ui::setNextFileName(source);
        click("BOeffnen");
        const auto opened = ui::lastFileDialogRequest();
        QCOMPARE(opened.title, QStringLiteral("KENO-Tipp-Datei öffnen"));
        QCOMPARE(opened.filter, QStringLiteral("KENO-Tipp-Datei|*.ktp"));
        QCOMPARE(opened.folder, dataDir());
        QCOMPARE(frame->lines(), QStringList({QStringLiteral("Tipps für die Woche"), QString(),
                                              QStringLiteral("Ä Ö Ü ä ö ü ß € \u00A0Ende")}));

        // A name without extension gets ".ktp"; an existing file is replaced without asking.
        test::writeFile(*dir, QStringLiteral("kopie.ktp"), "vorher\r\n");
        ui::setNextFileName(dataPath(QStringLiteral("kopie")));
        click("BSpeichern");
        const auto saved = ui::lastFileDialogRequest();
        QCOMPARE(saved.title, QStringLiteral("KENO-Tipp-Datei speichern"));
        QCOMPARE(saved.filter, QStringLiteral("KENO-Tipp-Datei|*.ktp"));
        QCOMPARE(saved.folder, dataDir());
        QCOMPARE(test::readFile(dataPath(QStringLiteral("kopie.ktp"))), bytes);
        QVERIFY(messages.isEmpty());
    }

    void typedTextIsSavedLineByLine() {
        pane()->setFocus();
        QTest::keyClicks(pane(), QStringLiteral("Zahlen"));
        QTest::keyClick(pane(), Qt::Key_Return);
        QTest::keyClicks(pane(), QStringLiteral("7 8"));
        QTest::keyClick(pane(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(pane(), QStringLiteral("9"));
        ui::setNextFileName(dataPath(QStringLiteral("getippt.ktp")));
        click("BSpeichern");
        QCOMPARE(test::readFile(dataPath(QStringLiteral("getippt.ktp"))),
                 QByteArray("Zahlen\r\n7 8\r\n9\r\n"));
    }

    void cancelledDialogsAndFileErrorsKeepThePane() {
        pane()->setPlainText(QStringLiteral("bleibt"));
        ui::setNextFileName(QString());
        click("BOeffnen");
        ui::setNextFileName(QString());
        click("BSpeichern");
        QCOMPARE(frame->lines(), QStringList({"bleibt"}));
        QVERIFY(messages.isEmpty());
        QCOMPARE(files(), QStringList());

        ui::setNextFileName(dataPath(QStringLiteral("fehlt.ktp")));
        click("BOeffnen");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, ui::MessageIcon::Error);
        QVERIFY2(messages[0].text.contains(QStringLiteral("fehlt.ktp")), qPrintable(messages[0].text));
        QCOMPARE(frame->lines(), QStringList({"bleibt"}));

        ui::setNextFileName(dataPath(QStringLiteral("kein/ordner.ktp")));
        click("BSpeichern");
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[1].icon, ui::MessageIcon::Error);
        QCOMPARE(frame->lines(), QStringList({"bleibt"}));
    }

    void charactersTheFileCannotHoldAreAskedAbout() {
        frame->setLines({QStringLiteral("Łódź")});
        capture.answer(false);
        click("BSpeichern");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, ui::MessageIcon::Question);
        QVERIFY(files().isEmpty());

        capture.answer(true);
        ui::setNextFileName(dataPath(QStringLiteral("stadt.ktp")));
        click("BSpeichern");
        QCOMPARE(test::readFile(dataPath(QStringLiteral("stadt.ktp"))), QByteArray("?\xF3\x64?\r\n"));
    }

    void printsOnTheDefaultPrinterWithoutAnyDialog() {
        const QString out = dataPath(QStringLiteral("drucker.pdf"));
        platform::setPrinterSourceForTests([out] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(out);
            printer->setPageSize(QPageSize(QPageSize::A4));
            return printer;
        });
        frame->setLines(numberedLines(80));
        ui::setNextFileName(QStringLiteral("/nicht/gefragt.pdf"));
        click("BDrucken");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("2 Seite wird gedruckt"));
        QCOMPARE(messages[0].icon, ui::MessageIcon::Plain);
        QCOMPARE(test::pdfPageCount(out), 2);
        const QStringList page2 = test::pdfLines(out, 2);
        QVERIFY2(page2.contains(QStringLiteral("TALVO")), qPrintable(page2.join('\n')));
        QVERIFY2(page2.contains(QStringLiteral("Seite 2")), qPrintable(page2.join('\n')));
        QVERIFY2(page2.contains(QStringLiteral("Tipp 80: 3 17 25 38 44 59 61 70")),
                 qPrintable(page2.join('\n')));
        ui::setNextFileName({});
    }

    void withoutPrinterThePagesCanBeSavedAsPdf() {
        frame->setLines(numberedLines(80));
        capture.answer(false);
        click("BDrucken");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, ui::MessageIcon::Question);
        QVERIFY2(messages[0].text.contains(QStringLiteral("kein Drucker")), qPrintable(messages[0].text));
        QVERIFY(files().isEmpty());

        capture.answer(true);
        ui::setNextFileName(dataPath(QStringLiteral("tipps")));
        click("BDrucken");
        QCOMPARE(ui::lastFileDialogRequest().title, QStringLiteral("Als PDF-Datei speichern"));
        QCOMPARE(ui::lastFileDialogRequest().filter, QStringLiteral("PDF-Datei|*.pdf"));
        QCOMPARE(ui::lastFileDialogRequest().folder, dataDir());
        const QString pdf = dataPath(QStringLiteral("tipps.pdf"));
        // Nothing was printed, so the message names the file instead of a print job.
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages[2].text,
                 QStringLiteral("2 Seiten als PDF gespeichert: ") + QDir::toNativeSeparators(pdf));
        QCOMPARE(messages[2].icon, ui::MessageIcon::Information);
        QCOMPARE(test::pdfPageCount(pdf), 2);
        const QString all = test::pdfText(pdf);
        QVERIFY(all.contains(QStringLiteral("Tipp 1: 3 17")));
        QVERIFY(all.contains(QStringLiteral("Seite 1")));
        QVERIFY(all.contains(QStringLiteral("Seite 2")));

        // Cancelling the save dialog prints nothing and reports nothing.
        ui::setNextFileName(QString());
        click("BDrucken");
        QCOMPARE(messages.size(), 4);
    }

    void aSinglePageIsNamedInTheSingular() {
        frame->setLines(numberedLines(3));
        ui::setNextFileName(dataPath(QStringLiteral("kurz.pdf")));
        click("BDrucken");
        QCOMPARE(messages.last().text, QStringLiteral("1 Seite als PDF gespeichert: ") +
                                           QDir::toNativeSeparators(dataPath(QStringLiteral("kurz.pdf"))));
        QCOMPARE(test::pdfPageCount(dataPath(QStringLiteral("kurz.pdf"))), 1);
    }

    void emptyPanePrintsNothingAndSaysSo_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("leer") << QString();
        QTest::newRow("nur Leerzeilen") << QStringLiteral("\n\n  \n\t");
    }

    void emptyPanePrintsNothingAndSaysSo() {
        QFETCH(QString, text);
        bool printerAsked = false;
        platform::setPrinterSourceForTests([&printerAsked] {
            printerAsked = true;
            return std::unique_ptr<QPrinter>();
        });
        pane()->setPlainText(text);
        ui::setNextFileName(dataPath(QStringLiteral("leer.pdf")));
        click("BDrucken");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu drucken."));
        QCOMPARE(messages[0].icon, ui::MessageIcon::Information);
        QVERIFY(!printerAsked);
        QVERIFY(files().isEmpty());
    }
};

QTEST_MAIN(TextFrameTest)
#include "test_text_frame.moc"

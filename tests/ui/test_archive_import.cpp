#include "logic/core/history_file.h"
#include "logic/draws/archive_export.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics.h"
#include "support/cli_runner.h"
#include "support/draw_counts.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "support/undo_files.h"
#include "support/visible_window.h"
#include "tools/generated_history.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/draws/draw_panel.h"
#include "ui/draws/import_window.h"
#include "ui/navigation/navigator.h"
#include "ui/statistics/statistics_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

using namespace talvo;
using test::namedChild;

// The whole program: the archive import through the menu with its preview, the history,
// the main window's lists and the statistics following it, the undo, and the CSV export.
class ArchiveImportTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths = data.paths();
    logic::DrawHistory full = tools::generatedHistory(80, QDate(2024, 1, 2), 5);
    test::MessageCapture capture;
    QStringList& messages = capture.texts();

    ui::ImportWindow* importFile(ui::Application& program, const QString& file) {
        ui::setNextFileName(file);
        namedChild<QAction>(*program.mainWindow(), "MImport")->trigger();
        auto* window = qobject_cast<ui::ImportWindow*>(test::visibleWindow("FImport"));
        if (!window)
            return nullptr;
        QSignalSpy ready(window, &ui::ImportWindow::previewReady);
        if (!ready.wait(10000))
            return nullptr;
        return window;
    }

    static QString count(QWidget* window, const char* name) {
        return namedChild<QLabel>(*window, name)->text();
    }

  private slots:
    void init() {
        capture.clear();
        const QDate newest = logic::serialToDate(full.back().datum);
        ui::setClockForTests([newest] { return QDateTime(newest.addDays(1), QTime(20, 0)); });
        logic::saveDrawHistory(paths.historyFile(), logic::DrawHistory(full.begin(), full.end() - 12));
        for (const QString& name : QDir(paths.dataDir).entryList({QStringLiteral("KenoZahlen.tpp.undo-*")}))
            QFile::remove(QDir(paths.dataDir).filePath(name));
    }

    void cleanup() {
        ui::setClockForTests({});
        ui::setNextFileName({});
    }

    void importPreviewThenImportThenUndo() {
        const QByteArray before = test::readFile(paths.historyFile());
        // The archive: every draw, one of them differing from the stored one, and a faulty row.
        logic::DrawHistory archived = full;
        archived[3].GZ[0] = archived[3].GZ[0] == 70 ? 69 : 70;
        std::sort(archived[3].GZ.begin(), archived[3].GZ.end());
        const QString csv = test::writeFile(
            data, QStringLiteral("archiv.csv"),
            (logic::drawsAsArchiveCsv(archived) + QStringLiteral("Summe;1;2;3\r\n")).toUtf8());

        ui::Application program(paths);
        program.start();
        ui::StatisticsWindow* stats = program.statisticsWindow();
        stats->findChild<QRadioButton*>(QStringLiteral("RG1_1"))->click(); // the last 10 draws

        ui::ImportWindow* window = importFile(program, csv);
        QVERIFY(window);
        QCOMPARE(ui::helpContext(window), 110);
        QCOMPARE(count(window, "LNeu"), QStringLiteral("12"));
        QCOMPARE(count(window, "LErsetzt"), QStringLiteral("0"));
        QCOMPARE(count(window, "LAbweichend"), QStringLiteral("1"));
        QCOMPARE(count(window, "LGleich"), QStringLiteral("67"));
        QCOMPARE(count(window, "LFehlerhaft"), QStringLiteral("1"));
        auto* faulty = namedChild<QTableWidget>(*window, "GFehler");
        QCOMPARE(faulty->rowCount(), 1);
        QCOMPARE(faulty->item(0, 0)->text(), QStringLiteral("82"));
        QCOMPARE(faulty->item(0, 1)->text(), QStringLiteral("\"Summe\" ist kein Datum."));

        // The command line reports the same counts for the same file and history.
        const auto cli =
            test::runCli({QStringLiteral("import"), QStringLiteral("--history"), paths.historyFile(), csv,
                          QStringLiteral("--dry-run"), QStringLiteral("--now"),
                          ui::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))});
        QCOMPARE(
            cli.out.section(u'\n', 0, 5),
            QStringLiteral("neu\t12\nersetzt\t0\nabweichend\t1\ngleich\t67\nfehlerhaft\t1\nplatzhalter\t") +
                count(window, "LPlatzhalter"));

        namedChild<QCheckBox>(*window, "cbErsetzen")->setChecked(true);
        QCOMPARE(count(window, "LErsetzt"), QStringLiteral("1"));
        QCOMPARE(count(window, "LAbweichend"), QStringLiteral("0"));
        QVERIFY(messages.isEmpty());

        // Saying no to the confirmation changes nothing.
        capture.answer(false);
        namedChild<QPushButton>(*window, "BImportieren")->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("12 Ziehungen kommen neu hinzu, 1 gespeicherte")));
        QCOMPARE(program.state().history().size(), 68u);

        capture.answer(true);
        namedChild<QPushButton>(*window, "BImportieren")->click();
        QCOMPARE(program.state().history(), logic::loadDrawHistory(paths.historyFile()));
        QCOMPARE(program.state().history().size(), 80u);
        QCOMPARE(program.state().history()[3].GZ, archived[3].GZ);
        QCOMPARE(test::newestUndoBytes(paths.historyFile()), before);
        auto* drawNumberCombo = namedChild<QComboBox>(*program.mainWindow(), "comboNr");
        QCOMPARE(drawNumberCombo->count(), 80);
        QCOMPARE(drawNumberCombo->currentText(), QStringLiteral("80"));
        QCOMPARE(stats->statistics().result(logic::StatisticKind::Numbers)->occurrences,
                 test::drawCounts(full.end() - 10, full.end()));
        // The preview now finds nothing new.
        QCOMPARE(count(window, "LGleich"), QStringLiteral("80"));
        QVERIFY(!namedChild<QPushButton>(*window, "BImportieren")->isEnabled());
        window->close();

        // Undo: asked, then the history, the lists and the statistics are as before.
        messages.clear();
        namedChild<QAction>(*program.mainWindow(), "MRueckgaengig")->trigger();
        QCOMPARE(messages.size(), 1);
        // The question names the change it takes back.
        QVERIFY(messages[0].contains(QStringLiteral("\"Import ")));
        QVERIFY(messages[0].contains(QStringLiteral(": 12 neu, 0 Platzhalter, 1 ersetzt\"")));
        QCOMPARE(test::readFile(paths.historyFile()), before);
        QCOMPARE(test::undoFileCount(paths.historyFile()), 0);
        QCOMPARE(program.state().history().size(), 68u);
        QCOMPARE(drawNumberCombo->count(), 68);
        // The entry page stands on the last restored draw, which the board shows.
        QCOMPARE(namedChild<QComboBox>(*program.mainWindow(), "comboNr2")->currentText(),
                 QStringLiteral("68"));
        QCOMPARE(program.mainWindow()->drawPanel()->markedNumbers(),
                 program.state().history().back().numberSet());
        QCOMPARE(stats->statistics().result(logic::StatisticKind::Numbers)->occurrences,
                 test::drawCounts(full.end() - 22, full.end() - 12));
        // The undo is no change of its own: nothing is left to take back.
        namedChild<QAction>(*program.mainWindow(), "MRueckgaengig")->trigger();
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[1].contains(QStringLiteral("keine Änderung")));
        QCOMPARE(program.state().history().size(), 68u);
    }

    void aFileWithoutDrawsChangesNothing() {
        const QByteArray before = test::readFile(paths.historyFile());
        QByteArray noise(30000, '\0');
        QRandomGenerator random(110);
        for (char& b : noise)
            b = static_cast<char>(random.bounded(256));
        ui::Application program(paths);
        program.start();

        ui::ImportWindow* window =
            importFile(program, test::writeFile(data, QStringLiteral("rauschen.csv"), noise));
        QVERIFY(window);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("keine Ziehung")));
        QVERIFY(!namedChild<QPushButton>(*window, "BImportieren")->isEnabled());
        QCOMPARE(count(window, "LNeu"), QStringLiteral("0"));
        // The faulty lines stay listed, so the user sees why nothing could be taken.
        QVERIFY(count(window, "LFehlerhaft") != QStringLiteral("0"));
        QVERIFY(namedChild<QTableWidget>(*window, "GFehler")->rowCount() > 0);
        QVERIFY(namedChild<QLabel>(*window, "LStatus")->text().contains(QStringLiteral("Erwartet wird")));
        QCOMPARE(test::readFile(paths.historyFile()), before);
        window->close();

        // Cancelling the first choice of a file closes the window again.
        ui::setNextFileName(QString());
        namedChild<QAction>(*program.mainWindow(), "MImport")->trigger();
        QVERIFY(test::visibleWindow("FImport"));
        QTRY_VERIFY(!test::visibleWindow("FImport"));
    }

    void entryPageLinkOpensTheImport() {
        ui::Application program(paths);
        program.start();
        auto* link = namedChild<QLabel>(*program.mainWindow(), "LImport");
        QVERIFY(link->isEnabled());
        ui::setNextFileName(QString());
        emit link->linkActivated(QStringLiteral("import"));
        QVERIFY(test::visibleWindow("FImport"));
        QTRY_VERIFY(!test::visibleWindow("FImport"));
    }

    void csvExportOfADateRange() {
        ui::Application program(paths);
        program.start();
        namedChild<QAction>(*program.mainWindow(), "MCsvExport")->trigger();
        QWidget* window = test::visibleWindow("FCsvExport");
        QVERIFY(window);
        QCOMPARE(ui::helpContext(window), 110);
        const logic::DrawHistory& history = program.state().history();
        QCOMPARE(namedChild<QLabel>(*window, "LAnzahl")->text(),
                 QStringLiteral("68 Ziehungen werden exportiert."));

        namedChild<QCheckBox>(*window, "cbZeitraum")->setChecked(true);
        namedChild<QDateEdit>(*window, "DTVon")->setDate(logic::serialToDate(history[10].datum));
        namedChild<QDateEdit>(*window, "DTBis")->setDate(logic::serialToDate(history[19].datum));
        QCOMPARE(namedChild<QLabel>(*window, "LAnzahl")->text(),
                 QStringLiteral("10 Ziehungen werden exportiert."));
        const QString out = data.filePath(QStringLiteral("export.csv"));
        ui::setNextFileName(out);
        namedChild<QPushButton>(*window, "BExportieren")->click();
        QCOMPARE(test::readFile(out), logic::drawsAsArchiveCsv(history, static_cast<int>(history[10].datum),
                                                               static_cast<int>(history[19].datum))
                                          .toUtf8());
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith(QStringLiteral("10 Ziehungen sind in")));

        // A range that ends before it begins exports nothing.
        namedChild<QDateEdit>(*window, "DTBis")->setDate(logic::serialToDate(history[5].datum));
        ui::setNextFileName(data.filePath(QStringLiteral("nichts.csv")));
        namedChild<QPushButton>(*window, "BExportieren")->click();
        QCOMPARE(messages.size(), 2);
        QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("nichts.csv"))));
        ui::setNextFileName({});
        window->close();
    }
};

QTEST_MAIN(ArchiveImportTest)
#include "test_archive_import.moc"

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/core/number_set.h"
#include "logic/core/paths.h"
#include "logic/core/slip_file.h"
#include "logic/draws/archive_export.h"
#include "logic/slips/slip_editor.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics.h"
#include "logic/tips/tip_generator.h"
#include "support/builders.h"
#include "support/cli_runner.h"
#include "support/draw_counts.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/shown_results.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "support/visible_window.h"
#include "tools/generated_history.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/app/start_window.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/draws/import_window.h"
#include "ui/evaluation/evaluation_area.h"
#include "ui/slips/slip_centre_window.h"
#include "ui/slips/slip_editor_frame.h"
#include "ui/statistics/statistics_window.h"
#include "ui/tips/tip_centre_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QWindow>
#include <QtTest>

using namespace talvo;
using test::namedChild;

// One user's way through the program, window by window as they would click it: the
// first start, the lottery's archive, a draw of their own, the demo slip, statistics, a
// tip that becomes a slip of their own, its evaluation, and taking the draw back. Each
// step looks at what the user sees and at the files it leaves; evaluations are held
// against the command line, which prints the same tables from the same files.
class WalkTest : public QObject {
    Q_OBJECT

    test::TempFolder home;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();
    logic::DrawHistory archive = tools::generatedHistory(120, QDate(2004, 2, 2), 23);
    QDateTime now;

    QString nowText() const { return now.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

    // What the command line reports for the slips in `file`: its tables and its messages.
    test::CliResult evaluated(const logic::AppPaths& paths, const QString& file) const {
        return test::runCli({QStringLiteral("evaluate"), QStringLiteral("--history"), paths.historyFile(),
                             QStringLiteral("--slips"), file, QStringLiteral("--laufzeit"),
                             QStringLiteral("--now"), nowText()});
    }

    // The messages shown since the last call, as the command line writes them.
    QString takeMessages() {
        QString text;
        for (QString m : std::as_const(messages))
            text += m.replace(QLatin1Char('\r'), QLatin1Char('\n')) + QLatin1Char('\n');
        messages.clear();
        return text;
    }

  private slots:
    void init() {
        // The program's own paths, as it builds them at start, with the user's folders
        // in a fresh home and the program folder of the build.
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
        capture.clear();
        // The evening of the first draw day after the archive.
        QDate today = logic::serialToDate(archive.back().datum).addDays(1);
        if (today.dayOfWeek() == Qt::Sunday)
            today = today.addDays(1);
        now = QDateTime(today, QTime(20, 0));
        ui::setClockForTests([this] { return now; });
    }

    void cleanup() {
        ui::setClockForTests({});
        ui::setNextFileName({});
    }

    void fromTheFirstStartToTheUndo() {
        const logic::AppPaths paths =
            logic::AppPaths::forUser(logic::AppPaths::programFolder(QStringLiteral(TALVO_BIN_DIR)));
        QVERIFY(QFileInfo::exists(paths.demoFile()));
        // The user has kept the first 100 draws by hand.
        logic::saveDrawHistory(paths.historyFile(),
                               logic::DrawHistory(archive.begin(), archive.begin() + 100));

        // Start → Weiter.
        ui::Application program(paths);
        program.start();
        ui::MainWindow& main = *program.mainWindow();
        namedChild<QPushButton>(*program.startWindow(), "BWeiter")->click();
        QVERIFY(main.isVisible());
        QVERIFY(!program.startWindow()->isVisible());
        QCOMPARE(namedChild<QComboBox>(main, "comboNr")->count(), 100);
        QVERIFY(messages.isEmpty());

        // Import the lottery's archive: 20 draws are new, the confirmation says so.
        const QString csv = test::writeFile(home, QStringLiteral("KENO-Archiv.csv"),
                                            logic::drawsAsArchiveCsv(archive).toUtf8());
        ui::setNextFileName(csv);
        namedChild<QAction>(main, "MImport")->trigger();
        auto* import = qobject_cast<ui::ImportWindow*>(test::visibleWindow("FImport"));
        QVERIFY(import);
        QSignalSpy ready(import, &ui::ImportWindow::previewReady);
        QVERIFY(ready.wait(10000));
        namedChild<QPushButton>(*import, "BImportieren")->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.takeFirst().contains(QStringLiteral("20 Ziehungen kommen neu hinzu")));
        QCOMPARE(logic::loadDrawHistory(paths.historyFile()), archive);
        import->close();
        const QByteArray imported = test::readFile(paths.historyFile());

        // Store a draw of their own at the date the entry page proposes.
        namedChild<QTabWidget>(main, "PC0")->setCurrentIndex(1);
        const QString proposed = namedChild<QComboBox>(main, "combo2")->currentText();
        const std::vector<int> numbers = test::run20(30);
        for (int n : numbers)
            namedChild<QPushButton>(main, QStringLiteral("lot%1").arg(n))->click();
        namedChild<QLineEdit>(main, "E77")->setText(QStringLiteral("54321"));
        namedChild<QPushButton>(main, "BSpeichern1")->click();
        QVERIFY(messages.isEmpty());
        const logic::DrawHistory stored = logic::loadDrawHistory(paths.historyFile());
        QCOMPARE(stored.size(), archive.size() + 1);
        QCOMPARE(logic::serialToText(stored.back().datum), proposed);
        QCOMPARE(stored.back(),
                 test::draw(logic::serialToDate(stored.back().datum), numbers, QStringLiteral("54321")));
        QCOMPARE(program.state().history(), stored);
        QCOMPARE(namedChild<QComboBox>(main, "comboNr")->count(), 121);

        // The demo slip from the program folder, over its running time: the tables and
        // messages of the command line for the same files.
        namedChild<QPushButton>(main, "BDemo")->click();
        QCOMPARE(namedChild<QTabWidget>(main, "PC2")->tabText(0), QStringLiteral("Demo"));
        namedChild<QPushButton>(main, "BLaufzeit")->click();
        const test::CliResult demo = evaluated(paths, paths.demoFile());
        QCOMPARE(demo.exitCode, 0);
        QCOMPARE(test::shownResults(main), demo.out);
        QVERIFY(main.evaluationArea()->activeFileFrame()->results()->count() >
                121); // the continuous slip: one per draw
        QCOMPARE(takeMessages(), demo.err);

        // Statistics of the last ten draws, the stored one among them.
        namedChild<QAction>(main, "TStatistik")->trigger();
        ui::StatisticsWindow* statistics = program.statisticsWindow();
        QVERIFY(statistics->isVisible());
        namedChild<QRadioButton>(*statistics, "RG1_1")->click();
        QCOMPARE(statistics->statistics().result(logic::StatisticKind::Numbers)->occurrences,
                 test::drawCounts(stored.end() - 10, stored.end()));

        // A tip of a six and a four from those statistics.
        namedChild<QAction>(*statistics, "BTipp")->trigger();
        ui::TipCentreWindow* tips = program.tipCentre();
        QVERIFY(tips->isVisible());
        QCOMPARE(tips->drawCountIndex(), 1);
        namedChild<QComboBox>(*tips, "CBSpiel1")->setCurrentIndex(5);
        namedChild<QComboBox>(*tips, "CBSpiel2")->setCurrentIndex(3);
        for (int i = 3; i <= 5; ++i)
            namedChild<QComboBox>(*tips, QStringLiteral("CBSpiel%1").arg(i))->setCurrentIndex(0);
        namedChild<QAction>(*tips, "BGenerieren")->trigger();
        QCOMPARE(tips->tipTabCount(), 1);
        const logic::Tip tip = tips->generator().tip();

        // The tip written into a slip: played for six draws from a week ago.
        namedChild<QAction>(*tips, "BSchreiben")->trigger();
        ui::SlipCentreWindow* centre = program.slipCentre();
        QVERIFY(centre->isVisible());
        ui::SlipEditorFrame* slip = centre->activeSlipFrame();
        for (int field = 1; field <= 2; ++field) {
            const logic::TipGame& game = tip.games[static_cast<std::size_t>(field - 1)];
            QCOMPARE(slip->editor().tickedNumbers(field),
                     logic::toNumberList(game.numbers, game.kenoType, 70));
        }
        namedChild<QComboBox>(*slip, "comboDauer")->setCurrentIndex(6);
        auto* startDateEdit = namedChild<QDateEdit>(*slip, "date1");
        const QDate start = logic::serialToDate(stored[stored.size() - 6].datum);
        startDateEdit->setDate(start);
        emit startDateEdit->editingFinished();
        namedChild<QPushButton>(*slip, "BGo")->click();
        QCOMPARE(namedChild<QTableWidget>(*centre, "GS")->rowCount(), 2);

        // Saved as a play-slip file of their own.
        ui::setNextFileName(home.filePath(QStringLiteral("data/TALVO/Mein Tipp")));
        namedChild<QAction>(*centre, "BSpeichern")->trigger();
        const QString saved = paths.dataDir + QStringLiteral("Mein Tipp.tix");
        const logic::SlipList slips = logic::loadSlips(saved);
        QCOMPARE(slips.size(), std::size_t{1});
        QCOMPARE((std::array<int, 2>{slips[0].typ[0], slips[0].typ[1]}), (std::array<int, 2>{6, 4}));
        QCOMPARE(logic::serialToDate(slips[0].ab), start);
        QVERIFY(messages.isEmpty());

        // The saved file opened in the main window and evaluated over its six draws.
        ui::setNextFileName(saved);
        namedChild<QAction>(main, "MOeffnen")->trigger();
        QCOMPARE(namedChild<QTabWidget>(main, "PC2")->tabText(1), QStringLiteral("Mein Tipp"));
        namedChild<QPushButton>(main, "BLaufzeit")->click();
        QCOMPARE(main.evaluationArea()->activeFileFrame()->results()->count(), 6);
        const test::CliResult mine = evaluated(paths, saved);
        QCOMPARE(mine.exitCode, 0);
        QCOMPARE(test::shownResults(main), mine.out);
        QCOMPARE(takeMessages(), mine.err);

        // Taking the stored draw back: asked first, then the archive's history is back.
        namedChild<QAction>(main, "MRueckgaengig")->trigger();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(test::readFile(paths.historyFile()), imported);
        QCOMPARE(program.state().history(), archive);
        QCOMPARE(namedChild<QComboBox>(main, "comboNr")->count(), 120);
        QCOMPARE(statistics->statistics().result(logic::StatisticKind::Numbers)->occurrences,
                 test::drawCounts(archive.end() - 10, archive.end()));

        // Every window the walk opened stays in front of the main window only: none is kept
        // above other programs.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!(window->windowFlags() & Qt::WindowStaysOnTopHint), qPrintable(window->objectName()));
            if (window->isVisible() && window != &main && window->windowHandle())
                QVERIFY2(window->windowHandle()->transientParent() == main.windowHandle(),
                         qPrintable(window->objectName()));
        }
    }
};

QTEST_MAIN(WalkTest)
#include "test_walk.moc"

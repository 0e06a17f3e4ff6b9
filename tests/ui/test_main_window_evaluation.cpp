#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/slip_file.h"
#include "logic/state/program_state.h"
#include "support/builders.h"
#include "support/cli_runner.h"
#include "support/history_builder.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/shown_results.h"
#include "support/temp_folder.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/draws/draw_panel.h"
#include "ui/evaluation/evaluation_area.h"
#include "ui/evaluation/result_tab_strip.h"
#include "ui/evaluation/result_tabs.h"
#include "ui/evaluation/slip_file_frame.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace talvo;

// The evaluation area of the main window: loading play-slip files, the three ways of
// evaluating, the result tabs and closing tabs.
class MainWindowEvaluationTest : public QObject {
    Q_OBJECT

    test::TempFolder dir;
    logic::AppPaths paths;
    test::MessageCapture capture;
    QList<test::ShownMessage>& messages = capture.shown();
    // Monday 05.02. to Saturday 17.02.2024 (12 draws).
    const logic::DrawHistory history = test::drawDays(QDate(2024, 2, 5), 12);

    QString slipFile(const QString& name, const logic::SlipList& slips) {
        const QString path = dir.filePath(name);
        logic::saveSlips(path, slips);
        return path;
    }

    static ui::ResultTabs* results(ui::MainWindow& w) {
        return w.evaluationArea()->activeFileFrame()->results();
    }

    static QStringList gridRow(QTableView* grid, int row) {
        QStringList cells;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            cells << grid->model()->index(row, c).data().toString();
        return cells;
    }

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }

  private slots:
    void init() {
        paths = dir.emptyDataAndProgramFolders();
        logic::saveDrawHistory(paths.historyFile(), history);
        capture.clear();
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 1), QTime(12, 0)); });
    }
    void cleanup() { ui::setClockForTests({}); }

    void loadingOpensAFileTabPerFile() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        auto* area = test::namedChild<QStackedWidget>(w, "evaluationArea");
        QCOMPARE(area->currentWidget()->objectName(), QStringLiteral("p100"));

        const QString path =
            slipFile(QStringLiteral("Woche.1.tix"),
                     {test::slip({{1, 2}, {3, 4, 5}, {}, {6, 7}}, 1, 8), test::slip({{8, 9}}, 0, 0)});
        w.evaluationArea()->loadEvaluationFile(path);
        w.evaluationArea()->loadEvaluationFile(path);
        QCOMPARE(w.evaluationArea()->fileTabCount(), 2);
        auto* resultTabs = test::namedChild<QTabWidget>(w, "PC2");
        QCOMPARE(resultTabs->tabText(0), QStringLiteral("Woche.1"));
        QCOMPARE(resultTabs->widget(0)->objectName(), QStringLiteral("TabAusw1"));
        QCOMPARE(resultTabs->widget(1)->objectName(), QStringLiteral("TabAusw2"));
        QCOMPARE(resultTabs->currentIndex(), 1);
        QCOMPARE(area->currentWidget(), resultTabs);
        QCOMPARE(w.evaluationArea()->evaluationSlips().size(), std::size_t{4});

        ui::SlipFileFrame* second = w.evaluationArea()->fileFrame(1);
        QCOMPARE(second->objectName(), QStringLiteral("Ausw2"));
        QCOMPARE(second->first(), 2);
        QCOMPARE(second->last(), 3);
        QTableView* listingView = second->listing();
        QCOMPARE(listingView->model()->rowCount(), 4);
        QCOMPARE(listingView->horizontalHeader()->sectionSize(0), 35);
        QCOMPARE(listingView->horizontalHeader()->sectionSize(17), 110);
        QCOMPARE(gridRow(listingView, 0).mid(0, 3), (QStringList{"1", "Test", "2"}));
        QCOMPARE(gridRow(listingView, 0).mid(13, 4), (QStringList{"nein", "2", "18", "02.01.2024"}));
        QCOMPARE(gridRow(listingView, 3).mid(0, 3), (QStringList{"4", "Test", "2"}));
        QCOMPARE(gridRow(listingView, 3)[15], QStringLiteral("Dauer"));

        // An empty file gets a tab with an empty listing, and its evaluations do nothing.
        w.evaluationArea()->loadEvaluationFile(slipFile(QStringLiteral("leer"), {}));
        QCOMPARE(resultTabs->tabText(2), QStringLiteral("leer"));
        QCOMPARE(w.evaluationArea()->fileFrame(2)->listing()->model()->rowCount(), 0);
        QCOMPARE(w.evaluationArea()->fileFrame(2)->last(), w.evaluationArea()->fileFrame(2)->first() - 1);
        w.evaluationArea()->evaluateOverRunTime();
        test::namedChild<QPushButton>(w, "Baktuell")->click();
        QCOMPARE(results(w)->count(), 0);
        QVERIFY(messages.isEmpty());
    }

    void openDialogAndTheDemoSlip() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        ui::setNextFileName(QString());
        w.evaluationArea()->openEvaluationFile();
        QCOMPARE(w.evaluationArea()->fileTabCount(), 0);
        ui::setNextFileName(slipFile(QStringLiteral("a.tix"), {test::slip({{1, 2}})}));
        w.findChild<QAction*>(QStringLiteral("MOeffnen"))->trigger();
        QCOMPARE(w.evaluationArea()->fileTabCount(), 1);

        w.evaluationArea()->loadDemoSlip();
        QCOMPARE(lastMessage(),
                 QStringLiteral("Die Datei mit dem Demo-Spielschein \"Demo.tix\" wurde nicht gefunden.\r\r"
                                "Ich muss abbrechen."));
        QCOMPARE(messages.last().icon, ui::MessageIcon::Error);
        QCOMPARE(w.evaluationArea()->fileTabCount(), 1);

        // The demo file the project ships lies beside the programs.
        QVERIFY(QFile::copy(QStringLiteral(TALVO_BIN_DIR "/Demo.tix"),
                            paths.programDir + QStringLiteral("Demo.tix")));
        test::namedChild<QPushButton>(w, "BDemo")->click();
        QCOMPARE(w.evaluationArea()->fileTabCount(), 2);
        QCOMPARE(test::namedChild<QTabWidget>(w, "PC2")->tabText(1), QStringLiteral("Demo"));
        QVERIFY(w.evaluationArea()->activeFileFrame()->listing()->model()->rowCount() >= 4);

        // A file that cannot be read opens no tab; the general error handling reports it.
        messages.clear();
        ui::setNextFileName(dir.filePath(QStringLiteral("fehlt.tix")));
        w.findChild<QAction*>(QStringLiteral("TOeffnen"))->trigger();
        QCOMPARE(messages.size(), 1);
        QVERIFY(lastMessage().contains(QStringLiteral("fehlt.tix")));
        QCOMPARE(w.evaluationArea()->fileTabCount(), 2);
    }

    void evaluationNeedsALoadedFile() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        for (const char* button : {"Baktuell", "BLaufzeit"}) {
            messages.clear();
            test::namedChild<QPushButton>(w, button)->click();
            QCOMPARE(lastMessage(),
                     QStringLiteral("Sie haben keinen Spielschein für die Auswertung eingelesen.\r\r"
                                    "Ich breche erst einmal ab."));
            QCOMPARE(messages.last().icon, ui::MessageIcon::Information);
        }
        messages.clear();
        test::namedChild<QToolButton>(w, "BZeitraum")->click();
        QCOMPARE(messages.size(), 1);
    }

    void currentDrawEvaluatesTheMarkedNumbers() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        w.evaluationArea()->loadEvaluationFile(
            slipFile(QStringLiteral("s.tix"), {test::slip({{1, 2}, {3, 4, 5}}), test::slip({{6, 7}}, 3)}));
        test::namedChild<QToolButton>(w, "closeFileTab")->click(); // nothing evaluated yet; the tab goes
        w.evaluationArea()->loadEvaluationFile(
            slipFile(QStringLiteral("s.tix"), {test::slip({{1, 2}, {3, 4, 5}}), test::slip({{6, 7}}, 3)}));

        // An empty board is refused with the error icon.
        test::namedChild<QPushButton>(w, "lot1")->click();
        for (int n = 1; n <= 70; ++n) {
            if (w.drawPanel()->markedNumbers().contains(n))
                test::namedChild<QPushButton>(w, QStringLiteral("lot%1").arg(n))->click();
        }
        QVERIFY(w.drawPanel()->markedNumbers().empty());
        test::namedChild<QPushButton>(w, "Baktuell")->click();
        QCOMPARE(lastMessage(), QStringLiteral("Keine Gewinnzahlen für die Auswertung angegeben."));
        QCOMPARE(messages.last().icon, ui::MessageIcon::Error);

        for (int n : {1, 2, 3, 6, 7})
            test::namedChild<QPushButton>(w, QStringLiteral("lot%1").arg(n))->click();
        test::namedChild<QLineEdit>(w, "E77")->setText(QStringLiteral("1234567"));
        test::namedChild<QPushButton>(w, "Baktuell")->click();
        ui::ResultTabs* r = results(w);
        QCOMPARE(r->count(), 1);
        QCOMPARE(r->tabName(0), QStringLiteral("TabG1"));
        QCOMPARE(r->tabBar()->tabText(0), QStringLiteral("17.02.2024"));
        QTableView* gridView = r->grid();
        QCOMPARE(gridView->property("tag").toInt(), 0);
        QCOMPARE(gridView->model()->rowCount(), 3);
        QCOMPARE(gridRow(gridView, 0), (QStringList{"1", "2", "2", "1", "6", "6", "", "6", "5,00"}));
        QCOMPARE(gridRow(gridView, 2), (QStringList{"3", "2", "2", "10", "6", "60", "", "66", "54,00"}));
        QCOMPARE(gridView->horizontalHeader()->sectionSize(7), 90);
        QCOMPARE(gridView->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Saldo"));
    }

    void runningTimeOpensATabPerDraw() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.evaluationArea()->loadEvaluationFile(
            slipFile(QStringLiteral("s.tix"),
                     {test::slip({{1, 2}}, 0, 3, QDate(2024, 2, 6), QStringLiteral("Eins")),
                      test::slip({{3, 4}}, 0, 3, QDate(2024, 2, 13), QStringLiteral("Zwei")),
                      test::slip({{5, 6}}, 0, 3, QDate(2024, 2, 19), QStringLiteral("Spät"))}));
        test::namedChild<QPushButton>(w, "BLaufzeit")->click();
        QCOMPARE(lastMessage(),
                 QStringLiteral("Für einen Spielschein war keine Auswertung möglich, da für dessen "
                                "Laufzeit keine Angaben vorhanden sind."));
        ui::ResultTabs* r = results(w);
        QCOMPARE(r->count(), 6);
        QCOMPARE(r->tabBar()->tabText(0), QStringLiteral("Eins: 06.02.2024"));
        QCOMPARE(r->tabBar()->tabText(5), QStringLiteral("Zwei: 15.02.2024"));
        QCOMPARE(r->tabName(5), QStringLiteral("TabG6"));
        QCOMPARE(r->currentIndex(), 5);
        QCOMPARE(r->grid()->property("tag").toInt(), 9);
        // Showing the last table selects no draw.
        QCOMPARE(test::namedChild<QComboBox>(w, "comboDatum")->currentIndex(), 11);

        // The user's choice of a tab selects its draw in the lists and on the board.
        ui::ResultTabStrip* strip = r->tabBar();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(4).center());
        QCOMPARE(r->currentIndex(), 4);
        QCOMPARE(test::namedChild<QComboBox>(w, "comboDatum")->currentIndex(), 8);
        QCOMPARE(test::namedChild<QComboBox>(w, "comboNr")->currentIndex(), 8);
        QCOMPARE(test::namedChild<QPushButton>(w, "Baktuell")->text(), QStringLiteral("14.02.2024"));
        QVERIFY(test::namedChild<QPushButton>(w, "lot" + QString::number(history[8].GZ[0]))->isChecked());
        QTest::keyClick(strip, Qt::Key_Home);
        QCOMPARE(test::namedChild<QComboBox>(w, "comboDatum")->currentIndex(), 1);

        // A second evaluation numbers its tabs on.
        test::namedChild<QPushButton>(w, "BLaufzeit")->click();
        QCOMPARE(r->count(), 12);
        QCOMPARE(r->tabName(11), QStringLiteral("TabG12"));

        // The left icon button closes the shown tab, the right one all of them.
        test::namedChild<QToolButton>(*w.evaluationArea()->activeFileFrame(), "closeResultTab")->click();
        QCOMPARE(r->count(), 11);
        QCOMPARE(r->currentIndex(), 10);
        QCOMPARE(r->tabName(10), QStringLiteral("TabG11"));
        test::namedChild<QToolButton>(*w.evaluationArea()->activeFileFrame(), "closeAllResultTabs")->click();
        QCOMPARE(r->count(), 0);
        QCOMPARE(r->grid()->model()->rowCount(), 0);
        test::namedChild<QToolButton>(*w.evaluationArea()->activeFileFrame(), "closeResultTab")->click();
        QCOMPARE(r->count(), 0);
    }

    void longNamesAndDatesAreShownWhole() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        w.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QString name = QStringLiteral("Tippgemeinschaft Süd");
        w.evaluationArea()->loadEvaluationFile(
            slipFile(QStringLiteral("lang.tix"), {test::slip({{1, 2}}, 0, 2, QDate(2024, 2, 15), name)}));
        QTableView* listingView = w.evaluationArea()->activeFileFrame()->listing();
        const QFontMetrics cells(listingView->font());
        QVERIFY(listingView->columnWidth(1) > cells.horizontalAdvance(name));
        QVERIFY(listingView->columnWidth(16) > cells.horizontalAdvance(QStringLiteral("15.02.2024")));

        test::namedChild<QPushButton>(w, "BLaufzeit")->click();
        ui::ResultTabStrip* strip = results(w)->tabBar();
        QCOMPARE(strip->count(), 2);
        const QFontMetrics captions(strip->font());
        for (int i = 0; i < strip->count(); ++i)
            QVERIFY2(strip->tabRect(i).width() >= captions.horizontalAdvance(strip->tabText(i)) +
                                                      strip->style()->pixelMetric(QStyle::PM_TabBarTabHSpace),
                     qPrintable(strip->tabText(i)));
    }

    void aTableOfTheCurrentDrawSelectsNoDraw() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.evaluationArea()->loadEvaluationFile(
            slipFile(QStringLiteral("s.tix"), {test::slip({{1, 2}}, 0, 1, QDate(2024, 2, 6))}));
        test::namedChild<QPushButton>(w, "BLaufzeit")->click();
        test::namedChild<QPushButton>(w, "Baktuell")->click();
        auto* drawDateCombo = test::namedChild<QComboBox>(w, "comboDatum");
        drawDateCombo->setCurrentIndex(4);
        emit drawDateCombo->activated(4);
        ui::ResultTabStrip* strip = results(w)->tabBar();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(0).center());
        QCOMPARE(drawDateCombo->currentIndex(), 1);
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(1).center());
        QCOMPARE(drawDateCombo->currentIndex(), 1);
    }

    void dateRangeEvaluatesEverySlipOverTheRange() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        w.evaluationArea()->loadEvaluationFile(
            slipFile(QStringLiteral("s.tix"), {test::slip({{1, 2}}, 0, 1, QDate(2030, 1, 1)),
                                               test::slip({{3, 4}}, 0, 1, QDate(2020, 1, 1))}));
        test::namedChild<QDateEdit>(w, "DateV")->setDate(QDate(2024, 2, 5));
        test::namedChild<QDateEdit>(w, "DateB")->setDate(QDate(2024, 2, 17));
        test::namedChild<QToolButton>(w, "BZeitraum")->click();
        QCOMPARE(results(w)->count(), 24);
        test::namedChild<QDateEdit>(w, "DateV")->setDate(QDate(2024, 2, 10));
        test::namedChild<QDateEdit>(w, "DateB")->setDate(QDate(2024, 2, 10));
        test::namedChild<QToolButton>(w, "BZeitraum")->click();
        QCOMPARE(results(w)->count(), 26);
        QVERIFY(messages.isEmpty());
    }

    void typedDatesCountWithoutEnterAndFromAfterToIsExplained() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.evaluationArea()->loadEvaluationFile(
            slipFile(QStringLiteral("s.tix"), {test::slip({{1, 2}}, 0, 1)}));
        auto* fromField = test::namedChild<QDateEdit>(w, "DateV");
        QCOMPARE(fromField->date(), QDate(2024, 2, 12)); // preset from the newest draw, Saturday 17.02.
        // 10.02. typed over the field, then straight to the button: Saturday 10.02. and
        // Monday 12.02. to Saturday 17.02. are seven draws.
        fromField->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(fromField, QStringLiteral("10022024"));
        test::namedChild<QToolButton>(w, "BZeitraum")->click();
        QCOMPARE(results(w)->count(), 7);
        QVERIFY(messages.isEmpty());

        // fromField after bis: nothing is evaluated, and the user is told why.
        test::namedChild<QDateEdit>(w, "DateB")->setDate(QDate(2024, 2, 14));
        fromField->setDate(QDate(2024, 2, 16));
        test::namedChild<QToolButton>(w, "BZeitraum")->click();
        QCOMPARE(results(w)->count(), 7);
        QCOMPARE(lastMessage(), QStringLiteral("Das Datum \"von\" liegt nach dem Datum \"bis\". Bitte den "
                                               "Zeitraum berichtigen."));
        QCOMPARE(messages.last().icon, ui::MessageIcon::Information);
    }

    void aBadPlusFiveNumberStopsWithAMessageAndKeepsTheTables() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        logic::SlipRecord bad = test::slip({{1, 2}}, 0, 2, QDate(2024, 2, 6), QStringLiteral("Kaputt"));
        bad.p5 = 1;
        bad.plus5.setText(QStringLiteral("12a"));
        w.evaluationArea()->loadEvaluationFile(
            slipFile(QStringLiteral("s.tix"), {test::slip({{1, 2}}, 0, 2, QDate(2024, 2, 6)), bad}));
        test::namedChild<QPushButton>(w, "BLaufzeit")->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(lastMessage().contains(QStringLiteral("\"12a\"")));
        QCOMPARE(messages.last().icon, ui::MessageIcon::Error);
        QCOMPARE(results(w)->count(), 3);
    }

    void closingFileTabsBringsBackTheHelpPanel() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        auto* area = test::namedChild<QStackedWidget>(w, "evaluationArea");
        const QString path = slipFile(QStringLiteral("s.tix"), {test::slip({{1, 2}})});
        w.evaluationArea()->loadEvaluationFile(path);
        w.evaluationArea()->loadEvaluationFile(path);
        w.evaluationArea()->loadEvaluationFile(path);
        test::namedChild<QToolButton>(w, "closeFileTab")->click();
        QCOMPARE(w.evaluationArea()->fileTabCount(), 2);
        QCOMPARE(area->currentWidget()->objectName(), QStringLiteral("PC2"));
        test::namedChild<QToolButton>(w, "closeAllFileTabs")->click();
        QCOMPARE(w.evaluationArea()->fileTabCount(), 0);
        QCOMPARE(area->currentWidget()->objectName(), QStringLiteral("p100"));
        QCOMPARE(w.evaluationArea()->evaluationSlips().size(), std::size_t{3});
        test::namedChild<QPushButton>(w, "BLaufzeit")->click();
        QVERIFY(lastMessage().startsWith(QStringLiteral("Sie haben keinen Spielschein")));

        // Counters go on after closing.
        w.evaluationArea()->loadEvaluationFile(path);
        QCOMPARE(test::namedChild<QTabWidget>(w, "PC2")->widget(0)->objectName(), QStringLiteral("TabAusw4"));
        test::namedChild<QToolButton>(w, "closeFileTab")->click();
        QCOMPARE(area->currentWidget()->objectName(), QStringLiteral("p100"));
    }

    // What the window shows, cell for cell, is what the command line prints.
    void theCommandLinePrintsWhatTheWindowShows() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        logic::SlipRecord p5 =
            test::slip({{}, {10, 11, 12, 13, 14, 15, 16, 17}}, 2, 0, QDate(2024, 2, 7), QStringLiteral("P"));
        p5.p5 = 1;
        p5.plus5.setText(QStringLiteral("10005"));
        const QString path = slipFile(QStringLiteral("s.tix"),
                                      {test::slip({{1, 2}, {5, 9, 30}}, 1, 7, QDate(2024, 2, 5)), p5});
        w.evaluationArea()->loadEvaluationFile(path);
        test::namedChild<QPushButton>(w, "BLaufzeit")->click();
        const QString shown = test::shownResults(w);
        const auto cli =
            test::runCli({QStringLiteral("evaluate"), QStringLiteral("--history"), paths.historyFile(),
                          QStringLiteral("--slips"), path, QStringLiteral("--laufzeit"),
                          QStringLiteral("--now"), QStringLiteral("2024-03-01 12:00")});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(results(w)->count(), 12 + 10);
        QCOMPARE(cli.out, shown);
    }
};

QTEST_MAIN(MainWindowEvaluationTest)
#include "test_main_window_evaluation.moc"

#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/state/program_state.h"
#include "support/builders.h"
#include "support/history_builder.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/draws/draw_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace talvo;

// The left column of the main window: the draw lists, the board, the date range preset
// and the draw-set export.
class MainWindowDrawsTest : public QObject {
    Q_OBJECT

    test::TempFolder dir;
    logic::AppPaths paths;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();

    void writeHistory(const logic::DrawHistory& h) { logic::saveDrawHistory(paths.historyFile(), h); }

    static QList<int> marked(QWidget& w) {
        QList<int> numbers;
        for (int n = 1; n <= 70; ++n) {
            if (w.findChild<QPushButton*>(QStringLiteral("lot%1").arg(n))->isChecked())
                numbers << n;
        }
        return numbers;
    }

    static QList<int> numbersOf(const logic::DrawRecord& d) {
        QList<int> numbers;
        for (auto n : d.GZ)
            numbers << n;
        return numbers;
    }

  private slots:
    void init() {
        paths = dir.emptyDataAndProgramFolders();
        capture.clear();
        ui::setClockForTests([] { return QDateTime(QDate(2024, 12, 31), QTime(12, 0)); });
    }
    void cleanup() { ui::setClockForTests({}); }

    void boardIsUsableByKeyboard() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget* board = test::namedChild<QWidget>(w, "GroupBox1");
        // Tab reaches the board from the controls before it.
        test::namedChild<QComboBox>(w, "comboNr")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 12 && QApplication::focusWidget() != board; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), board);

        struct Step {
            Qt::Key key;
            QList<int> marked;
        };
        // From 1: right to 2, down to 9, mark it, left to 8 and up past the top edge to 1,
        // mark 1, unmark 1; at the edges the frame stays.
        for (const Step& step :
             {Step{Qt::Key_Right, {}}, Step{Qt::Key_Down, {}}, Step{Qt::Key_Space, {9}},
              Step{Qt::Key_Left, {9}}, Step{Qt::Key_Up, {9}}, Step{Qt::Key_Up, {9}}, Step{Qt::Key_Left, {9}},
              Step{Qt::Key_Space, {1, 9}}, Step{Qt::Key_Space, {9}}}) {
            QTest::keyClick(board, step.key);
            QCOMPARE(marked(w), step.marked);
        }
        QCOMPARE(test::namedChild<QProgressBar>(w, "gauge1")->value(), 1);
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(board, Qt::Key_Down);
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(board, Qt::Key_Right);
        QTest::keyClick(board, Qt::Key_Space);
        QCOMPARE(marked(w), (QList<int>{9, 70}));
    }

    void boardHasSeventyNumbersInRowsOfSeven() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        for (int n = 1; n <= 70; ++n) {
            auto* b = w.findChild<QPushButton*>(QStringLiteral("lot%1").arg(n));
            QVERIFY(b);
            QCOMPARE(b->text(), QString::number(n));
            QCOMPARE(b->property("tag").toInt(), n);
        }
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto pos = [&](int n) {
            return test::namedChild<QPushButton>(w, QStringLiteral("lot%1").arg(n))->pos();
        };
        QCOMPARE(pos(7).y(), pos(1).y());
        QVERIFY(pos(8).y() > pos(1).y());
        QCOMPARE(pos(8).x(), pos(1).x());
        QCOMPARE(pos(70).x(), pos(7).x());
    }

    void creationFillsTheListsAndShowsTheNewestDraw() {
        const logic::DrawHistory h = test::drawDays(QDate(2024, 2, 1), 30); // up to Wednesday 06.03.2024
        writeHistory(h);
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        QVERIFY(messages.isEmpty());
        auto* drawNumberCombo = test::namedChild<QComboBox>(w, "comboNr");
        auto* drawDateCombo = test::namedChild<QComboBox>(w, "comboDatum");
        QCOMPARE(drawNumberCombo->count(), 30);
        QCOMPARE(drawDateCombo->count(), 30);
        QCOMPARE(drawNumberCombo->itemText(0), QStringLiteral("1"));
        QCOMPARE(drawDateCombo->itemText(0), QStringLiteral("01.02.2024"));
        QCOMPARE(drawNumberCombo->currentIndex(), 29);
        QCOMPARE(drawDateCombo->currentText(), QStringLiteral("06.03.2024"));
        QCOMPARE(test::namedChild<QPushButton>(w, "Baktuell")->text(), QStringLiteral("06.03.2024"));
        QCOMPARE(marked(w), numbersOf(h[29]));
        QCOMPARE(test::namedChild<QProgressBar>(w, "gauge1")->value(), 20);
        QCOMPARE(test::namedChild<QLineEdit>(w, "E77")->text(), h[29].plus5.text());
        QCOMPARE(w.drawPanel()->markedNumbers().count(), 20);

        auto* entryNumberCombo = test::namedChild<QComboBox>(w, "comboNr2");
        auto* entryDateCombo = test::namedChild<QComboBox>(w, "combo2");
        QCOMPARE(entryNumberCombo->count(), 31);
        QCOMPARE(entryNumberCombo->itemText(30), QStringLiteral("31"));
        QCOMPARE(entryDateCombo->itemText(30), QStringLiteral("07.03.2024"));
        QCOMPARE(entryDateCombo->currentIndex(), 30);
        QCOMPARE(test::namedChild<QTabWidget>(w, "PC0")->currentIndex(), 0);
    }

    void choosingADrawShowsItEverywhere() {
        logic::DrawHistory h = test::drawDays(QDate(2024, 2, 1), 30);
        h[5].GZ = {};
        h[5].plus5.setText(QString());
        writeHistory(h);
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        auto* drawNumberCombo = test::namedChild<QComboBox>(w, "comboNr");
        auto* drawDateCombo = test::namedChild<QComboBox>(w, "comboDatum");

        drawNumberCombo->setCurrentIndex(16);
        emit drawNumberCombo->activated(16);
        QCOMPARE(drawDateCombo->currentIndex(), 16);
        QCOMPARE(marked(w), numbersOf(h[16]));
        QCOMPARE(test::namedChild<QProgressBar>(w, "gauge1")->value(), 20);
        QCOMPARE(test::namedChild<QLineEdit>(w, "E77")->text(), h[16].plus5.text());
        QCOMPARE(test::namedChild<QPushButton>(w, "Baktuell")->text(), drawDateCombo->itemText(16));

        drawDateCombo->setCurrentIndex(3);
        emit drawDateCombo->activated(3);
        QCOMPARE(drawNumberCombo->currentIndex(), 3);
        QCOMPARE(marked(w), numbersOf(h[3]));
        QCOMPARE(test::namedChild<QPushButton>(w, "Baktuell")->text(), QStringLiteral("05.02.2024"));

        // An empty record leaves the board, the gauge and the plus 5 field empty.
        drawNumberCombo->setCurrentIndex(5);
        emit drawNumberCombo->activated(5);
        QVERIFY(marked(w).isEmpty());
        QCOMPARE(test::namedChild<QProgressBar>(w, "gauge1")->value(), 0);
        QCOMPARE(test::namedChild<QLineEdit>(w, "E77")->text(), QString());
        QVERIFY(w.drawPanel()->markedNumbers().empty());

        // showDrawButton shows the chosen draw again after numbers were marked by hand.
        test::namedChild<QPushButton>(w, "lot1")->click();
        test::namedChild<QPushButton>(w, "BGo")->click();
        QVERIFY(marked(w).isEmpty());
    }

    void aRecordDatedBeforeTheFirstDrawShowsNothing() {
        logic::DrawHistory h = test::drawDays(QDate(2024, 2, 1), 3);
        h[0].datum = logic::dateToSerial(QDate(2004, 2, 1));
        writeHistory(h);
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        w.drawPanel()->showDraw(0);
        QVERIFY(marked(w).isEmpty());
        QCOMPARE(test::namedChild<QLineEdit>(w, "E77")->text(), QString());
        w.drawPanel()->showDraw(3); // outside the history: nothing happens
        QVERIFY(marked(w).isEmpty());
    }

    void withoutAHistoryEverythingStaysEmpty() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        QVERIFY(messages.isEmpty());
        for (const char* name : {"comboNr", "comboDatum"})
            QCOMPARE(test::namedChild<QComboBox>(w, name)->count(), 0);
        // The entry page proposes today for the very first draw.
        QCOMPARE(test::namedChild<QComboBox>(w, "comboNr2")->count(), 1);
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), QStringLiteral("31.12.2024"));
        QVERIFY(marked(w).isEmpty());
        QCOMPARE(test::namedChild<QPushButton>(w, "Baktuell")->text(), QStringLiteral("Markierte Zahlen"));
    }

    void dateRangeIsPresetByTheNewestDrawsWeekday() {
        // The draws of the week before the newest, each day but Sunday, or every day.
        struct Case {
            QDate newest;
            bool daily;
            QDate fromDate;
            QDate toDate;
        };
        for (const Case c :
             {Case{QDate(2024, 3, 9), false, QDate(2024, 3, 4), QDate(2024, 3, 9)},  // Saturday
              Case{QDate(2024, 3, 6), false, QDate(2024, 2, 29), QDate(2024, 3, 6)}, // Wednesday
              Case{QDate(2024, 3, 10), false, QDate(2024, 3, 4), QDate(2024, 3, 9)}, // Sunday
              Case{QDate(2024, 3, 9), true, QDate(2024, 3, 3), QDate(2024, 3, 9)},
              Case{QDate(2024, 3, 10), true, QDate(2024, 3, 4), QDate(2024, 3, 10)}}) {
            logic::DrawHistory h;
            for (QDate d = c.newest.addDays(-7); d <= c.newest; d = d.addDays(1)) {
                if (d.dayOfWeek() != Qt::Sunday || c.daily)
                    h.push_back(test::draw(d, test::run20(d.day())));
                else if (d == c.newest) // a day left without numbers
                    h.push_back(test::draw(d, {}));
            }
            writeHistory(h);
            logic::ProgramState state;
            ui::MainWindow w(state, paths);
            w.setUpAtStart();
            QCOMPARE(test::namedChild<QDateEdit>(w, "DateV")->date(), c.fromDate);
            QCOMPARE(test::namedChild<QDateEdit>(w, "DateB")->date(), c.toDate);
        }
    }

    void dateFieldsKeepTheirRules() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        auto* fromDate = test::namedChild<QDateEdit>(w, "DateV");
        auto* toDate = test::namedChild<QDateEdit>(w, "DateB");
        fromDate->setDate(QDate(2004, 1, 1));
        QCOMPARE(fromDate->date(), QDate(2004, 2, 2));
        fromDate->setDate(QDate(2024, 5, 10));
        toDate->setDate(QDate(2024, 5, 1));
        QCOMPARE(toDate->date(), QDate(2024, 5, 10));
        toDate->setDate(QDate(2025, 6, 1));
        QCOMPARE(toDate->date(), QDate(2024, 12, 31));
        // Moving fromDate after toDate leaves toDate alone.
        fromDate->setDate(QDate(2024, 12, 31));
        toDate->setDate(QDate(2024, 12, 30));
        QCOMPARE(toDate->date(), QDate(2024, 12, 31));
        // With fromDate in the future each rule applies once: toDate ends at today.
        fromDate->setDate(QDate(2025, 3, 1));
        toDate->setDate(QDate(2024, 6, 1));
        QCOMPARE(toDate->date(), QDate(2024, 12, 31));
        QCOMPARE(fromDate->date(), QDate(2025, 3, 1));
    }

    void boardMarksAtMostTwentyNumbers() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        for (int n = 1; n <= 21; ++n)
            test::namedChild<QPushButton>(w, QStringLiteral("lot%1").arg(n))->click();
        QCOMPARE(w.drawPanel()->markedNumbers().count(), 20);
        QVERIFY(!w.drawPanel()->markedNumbers().contains(21));
        QVERIFY(!test::namedChild<QPushButton>(w, "lot21")->isChecked());
        QCOMPARE(test::namedChild<QProgressBar>(w, "gauge1")->value(), 20);
        test::namedChild<QPushButton>(w, "lot3")->click();
        QVERIFY(!test::namedChild<QPushButton>(w, "lot3")->isChecked());
        QCOMPARE(test::namedChild<QProgressBar>(w, "gauge1")->value(), 19);
    }

    void hereLinkSwitchesToTheEntryPage() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        emit test::namedChild<QLabel>(w, "LHier")->linkActivated(QStringLiteral("hier"));
        QCOMPARE(test::namedChild<QTabWidget>(w, "PC0")->currentIndex(), 1);
    }

    void historyChangesRefillTheLists() {
        writeHistory(test::drawDays(QDate(2024, 2, 1), 10));
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        state.setHistory(test::drawDays(QDate(2024, 2, 1), 12));
        QCOMPARE(test::namedChild<QComboBox>(w, "comboNr")->count(), 12);
        QCOMPARE(test::namedChild<QComboBox>(w, "comboNr")->currentIndex(), 11);
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->count(), 13);
    }

    void clickOnTheCaptionExportsTheDrawSets() {
        writeHistory(test::drawDays(QDate(2024, 2, 1), 400));
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        QTest::mouseClick(test::namedChild<QLabel>(w, "LAuswahl"), Qt::LeftButton);
        QVERIFY(messages.isEmpty());
        QCOMPARE(QFileInfo(paths.dataDir + QStringLiteral("gz6.tpp")).size(), 240);
        QCOMPARE(QFileInfo(paths.dataDir + QStringLiteral("gz300.tpp")).size(), 12000);
        QCOMPARE(QFileInfo(paths.dataDir + QStringLiteral("gzAlle.tpp")).size(), 16000);
    }
};

QTEST_MAIN(MainWindowDrawsTest)
#include "test_main_window_draws.moc"

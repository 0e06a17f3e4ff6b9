#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/state/program_state.h"
#include "platform/download.h"
#include "support/builders.h"
#include "support/cli_runner.h"
#include "support/form_lookup.h"
#include "support/history_builder.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "support/undo_files.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/draws/draw_panel.h"
#include "ui/draws/history_undo.h"
#include "ui/draws/paste_window.h"
#include "ui/navigation/navigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace talvo;

// Entering draws: the entry page of the main window and the paste window.
class DrawEntryTest : public QObject {
    Q_OBJECT

    test::TempFolder dir;
    logic::AppPaths paths;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();
    // Thursday 07.03. to Saturday 09.03.2024.
    const logic::DrawHistory history = test::drawDays(QDate(2024, 3, 7), 3);

    static QList<int> marked(QWidget& w) {
        QList<int> numbers;
        for (int n = 1; n <= 70; ++n) {
            if (test::namedChild<QPushButton>(w, QStringLiteral("lot%1").arg(n))->isChecked())
                numbers << n;
        }
        return numbers;
    }

    static void mark(ui::MainWindow& w, std::initializer_list<int> numbers) {
        for (int n : numbers)
            test::namedChild<QPushButton>(w, QStringLiteral("lot%1").arg(n))->click();
    }

    static void chooseEntry(ui::MainWindow& w, int p) {
        auto* entryDateCombo = test::namedChild<QComboBox>(w, "combo2");
        entryDateCombo->setCurrentIndex(p);
        emit entryDateCombo->activated(p);
    }

    // "Einfügen..." opens the paste window through a navigator, as in the program.
    std::unique_ptr<ui::Navigator> navigator;
    ui::PasteWindow* openPasteWindow(ui::MainWindow& w) {
        if (!navigator) {
            navigator = std::make_unique<ui::Navigator>();
            navigator->setMainWindow(&w);
            navigator->addWindow(ui::Route::PasteNumbers, w.drawPanel()->pasteWindow());
            navigator->adopt(&w);
        }
        test::namedChild<QPushButton>(w, "BCopyPaste")->click();
        return w.drawPanel()->pasteWindow();
    }

    static void paste(ui::PasteWindow& p, const QString& text) {
        test::namedChild<QPlainTextEdit>(p, "M1")->setPlainText(text);
        test::namedChild<QPushButton>(p, "BParsen")->click();
    }

    static QStringList boxes(ui::PasteWindow& p) {
        QStringList b;
        for (int i = 1; i <= 20; ++i)
            b << test::namedChild<QLineEdit>(p, QStringLiteral("ez%1").arg(i))->text();
        return b;
    }

  private slots:
    void init() {
        paths = dir.emptyDataAndProgramFolders();
        logic::saveDrawHistory(paths.historyFile(), history);
        capture.clear();
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 10), QTime(12, 0)); });
    }
    void cleanup() {
        navigator.reset();
        ui::setClockForTests({});
        platform::setOnlineForTests(std::nullopt);
    }

    void storingAtTheProposedDateAppendsADraw() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        test::namedChild<QTabWidget>(w, "PC0")->setCurrentIndex(1);
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), QStringLiteral("10.03.2024"));
        QVERIFY(marked(w).isEmpty()); // the proposed date starts from an empty board

        // 19 numbers: nothing is stored, and the window says how many are marked.
        const QByteArray before = test::readFile(paths.historyFile());
        mark(w, {70, 3, 55, 12, 8, 41, 27, 33, 64, 1, 19, 22, 46, 50, 58, 61, 66, 9, 14});
        test::namedChild<QLineEdit>(w, "E77")->setText(QStringLiteral("12345"));
        test::namedChild<QPushButton>(w, "BSpeichern1")->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("19 von 20")));
        QCOMPARE(test::readFile(paths.historyFile()), before);

        // A plus 5 of other than five digits is refused, not cut or stored short.
        mark(w, {36});
        for (const char* plus5 : {"1234567", "1245", "123456"}) {
            messages.clear();
            test::namedChild<QLineEdit>(w, "E77")->setText(QString::fromLatin1(plus5));
            test::namedChild<QPushButton>(w, "BSpeichern1")->click();
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains(QStringLiteral("fünf Ziffern")), qPrintable(messages[0]));
            QCOMPARE(test::readFile(paths.historyFile()), before);
            QVERIFY(w.statusBar()->currentMessage().isEmpty());
        }
        messages.clear();
        test::namedChild<QLineEdit>(w, "E77")->setText(QStringLiteral("12345"));
        test::namedChild<QPushButton>(w, "BSpeichern1")->click();
        QVERIFY(messages.isEmpty());
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("Die Ziehung vom 10.03.2024 ist gespeichert."));
        const logic::DrawHistory stored = logic::loadDrawHistory(paths.historyFile());
        QCOMPARE(stored.size(), std::size_t{4});
        QCOMPARE(logic::serialToText(stored[3].datum), QStringLiteral("10.03.2024"));
        QCOMPARE(stored[3].GZ[0], std::uint8_t{1});
        QCOMPARE(stored[3].GZ[19], std::uint8_t{70});
        QCOMPARE(stored[3].plus5.text(), QStringLiteral("12345"));
        QCOMPARE(test::namedChild<QComboBox>(w, "comboNr")->count(), 4);
        QCOMPARE(test::namedChild<QComboBox>(w, "comboDatum")->currentText(), QStringLiteral("10.03.2024"));
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->count(), 5);
        // The page stays on the draw just stored and shows it.
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), QStringLiteral("10.03.2024"));
        QCOMPARE(test::namedChild<QComboBox>(w, "comboNr2")->currentText(), QStringLiteral("4"));
        QCOMPARE(marked(w).size(), 20);
        QCOMPARE(test::namedChild<QLineEdit>(w, "E77")->text(), QStringLiteral("12345"));
    }

    void storingOverAStoredDrawKeepsItsPlace() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        test::namedChild<QTabWidget>(w, "PC0")->setCurrentIndex(1);
        chooseEntry(w, 1);
        QCOMPARE(test::namedChild<QComboBox>(w, "comboNr2")->currentIndex(), 1);
        QCOMPARE(marked(w).size(), 20);
        mark(w, {history[1].GZ[0]});
        mark(w, {history[1].GZ[0] == 70 ? 69 : 70});
        test::namedChild<QCheckBox>(w, "cbDel")->setChecked(true);
        const QByteArray before = test::readFile(paths.historyFile());
        // Asked first, naming the date; saying no stores nothing.
        capture.answer(false);
        test::namedChild<QPushButton>(w, "BSpeichern1")->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(
            messages[0].contains(QStringLiteral("Für den 08.03.2024 ist bereits eine Ziehung gespeichert")));
        QCOMPARE(test::readFile(paths.historyFile()), before);
        capture.answer(true);
        test::namedChild<QPushButton>(w, "BSpeichern1")->click();
        QCOMPARE(messages.size(), 2);
        const logic::DrawHistory stored = logic::loadDrawHistory(paths.historyFile());
        QCOMPARE(stored.size(), std::size_t{3});
        QCOMPARE(test::newestUndoBytes(paths.historyFile()), before); // kept for undo
        QVERIFY(stored[1].GZ != history[1].GZ);
        QCOMPARE(stored[1].datum, history[1].datum);
        // The page stays on the stored date; "cbDel" clears the board and the plus 5 field.
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentIndex(), 1);
        QVERIFY(marked(w).isEmpty());
        QCOMPARE(test::namedChild<QLineEdit>(w, "E77")->text(), QString());

        // The same numbers once more: nothing to ask, nothing written.
        chooseEntry(w, 1);
        test::namedChild<QCheckBox>(w, "cbDel")->setChecked(false);
        test::namedChild<QPushButton>(w, "BSpeichern1")->click();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(test::readFile(paths.historyFile()), logic::drawsToBytes(stored));
    }

    void aDrawStoredByTheCommandLineMeanwhileIsKept() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        test::namedChild<QTabWidget>(w, "PC0")->setCurrentIndex(1);
        // While the window is open, talvo-cli stores the draw of 10.03.2024.
        const QStringList cliStore{
            QStringLiteral("store"),
            QStringLiteral("--history"),
            paths.historyFile(),
            QStringLiteral("--position"),
            QStringLiteral("4"),
            QStringLiteral("--date"),
            QStringLiteral("10.03.2024"),
            QStringLiteral("--numbers"),
            QStringLiteral("51 52 53 54 55 56 57 58 59 60 61 62 63 64 65 66 67 68 69 70"),
            QStringLiteral("--now"),
            QStringLiteral("2024-03-10 12:00")};
        QCOMPARE(test::runCli(cliStore).exitCode, 0);
        QCOMPARE(state.history().size(), std::size_t{3}); // the window does not know it yet

        // The window then corrects the draw of 08.03.
        chooseEntry(w, 1);
        mark(w, {history[1].GZ[0]});
        mark(w, {history[1].GZ[0] == 70 ? 69 : 70});
        test::namedChild<QPushButton>(w, "BSpeichern1")->click();
        const logic::DrawHistory stored = logic::loadDrawHistory(paths.historyFile());
        QCOMPARE(stored.size(), std::size_t{4});
        QCOMPARE(logic::serialToText(stored[3].datum), QStringLiteral("10.03.2024"));
        QCOMPARE(stored[3].GZ[0], std::uint8_t{51});
        QVERIFY(stored[1].GZ != history[1].GZ);
        QCOMPARE(state.history(), stored);
        QVERIFY(w.statusBar()->currentMessage().contains(QStringLiteral("anderes Programm")));
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), QStringLiteral("08.03.2024"));

        // Once more: the proposed 10.03. of the window is the command line's draw now, so the
        // window asks before it would replace it; saying no keeps it.
        QFile::remove(paths.historyFile());
        logic::saveDrawHistory(paths.historyFile(), history);
        logic::ProgramState second;
        ui::MainWindow v(second, paths);
        v.setUpAtStart();
        test::namedChild<QTabWidget>(v, "PC0")->setCurrentIndex(1);
        QCOMPARE(test::namedChild<QComboBox>(v, "combo2")->currentText(), QStringLiteral("10.03.2024"));
        QCOMPARE(test::runCli(cliStore).exitCode, 0);
        messages.clear();
        capture.answer(false);
        for (int n = 1; n <= 20; ++n)
            mark(v, {n});
        test::namedChild<QPushButton>(v, "BSpeichern1")->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(
            messages[0].contains(QStringLiteral("Für den 10.03.2024 ist bereits eine Ziehung gespeichert")));
        const logic::DrawHistory kept = logic::loadDrawHistory(paths.historyFile());
        QCOMPARE(kept.size(), std::size_t{4});
        QCOMPARE(kept[3].GZ[0], std::uint8_t{51});
        QCOMPARE(second.history(), kept);
    }

    // The history changes while the replace question is open: the board keeps the player's
    // numbers, and the question is asked again against what is stored now.
    void theReplaceQuestionIsAskedAgainWhenTheHistoryChangesMeanwhile() {
        for (const bool secondAnswer : {true, false}) {
            logic::saveDrawHistory(paths.historyFile(), history);
            messages.clear();
            logic::ProgramState state;
            ui::MainWindow w(state, paths);
            w.setUpAtStart();
            test::namedChild<QTabWidget>(w, "PC0")->setCurrentIndex(1);
            chooseEntry(w, 2); // 09.03.2024
            test::namedChild<QToolButton>(w, "BDel")->click();
            mark(w, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
            const QList<int> entered = marked(w);
            logic::DrawHistory changed = history;
            changed[2] = test::draw(QDate(2024, 3, 9), test::run20(51), QStringLiteral("99999"));
            capture.whileNextIsShown([&] {
                logic::saveDrawHistory(paths.historyFile(), changed);
                capture.whileNextIsShown([&] { capture.answer(secondAnswer); });
            });
            test::namedChild<QPushButton>(w, "BSpeichern1")->click();
            capture.answer(true);
            QCOMPARE(messages.size(), 2);
            for (const QString& m : messages)
                QVERIFY(
                    m.contains(QStringLiteral("Für den 09.03.2024 ist bereits eine Ziehung gespeichert")));
            const logic::DrawHistory stored = logic::loadDrawHistory(paths.historyFile());
            QCOMPARE(state.history(), stored);
            QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), QStringLiteral("09.03.2024"));
            QCOMPARE(marked(w), entered);
            QVERIFY(w.statusBar()->currentMessage().contains(QStringLiteral("anderes Programm")));
            if (secondAnswer) {
                QCOMPARE(stored[2].numberSet(), test::draw(QDate(2024, 3, 9), test::run20(1)).numberSet());
            } else {
                QCOMPARE(stored, changed);
            }
        }
    }

    void theVeryFirstDrawGetsAProposedDate() {
        QFile::remove(paths.historyFile());
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 10), QTime(9, 0)); }); // a Sunday
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->count(), 1);
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), QStringLiteral("09.03.2024"));
        test::namedChild<QTabWidget>(w, "PC0")->setCurrentIndex(1);
        for (int n = 1; n <= 20; ++n)
            mark(w, {n});
        test::namedChild<QPushButton>(w, "BSpeichern1")->click();
        QCOMPARE(logic::loadDrawHistory(paths.historyFile()).size(), std::size_t{1});
        QCOMPARE(test::namedChild<QComboBox>(w, "comboDatum")->itemText(0), QStringLiteral("09.03.2024"));
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), QStringLiteral("09.03.2024"));
        QVERIFY(test::namedChild<QDateEdit>(w, "DateErste")->isHidden());

        // Undone, the draw no longer exists: the lists and the board show an empty history.
        QVERIFY(ui::undoLastDrawChange(&w, state, paths.historyFile()));
        QVERIFY(messages.last().contains(
            QStringLiteral("\"Ziehung 09.03.2024 gespeichert\" vom 10.03.2024 09:00")));
        QVERIFY(state.history().empty());
        QCOMPARE(test::namedChild<QComboBox>(w, "comboNr")->count(), 0);
        QVERIFY(marked(w).isEmpty());
        QVERIFY(!test::namedChild<QDateEdit>(w, "DateErste")->isHidden());
    }

    void theVeryFirstDrawMayBeOfAnyDaySinceTheFirstDraw() {
        QFile::remove(paths.historyFile());
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 12), QTime(9, 0)); });
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        auto* firstDateEdit = test::namedChild<QDateEdit>(w, "DateErste");
        QVERIFY(!firstDateEdit->isHidden());
        QVERIFY(test::namedChild<QComboBox>(w, "combo2")->isHidden());
        QCOMPARE(firstDateEdit->date(), QDate(2024, 3, 12));
        QCOMPARE(firstDateEdit->minimumDate(), QDate(2004, 2, 2));
        firstDateEdit->setDate(QDate(2003, 5, 5));
        QCOMPARE(firstDateEdit->date(), QDate(2004, 2, 2));
        firstDateEdit->setDate(QDate(2010, 6, 4));
        test::namedChild<QTabWidget>(w, "PC0")->setCurrentIndex(1);
        for (int n = 1; n <= 20; ++n)
            mark(w, {n});
        test::namedChild<QPushButton>(w, "BSpeichern1")->click();
        const logic::DrawHistory stored = logic::loadDrawHistory(paths.historyFile());
        QCOMPARE(stored.size(), std::size_t{1});
        QCOMPARE(logic::serialToDate(stored[0].datum), QDate(2010, 6, 4));
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), QStringLiteral("04.06.2010"));
        QVERIFY(firstDateEdit->isHidden());
        QVERIFY(!test::namedChild<QComboBox>(w, "combo2")->isHidden());
    }

    void switchingPages() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* entryTabs = test::namedChild<QTabWidget>(w, "PC0");
        QVERIFY(!test::namedChild<QToolButton>(w, "BDel")->isVisible());
        QVERIFY(!test::namedChild<QToolButton>(w, "BDel2")->isVisible());

        // Viewing the newest draw (2) while the entry page proposes a new one (3): cleared.
        entryTabs->setCurrentIndex(1);
        QVERIFY(test::namedChild<QToolButton>(w, "BDel")->isVisible());
        QVERIFY(test::namedChild<QToolButton>(w, "BDel2")->isVisible());
        QVERIFY(marked(w).isEmpty());
        QCOMPARE(test::namedChild<QLineEdit>(w, "E77")->text(), QString());

        // Back on the viewing page its draw is shown again.
        entryTabs->setCurrentIndex(0);
        QVERIFY(!test::namedChild<QToolButton>(w, "BDel")->isVisible());
        QCOMPARE(marked(w).size(), 20);

        // Viewing a later draw than the entry page's: the board keeps what it shows.
        chooseEntry(w, 0);
        mark(w, {history[2].GZ[0]});
        entryTabs->setCurrentIndex(1);
        QCOMPARE(marked(w).size(), 19);

        test::namedChild<QToolButton>(w, "BDel2")->click();
        QCOMPARE(test::namedChild<QLineEdit>(w, "E77")->text(), QString());
        QCOMPARE(marked(w).size(), 19);
        test::namedChild<QToolButton>(w, "BDel")->click();
        QVERIFY(marked(w).isEmpty());
        QCOMPARE(test::namedChild<QProgressBar>(w, "gauge1")->value(), 0);
    }

    void plusFiveFieldTakesDigitsOnly() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        auto* plus5Edit = test::namedChild<QLineEdit>(w, "E77");
        plus5Edit->clear();
        QTest::keyClicks(plus5Edit, QStringLiteral("1a2 3-4x5"));
        QCOMPARE(plus5Edit->text(), QStringLiteral("12345"));
        QTest::keyClick(plus5Edit, Qt::Key_Backspace);
        QCOMPARE(plus5Edit->text(), QStringLiteral("1234"));
    }

    void pastedTextIsFilteredIntoTheBoxes() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        ui::PasteWindow* p = openPasteWindow(w);
        QVERIFY(test::isFormOpen(QStringLiteral("FGewinnzahlen")));
        QCOMPARE(test::namedChild<QLabel>(*p, "LHinweis")->text(),
                 QStringLiteral("Gewinnzahlen gelten für 10.03.2024"));
        QVERIFY(test::namedChild<QCheckBox>(*p, "cbDel")->isChecked());

        // The date is no number: it pushes none of the winning numbers out of the boxes.
        paste(*p, QStringLiteral("Gewinnzahlen vom 12.03.2024\n3, 7; 12\t15"));
        QCOMPARE(boxes(*p).mid(0, 5), (QStringList{"3", "7", "12", "15", ""}));

        QStringList many;
        for (int n = 1; n <= 25; ++n)
            many << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        paste(*p, many.join(QStringLiteral(" - ")));
        QCOMPARE(boxes(*p), many.mid(0, 20));
        // Fewer numbers empty the boxes after them: nothing of an earlier paste stays.
        paste(*p, QStringLiteral("70;69;68;67;66"));
        QCOMPARE(boxes(*p).mid(0, 6), (QStringList{"70", "69", "68", "67", "66", ""}));
        QCOMPARE(boxes(*p).mid(5), QStringList(15, QString()));

        // Megabytes of anything never hang.
        QString junk;
        for (int i = 0; i < 200000; ++i)
            junk += QChar(static_cast<char16_t>((i * 7919) % 0xD000 + 1));
        paste(*p, junk + QStringLiteral(" 123456789012345678901234567890"));
        QVERIFY(!boxes(*p)[0].isEmpty());
    }

    // A transfer sets the board to exactly the 20 pasted numbers, or leaves it as it was and
    // says why; whatever the board showed before.
    void transferSetsTheBoardToThePastedNumbersOrNothing_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("earlier"); // pasted and transferred first
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("said"); // in the message when refused
        QTest::addColumn<QString>("day");  // the entry page's date afterwards

        QStringList twenty;
        for (int n = 11; n <= 30; ++n)
            twenty << QString::number(n);
        const QString all = twenty.join(QLatin1Char(' '));
        const QString nineteen = twenty.mid(0, 19).join(QLatin1Char(' '));
        const struct {
            const char* name;
            QString earlier;
            QString text;
            bool taken;
            QString said;
            QString day;
        } texts[] = {
            {"20 numbers", {}, all, true, {}, {}},
            {"19 numbers", {}, nineteen, false, QStringLiteral("19"), {}},
            {"21 numbers", {}, all + QStringLiteral(" 31"), false, QStringLiteral("21"), {}},
            {"a repeated number", {}, nineteen + QStringLiteral(" 11"), false, QStringLiteral("11"), {}},
            {"71", {}, nineteen + QStringLiteral(" 71"), false, QStringLiteral("71"), {}},
            {"0", {}, nineteen + QStringLiteral(" 0"), false, QStringLiteral("0"), {}},
            {"a stored day in the text",
             {},
             QStringLiteral("Ziehung vom 09.03.2024: ") + all,
             true,
             {},
             QStringLiteral("09.03.2024")},
            {"3 after a paste of 20",
             QString(all).replace(QStringLiteral("11 "), QStringLiteral("41 ")),
             QStringLiteral("Nur drei Zahlen: 1 2 3"),
             false,
             QStringLiteral("3"),
             {}},
        };
        for (const char* board : {"empty", "partly marked", "a stored draw"}) {
            for (const auto& t : texts)
                QTest::addRow("%s, %s", board, t.name)
                    << QString::fromLatin1(board) << t.earlier << t.text << t.taken << t.said << t.day;
        }
    }

    void transferSetsTheBoardToThePastedNumbersOrNothing() {
        QFETCH(QString, board);
        QFETCH(QString, earlier);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        QFETCH(QString, said);
        QFETCH(QString, day);
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        test::namedChild<QTabWidget>(w, "PC0")->setCurrentIndex(1);
        if (board == QLatin1String("a stored draw"))
            chooseEntry(w, 1);
        else if (board == QLatin1String("partly marked"))
            mark(w, {1, 2, 3, 4, 5});
        const QString dayBefore = test::namedChild<QComboBox>(w, "combo2")->currentText();
        ui::PasteWindow* p = openPasteWindow(w);
        if (!earlier.isEmpty()) {
            paste(*p, earlier);
            test::namedChild<QPushButton>(*p, "BOkay")->click();
            QCOMPARE(marked(w).size(), 20);
        }
        const QList<int> before = marked(w);

        paste(*p, text);
        test::namedChild<QPushButton>(*p, "BOkay")->click();
        if (taken) {
            QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))));
            QList<int> expected;
            for (int n = 11; n <= 30; ++n)
                expected << n;
            QCOMPARE(marked(w), expected);
            QCOMPARE(test::namedChild<QProgressBar>(w, "gauge1")->value(), 20);
            QCOMPARE(test::namedChild<QPlainTextEdit>(*p, "M1")->toPlainText(), QString());
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains(said), qPrintable(messages[0]));
            QCOMPARE(marked(w), before);
            QCOMPARE(test::namedChild<QPlainTextEdit>(*p, "M1")->toPlainText(), text); // kept to correct
        }
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), day.isEmpty() ? dayBefore : day);
        QCOMPARE(test::namedChild<QLabel>(*p, "LHinweis")->text(),
                 QStringLiteral("Gewinnzahlen gelten für ") +
                     test::namedChild<QComboBox>(w, "combo2")->currentText());
    }

    void aDayThatCannotBeEnteredIsNamedAndTheBoxesMayBeCorrected() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        ui::PasteWindow* p = openPasteWindow(w);
        QStringList numbers;
        for (int n = 51; n <= 70; ++n)
            numbers << QString::number(n);
        // A day before the stored ones: the numbers are taken, the message names both days.
        paste(*p, QStringLiteral("KENO 01.03.2024 ") + numbers.join(QLatin1Char(',')));
        test::namedChild<QPushButton>(*p, "BOkay")->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("01.03.2024")));
        QVERIFY(messages[0].contains(QStringLiteral("10.03.2024")));
        QCOMPARE(marked(w).size(), 20);
        QCOMPARE(marked(w).first(), 51);
        QCOMPARE(test::namedChild<QComboBox>(w, "combo2")->currentText(), QStringLiteral("10.03.2024"));

        // A box the player corrects counts over the text it was filled from.
        messages.clear();
        test::namedChild<QCheckBox>(*p, "cbDel")->setChecked(false);
        paste(*p, numbers.join(QLatin1Char(' ')));
        QTest::keyClick(test::namedChild<QLineEdit>(*p, "ez1"), Qt::Key_Backspace);
        QTest::keyClick(test::namedChild<QLineEdit>(*p, "ez1"), Qt::Key_Backspace);
        QTest::keyClicks(test::namedChild<QLineEdit>(*p, "ez1"), QStringLiteral("07"));
        test::namedChild<QPushButton>(*p, "BOkay")->click();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))));
        QCOMPARE(marked(w).first(), 7);
        QCOMPARE(marked(w).size(), 20);
    }

    void closingHidesAndKeepsTheContents() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        w.setUpAtStart();
        ui::PasteWindow* p = openPasteWindow(w);
        test::namedChild<QPlainTextEdit>(*p, "M1")->setPlainText(QStringLiteral("1 2 3"));
        test::namedChild<QPushButton>(*p, "BSchliessen")->click();
        QVERIFY(!p->isVisible());
        QCOMPARE(openPasteWindow(w), p);
        QVERIFY(p->isVisible());
        QCOMPARE(test::namedChild<QPlainTextEdit>(*p, "M1")->toPlainText(), QStringLiteral("1 2 3"));
        test::namedChild<QPushButton>(*p, "BDel")->click();
        QCOMPARE(test::namedChild<QPlainTextEdit>(*p, "M1")->toPlainText(), QString());

        platform::setOnlineForTests(false);
        test::namedChild<QPushButton>(*p, "BLink1")->click();
        QCOMPARE(messages, QStringList{QStringLiteral(
                               "Für den Aufruf des Links muss eine Verbindung zum Internet bestehen.")});
    }
};

QTEST_MAIN(DrawEntryTest)
#include "test_draw_entry.moc"

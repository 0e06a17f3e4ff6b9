#include "logic/core/paths.h"
#include "logic/core/slip_file.h"
#include "logic/settings/colour_scheme.h"
#include "logic/settings/remembered_places.h"
#include "logic/slips/slip_centre.h"
#include "logic/state/program_state.h"
#include "support/builders.h"
#include "support/message_capture.h"
#include "support/save_dialog_answer.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/slips/number_cell.h"
#include "ui/slips/slip_centre_window.h"
#include "ui/slips/slip_editor_frame.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace talvo;

namespace {

const QString kAbortNotice = QStringLiteral("\r\rIch breche erst einmal ab.");

} // namespace

class SlipCentreTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths;
    std::unique_ptr<logic::ProgramState> state;
    std::unique_ptr<ui::SlipCentreWindow> centre;
    test::MessageCapture capture;
    QList<test::ShownMessage>& messages = capture.shown();

    QTableWidget* slipTable() const { return centre->findChild<QTableWidget*>(QStringLiteral("GS")); }
    QTabWidget* tabs() const { return centre->findChild<QTabWidget*>(QStringLiteral("PC1")); }
    QAction* action(const char* name) const { return centre->findChild<QAction*>(QString::fromLatin1(name)); }

    static void typ(ui::SlipEditorFrame* s, int field, int t) {
        s->typeButtons(field)->button(t - 2)->click();
    }
    static void tick(ui::SlipEditorFrame* s, int field, std::initializer_list<int> numbers) {
        for (int z : numbers)
            s->numberCell(field, z)->click();
    }
    static void transfer(ui::SlipEditorFrame* s) {
        s->findChild<QPushButton*>(QStringLiteral("BGo"))->click();
    }
    template <class T> static T* control(ui::SlipEditorFrame* s, const char* name) {
        return s->findChild<T*>(QString::fromLatin1(name));
    }

    // The cells of one table row from column 0 to `columns` − 1, joined by '|'.
    QString row(int r, int columns = 18) const {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << (slipTable()->item(r, c) ? slipTable()->item(r, c)->text() : QString());
        return cells.join(QLatin1Char('|'));
    }

    // A thousand slips of two numbers each, named "Nr 1" to "Nr 1000".
    static logic::SlipList thousandSlips() {
        logic::SlipList records;
        for (int i = 1; i <= 1000; ++i)
            records.push_back(test::slip({{i % 70 + 1, (i + 1) % 70 + 1}}, 0, 0, QDate(2024, 1, 2),
                                         QStringLiteral("Nr %1").arg(i)));
        return records;
    }

    ui::SlipEditorFrame* newSlip() {
        action("BNeu")->trigger();
        return centre->activeSlipFrame();
    }

  private slots:
    void init() {
        paths = data.paths();
        state = std::make_unique<logic::ProgramState>();
        centre = std::make_unique<ui::SlipCentreWindow>(*state, paths);
        centre->show();
        capture.clear();
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 4), QTime(10, 0)); });
    }

    void cleanup() { centre.reset(); }

    void windowStartsWithHintsAndAnEmptyTable() {
        QCOMPARE(centre->windowTitle(), QStringLiteral("Spielscheincenter"));
        QCOMPARE(centre->objectName(), QStringLiteral("FEingabe2"));
        QCOMPARE(centre->size(), QSize(800, 600));
        QVERIFY(centre->findChild<QWidget*>(QStringLiteral("PHinweis"))->isVisible());
        QCOMPARE(slipTable()->columnCount(), 18);
        QCOMPARE(slipTable()->rowCount(), 1);
        const int widths[] = {30, 65, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 40, 55, 95, 65, 65};
        for (int c = 0; c < 18; ++c) {
            // The name column widens to show its whole header in the narrow face.
            if (c == 1)
                QVERIFY(slipTable()->columnWidth(c) >= widths[c]);
            else
                QCOMPARE(slipTable()->columnWidth(c), widths[c]);
            QCOMPARE(slipTable()->horizontalHeaderItem(c)->text(), logic::SlipCentre::headerRow()[c]);
        }
        QCOMPARE(slipTable()->horizontalHeaderItem(12)->text(), QStringLiteral("Z 10"));
        QCOMPARE(slipTable()->rowHeight(0), 17);
        for (const char* name :
             {"BNeu", "BOptionen", "BOeffnen", "BSpeichern", "BSchliessen", "BHilfe", "Bgruenx"})
            QVERIFY2(action(name), name);
        // Closing a slip with no slip open does nothing.
        action("Bgruenx")->trigger();
        QVERIFY(messages.isEmpty());
    }

    // The tool bar's buttons take no focus: Ctrl+N, Ctrl+O and Ctrl+S reach its file commands.
    void fileCommandsByKeyboard() {
        centre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(centre.get()));
        QTest::keyClick(centre.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(tabs()->count(), 1);
        QTest::keyClick(centre.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].text.startsWith(QStringLiteral("Vor dem Speichern")));
        ui::setNextFileName(QString());
        QTest::keyClick(centre.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(ui::lastFileDialogRequest().title, QStringLiteral("KENO-Spielschein-Datei öffnen"));
    }

    // Tab reaches a board at its number 1, the arrows move over its seven columns, Space ticks.
    void boardByKeyboard() {
        centre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(centre.get()));
        ui::SlipEditorFrame* s = newSlip();
        typ(s, 1, 2);
        QVERIFY(s->numberCell(1, 1)->focusPolicy() & Qt::TabFocus);
        QVERIFY(!(s->numberCell(1, 2)->focusPolicy() & Qt::TabFocus));
        s->numberCell(1, 1)->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), s->numberCell(1, 8));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(s->numberCell(1, 8)->isMarked());
        // The edges of the board hold the frame.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), s->numberCell(1, 8));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), s->numberCell(1, 1));
        QVERIFY(messages.isEmpty());
    }

    // Slip files are the user's own: their dialogs start in the documents folder, then in the
    // folder last used for slips, never in the hidden data folder.
    void slipDialogsStartInTheDocumentsFolderThenInTheLastOne() {
        QFile::remove(logic::rememberedPlacesFile(paths.dataDir));
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString expectedStart = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        ui::setNextFileName(QString());
        action("BOeffnen")->trigger();
        QCOMPARE(ui::lastFileDialogRequest().folder, expectedStart);

        QDir(data.path()).mkdir(QStringLiteral("Scheine"));
        const QString folder = data.filePath(QStringLiteral("Scheine"));
        ui::SlipEditorFrame* s = newSlip();
        s->typeButtons(1)->button(0)->click();
        tick(s, 1, {3, 4});
        control<QCheckBox>(s, "cbPlus")->setChecked(false);
        transfer(s);
        ui::setNextFileName(folder + QStringLiteral("/Woche"));
        action("BSpeichern")->trigger();
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/Woche.tix")));
        ui::setNextFileName(QString());
        action("BOeffnen")->trigger();
        QCOMPARE(ui::lastFileDialogRequest().folder, folder);
        QVERIFY(messages.isEmpty());
    }

    void newSlipHasTheDocumentedDefaults() {
        logic::OptionsRecord options = state->options();
        options.scheinTyp = {5, 0, 0, 0, 9};
        options.einsatzIndex = 2;
        options.laufzeitIndex = 3;
        options.plus5Mitspiel = 1;
        state->setOptions(options);
        ui::SlipEditorFrame* s = newSlip();
        QVERIFY(!centre->findChild<QWidget*>(QStringLiteral("PHinweis"))->isVisible());
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("S1"));
        QCOMPARE(tabs()->widget(0)->property("tag").toInt(), 10002);
        // Stake, duration and plus 5 play as the options say; the plus 5 number is the player's.
        QVERIFY(control<QLineEdit>(s, "E77")->text().isEmpty());
        QVERIFY(control<QCheckBox>(s, "cbPlus")->isChecked());
        QVERIFY(control<QRadioButton>(s, "RGEins_2")->isChecked());
        QCOMPARE(control<QComboBox>(s, "comboDauer")->currentText(), QStringLiteral("3"));
        QCOMPARE(control<QComboBox>(s, "comboDauer")->count(), 11);
        QCOMPARE(control<QDateEdit>(s, "date1")->date(), QDate(2024, 3, 4));
        QVERIFY(!control<QComboBox>(s, "ComboTG")->isEnabled());
        QCOMPARE(control<QComboBox>(s, "ComboTG")->count(), 0);
        QVERIFY(control<QLineEdit>(s, "EName")->text().isEmpty());
        QVERIFY(s->typeButtons(1)->button(4)->isChecked()); // type 6
        QCOMPARE(s->typeButtons(2)->checkedId(), -1);
        QCOMPARE(s->typeButtons(5)->checkedId(), 8);
        QCOMPARE(s->gauge(1)->maximum(), 6);
        QCOMPARE(s->gauge(2)->maximum(), 100);
        QVERIFY(s->findChild<ui::NumberCell*>(QStringLiteral("LL1170")));
        QVERIFY(s->findChild<ui::NumberCell*>(QStringLiteral("LL1501")));
        // Numbers are never given twice, also after a close.
        action("Bgruenx")->trigger();
        QCOMPARE(newSlip()->slipNumber(), 2);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("S2"));
    }

    void tickingFollowsTheTypeAndTheColourScheme() {
        ui::SlipEditorFrame* s = newSlip();
        s->numberCell(1, 10)->click();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("Bitte wählen Sie erst einen KENO-Typ."));
        QCOMPARE(messages[0].icon, ui::MessageIcon::Information);
        QVERIFY(!s->numberCell(1, 10)->isMarked());

        typ(s, 1, 6);
        tick(s, 1, {1, 2, 3, 4, 5, 6});
        QCOMPARE(s->gauge(1)->value(), 6);
        typ(s, 1, 4);
        QVERIFY(s->gauge(1)->property("zuHoch").toBool());
        QVERIFY(s->gauge(1)->styleSheet().contains(QStringLiteral("#d93025")));
        s->numberCell(1, 7)->click();
        QVERIFY(!s->numberCell(1, 7)->isMarked());
        transfer(s);
        QCOMPARE(messages.last().text,
                 QStringLiteral("Sie haben im 1. Feld -2 Zahlen vergessen.") + kAbortNotice);
        QCOMPARE(messages.last().icon, ui::MessageIcon::Information);
        s->numberCell(1, 6)->click();
        QVERIFY(s->gauge(1)->property("zuHoch").toBool());
        s->numberCell(1, 5)->click();
        QVERIFY(!s->gauge(1)->property("zuHoch").toBool());
        QCOMPARE(s->gauge(1)->value(), 4);
        QVERIFY(!s->numberCell(1, 5)->isMarked());
        QVERIFY(s->numberCell(1, 4)->isMarked());

        // Trying another scheme in the options recolours the open slip at once.
        const auto gaugeShows = [s](std::uint32_t colour) {
            return s->gauge(1)->styleSheet().contains(QColor::fromRgb(static_cast<QRgb>(colour)).name());
        };
        QVERIFY(gaugeShows(logic::schemeColours(1).tickedNumberCell));
        state->setColourScheme(7);
        QVERIFY(gaugeShows(logic::schemeColours(7).tickedNumberCell));
        QVERIFY(s->findChild<QFrame*>(QStringLiteral("Feld1100"))
                    ->styleSheet()
                    .contains(
                        QColor::fromRgb(static_cast<QRgb>(logic::schemeColours(7).fieldBackground)).name()));
        QVERIFY(!messages.isEmpty());
    }

    void transferChecksShowTheirMessages() {
        ui::SlipEditorFrame* s = newSlip();
        transfer(s);
        QCOMPARE(messages.last().text,
                 QStringLiteral("Sie haben nicht ein komlettes Spielfeld getippt.") + kAbortNotice);

        typ(s, 2, 5);
        tick(s, 2, {1, 2, 3, 4});
        transfer(s);
        QCOMPARE(messages.last().text,
                 QStringLiteral("Sie haben im 2. Feld eine Zahl vergessen.") + kAbortNotice);
        s->numberCell(2, 4)->click();
        transfer(s);
        QCOMPARE(messages.last().text,
                 QStringLiteral("Sie haben im 2. Feld 2 Zahlen vergessen.") + kAbortNotice);
        tick(s, 2, {4, 5});

        control<QCheckBox>(s, "cbPlus")->setChecked(true);
        control<QLineEdit>(s, "E77")->setText(QStringLiteral("123"));
        transfer(s);
        QCOMPARE(messages.last().text,
                 QStringLiteral(
                     "Wenn Sie plus 5 mitspielen, geben Sie bitte die Zahl von Ihrem Spielschein ein."));
        QCOMPARE(messages.last().icon, ui::MessageIcon::Error);
        QCOMPARE(messages.size(), 4);
        QVERIFY(centre->transferredSlips().empty());
        QCOMPARE(slipTable()->rowCount(), 1);

        control<QLineEdit>(s, "E77")->setText(QStringLiteral("12345"));
        transfer(s);
        QCOMPARE(messages.size(), 4);
        QCOMPARE(row(0), QStringLiteral("1|S1|5|1|2|3|4|5||||||12345|ja||Dauer|04.03.2024"));
    }

    void sundayStartMovesToSaturday() {
        ui::SlipEditorFrame* s = newSlip();
        auto* date1 = control<QDateEdit>(s, "date1");
        date1->setDate(QDate(2024, 3, 10));
        s->checkStartDate();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, ui::MessageIcon::Error);
        QVERIFY(messages[0].text.startsWith(QStringLiteral("Das gewählte Datum ist ein Sonntag")));
        QCOMPARE(date1->date(), QDate(2024, 3, 9));
        QCOMPARE(s->editor().choices.startDay, logic::dateToSerial(QDate(2024, 3, 9)));
    }

    void sundayStaysOnceTheHistoryHoldsSundayDraws() {
        state->setHistory({test::draw(QDate(2024, 3, 3), test::run20(1))});
        ui::SlipEditorFrame* s = newSlip();
        auto* date1 = control<QDateEdit>(s, "date1");
        date1->setDate(QDate(2024, 3, 10));
        s->checkStartDate();
        QVERIFY(messages.isEmpty());
        QCOMPARE(date1->date(), QDate(2024, 3, 10));
        QCOMPARE(s->editor().choices.startDay, logic::dateToSerial(QDate(2024, 3, 10)));
    }

    void transferAndRetransferRebuildTheTable() {
        ui::SlipEditorFrame* s1 = newSlip();
        typ(s1, 1, 2);
        tick(s1, 1, {9, 8});
        typ(s1, 3, 3);
        tick(s1, 3, {30, 20, 10});
        control<QComboBox>(s1, "comboDauer")->setCurrentIndex(7);
        control<QRadioButton>(s1, "RGEins_3")->click();
        ui::SlipEditorFrame* s2 = newSlip();
        typ(s2, 1, 2);
        tick(s2, 1, {70, 69});
        control<QLineEdit>(s2, "EName")->setText(QStringLiteral("Zweiter"));
        transfer(s1);
        transfer(s2);
        QCOMPARE(slipTable()->rowCount(), 3);
        QCOMPARE(row(0, 6), QStringLiteral("1|S1|2|8|9|"));
        QCOMPARE(row(1, 6), QStringLiteral("2||3|10|20|30"));
        QCOMPARE(row(2, 6), QStringLiteral("3|Zweiter|2|69|70|"));
        QCOMPARE(slipTable()->item(0, 16)->text(), QStringLiteral("12"));
        QCOMPARE(centre->transferredSlips().size(), std::size_t{2});
        QCOMPARE(centre->transferredSlips()[0].einsatz, 3);
        QCOMPARE(centre->transferredSlips()[0].dauer, 7);

        // Editing after a transfer changes nothing until the next transfer.
        tick(s1, 1, {8, 9});
        QCOMPARE(slipTable()->rowCount(), 3);
        transfer(s1);
        QCOMPARE(slipTable()->rowCount(), 2);
        QCOMPARE(row(0, 6), QStringLiteral("1|S1|3|10|20|30"));
        QCOMPARE(row(1, 6), QStringLiteral("2|Zweiter|2|69|70|"));
        QCOMPARE(centre->transferredSlips()[0].Nr, 1);
        QCOMPARE(centre->transferredSlips()[0].typ, (std::array<std::uint8_t, 5>{0, 0, 3, 0, 0}));
    }

    void aLongSlipNameWidensItsColumn() {
        ui::SlipEditorFrame* s = newSlip();
        typ(s, 1, 2);
        tick(s, 1, {9, 8});
        const QString name = QStringLiteral("Tippgemeinschaft Süd");
        control<QLineEdit>(s, "EName")->setText(name);
        transfer(s);
        QCOMPARE(slipTable()->item(0, 1)->text(), name);
        QVERIFY(slipTable()->columnWidth(1) > QFontMetrics(slipTable()->font()).horizontalAdvance(name));
    }

    void closingASlipTakesItOutOfTableAndSave() {
        ui::SlipEditorFrame* s1 = newSlip();
        typ(s1, 1, 2);
        tick(s1, 1, {1, 2});
        ui::SlipEditorFrame* s2 = newSlip();
        typ(s2, 1, 2);
        tick(s2, 1, {3, 4});
        transfer(s1);
        transfer(s2);
        tabs()->setCurrentIndex(0);
        action("Bgruenx")->trigger();
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("S2"));
        QCOMPARE(slipTable()->rowCount(), 1);
        QCOMPARE(row(0, 4), QStringLiteral("1|S2|2|3"));
        QCOMPARE(centre->transferredSlips().size(), std::size_t{1});
        QCOMPARE(centre->transferredSlips()[0].Nr, 1);

        ui::setNextFileName(data.filePath(QStringLiteral("rest")));
        action("BSpeichern")->trigger();
        const logic::SlipList saved = logic::loadSlips(data.filePath(QStringLiteral("rest.tix")));
        QCOMPARE(saved.size(), std::size_t{1});
        QCOMPARE(saved[0].name.text(), QStringLiteral("S2"));

        action("Bgruenx")->trigger();
        QCOMPARE(tabs()->count(), 0);
        QCOMPARE(slipTable()->rowCount(), 1);
        QCOMPARE(row(0), QString(17, QLatin1Char('|')));
        // The hints do not come back.
        QVERIFY(!centre->findChild<QWidget*>(QStringLiteral("PHinweis"))->isVisible());
    }

    void openTransferSaveNumbersTheRecords() {
        const QString file = data.filePath(QStringLiteral("drei.tix"));
        logic::saveSlips(file,
                         {test::slip({{1, 2}}, 0, 0, QDate(2024, 1, 2), QStringLiteral("Eins")),
                          test::slip({{3, 4, 5}}, 1, 7, QDate(2024, 1, 3), QStringLiteral("Zwei")),
                          test::slip({{6, 7}, {8, 9}}, 2, 2, QDate(2024, 1, 4), QStringLiteral("Drei"))});
        ui::setNextFileName(file);
        action("BOeffnen")->trigger();
        QCOMPARE(tabs()->count(), 3);
        QCOMPARE(tabs()->currentIndex(), 2);
        QCOMPARE(tabs()->tabText(1), QStringLiteral("Zwei"));

        action("BSpeichern")->trigger();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].text.startsWith(
            QStringLiteral("Vor dem Speichern muss ein Spielschein über den Knopf")));
        QVERIFY(messages[0].text.endsWith(kAbortNotice));

        ui::SlipEditorFrame* slip2 = centre->slipFrame(1);
        ui::SlipEditorFrame* slip3 = centre->slipFrame(2);
        QCOMPARE(control<QComboBox>(slip2, "comboDauer")->currentIndex(), 7);
        QCOMPARE(control<QDateEdit>(slip2, "date1")->date(), QDate(2024, 1, 3));
        QCOMPARE(control<QLineEdit>(slip2, "EName")->text(), QStringLiteral("Zwei"));
        QVERIFY(slip2->numberCell(1, 4)->isMarked());
        QCOMPARE(slip2->gauge(1)->value(), 3);
        transfer(slip3);
        transfer(slip2);
        QCOMPARE(slipTable()->rowCount(), 3);

        // Every open slip is saved, in the order of the tabs, numbered anew.
        const QString out = data.filePath(QStringLiteral("neu"));
        ui::setNextFileName(out);
        action("BSpeichern")->trigger();
        QCOMPARE(messages.size(), 1);
        const logic::SlipList saved = logic::loadSlips(out + QStringLiteral(".tix"));
        QCOMPARE(saved.size(), std::size_t{3});
        QStringList names;
        for (std::size_t i = 0; i < saved.size(); ++i) {
            QCOMPARE(saved[i].Nr, static_cast<int>(i) + 1);
            names << saved[i].name.text();
        }
        QCOMPARE(names,
                 (QStringList{QStringLiteral("Eins"), QStringLiteral("Zwei"), QStringLiteral("Drei")}));
        QCOMPARE(saved[1].dauer, 7);
        QCOMPARE(QFileInfo(out + QStringLiteral(".tix")).size(), 336);

        // A cancelled dialog does nothing.
        ui::setNextFileName(QString());
        action("BOeffnen")->trigger();
        QCOMPARE(tabs()->count(), 3);
    }

    // Saving under the name a file was opened from keeps its slips and adds the new one; a
    // save that would leave fewer slips in the file than it holds asks first.
    void savingKeepsEveryOpenedSlipAndTheNewOne() {
        const QString file = data.filePath(QStringLiteral("tausend.tix"));
        const logic::SlipList records = thousandSlips();
        logic::saveSlips(file, records);
        ui::setNextFileName(file);
        action("BOeffnen")->trigger();
        QCOMPARE(centre->slipsOnlyInMemory(), 0);
        ui::SlipEditorFrame* s = newSlip();
        typ(s, 1, 2);
        tick(s, 1, {5, 6});
        control<QLineEdit>(s, "EName")->setText(QStringLiteral("Neu"));
        transfer(s);
        QCOMPARE(centre->slipsOnlyInMemory(), 1);

        ui::setNextFileName(file);
        action("BSpeichern")->trigger();
        QVERIFY(messages.isEmpty());
        const logic::SlipList saved = logic::loadSlips(file);
        QCOMPARE(saved.size(), std::size_t{1001});
        for (std::size_t i = 0; i < records.size(); ++i) {
            logic::SlipRecord expected = records[i];
            expected.Nr = static_cast<std::int32_t>(i + 1);
            QVERIFY2(saved[i] == expected, qPrintable(QString::number(i)));
        }
        QCOMPARE(saved[1000].Nr, 1001);
        QCOMPARE(saved[1000].name.text(), QStringLiteral("Neu"));
        QCOMPARE(saved[1000].typZ[0][0], 5);
        QCOMPARE(centre->slipsOnlyInMemory(), 0);

        // Two slips closed: the question names both numbers, and No leaves the file whole.
        tabs()->setCurrentIndex(0);
        action("Bgruenx")->trigger();
        action("Bgruenx")->trigger();
        capture.answer(false);
        ui::setNextFileName(file);
        action("BSpeichern")->trigger();
        QCOMPARE(
            messages,
            (QList<test::ShownMessage>{
                {QStringLiteral("Die Datei \"tausend.tix\" enthält 1.001 Spielscheine, gespeichert werden "
                                "nur 999. Die anderen gehen in der Datei verloren.\r\rTrotzdem speichern?"),
                 ui::MessageIcon::Question}}));
        QCOMPARE(logic::loadSlips(file), saved);
        capture.answer(true);
        ui::setNextFileName(file);
        action("BSpeichern")->trigger();
        const logic::SlipList rest = logic::loadSlips(file);
        QCOMPARE(rest.size(), std::size_t{999});
        QCOMPARE(rest[0].name.text(), QStringLiteral("Nr 3"));
        QCOMPARE(rest[998].name.text(), QStringLiteral("Neu"));
    }

    // The real save dialog asks before it replaces a file; No saves nothing.
    void theSaveDialogAsksBeforeReplacing() {
        const QString file = data.filePath(QStringLiteral("da.tix"));
        const logic::SlipList before = {test::slip({{1, 2}})};
        logic::saveSlips(file, before);
        ui::SlipEditorFrame* s = newSlip();
        typ(s, 1, 2);
        tick(s, 1, {3, 4});
        transfer(s);
        {
            const test::SaveDialogAnswer answer(QStringLiteral("da"), false);
            action("BSpeichern")->trigger();
            QCOMPARE(answer.questions().size(), 1);
            QVERIFY(answer.questions()[0].contains(QStringLiteral("da.tix")));
        }
        QCOMPARE(logic::loadSlips(file), before);
        QCOMPARE(centre->slipsOnlyInMemory(), 1);
        {
            const test::SaveDialogAnswer answer(QStringLiteral("da"), true);
            action("BSpeichern")->trigger();
            QCOMPARE(answer.questions().size(), 1);
        }
        QCOMPARE(logic::loadSlips(file).size(), std::size_t{1});
        QCOMPARE(logic::loadSlips(file)[0].typZ[0][0], 3);
        QCOMPARE(centre->slipsOnlyInMemory(), 0);
        QVERIFY(messages.isEmpty());
    }

    // Control characters of a stored name show as blanks in the tab, the editor and the table.
    void aStoredNameShowsWithoutControlCharacters() {
        logic::SlipRecord r = test::slip({{1, 2}});
        r.name.setText(QStringLiteral("A\nB\x1b[31mC\t"));
        ui::SlipEditorFrame* s = centre->loadSlip(r);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("A B [31mC "));
        QCOMPARE(control<QLineEdit>(s, "EName")->text(), QStringLiteral("A B [31mC "));
        transfer(s);
        QCOMPARE(slipTable()->item(0, 1)->text(), QStringLiteral("A B [31mC "));
    }

    void fourFieldRecordStaysFourFields() {
        logic::SlipRecord r = test::slip({{1, 2, 3, 4}, {}, {}, {50, 60}});
        r.KastDef = 4;
        ui::SlipEditorFrame* s = centre->loadSlip(r);
        QCOMPARE(s->editor().fieldCount(), 4);
        QVERIFY(!s->findChild<ui::NumberCell*>(QStringLiteral("LL1501")));
        QVERIFY(s->numberCell(4, 60)->isMarked());
        transfer(s);
        QCOMPARE(centre->transferredSlips().at(0).KastDef, 4);
        QCOMPARE(slipTable()->rowCount(), 2);
    }

    void oddRecordsOpenWithoutHarm() {
        QByteArray bytes(112 * 2 + 50, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>((i * 97 + 13) & 0xFF);
        ui::setNextFileName(test::writeFile(data, QStringLiteral("kaputt.tix"), bytes));
        action("BOeffnen")->trigger();
        QCOMPARE(tabs()->count(), 2);
        for (int t = 0; t < 2; ++t) {
            ui::SlipEditorFrame* s = centre->slipFrame(t);
            QVERIFY(s->editor().fieldCount() >= 4);
            for (int f = 1; f <= s->editor().fieldCount(); ++f)
                QVERIFY(s->gauge(f)->value() <= s->gauge(f)->maximum());
            transfer(s);
        }
        QVERIFY(messages.size() <= 2);

        // A file that cannot be read opens nothing and says why.
        ui::setNextFileName(data.filePath(QStringLiteral("fehlt.tix")));
        action("BOeffnen")->trigger();
        QCOMPARE(tabs()->count(), 2);
        QVERIFY(messages.last().text.contains(QStringLiteral("fehlt.tix")));
    }

    // Tens of thousands of tabs take minutes to build: above 5,000 slips the user is asked first.
    void aHugeFileIsAskedAbout() {
        const QString file =
            test::writeFile(data, QStringLiteral("riesig.tix"), QByteArray(112 * 5001, '\x01'));
        capture.answer(false);
        ui::setNextFileName(file);
        action("BOeffnen")->trigger();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text,
                 QStringLiteral("Die Datei \"riesig.tix\" enthält 5.001 Spielscheine. Jeder bekommt "
                                "eine eigene Registerkarte; das Öffnen kann sehr lange dauern.\r\r"
                                "Trotzdem öffnen?"));
        QCOMPARE(tabs()->count(), 0);
        QVERIFY(centre->findChild<QWidget*>(QStringLiteral("PHinweis"))->isVisible());
    }

    void manySlipsOpenWithoutAnEditorEach() {
        const QString file = data.filePath(QStringLiteral("gross.tix"));
        const logic::SlipList records = thousandSlips();
        logic::saveSlips(file, records);
        ui::setNextFileName(file);
        action("BOeffnen")->trigger();
        QVERIFY(messages.isEmpty());
        QCOMPARE(tabs()->count(), 1000);
        QCOMPARE(tabs()->currentIndex(), 999);
        QCOMPARE(tabs()->tabText(499), QStringLiteral("Nr 500"));
        // Only the slips shown so far have an editor.
        QVERIFY(centre->findChildren<ui::SlipEditorFrame*>().size() <= 2);
        QCOMPARE(centre->activeSlipFrame()->editor().slipNumber(), 1000);

        // Showing a tab builds its editor with the slip's numbers.
        tabs()->setCurrentIndex(499);
        ui::SlipEditorFrame* s = centre->activeSlipFrame();
        QCOMPARE(s->parentWidget(), tabs()->currentWidget());
        QVERIFY(s->numberCell(1, 11)->isMarked());
        QVERIFY(s->numberCell(1, 12)->isMarked());
        QCOMPARE(control<QLineEdit>(s, "EName")->text(), QStringLiteral("Nr 500"));
        transfer(s);
        QCOMPARE(slipTable()->rowCount(), 1);
        QVERIFY(centre->findChildren<ui::SlipEditorFrame*>().size() <= 3);
    }

    void clearingWorksOnItsOwnSlip() {
        logic::OptionsRecord options = state->options();
        options.scheinTyp = {5, 0, 0, 0, 0};
        state->setOptions(options);
        ui::SlipEditorFrame* s1 = newSlip();
        tick(s1, 1, {1, 2, 3});
        ui::SlipEditorFrame* s2 = newSlip();
        tick(s2, 1, {4, 5});
        typ(s1, 1, 3);
        s1->findChild<QPushButton*>(QStringLiteral("BDel"))->click();
        QVERIFY(!s1->numberCell(1, 1)->isMarked());
        QCOMPARE(s1->typeButtons(1)->checkedId(), 4);
        QCOMPARE(s1->gauge(1)->value(), 0);
        QVERIFY(s2->numberCell(1, 4)->isMarked());
        tick(s1, 1, {11, 12, 13, 14, 15, 16});
        transfer(s1);
        QVERIFY(messages.isEmpty());
        QCOMPARE(slipTable()->rowCount(), 1);
        QCOMPARE(row(0, 3), QStringLiteral("1|S1|6"));
    }

    void hidingKeepsEverything() {
        ui::SlipEditorFrame* s = newSlip();
        typ(s, 1, 2);
        tick(s, 1, {1, 2});
        transfer(s);
        action("BSchliessen")->trigger();
        QVERIFY(!centre->isVisible());
        centre->show();
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(slipTable()->rowCount(), 1);
        QCOMPARE(centre->transferredSlips().size(), std::size_t{1});
    }
};

QTEST_MAIN(SlipCentreTest)
#include "test_slip_centre.moc"

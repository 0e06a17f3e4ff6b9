#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/settings/remembered_places.h"
#include "logic/state/program_state.h"
#include "platform/shell.h"
#include "support/history_builder.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "support/workbook_reader.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/export/draw_export_window.h"
#include "ui/navigation/navigator.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QUrl>
#include <QtTest>

using namespace talvo;
using test::namedChild;

// Draws from Mon 26.02.2024 on, Sundays without a draw; Thursday 29.02. still a placeholder.
// The last one lies on Sat 30.03.2024.
class ExportWindowTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();
    QStringList opened;
    const QDate today = QDate(2024, 4, 2);

    static logic::DrawHistory history() {
        logic::DrawHistory h = test::drawDays(QDate(2024, 2, 26), 30);
        h[3].GZ = {};
        h[4].plus5.setText(QStringLiteral("01234"));
        return h;
    }
    static QDateEdit* date(QWidget& w, const char* name) { return namedChild<QDateEdit>(w, name); }
    static QRadioButton* choice(QWidget& w, int c) {
        return namedChild<QRadioButton>(w, QStringLiteral("RG1_%1").arg(c));
    }
    // The export, saved where the save dialog is answered: in the test's folder under `name`.
    void exportNow(QWidget& w, const QString& name = QStringLiteral("Tabelle")) {
        ui::setNextFileName(data.filePath(name + QStringLiteral(".xlsx")));
        namedChild<QPushButton>(w, "BExcel1")->click();
        ui::setNextFileName({});
    }
    QStringList workbooks() const { return QDir(data.path()).entryList({QStringLiteral("*.xlsx")}); }

  private slots:
    void init() {
        paths = data.paths();
        opened.clear();
        capture.clear();
        ui::setClockForTests([this] { return QDateTime(today, QTime(9, 30)); });
        platform::setShellOpenerForTests([this](const QString& address) {
            opened << QUrl(address).toLocalFile();
            return true;
        });
    }
    void cleanup() {
        platform::setShellOpenerForTests({});
        ui::setClockForTests({});
        for (const QString& name : workbooks())
            QFile::remove(data.filePath(name));
    }

    void setUpFromTheHistoryAtCreation() {
        logic::ProgramState state;
        state.setHistory(history());
        ui::DrawExportWindow w(state, paths);
        w.setUpAtStart();
        QCOMPARE(w.windowTitle(), QStringLiteral("Excel-Export"));
        QCOMPARE(w.objectName(), QStringLiteral("FExport1"));
        QCOMPARE(ui::helpContext(&w), 130);
        QCOMPARE(namedChild<QGroupBox>(w, "RG1")->title(), QStringLiteral("Export für..."));
        const QStringList texts = {"Gewinnzahlen und plus 5", "nur Gewinnzahlen", "nur plus 5"};
        for (int c = 0; c < 3; ++c)
            QCOMPARE(choice(w, c)->text(), texts[c]);
        QVERIFY(choice(w, 0)->isChecked());
        QCOMPARE(date(w, "DateV")->date(), QDate(2004, 2, 2));
        QCOMPARE(date(w, "DateB")->date(), QDate(2024, 3, 30));
        QVERIFY(date(w, "DateV")->isEnabled());
    }

    void rangeRulesPullTheDatesBack() {
        logic::ProgramState state;
        state.setHistory(history());
        ui::DrawExportWindow w(state, paths);
        w.setUpAtStart();
        QDateEdit* fromField = date(w, "DateV");
        QDateEdit* toField = date(w, "DateB");
        fromField->setDate(QDate(2024, 3, 12));
        QCOMPARE(fromField->date(), QDate(2024, 3, 12));
        fromField->setDate(QDate(2024, 3, 31)); // after the end date
        QCOMPARE(fromField->date(), QDate(2024, 3, 30));
        fromField->setDate(QDate(2003, 12, 24)); // before the first KENO draw
        QCOMPARE(fromField->date(), QDate(2004, 2, 2));
        toField->setDate(QDate(2024, 6, 1)); // in the future
        QCOMPARE(toField->date(), today);
        fromField->setDate(QDate(2024, 3, 20));
        toField->setDate(QDate(2024, 3, 1)); // before the start date
        QCOMPARE(toField->date(), QDate(2024, 3, 20));
        QCOMPARE(fromField->date(), QDate(2024, 3, 20));
        // The calendars offer only days inside the bounds.
        QCOMPARE(fromField->maximumDate(), QDate(2024, 3, 20));
        QCOMPARE(toField->minimumDate(), QDate(2024, 3, 20));
        QCOMPARE(toField->maximumDate(), today);
    }

    void exportsEveryStoredDrawWithItsPlus5AsText() {
        logic::ProgramState state;
        state.setHistory(history());
        ui::DrawExportWindow w(state, paths);
        w.setUpAtStart();
        exportNow(w, QStringLiteral("Gewinnzahlen und plus 5"));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))));
        QCOMPARE(opened, QStringList{data.filePath(QStringLiteral("Gewinnzahlen und plus 5.xlsx"))});
        const test::Workbook book = test::readWorkbook(opened[0], {QStringLiteral("W5")});
        QVERIFY2(book.ok, qPrintable(book.error));
        QCOMPARE(book.sheets(), QStringList{"Gewinnzahlen und plus 5"});
        QCOMPARE(book.dimensions(), QStringLiteral("A1:W30")); // 29 draws, the placeholder left out
        QCOMPARE(book.row(1, 3), (QStringList{"Veranstaltung", "Datum", "Zahl 1"}));
        QCOMPARE(book.cell(QStringLiteral("V1")), QStringLiteral("Zahl 20"));
        QCOMPARE(book.cell(QStringLiteral("W1")), QStringLiteral("plus 5"));
        QCOMPARE(book.row(2, 2), (QStringList{"1", "26.02.2024"}));
        QCOMPARE(book.row(4, 2), (QStringList{"3", "28.02.2024"}));
        QCOMPARE(book.row(5, 2), (QStringList{"5", "01.03.2024"})); // the number stays the position + 1
        QCOMPARE(book.cell(QStringLiteral("W5")), QStringLiteral("01234"));
        QVERIFY(book.isText(QStringLiteral("W5")));
        QCOMPARE(book.numberFormat(QStringLiteral("W5")), QStringLiteral("@"));
        QCOMPARE(book.row(30, 2), (QStringList{"30", "30.03.2024"}));
        const logic::DrawRecord& last = state.history().back();
        for (int z = 0; z < 20; ++z)
            QCOMPARE(book.cell(QStringLiteral("%1%2").arg(QChar(u'C' + z)).arg(30)),
                     QString::number(last.GZ[z]));
    }

    void exportsTheDrawsInsideARangeOfDaysWithoutDraws() {
        logic::ProgramState state;
        state.setHistory(history());
        ui::DrawExportWindow w(state, paths);
        w.setUpAtStart();
        choice(w, 2)->click();
        date(w, "DateV")->setDate(QDate(2024, 3, 3)); // Sundays
        date(w, "DateB")->setDate(QDate(2024, 3, 10));
        exportNow(w, QStringLiteral("nur plus 5"));
        QCOMPARE(opened, QStringList{data.filePath(QStringLiteral("nur plus 5.xlsx"))});
        const test::Workbook plus5 = test::readWorkbook(opened[0]);
        QVERIFY2(plus5.ok, qPrintable(plus5.error));
        QCOMPARE(plus5.sheets(), QStringList{"nur plus 5"});
        QCOMPARE(plus5.dimensions(), QStringLiteral("A1:C7"));
        QCOMPARE(plus5.row(1, 3), (QStringList{"Veranstaltung", "Datum", "plus 5"}));
        QCOMPARE(plus5.row(2, 3), (QStringList{"7", "04-03-2024", "10006"}));
        QCOMPARE(plus5.row(7, 3), (QStringList{"12", "09-03-2024", "10011"}));
        QVERIFY(plus5.isText(QStringLiteral("C7")));

        choice(w, 1)->click();
        exportNow(w);
        QCOMPARE(opened.size(), 2);
        const test::Workbook numbers = test::readWorkbook(opened[1]);
        QCOMPARE(numbers.sheets(), QStringList{"nur Gewinnzahlen"});
        QCOMPARE(numbers.dimensions(), QStringLiteral("A1:V7"));
        QCOMPARE(numbers.row(2, 2), (QStringList{"7", "04.03.2024"}));
        QVERIFY(!numbers.isText(QStringLiteral("C2")));
        QVERIFY(messages.isEmpty());
    }

    void aTypedRangeCountsWithoutEnter() {
        logic::ProgramState state;
        state.setHistory(history());
        ui::DrawExportWindow w(state, paths);
        w.setUpAtStart();
        choice(w, 2)->click();
        date(w, "DateV")->findChild<QLineEdit*>()->setText(QStringLiteral("30.03.2024"));
        date(w, "DateB")->findChild<QLineEdit*>()->setText(QStringLiteral("05.04.2024")); // after today
        exportNow(w);
        QCOMPARE(date(w, "DateB")->date(), today);
        QCOMPARE(opened.size(), 1);
        const test::Workbook book = test::readWorkbook(opened[0]);
        QCOMPARE(book.dimensions(), QStringLiteral("A1:C2"));
        QCOMPARE(book.row(2, 2), (QStringList{"30", "30-03-2024"}));
    }

    void aRangeWithoutDrawsGivesAMessageAndNoWorkbook() {
        logic::ProgramState state;
        state.setHistory(history());
        ui::DrawExportWindow w(state, paths);
        w.setUpAtStart();
        date(w, "DateB")->setDate(QDate(2024, 2, 25));
        exportNow(w);
        QCOMPARE(messages, QStringList{"Vom 02.02.2004 bis zum 25.02.2024 ist keine Ziehung gespeichert."});
        QVERIFY(opened.isEmpty());
        QVERIFY(workbooks().isEmpty());
    }

    void anEmptyHistoryWaitsForTheFirstDraw() {
        logic::ProgramState state;
        ui::DrawExportWindow w(state, paths);
        w.setUpAtStart();
        QVERIFY(w.findChildren<QRadioButton*>().isEmpty());
        QVERIFY(!date(w, "DateV")->isEnabled());
        exportNow(w);
        QCOMPARE(messages,
                 QStringList{"Es ist noch keine Ziehung gespeichert, die exportiert werden könnte."});
        QVERIFY(workbooks().isEmpty());

        state.setHistory({test::draw(QDate(2024, 3, 1), {})}); // a placeholder is no draw
        QVERIFY(w.findChildren<QRadioButton*>().isEmpty());

        logic::DrawHistory draws = history();
        draws.resize(10);
        state.setHistory(draws);
        QCOMPARE(w.findChildren<QRadioButton*>().size(), 3);
        QVERIFY(choice(w, 0)->isChecked());
        QVERIFY(date(w, "DateV")->isEnabled());
        QCOMPARE(date(w, "DateV")->date(), QDate(2004, 2, 2));
        QCOMPARE(date(w, "DateB")->date(), QDate(2024, 3, 7));

        // Set up once: later draws leave the choice as it is, and the range the user left at
        // its default takes them in (all stored draws, as the help says).
        choice(w, 1)->click();
        state.setHistory(history());
        QCOMPARE(w.findChildren<QRadioButton*>().size(), 3);
        QVERIFY(choice(w, 1)->isChecked());
        QCOMPARE(date(w, "DateB")->date(), QDate(2024, 3, 30));
        exportNow(w);
        QCOMPARE(test::readWorkbook(opened.value(0)).dimensions(), QStringLiteral("A1:V30"));
    }

    // The workbook goes where the user says, not into the hidden data folder: the save dialog
    // starts in the documents folder, later in the folder of the last export.
    void theSaveDialogStartsInTheDocumentsFolderAndThenInTheLastOne() {
        logic::ProgramState state;
        state.setHistory(history());
        ui::DrawExportWindow w(state, paths);
        w.setUpAtStart();
        QFile::remove(logic::rememberedPlacesFile(paths.dataDir));

        ui::setNextFileName(QString()); // cancelled: nothing is written or opened
        namedChild<QPushButton>(w, "BExcel1")->click();
        const ui::FileDialogRequest first = ui::lastFileDialogRequest();
        QCOMPARE(first.title, QStringLiteral("Tabelle speichern"));
        QCOMPARE(first.filter, QStringLiteral("Excel-Arbeitsmappe|*.xlsx"));
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString expectedStart = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        QCOMPARE(first.folder, QDir(expectedStart).filePath(QStringLiteral("Gewinnzahlen und plus 5.xlsx")));
        QVERIFY(opened.isEmpty());
        QVERIFY(messages.isEmpty());

        // A name without ending gets ".xlsx"; its folder is where the next export starts.
        QDir(data.path()).mkdir(QStringLiteral("Auswertungen"));
        const QString folder = data.filePath(QStringLiteral("Auswertungen"));
        ui::setNextFileName(folder + QStringLiteral("/Ziehungen März"));
        namedChild<QPushButton>(w, "BExcel1")->click();
        QCOMPARE(opened, QStringList{folder + QStringLiteral("/Ziehungen März.xlsx")});
        QVERIFY(test::readWorkbook(opened[0]).ok);
        ui::setNextFileName(QString());
        namedChild<QPushButton>(w, "BExcel1")->click();
        QCOMPARE(ui::lastFileDialogRequest().folder,
                 folder + QStringLiteral("/Gewinnzahlen und plus 5.xlsx"));

        // A folder that is gone again: back to the documents folder.
        QDir(folder).removeRecursively();
        ui::setNextFileName(QString());
        namedChild<QPushButton>(w, "BExcel1")->click();
        QCOMPARE(ui::lastFileDialogRequest().folder,
                 QDir(expectedStart).filePath(QStringLiteral("Gewinnzahlen und plus 5.xlsx")));
        QCOMPARE(opened.size(), 1);
    }

    void theMainWindowsButtonShowsTheWindowMadeAtStart() {
        logic::saveDrawHistory(paths.historyFile(), history());
        ui::Application program(paths);
        program.start();
        ui::DrawExportWindow* w = program.drawExportWindow();
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        QCOMPARE(date(*w, "DateB")->date(), QDate(2024, 3, 30));
        auto* button = program.mainWindow()->findChild<QPushButton*>(QStringLiteral("BExcel"));
        QVERIFY(button->isEnabled());
        button->click();
        QVERIFY(w->isVisible());
        namedChild<QPushButton>(*w, "BSchliessen")->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(program.drawExportWindow(), w); // hidden, not gone
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(ExportWindowTest)
#include "test_export_window.moc"

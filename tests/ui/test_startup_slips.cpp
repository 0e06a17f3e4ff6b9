#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/slip_file.h"
#include "logic/settings/options_file.h"
#include "logic/state/program_state.h"
#include "support/builders.h"
#include "support/form_lookup.h"
#include "support/message_capture.h"
#include "support/temp_folder.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/evaluation/evaluation_area.h"
#include "ui/evaluation/result_tabs.h"
#include "ui/evaluation/slip_file_frame.h"
#include "ui/settings/options_window.h"
#include "ui/slips/number_cell.h"
#include "ui/slips/slip_centre_window.h"
#include "ui/slips/slip_editor_frame.h"
#include "ui/statistics/statistics_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace talvo;

// The options and the slip centre as the program builds them at start-up.
class StartupSlipsTest : public QObject {
    Q_OBJECT

  private slots:
    void optionsReachTheSlipCentreAndTheRoutesOpenBothWindows() {
        test::MessageCapture capture;
        QStringList& messages = capture.texts();
        test::TempFolder data;
        const logic::AppPaths paths = data.paths();
        logic::OptionsRecord e;
        e.farbschema = 4;
        e.scheinTyp = {3, 0, 0, 0, 0};
        logic::saveOptions(paths.optionsFile(), e);

        ui::Application program(paths);
        program.start();
        QVERIFY(messages.isEmpty());
        QVERIFY(test::isFormOpen(QStringLiteral("FOptionen")));
        QVERIFY(test::isFormOpen(QStringLiteral("FEingabe2")));
        QCOMPARE(program.state().colourScheme(), 5);
        QCOMPARE(program.state().options().scheinTyp[0], 3);

        ui::MainWindow* main = program.mainWindow();
        for (const char* name : {"MOptionen", "TOptionen", "TSpielscheincenter"})
            QVERIFY2(main->findChild<QAction*>(QString::fromLatin1(name))->isEnabled(), name);
        main->findChild<QAction*>(QStringLiteral("TSpielscheincenter"))->trigger();
        ui::SlipCentreWindow* centre = program.slipCentre();
        QVERIFY(centre->isVisible());
        centre->findChild<QAction*>(QStringLiteral("BOptionen"))->trigger();
        QVERIFY(program.optionsWindow()->isVisible());

        centre->findChild<QAction*>(QStringLiteral("BNeu"))->trigger();
        QCOMPARE(centre->activeSlipFrame()->typeButtons(1)->checkedId(), 2); // type 4
    }

    void aNewUserWritesSavesAndEvaluatesASlip() {
        test::MessageCapture capture;
        QStringList& messages = capture.texts();
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 6), QTime(20, 0)); });
        test::TempFolder data;
        const logic::AppPaths paths = data.paths();
        logic::saveDrawHistory(paths.historyFile(),
                               {test::draw(QDate(2024, 3, 4), test::run20(1), QStringLiteral("12345")),
                                test::draw(QDate(2024, 3, 5), test::run20(21), QStringLiteral("54321")),
                                test::draw(QDate(2024, 3, 6), test::run20(41), QStringLiteral("11111"))});
        // The options name a start file and the statistics choices of the last start.
        const QString startFile = data.filePath(QStringLiteral("start.tix"));
        logic::saveSlips(startFile, {test::slip({{1, 2, 3}}, 0, 0, QDate(2024, 3, 4))});
        logic::OptionsRecord e;
        e.statAnzahlIndex = 1;
        e.statRegister = 5;
        e.startDatei.setText(startFile);
        logic::saveOptions(paths.optionsFile(), e);

        ui::Application program(paths);
        program.start();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
        ui::MainWindow* main = program.mainWindow();
        QCOMPARE(main->evaluationArea()->fileTabCount(), 1);
        QCOMPARE(main->evaluationArea()->evaluationSlips().size(), std::size_t{1});
        ui::StatisticsWindow* statsWindow = program.statisticsWindow();
        QCOMPARE(statsWindow->drawCountIndex(), 1);
        QCOMPARE(statsWindow->findChild<QTabWidget*>(QStringLiteral("PC1"))->currentIndex(), 5);

        // Write a slip with two fields and plus 5, transfer it and save it.
        ui::SlipCentreWindow* centre = program.slipCentre();
        centre->findChild<QAction*>(QStringLiteral("BNeu"))->trigger();
        ui::SlipEditorFrame* s = centre->activeSlipFrame();
        s->typeButtons(1)->button(0)->click();
        for (int n : {2, 9})
            s->numberCell(1, n)->click();
        s->typeButtons(2)->button(1)->click();
        for (int n : {22, 30, 70})
            s->numberCell(2, n)->click();
        s->findChild<QCheckBox*>(QStringLiteral("cbPlus"))->setChecked(true);
        s->findChild<QLineEdit*>(QStringLiteral("E77"))->setText(QStringLiteral("54321"));
        s->findChild<QComboBox*>(QStringLiteral("comboDauer"))->setCurrentIndex(3);
        s->findChild<QDateEdit*>(QStringLiteral("date1"))->setDate(QDate(2024, 3, 4));
        s->findChild<QPushButton*>(QStringLiteral("BGo"))->click();
        const QString saved = data.filePath(QStringLiteral("mein"));
        ui::setNextFileName(saved);
        centre->findChild<QAction*>(QStringLiteral("BSpeichern"))->trigger();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));

        // Load it in the main window and evaluate its running time.
        ui::setNextFileName(saved + QStringLiteral(".tix"));
        main->evaluationArea()->openEvaluationFile();
        QCOMPARE(main->evaluationArea()->fileTabCount(), 2);
        QCOMPARE(main->evaluationArea()->evaluationSlips().size(), std::size_t{2});
        QCOMPARE(main->evaluationArea()->evaluationSlips()[1].typ,
                 (std::array<std::uint8_t, 5>{2, 3, 0, 0, 0}));
        main->evaluationArea()->evaluateOverRunTime();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
        QCOMPARE(main->evaluationArea()->activeFileFrame()->results()->count(), 3);
        ui::setClockForTests({});
    }
};

QTEST_MAIN(StartupSlipsTest)
#include "test_startup_slips.moc"

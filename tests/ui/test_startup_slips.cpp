#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/core/slip_file.h"
#include "logic/settings/einstellungen.h"
#include "support/temp_paths.h"
#include "support/builders.h"
#include "ui/app/application.h"
#include "ui/app/form_offen.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/evaluation/file_view.h"
#include "ui/evaluation/main_window.h"
#include "ui/evaluation/result_tabs.h"
#include "ui/settings/optionen.h"
#include "ui/slips/eingabe2.h"
#include "ui/slips/number_cell.h"
#include "ui/slips/slip_editor_widget.h"
#include "ui/statistics/statistics_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace talvo;

// The options and the slip centre as the program builds them at start-up.
class StartupSlipsTest : public QObject {
    Q_OBJECT

  private slots:
    void optionsReachTheSlipCentreAndTheRoutesOpenBothWindows() {
        QStringList messages;
        ui::setMessageHook([&messages](const QString& text, ui::MessageIcon) {
            messages << text;
            return true;
        });
        QTemporaryDir data;
        const logic::AppPaths paths = test::pathsIn(data);
        logic::TEinstellungen e;
        e.farbschema = 4;
        e.scheinTyp = {3, 0, 0, 0, 0};
        logic::EinstellungenSchreiben(paths.optionsFile(), e);

        ui::Application program(paths);
        program.start();
        QVERIFY(messages.isEmpty());
        QVERIFY(ui::FormOffen(QStringLiteral("FOptionen")));
        QVERIFY(ui::FormOffen(QStringLiteral("FEingabe2")));
        QCOMPARE(program.state().aktFarbschema(), 5);
        QCOMPARE(program.state().Einstellungen.scheinTyp[0], 3);

        ui::TFAuswertung* main = program.mainWindow();
        for (const char* name : {"MOptionen", "TOptionen", "TSpielscheincenter"})
            QVERIFY2(main->findChild<QAction*>(QString::fromLatin1(name))->isEnabled(), name);
        main->findChild<QAction*>(QStringLiteral("TSpielscheincenter"))->trigger();
        ui::TFEingabe2* centre = program.slipCentre();
        QVERIFY(centre->isVisible());
        centre->findChild<QAction*>(QStringLiteral("BOptionen"))->trigger();
        QVERIFY(program.optionsWindow()->isVisible());

        centre->findChild<QAction*>(QStringLiteral("BNeu"))->trigger();
        QCOMPARE(centre->aktiverSchein()->typen(1)->checkedId(), 2); // type 4
        ui::setMessageHook({});
    }

    void aNewUserWritesSavesAndEvaluatesASlip() {
        QStringList messages;
        ui::setMessageHook([&messages](const QString& text, ui::MessageIcon) {
            messages << text;
            return true;
        });
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 6), QTime(20, 0)); });
        QTemporaryDir data;
        const logic::AppPaths paths = test::pathsIn(data);
        logic::KenoZahlenSchreiben(paths.historyFile(),
                                   {test::draw(QDate(2024, 3, 4), test::run20(1), QStringLiteral("12345")),
                                    test::draw(QDate(2024, 3, 5), test::run20(21), QStringLiteral("54321")),
                                    test::draw(QDate(2024, 3, 6), test::run20(41), QStringLiteral("11111"))});
        // The options name a start file and the statistics choices of the last start.
        const QString startFile = data.filePath(QStringLiteral("start.tix"));
        logic::ScheinDateiSchreiben(startFile, {test::slip({{1, 2, 3}}, 0, 0, QDate(2024, 3, 4))});
        logic::TEinstellungen e;
        e.statAnzahlIndex = 1;
        e.statRegister = 5;
        e.startDatei.setText(startFile);
        logic::EinstellungenSchreiben(paths.optionsFile(), e);

        ui::Application program(paths);
        program.start();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
        ui::TFAuswertung* main = program.mainWindow();
        QCOMPARE(main->fileTabCount(), 1);
        QCOMPARE(program.state().AuswertScheine.size(), std::size_t{1});
        ui::TFStatistik1* statistik = program.statisticsWindow();
        QCOMPARE(statistik->anzahlIndex(), 1);
        QCOMPARE(statistik->findChild<QTabWidget*>(QStringLiteral("PC1"))->currentIndex(), 5);

        // Write a slip with two fields and plus 5, transfer it and save it.
        ui::TFEingabe2* centre = program.slipCentre();
        centre->findChild<QAction*>(QStringLiteral("BNeu"))->trigger();
        ui::TFrSschein* s = centre->aktiverSchein();
        s->typen(1)->button(0)->click();
        for (int n : {2, 9})
            s->zelle(1, n)->click();
        s->typen(2)->button(1)->click();
        for (int n : {22, 30, 70})
            s->zelle(2, n)->click();
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
        main->OeffnenClick();
        QCOMPARE(main->fileTabCount(), 2);
        QCOMPARE(program.state().AuswertScheine.size(), std::size_t{2});
        QCOMPARE(program.state().AuswertScheine[1].typ, (std::array<std::uint8_t, 5>{2, 3, 0, 0, 0}));
        main->LaufzeitClick();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
        QCOMPARE(main->activeFileView()->results()->count(), 3);
        ui::setMessageHook({});
        ui::setClockForTests({});
    }
};

QTEST_MAIN(StartupSlipsTest)
#include "test_startup_slips.moc"

#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/core/slip_file.h"
#include "logic/settings/options_file.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics.h"
#include "support/builders.h"
#include "support/form_lookup.h"
#include "support/message_capture.h"
#include "support/temp_folder.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/app/start_window.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/navigation/navigator.h"
#include "ui/slips/number_cell.h"
#include "ui/slips/slip_centre_window.h"
#include "ui/slips/slip_editor_frame.h"
#include "ui/statistics/statistics_window.h"
#include "ui/tips/tip_centre_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace talvo;

class StartupTest : public QObject {
    Q_OBJECT

    test::TempFolder home;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();

    logic::AppPaths pathsIn(const QString& dataDir) {
        logic::AppPaths p;
        p.programDir = home.path() + QStringLiteral("/prog/");
        p.dataDir = dataDir;
        return p;
    }

  private slots:
    void init() { capture.clear(); }

    void firstStartCreatesTheDataFolder() {
        // A fresh account: not even the user's data folder exists yet.
        const QString share = home.filePath(QStringLiteral("fresh/.local/share"));
        qputenv("XDG_DATA_HOME", share.toUtf8());
        const logic::AppPaths paths = logic::AppPaths::forUser(home.path());
        QCOMPARE(paths.dataDir, share + QStringLiteral("/TALVO/"));
        QVERIFY(QDir(paths.dataDir).exists());
        // A second start uses the existing folder.
        QCOMPARE(logic::AppPaths::forUser(home.path()).dataDir, paths.dataDir);

        // The first start can keep options, draws and slips there.
        logic::OptionsRecord options;
        options.farbschema = 3;
        logic::saveOptions(paths.optionsFile(), options);
        logic::saveDrawHistory(paths.historyFile(),
                               {test::draw(QDate(2024, 2, 24), test::run20(1), QStringLiteral("12345"))});
        logic::saveSlips(paths.dataDir + QStringLiteral("Erste.tix"), {logic::SlipRecord{}});
        QVERIFY(logic::loadOptions(paths.optionsFile()) == options);
        QCOMPARE(logic::loadDrawHistory(paths.historyFile()).size(), std::size_t{1});
        QCOMPARE(logic::loadSlips(paths.dataDir + QStringLiteral("Erste.tix")).size(), std::size_t{1});
    }

    void continueHandsOverToTheMainWindow() {
        QTemporaryDir data;
        logic::saveDrawHistory(data.filePath(QStringLiteral("KenoZahlen.tpp")),
                               {test::draw(QDate(2024, 2, 24), test::run20(1), QStringLiteral("12345"))});
        ui::Application program(pathsIn(data.path() + QLatin1Char('/')));
        program.start();

        ui::StartWindow* start = program.startWindow();
        auto* continueButton = start->findChild<QPushButton*>(QStringLiteral("BWeiter"));
        QVERIFY(continueButton);
        QVERIFY(continueButton->isEnabled());
        QCOMPARE(continueButton->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(start->windowTitle(), QStringLiteral("TALVO 1.7.1.0"));
        QVERIFY(start->isVisible());
        QVERIFY(test::isFormOpen(QStringLiteral("FAuswertung")));
        QVERIFY(!test::isFormOpen(QStringLiteral("fauswertung")));
        QCOMPARE(program.state().history().size(), std::size_t{1});

        ui::MainWindow* main = program.mainWindow();
        QCOMPARE(main->windowTitle(), QStringLiteral("TALVO - Zentrale"));
        QCOMPARE(main->size(), QSize(800, 600));
        QVERIFY(!main->isVisible());

        continueButton->click();
        QVERIFY(main->isVisible());
        QVERIFY(qAbs(main->windowOpacity() - 250.0 / 255.0) < 0.01);
        QVERIFY(!start->isVisible());

        main->findChild<QAction*>(QStringLiteral("MStartfenster"))->trigger();
        QVERIFY(start->isVisible());
        continueButton->click();
        QVERIFY(main->isVisible());
        QVERIFY(!start->isVisible());
        QVERIFY(messages.isEmpty());

        QSignalSpy finished(&program, &ui::Application::finished);
        main->findChild<QAction*>(QStringLiteral("MBeenden"))->trigger();
        QCOMPARE(finished.count(), 1);
    }

    // Nothing is saved at the end, so transferred slips not yet saved are not dropped unasked.
    void endingWithUnsavedSlipsAsksFirst() {
        QTemporaryDir data;
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 4), QTime(10, 0)); });
        ui::Application program(pathsIn(data.path() + QLatin1Char('/')));
        program.start();
        program.startWindow()->findChild<QPushButton*>(QStringLiteral("BWeiter"))->click();
        ui::MainWindow* main = program.mainWindow();
        auto* centre = qobject_cast<ui::SlipCentreWindow*>(program.navigator().window(ui::Route::SlipCentre));
        QVERIFY(centre);
        ui::SlipEditorFrame* slip = centre->createSlip(5, QString());
        slip->typeButtons(1)->button(0)->click();
        slip->numberCell(1, 8)->click();
        slip->numberCell(1, 9)->click();
        slip->findChild<QPushButton*>(QStringLiteral("BGo"))->click();
        QCOMPARE(program.slipCentre()->transferredSlips().size(), std::size_t{1});
        QVERIFY(messages.isEmpty());

        QSignalSpy finished(&program, &ui::Application::finished);
        capture.answer(false);
        main->findChild<QAction*>(QStringLiteral("MBeenden"))->trigger();
        QCOMPARE(finished.count(), 0);
        QVERIFY(main->isVisible());
        QVERIFY(centre->isVisible());
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0], QStringLiteral("Im Spielscheincenter gibt es einen Spielschein, der in keiner "
                                             "Datei gespeichert ist. Beim Beenden geht er verloren.\r\r"
                                             "Trotzdem beenden?"));
        // A second slip with a number, not transferred, counts as well.
        ui::SlipEditorFrame* second = centre->createSlip(5, QString());
        second->typeButtons(1)->button(0)->click();
        second->numberCell(1, 30)->click();
        main->findChild<QAction*>(QStringLiteral("MBeenden"))->trigger();
        QCOMPARE(finished.count(), 0);
        QCOMPARE(messages.last(),
                 QStringLiteral("Im Spielscheincenter gibt es 2 Spielscheine, die in keiner "
                                "Datei gespeichert sind. Beim Beenden gehen sie verloren.\r\r"
                                "Trotzdem beenden?"));
        centre->closeSlip();

        // Once saved, the program ends without a question.
        ui::setNextFileName(data.filePath(QStringLiteral("gesichert.tix")));
        centre->saveSlipFile();
        QCOMPARE(logic::loadSlips(data.filePath(QStringLiteral("gesichert.tix"))).size(), std::size_t{1});
        messages.clear();
        main->findChild<QAction*>(QStringLiteral("MBeenden"))->trigger();
        QCOMPARE(finished.count(), 1);
        QVERIFY(messages.isEmpty());
        ui::setClockForTests({});
    }

    void closingTheStartWindowBeforeContinueEndsTheProgram() {
        QTemporaryDir data;
        ui::Application program(pathsIn(data.path() + QLatin1Char('/')));
        program.start();
        QSignalSpy finished(&program, &ui::Application::finished);
        QVERIFY(program.startWindow()->close());
        QCOMPARE(finished.count(), 1);
    }

    void closingTheStartWindowAfterContinueOnlyHidesIt() {
        QTemporaryDir data;
        ui::Application program(pathsIn(data.path() + QLatin1Char('/')));
        program.start();
        QSignalSpy finished(&program, &ui::Application::finished);
        ui::StartWindow* start = program.startWindow();
        start->findChild<QPushButton*>(QStringLiteral("BWeiter"))->click();
        program.mainWindow()->findChild<QAction*>(QStringLiteral("MStartfenster"))->trigger();
        QVERIFY(start->isVisible());
        QVERIFY(start->close());
        QVERIFY(!start->isVisible());
        QVERIFY(program.mainWindow()->isVisible());
        QCOMPARE(finished.count(), 0);
    }

    void theStoredDrawCountIsComputedOnceAtStart() {
        QTemporaryDir data;
        logic::saveDrawHistory(data.filePath(QStringLiteral("KenoZahlen.tpp")),
                               {test::draw(QDate(2024, 2, 24), test::run20(1), QStringLiteral("12345"))});
        logic::OptionsRecord options;
        options.statAnzahlIndex = 2;
        logic::saveOptions(data.filePath(QStringLiteral("optionen.kop")), options);
        ui::Application program(pathsIn(data.path() + QLatin1Char('/')));
        // Counted over the whole start: every window that shows frequencies shares them.
        int computed = 0;
        program.setWindowBuiltHook([&](QWidget* window) {
            if (auto* statistics = qobject_cast<ui::StatisticsWindow*>(window))
                QObject::connect(&statistics->statistics(), &logic::Statistics::frequenciesComputed,
                                 [&] { ++computed; });
        });
        program.start();
        QCOMPARE(computed, 1);
        QCOMPARE(program.statisticsWindow()->drawCountIndex(), 2);
        QCOMPARE(program.tipCentre()->drawCountIndex(), 2);
        QVERIFY(messages.isEmpty());

        // A new choice in either window computes once and shows in both.
        program.tipCentre()->findChild<QRadioButton*>(QStringLiteral("RGAnzahl_3"))->click();
        QCOMPARE(computed, 2);
        QCOMPARE(program.statisticsWindow()->drawCountIndex(), 3);
        program.statisticsWindow()->findChild<QRadioButton*>(QStringLiteral("RG1_4"))->click();
        QCOMPARE(computed, 3);
        QCOMPARE(program.tipCentre()->drawCountIndex(), 4);
    }

    void theStoredDrawCountShowsInBothWindowsWithoutDraws() {
        QTemporaryDir data;
        logic::OptionsRecord options;
        options.statAnzahlIndex = 2;
        logic::saveOptions(data.filePath(QStringLiteral("optionen.kop")), options);
        ui::Application program(pathsIn(data.path() + QLatin1Char('/')));
        program.start();
        QCOMPARE(program.statisticsWindow()->drawCountIndex(), 2);
        QCOMPARE(program.tipCentre()->drawCountIndex(), 2);

        // Without draws a click in the statistics window is not passed on to the tip centre,
        // while the tip centre's own choice shows in the statistics window.
        program.statisticsWindow()->findChild<QRadioButton*>(QStringLiteral("RG1_4"))->click();
        QCOMPARE(program.tipCentre()->drawCountIndex(), 2);
        program.tipCentre()->findChild<QRadioButton*>(QStringLiteral("RGAnzahl_3"))->click();
        QCOMPARE(program.statisticsWindow()->drawCountIndex(), 3);
    }

    void anErrorWhileAWindowIsBuiltIsShownAndEndsTheProgram() {
        QTemporaryDir data;
        ui::Application program(pathsIn(data.path() + QLatin1Char('/')));
        program.setWindowBuiltHook([](QWidget* window) {
            if (window->objectName() == QStringLiteral("FOptionen"))
                throw logic::Error(QStringLiteral("Das Fenster Optionen fehlt."));
        });
        QSignalSpy finished(&program, &ui::Application::finished);
        program.start();
        QVERIFY(program.startWindow()->initializationDone());
        QCOMPARE(messages, QStringList{QStringLiteral("Das Fenster Optionen fehlt.")});
        QCOMPARE(finished.count(), 1);
    }

    void continueStartsDisabledWithTheBusyCursor() {
        ui::StartWindow start;
        auto* continueButton = start.findChild<QPushButton*>(QStringLiteral("BWeiter"));
        QVERIFY(!continueButton->isEnabled());
        QCOMPARE(continueButton->cursor().shape(), Qt::WaitCursor);
        start.setInitializationDone(true);
        QVERIFY(continueButton->isEnabled());
        QCOMPARE(continueButton->cursor().shape(), Qt::PointingHandCursor);
    }

    void unreadableHistoryIsReportedAndTheStartGoesOn() {
        QTemporaryDir data;
        QDir(data.path()).mkdir(QStringLiteral("KenoZahlen.tpp")); // exists, but cannot be read as a file
        ui::Application program(pathsIn(data.path() + QLatin1Char('/')));
        program.start();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("KenoZahlen.tpp")));
        QVERIFY(program.startWindow()->initializationDone());
        QVERIFY(program.state().history().empty());
    }

    void everyRouteOfTheMenusLeadsSomewhere() {
        QTemporaryDir data;
        ui::Application program(pathsIn(data.path() + QLatin1Char('/')));
        program.start();
        auto* main = program.mainWindow();
        QVERIFY(main->findChild<QAction*>(QStringLiteral("MStartfenster"))->isEnabled());
        QVERIFY(main->findChild<QAction*>(QStringLiteral("MBeenden"))->isEnabled());
        QVERIFY(main->findChild<QAction*>(QStringLiteral("MStatistik"))->isEnabled());
        QVERIFY(test::isFormOpen(QStringLiteral("FStatistik1")));
        QVERIFY(main->findChild<QAction*>(QStringLiteral("MUpdate"))->isEnabled());
        QVERIFY(messages.isEmpty());
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"

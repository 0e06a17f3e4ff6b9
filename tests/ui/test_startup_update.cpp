#include "logic/core/history_file.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics.h"
#include "platform/download.h"
#include "support/draw_counts.h"
#include "support/http_test_server.h"
#include "support/message_capture.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "tools/generated_history.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/draws/update_window.h"
#include "ui/statistics/statistics_window.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace talvo;

// The whole program after start-up: an update through the update window makes the main
// window's lists and the statistics follow without any further action.
class StartupUpdateTest : public QObject {
    Q_OBJECT

  private slots:
    void updateRefreshesListsAndStatistics() {
        test::TempFolder data;
        const logic::AppPaths paths = data.paths();
        const logic::DrawHistory full = tools::generatedHistory(80, QDate(2024, 1, 2), 5);
        logic::saveDrawHistory(paths.historyFile(), logic::DrawHistory(full.begin(), full.end() - 12));
        const QDate newest = logic::serialToDate(full.back().datum);
        ui::setClockForTests([newest] { return QDateTime(newest.addDays(1), QTime(20, 0)); });
        test::MessageCapture capture;
        QStringList& messages = capture.texts();
        platform::setOnlineForTests(true);

        test::HttpTestServer server;
        server.set(QStringLiteral("/downloads/gz30.tpp"),
                   {200, logic::drawsToBytes(logic::DrawHistory(full.end() - 30, full.end()))});
        ui::Application program(paths, server.base());
        program.start();

        ui::UpdateWindow* update = program.updateWindow();
        QCOMPARE(update->chosenFileName(), QStringLiteral("gz30.tpp")); // 13 days missing
        ui::StatisticsWindow* stats = program.statisticsWindow();
        stats->findChild<QRadioButton*>(QStringLiteral("RG1_1"))->click(); // the last 10 draws
        QCOMPARE(stats->statistics().result(logic::StatisticKind::Numbers)->drawCount, 10);

        QSignalSpy finished(update, &ui::UpdateWindow::updateFinished);
        update->findChild<QPushButton*>(QStringLiteral("BStart"))->click();
        QVERIFY(finished.wait(20000));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))));

        QCOMPARE(program.state().history().size(), full.size());
        auto* drawNumberCombo = program.mainWindow()->findChild<QComboBox*>(QStringLiteral("comboNr"));
        QCOMPARE(drawNumberCombo->count(), 80);
        QCOMPARE(drawNumberCombo->currentText(), QStringLiteral("80"));
        // The entry page stands on the same, last stored draw, not on the next date.
        auto* entryNumberCombo = program.mainWindow()->findChild<QComboBox*>(QStringLiteral("comboNr2"));
        auto* entryDateCombo = program.mainWindow()->findChild<QComboBox*>(QStringLiteral("combo2"));
        QCOMPARE(entryNumberCombo->count(), 81);
        QCOMPARE(entryNumberCombo->currentText(), QStringLiteral("80"));
        QCOMPARE(entryDateCombo->currentText(), logic::serialToText(full.back().datum));
        QCOMPARE(stats->statistics().result(logic::StatisticKind::Numbers)->occurrences,
                 test::drawCounts(full.end() - 10, full.end()));

        platform::setOnlineForTests(std::nullopt);
        ui::setClockForTests({});
    }
};

QTEST_MAIN(StartupUpdateTest)
#include "test_startup_update.moc"

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics.h"
#include "logic/statistics/frequency_statistics.h"
#include "support/builders.h"
#include "support/draw_counts.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "tools/generated_history.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/statistics/statistics_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

using namespace talvo;
using test::namedChild;

// The whole program after start-up: a draw stored on the main window's entry page is
// counted by the statistics the windows share, with no other window asking for it.
class StartupStoreTest : public QObject {
    Q_OBJECT

  private slots:
    void storedDrawIsCountedByTheSharedStatistics() {
        test::TempFolder data;
        const logic::AppPaths paths = data.paths();
        const logic::DrawHistory stored = tools::generatedHistory(40, QDate(2024, 1, 2), 9);
        logic::saveDrawHistory(paths.historyFile(), stored);
        const QDate newest = logic::serialToDate(stored.back().datum);
        ui::setClockForTests([newest] { return QDateTime(newest.addDays(3), QTime(20, 0)); });
        test::MessageCapture capture;
        QStringList& messages = capture.texts();

        ui::Application program(paths);
        program.start();
        ui::StatisticsWindow* statistics = program.statisticsWindow();
        namedChild<QRadioButton>(*statistics, "RG1_1")->click(); // the last 10 draws
        const logic::Statistics& shared = statistics->statistics();
        QCOMPARE(shared.result(logic::StatisticKind::Numbers)->occurrences,
                 test::drawCounts(stored.end() - 10, stored.end()));
        QSignalSpy classSetsChanged(&shared, &logic::Statistics::classSetsChanged);

        ui::MainWindow& main = *program.mainWindow();
        namedChild<QTabWidget>(main, "PC0")->setCurrentIndex(1);
        for (int n : test::run20(50))
            namedChild<QPushButton>(main, QStringLiteral("lot%1").arg(n))->click();
        namedChild<QLineEdit>(main, "E77")->setText(QStringLiteral("12345"));
        namedChild<QPushButton>(main, "BSpeichern1")->click();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))));

        const logic::DrawHistory longer = program.state().history();
        QCOMPARE(longer.size(), stored.size() + 1);
        QCOMPARE(shared.result(logic::StatisticKind::Numbers)->occurrences,
                 test::drawCounts(longer.end() - 10, longer.end()));
        // The tip centre draws on these class sets: they are those of the new history.
        QVERIFY(classSetsChanged.count() >= 1);
        const logic::ClassSets expected = logic::computeFrequencyStatistics(longer, 10).classSets;
        for (int kind = 1; kind <= 3; ++kind)
            for (int level = 1; level <= logic::kLevelCount; ++level)
                QCOMPARE(shared.classSets().at(kind, level), expected.at(kind, level));

        ui::setClockForTests({});
    }
};

QTEST_MAIN(StartupStoreTest)
#include "test_startup_store.moc"

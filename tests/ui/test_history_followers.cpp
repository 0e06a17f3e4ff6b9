#include "logic/core/history_file.h"
#include "logic/draws/archive_export.h"
#include "logic/state/program_state.h"
#include "logic/statistics/number_statistics.h"
#include "logic/tips/class_rows.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "support/visible_window.h"
#include "tools/generated_history.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/draws/import_window.h"
#include "ui/export/draw_export_window.h"
#include "ui/navigation/navigator.h"
#include "ui/statistics/statistics_window.h"
#include "ui/tips/cell_strip.h"
#include "ui/tips/tip_centre_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

using namespace talvo;
using test::namedChild;

// Every window that shows something of the draw history follows each change of it, however
// it came about: a draw stored by hand, an import, an undo.
class HistoryFollowersTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths;
    test::MessageCapture capture;
    // 400 draws, Monday to Saturday, up to Saturday 10.05.2025 or so; stored one after the last.
    const logic::DrawHistory draws = tools::generatedHistory(400, QDate(2024, 2, 5), 11);
    std::unique_ptr<ui::Application> program;

    ui::MainWindow& main() { return *program->mainWindow(); }
    QDate lastDay() const { return logic::serialToDate(draws.back().datum); }

    static QStringList frequencyTexts(QWidget& statistics) {
        QStringList texts;
        for (int n = 1; n <= 70; ++n)
            texts << namedChild<QLabel>(statistics, QStringLiteral("PNummerWert%1").arg(n))->text();
        return texts;
    }
    static QStringList classRowTexts(QWidget& tips) {
        QStringList texts;
        for (int row = 1; row <= 6; ++row)
            texts << namedChild<ui::CellStrip>(tips, QStringLiteral("PKlasse%1").arg(row))->text();
        return texts;
    }
    // What the frequencies and class rows of the last 50 draws of `history` are.
    static std::pair<QStringList, QStringList> expectedFor(const logic::DrawHistory& history) {
        logic::ClassSets sets;
        const logic::FrequencyResult numbers =
            logic::frequencyStatistic(logic::StatisticKind::Numbers, history, 50, sets);
        logic::frequencyStatistic(logic::StatisticKind::FinalDigits, history, 50, sets);
        logic::frequencyStatistic(logic::StatisticKind::Tens, history, 50, sets);
        QStringList counts;
        for (int n = 1; n <= 70; ++n)
            counts << QString::number(numbers.occurrences[static_cast<std::size_t>(n - 1)]);
        QStringList rows;
        for (const logic::ClassRow& row : logic::classRows(sets)) {
            QStringList cells;
            for (const logic::ClassCell& c : row.numberCells)
                cells << QString::number(c.number);
            rows << (cells.isEmpty() ? QStringLiteral("Keine") : cells.join(QLatin1Char(' ')));
        }
        return {counts, rows};
    }

  private slots:
    void init() {
        paths = data.emptyDataAndProgramFolders();
        logic::saveDrawHistory(paths.historyFile(), draws);
        capture.clear();
        const QDate today = lastDay().addDays(2);
        ui::setClockForTests([today] { return QDateTime(today, QTime(20, 0)); });
        program = std::make_unique<ui::Application>(paths);
        program->start();
        program->statisticsWindow()->setDrawCountIndex(7); // 50 draws
    }

    void cleanup() {
        program.reset();
        ui::setClockForTests({});
        ui::setNextFileName({});
    }

    void aDrawStoredInTheMainWindowShowsAtOnceEverywhere() {
        ui::StatisticsWindow& statistics = *program->statisticsWindow();
        ui::TipCentreWindow& tips = *program->tipCentre();
        ui::DrawExportWindow& exports = *program->drawExportWindow();
        const auto [countsBefore, rowsBefore] = expectedFor(draws);
        QCOMPARE(frequencyTexts(statistics), countsBefore);
        QCOMPARE(classRowTexts(tips), rowsBefore);
        QCOMPARE(namedChild<QDateEdit>(exports, "DateB")->date(), lastDay());

        // The day after the last draw, with numbers the last 50 draws hardly ever had together.
        namedChild<QTabWidget>(main(), "PC0")->setCurrentIndex(1);
        const QDate next = lastDay().addDays(1);
        QCOMPARE(namedChild<QComboBox>(main(), "combo2")->currentText(), next.toString("dd.MM.yyyy"));
        for (int n = 51; n <= 70; ++n)
            namedChild<QPushButton>(main(), QStringLiteral("lot%1").arg(n))->click();
        namedChild<QPushButton>(main(), "BSpeichern1")->click();
        QVERIFY2(capture.texts().isEmpty(), qPrintable(capture.texts().join(QLatin1Char('|'))));
        const logic::DrawHistory stored = logic::loadDrawHistory(paths.historyFile());
        QCOMPARE(stored.size(), draws.size() + 1);

        const auto [counts, rows] = expectedFor(stored);
        QVERIFY(counts != countsBefore);
        QCOMPARE(frequencyTexts(statistics), counts);
        QCOMPARE(classRowTexts(tips), rows);
        QCOMPARE(namedChild<QDateEdit>(exports, "DateB")->date(), next);
        // The main window's own range ends on the new draw as well.
        QCOMPARE(namedChild<QDateEdit>(main(), "DateB")->date(), next);
    }

    void aRangeTheUserChoseStaysWhenTheHistoryChanges() {
        ui::DrawExportWindow& exports = *program->drawExportWindow();
        const QDate chosen = lastDay().addDays(-10);
        namedChild<QDateEdit>(exports, "DateB")->setDate(chosen);
        QCOMPARE(namedChild<QDateEdit>(exports, "DateB")->date(), chosen);
        logic::DrawHistory more = draws;
        more.push_back(more.back());
        more.back().datum = logic::dateToSerial(lastDay().addDays(1));
        program->state().setHistory(more);
        QCOMPARE(namedChild<QDateEdit>(exports, "DateB")->date(), chosen);
    }

    void anOpenImportReportFollowsAnUndo() {
        // The lottery's archive of the stored draws: nothing new.
        const QString csv =
            test::writeFile(data, QStringLiteral("archiv.csv"), logic::drawsAsArchiveCsv(draws).toUtf8());
        ui::setNextFileName(csv);
        program->navigator().go(ui::Route::ArchiveImport);
        auto* import = qobject_cast<ui::ImportWindow*>(test::visibleWindow("FImport"));
        QVERIFY(import);
        QSignalSpy ready(import, &ui::ImportWindow::previewReady);
        QVERIFY(ready.wait(15000));
        QCOMPARE(namedChild<QLabel>(*import, "LNeu")->text(), QStringLiteral("0"));
        QCOMPARE(namedChild<QLabel>(*import, "LGleich")->text(), QString::number(draws.size()));

        // The history loses its last draw by an undo elsewhere: the report says so at once.
        logic::DrawHistory fewer = draws;
        fewer.pop_back();
        program->state().setHistory(fewer);
        QCOMPARE(namedChild<QLabel>(*import, "LNeu")->text(), QStringLiteral("1"));
        QCOMPARE(namedChild<QLabel>(*import, "LGleich")->text(), QString::number(fewer.size()));
    }
};

QTEST_MAIN(HistoryFollowersTest)
#include "test_history_followers.moc"

#include "logic/core/format.h"
#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/slip_file.h"
#include "logic/evaluation/evaluation.h"
#include "logic/evaluation/evaluation_summary.h"
#include "logic/state/program_state.h"
#include "support/builders.h"
#include "support/history_builder.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/evaluation/evaluation_area.h"
#include "ui/evaluation/overview_window.h"
#include "ui/evaluation/result_tabs.h"
#include "ui/evaluation/slip_file_frame.h"

#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace talvo;

// The overview that a range or running-time evaluation opens beside its result tabs.
class EvaluationOverviewTest : public QObject {
    Q_OBJECT

    test::TempFolder dir;
    logic::AppPaths paths;
    test::MessageCapture capture;
    // Monday 05.02. to Saturday 17.02.2024 (12 draws), plus 5 numbers 10000 .. 10011.
    const logic::DrawHistory history = test::drawDays(QDate(2024, 2, 5), 12);

    logic::SlipList slips() const {
        logic::SlipRecord a =
            test::slip({{1, 2}, {5, 6, 7}}, 1, 0, QDate(2024, 2, 5), QStringLiteral("Alpha"));
        a.p5 = 1;
        a.plus5.setText(QStringLiteral("99003"));
        const logic::SlipRecord b =
            test::slip({{30, 31, 32, 33, 34, 35}}, 0, 0, QDate(2024, 2, 5), QStringLiteral("Beta"));
        return {a, b};
    }

    static QStringList rowTexts(QTableWidget* table, int row) {
        QStringList texts;
        for (int c = 0; c < table->columnCount(); ++c)
            texts << (table->item(row, c) ? table->item(row, c)->text() : QString());
        return texts;
    }

    static QStringList expectedRow(const QString& name, const logic::SlipSummary& s) {
        return {name,
                QString::number(s.evaluations),
                logic::formatNumber(s.stakeCents / 100.0, 2),
                logic::formatNumber(static_cast<double>(s.gamePrize), 2),
                logic::formatNumber(static_cast<double>(s.plus5Prize), 2),
                logic::formatNumber(s.balanceCents() / 100.0, 2),
                logic::formatNumber(s.expectedBalance(), 2),
                s.largestPrize > 0 ? logic::formatNumber(static_cast<double>(s.largestPrize), 2) : QString(),
                s.largestPrize > 0 ? logic::serialToText(s.largestPrizeDate) : QString()};
    }

    // The window started, with the two slips open as its evaluation file.
    void openSlips(ui::MainWindow& w) {
        w.setUpAtStart();
        const QString file = dir.filePath(QStringLiteral("s.tix"));
        logic::saveSlips(file, slips());
        w.evaluationArea()->loadEvaluationFile(file);
    }

  private slots:
    void init() {
        paths = dir.emptyDataAndProgramFolders();
        logic::saveDrawHistory(paths.historyFile(), history);
        capture.clear();
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 1), QTime(12, 0)); });
    }
    void cleanup() { ui::setClockForTests({}); }

    void aRangeShowsEachSlipTheSumsAndTheBalance() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        openSlips(w);
        QVERIFY(!w.evaluationArea()->overviewWindow());
        test::namedChild<QDateEdit>(w, "DateV")->setDate(QDate(2024, 2, 5));
        test::namedChild<QDateEdit>(w, "DateB")->setDate(QDate(2024, 2, 17));
        test::namedChild<QToolButton>(w, "BZeitraum")->click();

        ui::OverviewWindow* overview = w.evaluationArea()->overviewWindow();
        QVERIFY(overview);
        QVERIFY(overview->isVisible());
        QCOMPARE(overview->parentWidget(), &w);
        QVERIFY(!overview->capNote()->isVisible());
        // The result tabs stay as they were: one per slip and draw.
        QCOMPARE(w.evaluationArea()->activeFileFrame()->results()->count(), 24);

        logic::EvaluationSummary expected;
        logic::evaluateRange(slips(), history.front().datum, history.back().datum, history, 1e6, expected);
        QTableWidget* table = overview->summaryTable();
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(rowTexts(table, 0), expectedRow(QStringLiteral("Alpha"), expected.slips()[0]));
        QCOMPARE(rowTexts(table, 1), expectedRow(QStringLiteral("Beta"), expected.slips()[1]));
        QCOMPARE(rowTexts(table, 2), expectedRow(QStringLiteral("Summe"), expected.total()));
        // Alpha pays 2 x 2 + 0,75 per draw, Beta 1: 12 draws each.
        QCOMPARE(table->item(2, 1)->text(), QStringLiteral("24"));
        QCOMPARE(table->item(2, 2)->text(), QStringLiteral("69,00"));

        // The hit classes of the total: type 2, 3 and 6 and plus 5, each against the odds.
        QTableWidget* hits = overview->hitsTable();
        QCOMPARE(hits->rowCount(), 3 + 4 + 7 + 6);
        QCOMPARE(hits->item(0, 0)->text(), QStringLiteral("Typ 2"));
        QCOMPARE(hits->item(19, 0)->text(), QStringLiteral("plus 5"));
        long long fields = 0;
        for (int r = 0; r < 3; ++r)
            fields += hits->item(r, 2)->text().toLongLong();
        QCOMPARE(fields, 12);
        // Beta alone has only its type 6 rows.
        table->setCurrentCell(1, 1);
        QCOMPARE(hits->rowCount(), 7);
        QCOMPARE(hits->item(0, 0)->text(), QStringLiteral("Typ 6"));

        // The chart: the total and its expected line; a ticked slip adds its own balance.
        QChart* chart = overview->chart()->chart();
        QCOMPARE(chart->series().size(), 2);
        auto* total = qobject_cast<QLineSeries*>(chart->series()[0]);
        QCOMPARE(total->count(), 12);
        QCOMPARE(total->at(11).y(), expected.total().balanceCents() / 100.0);
        table->item(1, 0)->setCheckState(Qt::Checked);
        QCOMPARE(chart->series().size(), 3);
        auto* beta = qobject_cast<QLineSeries*>(chart->series()[1]);
        QCOMPARE(beta->name(), QStringLiteral("Beta"));
        QCOMPARE(beta->at(11).y(), expected.slips()[1].balanceCents() / 100.0);
        QVERIFY(capture.shown().isEmpty());
    }

    void runningTimeFillsTheSameWindowAgain() {
        logic::ProgramState state;
        ui::MainWindow w(state, paths);
        openSlips(w);
        test::namedChild<QDateEdit>(w, "DateV")->setDate(QDate(2024, 2, 12));
        test::namedChild<QDateEdit>(w, "DateB")->setDate(QDate(2024, 2, 12));
        test::namedChild<QToolButton>(w, "BZeitraum")->click();
        ui::OverviewWindow* first = w.evaluationArea()->overviewWindow();
        QCOMPARE(first->summaryTable()->item(2, 1)->text(), QStringLiteral("2"));
        test::namedChild<QPushButton>(w, "BLaufzeit")->click();
        QCOMPARE(w.evaluationArea()->overviewWindow(), first);
        // Continuous play from the first draw: every stored draw.
        QCOMPARE(first->summaryTable()->item(2, 1)->text(), QStringLiteral("24"));
    }
};

QTEST_MAIN(EvaluationOverviewTest)
#include "test_evaluation_overview.moc"

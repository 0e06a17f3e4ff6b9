#include "logic/core/dates.h"
#include "logic/core/format.h"
#include "logic/core/type_odds.h"
#include "logic/export/export_table.h"
#include "logic/state/program_state.h"
#include "logic/tips/return_difference.h"
#include "logic/tips/strategy_test.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "tools/generated_history.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/tips/odds_panel.h"
#include "ui/tips/strategy_charts.h"
#include "ui/tips/strategy_test_model.h"
#include "ui/tips/strategy_test_window.h"
#include "ui/tips/time_axis_ticks.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

using namespace talvo;

namespace {
const QDateTime kNow(QDate(2005, 6, 1), QTime(9, 15));
}

class StrategyTestWindowTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths;
    std::unique_ptr<logic::ProgramState> state;
    std::unique_ptr<ui::StrategyTestWindow> window;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();

    template <typename T = QWidget> T* child(const char* name) { return test::namedChild<T>(*window, name); }

  private slots:
    void init() {
        paths = data.paths();
        state = std::make_unique<logic::ProgramState>();
        state->setHistory(tools::generatedHistory(300, QDate(2004, 2, 2), 11));
        capture.clear();
        ui::setClockForTests([] { return kNow; });
        window = std::make_unique<ui::StrategyTestWindow>(*state, paths, ui::StrategyTestPreset{1, 4, 7, 1});
    }
    void cleanup() {
        window.reset();
        ui::setClockForTests({});
    }

    void aShortTestShowsTheTotalsOfTheLogic() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Strategie-Test"));
        QCOMPARE(window->property("HelpContext").toInt(), 120);
        // The tip centre's choices: Favoriten, type 4, the last 50 draws, 2 euro.
        QCOMPARE(window->parameter().strategy, 1);
        QCOMPARE(window->parameter().kenoType, 4);
        QCOMPARE(window->parameter().windowSize, 50);
        QCOMPARE(window->parameter().stake, 2);
        child<QDateEdit>("DEVon")->setDate(QDate(2004, 12, 1));
        child<QDateEdit>("DEBis")->setDate(QDate(2004, 12, 31));

        QSignalSpy done(window.get(), &ui::StrategyTestWindow::testFinished);
        child<QAction>("BStart")->trigger();
        QVERIFY(window->isRunning());
        QVERIFY(!child<QAction>("BStart")->isEnabled());
        window->startTest(); // a second start while one runs is refused
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("läuft bereits")));
        QVERIFY(done.wait(20000));
        QVERIFY(!window->isRunning());
        QCOMPARE(messages.size(), 1);

        logic::StrategyTestParameters p = window->parameter();
        p.seed = static_cast<quint64>(kNow.toMSecsSinceEpoch());
        const logic::StrategyTestResult expected = logic::runStrategyTest(state->history(), p);
        const logic::StrategyTestResult& r = window->result();
        QCOMPARE(r.draws.size(), expected.draws.size());
        QCOMPARE(r.draws.size(),
                 static_cast<std::size_t>(tools::drawDaysBetween(QDate(2004, 12, 1), QDate(2004, 12, 31))));
        QCOMPARE(r.winnings, expected.winnings);
        QCOMPARE(r.randomWinnings, expected.randomWinnings);
        QCOMPARE(r.stake, 2 * static_cast<long long>(r.draws.size()));
        QCOMPARE(child<QLabel>("LErgebnis")->text(),
                 QStringLiteral("Ihre Strategie: %1 % zurück — Zufall: %2 %")
                     .arg(logic::formatNumber(expected.returnRate(), 1),
                          logic::formatNumber(expected.randomReturnRate(), 1)));
        QVERIFY(child<QLabel>("LHinweis")->text().contains(QStringLiteral("nur mit den Ziehungen davor")));
        // A month of draws tells the strategy from chance by its interval alone.
        const logic::ReturnDifference difference = logic::returnDifference(expected, 4);
        QVERIFY(difference.high - difference.low > 50.0);
        QCOMPARE(child<QLabel>("LZufallsvergleich")->text(), logic::returnDifferenceSentence(difference));
        QVERIFY(
            child<QLabel>("LZufallsvergleich")->text().startsWith(QStringLiteral("Die Strategie liegt ")));
        // plus 5 is stated beside the game's return, by its own odds.
        QVERIFY(child<QLabel>("LDetails")
                    ->text()
                    .contains(
                        QStringLiteral("plus 5: erwarteter Rückfluss 0,365 € je 0,75 € Einsatz (48,67 %)")));

        // Both charts: the two balances per tested draw, observed and expected hits per count.
        auto* historyChart = child<QChartView>("CVerlauf")->chart();
        QCOMPARE(historyChart->series().size(), 2);
        auto* line = qobject_cast<QLineSeries*>(historyChart->series()[0]);
        QCOMPARE(line->count(), static_cast<int>(r.draws.size()));
        QCOMPARE(line->at(line->count() - 1).y(), static_cast<double>(expected.winnings - expected.stake));
        auto* bars = qobject_cast<QBarSeries*>(child<QChartView>("CTreffer")->chart()->series()[0]);
        QCOMPARE(bars->barSets()[0]->count(), 5);
        for (int h = 0; h <= 4; ++h) {
            QCOMPARE(bars->barSets()[0]->at(h),
                     static_cast<double>(expected.hitCount[static_cast<std::size_t>(h)]));
            QCOMPARE(bars->barSets()[1]->at(h), expected.expectedHits[static_cast<std::size_t>(h)]);
        }
        // The counts stand on the bars, so the rare high hit counts can be read as well, and they
        // follow the bars when the window grows.
        window->resize(window->width() + 300, window->height() + 200);
        QTest::qWait(50);
        QChart* hitsChart = child<QChartView>("CTreffer")->chart();
        QStringList labelTexts;
        QStringList expectedTexts;
        for (int h = 0; h <= 4; ++h)
            expectedTexts << QString::number(expected.hitCount[static_cast<std::size_t>(h)]);
        for (int h = 0; h <= 4; ++h)
            expectedTexts << logic::formatNumber(expected.expectedHits[static_cast<std::size_t>(h)], 1);
        int label = 0;
        for (QGraphicsItem* item : hitsChart->childItems()) {
            auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
            if (!text)
                continue;
            labelTexts << text->text();
            const int set = label / 5;
            const int hits = label % 5;
            ++label;
            const QPointF barTop = hitsChart->mapToPosition(
                QPointF(hits - 0.25 + 0.25 * set + 0.125, bars->barSets()[set]->at(hits)), bars);
            const QRectF box = text->mapRectToParent(text->boundingRect());
            QVERIFY2(qAbs(box.center().x() - barTop.x()) < 1.0, qPrintable(text->text()));
            QVERIFY2(box.bottom() <= barTop.y() && box.bottom() > barTop.y() - 3, qPrintable(text->text()));
            QVERIFY(hitsChart->plotArea().adjusted(0, -box.height(), 0, 0).contains(box.center()));
        }
        QCOMPARE(labelTexts, expectedTexts);
        // Showing a result again replaces the labels of the one before.
        ui::showHits(child<QChartView>("CTreffer"), r);
        int shown = 0;
        for (QGraphicsItem* item : hitsChart->childItems())
            shown += dynamic_cast<QGraphicsSimpleTextItem*>(item) ? 1 : 0;
        QCOMPARE(shown, 10);
        // The time axis ticks on the first of each month around the tested December.
        auto* time = qobject_cast<QCategoryAxis*>(historyChart->axes(Qt::Horizontal).value(0));
        QVERIFY(time);
        QCOMPARE(time->categoriesLabels(), QStringList({"12.2004", "01.2005"}));
        QCOMPARE(time->endValue(QStringLiteral("01.2005")),
                 static_cast<double>(QDateTime(QDate(2005, 1, 1), QTime(0, 0)).toMSecsSinceEpoch()));
        QCOMPARE(time->min(),
                 static_cast<qreal>(QDateTime(QDate(2004, 12, 1), QTime(0, 0)).toMSecsSinceEpoch()));
        QCOMPARE(time->max(), time->endValue(QStringLiteral("01.2005")));
        QVERIFY(line->at(0).x() > time->min());
        QVERIFY(line->at(line->count() - 1).x() < time->max());

        // The per-draw table, as the spreadsheet gets it.
        auto* model = qobject_cast<ui::StrategyTestModel*>(child<QTableView>("GZiehungen")->model());
        const logic::ExportTable table = model->exportTable();
        QCOMPARE(table.rowCount(), static_cast<int>(r.draws.size()) + 1);
        QCOMPARE(table.cell(0, 0), QStringLiteral("Datum"));
        QCOMPARE(table.cell(0, 1), logic::serialToText(expected.draws[0].date));
        QCOMPARE(table.cell(2, 1), QString::number(expected.draws[0].hitCount));
        QCOMPARE(table.cell(4, table.rowCount() - 1), QString::number(expected.winnings - expected.stake));
        QVERIFY(child<QAction>("BExcel")->isEnabled());
    }

    void aRangeWithoutDrawsAndAReversedRangeAreSaidPlainly() {
        child<QDateEdit>("DEVon")->setDate(QDate(2004, 2, 2)); // nothing before the first draws
        child<QDateEdit>("DEBis")->setDate(QDate(2004, 2, 3));
        child<QComboBox>("CBAnzahl")->setCurrentIndex(9); // 313 draws before each
        QSignalSpy done(window.get(), &ui::StrategyTestWindow::testFinished);
        window->startTest();
        QVERIFY(done.wait(20000));
        QCOMPARE(messages, QStringList{QString::fromUtf8(logic::kNoTestDrawMessage)});
        child<QDateEdit>("DEVon")->setDate(QDate(2005, 1, 1));
        child<QDateEdit>("DEBis")->setDate(QDate(2004, 1, 1));
        window->startTest();
        QVERIFY(!window->isRunning());
        QCOMPARE(messages.size(), 2);
    }

    void timeAxisTicksFallOnMonthOrYearBoundaries_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<bool>("yearly");
        const auto days = [](std::initializer_list<const char*> texts) {
            QStringList list;
            for (const char* t : texts)
                list << QString::fromLatin1(t);
            return list;
        };
        QTest::newRow("one day") << QDate(2024, 3, 6) << QDate(2024, 3, 6)
                                 << days({"2024-03-01", "2024-04-01"}) << false;
        QTest::newRow("last day on a boundary")
            << QDate(2024, 2, 10) << QDate(2024, 4, 1)
            << days({"2024-02-01", "2024-03-01", "2024-04-01", "2024-05-01"}) << false;
        QTest::newRow("a year in two-month steps")
            << QDate(2023, 2, 14) << QDate(2023, 12, 30)
            << days({"2023-01-01", "2023-03-01", "2023-05-01", "2023-07-01", "2023-09-01", "2023-11-01",
                     "2024-01-01"})
            << false;
        QTest::newRow("two years in quarters")
            << QDate(2022, 11, 3) << QDate(2024, 8, 1)
            << days({"2022-10-01", "2023-01-01", "2023-04-01", "2023-07-01", "2023-10-01", "2024-01-01",
                     "2024-04-01", "2024-07-01", "2024-10-01"})
            << false;
        QTest::newRow("years") << QDate(2004, 2, 2) << QDate(2010, 6, 30)
                               << days({"2004-01-01", "2005-01-01", "2006-01-01", "2007-01-01", "2008-01-01",
                                        "2009-01-01", "2010-01-01", "2011-01-01"})
                               << true;
        QTest::newRow("two-year steps on even years")
            << QDate(2005, 2, 2) << QDate(2019, 12, 31)
            << days({"2004-01-01", "2006-01-01", "2008-01-01", "2010-01-01", "2012-01-01", "2014-01-01",
                     "2016-01-01", "2018-01-01", "2020-01-01"})
            << true;
        QTest::newRow("five-year steps")
            << QDate(2005, 2, 2) << QDate(2020, 1, 1)
            << days({"2005-01-01", "2010-01-01", "2015-01-01", "2020-01-01", "2025-01-01"}) << true;
    }

    void timeAxisTicksFallOnMonthOrYearBoundaries() {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QStringList, ticks);
        QFETCH(bool, yearly);
        const ui::TimeAxisTicks got = ui::timeAxisTicks(first, last, 8);
        QStringList dates;
        for (const QDate& d : got.dates)
            dates << d.toString(Qt::ISODate);
        QCOMPARE(dates, ticks);
        QCOMPARE(got.yearly, yearly);
    }

    void theOddsOfTheTypeAndOfAllTypes() {
        QCOMPARE(ui::chanceText(190.0 / 2415.0), QStringLiteral("1 zu 12,7"));
        QCOMPARE(ui::chanceText(0), QStringLiteral("–"));
        auto* odds = child<QTableWidget>("GQuoten");
        QCOMPARE(odds->rowCount(), 5); // type 4: 4..0 hits
        QCOMPARE(odds->item(0, 1)->text(), QStringLiteral("4"));
        const logic::TypeOdds q = logic::oddsOfType(4);
        QCOMPARE(odds->item(0, 2)->text(), ui::chanceText(q.probability(4)));
        QCOMPARE(odds->item(0, 3)->text(), QString::number(q.factors[4]));
        QCOMPARE(
            child<QLabel>("LPlus5Rueckfluss")->text(),
            QStringLiteral(
                "plus 5: erwarteter Rückfluss 0,365 € je 0,75 € Einsatz (48,67 %), für jede Zahl gleich"));
        auto* types = child<QTableWidget>("GTypen");
        QCOMPARE(types->item(0, 1)->text(),
                 logic::formatNumber(100 * q.returnRate(), 2) + QStringLiteral(" %"));
        QCOMPARE(types->item(0, 3)->text(),
                 logic::formatNumber(100 * q.winChanceIn(30), 2) + QStringLiteral(" %"));
        child<QComboBox>("CBTyp")->setCurrentIndex(0);
        QCOMPARE(odds->rowCount(), 3);
        test::namedChild<QCheckBox>(*window, "CBAlleTypen")->setChecked(true);
        QCOMPARE(types->rowCount(), 9);
        QCOMPARE(odds->rowCount(), 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11);
    }
};

QTEST_MAIN(StrategyTestWindowTest)
#include "test_strategy_test_window.moc"

#include "logic/core/dates.h"
#include "logic/core/format.h"
#include "logic/core/program_state.h"
#include "logic/export/export_tabelle.h"
#include "logic/tips/quoten.h"
#include "logic/tips/strategie_test.h"
#include "support/generated_history.h"
#include "support/named_child.h"
#include "support/temp_paths.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/tips/odds_panel.h"
#include "ui/tips/strategy_test_model.h"
#include "ui/tips/strategy_test_window.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace talvo;

namespace {
const QDateTime kJetzt(QDate(2005, 6, 1), QTime(9, 15));
}

class StrategyTestWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir data;
    logic::AppPaths paths;
    std::unique_ptr<logic::ProgramState> state;
    std::unique_ptr<ui::TFStrategieTest> window;
    QStringList messages;

    template <typename T = QWidget> T* child(const char* name) { return test::namedChild<T>(*window, name); }

  private slots:
    void init() {
        paths = test::pathsIn(data);
        state = std::make_unique<logic::ProgramState>();
        state->setHistory(test::generatedHistory(300, QDate(2004, 2, 2), 11));
        messages.clear();
        ui::setMessageHook([this](const QString& t, ui::MessageIcon) {
            messages << t;
            return true;
        });
        ui::setClockForTests([] { return kJetzt; });
        window = std::make_unique<ui::TFStrategieTest>(*state, paths, ui::StrategieTestVorgabe{1, 4, 7, 1});
    }
    void cleanup() {
        window.reset();
        ui::setMessageHook({});
        ui::setClockForTests({});
    }

    void aShortTestShowsTheTotalsOfTheLogic() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Strategie-Test"));
        QCOMPARE(window->property("HelpContext").toInt(), 120);
        // The tip centre's choices: Favoriten, type 4, the last 50 draws, 2 euro.
        QCOMPARE(window->parameter().strategie, 1);
        QCOMPARE(window->parameter().typ, 4);
        QCOMPARE(window->parameter().anzahl, 50);
        QCOMPARE(window->parameter().einsatz, 2);
        child<QDateEdit>("DEVon")->setDate(QDate(2004, 12, 1));
        child<QDateEdit>("DEBis")->setDate(QDate(2004, 12, 31));

        QSignalSpy done(window.get(), &ui::TFStrategieTest::testBeendet);
        child<QAction>("BStart")->trigger();
        QVERIFY(window->laeuft());
        QVERIFY(!child<QAction>("BStart")->isEnabled());
        window->Start(); // a second start while one runs is refused
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("läuft bereits")));
        QVERIFY(done.wait(20000));
        QVERIFY(!window->laeuft());
        QCOMPARE(messages.size(), 1);

        logic::StrategieTestParameter p = window->parameter();
        p.seed = static_cast<quint64>(kJetzt.toMSecsSinceEpoch());
        const logic::StrategieTestErgebnis expected = logic::StrategieTest(state->history(), p);
        const logic::StrategieTestErgebnis& r = window->ergebnis();
        QCOMPARE(r.ziehungen.size(), expected.ziehungen.size());
        QCOMPARE(r.ziehungen.size(),
                 static_cast<std::size_t>(test::drawDaysBetween(QDate(2004, 12, 1), QDate(2004, 12, 31))));
        QCOMPARE(r.gewinn, expected.gewinn);
        QCOMPARE(r.zufallGewinn, expected.zufallGewinn);
        QCOMPARE(r.einsatz, 2 * static_cast<long long>(r.ziehungen.size()));
        QCOMPARE(child<QLabel>("LErgebnis")->text(),
                 QStringLiteral("Ihre Strategie: %1 % zurück — Zufall: %2 %")
                     .arg(logic::formatNumber(expected.rueckfluss(), 1),
                          logic::formatNumber(expected.zufallRueckfluss(), 1)));
        QVERIFY(child<QLabel>("LHinweis")->text().contains(QStringLiteral("nur mit den Ziehungen davor")));

        // Both charts: the two balances per tested draw, observed and expected hits per count.
        auto* verlauf = child<QChartView>("CVerlauf")->chart();
        QCOMPARE(verlauf->series().size(), 2);
        auto* line = qobject_cast<QLineSeries*>(verlauf->series()[0]);
        QCOMPARE(line->count(), static_cast<int>(r.ziehungen.size()));
        QCOMPARE(line->at(line->count() - 1).y(), static_cast<double>(expected.gewinn - expected.einsatz));
        auto* bars = qobject_cast<QBarSeries*>(child<QChartView>("CTreffer")->chart()->series()[0]);
        QCOMPARE(bars->barSets()[0]->count(), 5);
        for (int h = 0; h <= 4; ++h) {
            QCOMPARE(bars->barSets()[0]->at(h),
                     static_cast<double>(expected.treffer[static_cast<std::size_t>(h)]));
            QCOMPARE(bars->barSets()[1]->at(h), expected.erwartet[static_cast<std::size_t>(h)]);
        }

        // The per-draw table, as the spreadsheet gets it.
        auto* model = qobject_cast<ui::StrategieTestModel*>(child<QTableView>("GZiehungen")->model());
        const logic::ExportTabelle table = model->exportTable();
        QCOMPARE(table.zeilen(), static_cast<int>(r.ziehungen.size()) + 1);
        QCOMPARE(table.zelle(0, 0), QStringLiteral("Datum"));
        QCOMPARE(table.zelle(0, 1), logic::serialToText(expected.ziehungen[0].datum));
        QCOMPARE(table.zelle(2, 1), QString::number(expected.ziehungen[0].treffer));
        QCOMPARE(table.zelle(4, table.zeilen() - 1), QString::number(expected.gewinn - expected.einsatz));
        QVERIFY(child<QAction>("BExcel")->isEnabled());
    }

    void aRangeWithoutDrawsAndAReversedRangeAreSaidPlainly() {
        child<QDateEdit>("DEVon")->setDate(QDate(2004, 2, 2)); // nothing before the first draws
        child<QDateEdit>("DEBis")->setDate(QDate(2004, 2, 3));
        child<QComboBox>("CBAnzahl")->setCurrentIndex(9); // 313 draws before each
        QSignalSpy done(window.get(), &ui::TFStrategieTest::testBeendet);
        window->Start();
        QVERIFY(done.wait(20000));
        QCOMPARE(messages, QStringList{QString::fromUtf8(logic::kKeineTestZiehungMeldung)});
        child<QDateEdit>("DEVon")->setDate(QDate(2005, 1, 1));
        child<QDateEdit>("DEBis")->setDate(QDate(2004, 1, 1));
        window->Start();
        QVERIFY(!window->laeuft());
        QCOMPARE(messages.size(), 2);
    }

    void theOddsOfTheTypeAndOfAllTypes() {
        QCOMPARE(ui::chanceText(190.0 / 2415.0), QStringLiteral("1 zu 12,7"));
        QCOMPARE(ui::chanceText(0), QStringLiteral("–"));
        auto* odds = child<QTableWidget>("GQuoten");
        QCOMPARE(odds->rowCount(), 5); // type 4: 4..0 hits
        QCOMPARE(odds->item(0, 1)->text(), QStringLiteral("4"));
        const logic::TypQuoten q = logic::Quoten(4);
        QCOMPARE(odds->item(0, 2)->text(), ui::chanceText(q.wahrscheinlichkeit(4)));
        QCOMPARE(odds->item(0, 3)->text(), QString::number(q.faktor[4]));
        auto* types = child<QTableWidget>("GTypen");
        QCOMPARE(types->item(0, 1)->text(),
                 logic::formatNumber(100 * q.rueckfluss(), 2) + QStringLiteral(" %"));
        QCOMPARE(types->item(0, 3)->text(),
                 logic::formatNumber(100 * q.gewinnchanceIn(30), 2) + QStringLiteral(" %"));
        child<QComboBox>("CBTyp")->setCurrentIndex(0);
        QCOMPARE(odds->rowCount(), 3);
        test::namedChild<QCheckBox>(*window, "CBAlleTypen")->setChecked(true);
        QCOMPARE(types->rowCount(), 9);
        QCOMPARE(odds->rowCount(), 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11);
    }
};

QTEST_MAIN(StrategyTestWindowTest)
#include "test_strategy_test_window.moc"

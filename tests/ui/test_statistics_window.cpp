#include "logic/core/paths.h"
#include "logic/export/export_table.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics_selection.h"
#include "logic/statistics/combination_search.h"
#include "logic/statistics/free_search.h"
#include "logic/statistics/number_frequency_test.h"
#include "platform/shell.h"
#include "support/builders.h"
#include "support/message_capture.h"
#include "support/temp_folder.h"
#include "tools/generated_history.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/statistics/best_combinations_page.h"
#include "ui/statistics/result_grid.h"
#include "ui/statistics/statistics_window.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QUrl>
#include <QtTest>

using namespace talvo;

class StatisticsWindowTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths;
    std::unique_ptr<logic::ProgramState> state;
    std::unique_ptr<logic::StatisticsSelection> selection;
    std::unique_ptr<ui::StatisticsWindow> window;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();
    QList<int> followed; // choices passed on to the tip centre

    template <typename T = QWidget> T* child(const QString& name) {
        T* w = window->findChild<T*>(name);
        if (!w)
            qWarning("missing child %s", qPrintable(name));
        return w;
    }
    QString text(const QString& name) { return child<QLabel>(name)->text(); }
    ui::ResultGrid* grid(const QString& name) { return child<ui::ResultGrid>(name); }
    // Follows the shared choice as the tip centre does.
    void couple() {
        QObject::connect(selection.get(), &logic::StatisticsSelection::drawCountApplied, selection.get(),
                         [this](int index) { followed << index; });
    }
    void click(const QString& name) { child<QPushButton>(name)->click(); }
    // The answer of the next save dialog: a workbook of that name in the test's folder.
    void saveAs(const QString& name) { ui::setNextFileName(data.filePath(name + QStringLiteral(".xlsx"))); }

  private slots:
    void init() {
        paths = data.paths();
        state = std::make_unique<logic::ProgramState>();
        state->setHistory(tools::generatedHistory(400, QDate(2004, 2, 2), 9));
        selection = std::make_unique<logic::StatisticsSelection>(*state);
        window = std::make_unique<ui::StatisticsWindow>(*state, *selection, paths);
        window->setUpAtStart();
        followed.clear();
        capture.clear();
    }
    void cleanup() {
        window.reset();
        selection.reset();
        platform::setShellOpenerForTests({});
    }

    void formCreateShowsChoicesGridsAndAbsences() {
        QCOMPARE(window->objectName(), QStringLiteral("FStatistik1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Statistische Auswertungen"));
        QCOMPARE(window->property("HelpContext").toInt(), 90);
        QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
        QStringList choices;
        for (auto* r : child<QGroupBox>("RG1")->findChildren<QRadioButton*>())
            choices << r->text();
        QCOMPARE(choices, (QStringList{"Alle", "10", "12", "18", "20", "24", "30", "50", "100", "313"}));
        QCOMPARE(window->drawCountIndex(), -1);
        QCOMPARE(window->tabNames(), (QStringList{"Einzelnummern", "Endzahlen", "Zehner", "Freie Kombis",
                                                  "Beste Kombis", "Ausgeblieben"}));
        for (const char* name : {"gk1", "GK2"}) {
            QCOMPARE(grid(name)->cellText(1, 0), QStringLiteral("Kombination"));
            QCOMPARE(grid(name)->cellText(0, 1), QStringLiteral("1"));
            QCOMPARE(grid(name)->cellText(0, 1000), QStringLiteral("1000"));
        }
        QCOMPARE(grid("g1")->cellText(2, 0), QStringLiteral("Datum"));
        QCOMPARE(grid("g2")->cellText(0, 5), QStringLiteral("Chance"));
        QVERIFY(child<QLabel>("LGestartet")->isHidden());
        for (int n = 1; n <= 70; ++n)
            QVERIFY(child<QPushButton>(QStringLiteral("lot%1").arg(n)));
        // Absences: the newest draw's numbers are 0.
        const auto& newest = state->history().back().GZ;
        QCOMPARE(text(QStringLiteral("PNummerA%1").arg(newest[0])), QString::number(newest[0]));
        QCOMPARE(text(QStringLiteral("PNummerWertA%1").arg(newest[0])), QStringLiteral("0"));
        QVERIFY(!child<QAction>("BTipp")->isEnabled());
    }

    void withoutTipCentreTheChoiceStillShowsTheStatistics() {
        window->setDrawCountIndex(7);
        QCOMPARE(text("LD"), QStringLiteral("Erwartungswert: 3,93")); // 190 * 50 / 2415
        QCOMPARE(text("LKombis"), QStringLiteral("Prüfroutinen: 120.750"));
        QCOMPARE(text("LAuswertung1"), QStringLiteral("Auswertung für 50 Ziehungen (1000 Zahlen)"));
        QVERIFY(window->statistics().result(logic::StatisticKind::Numbers));
        QVERIFY(followed.isEmpty());
    }

    void choosingFiftyShowsTheStatisticsAndMovesTheTipCentre() {
        couple();
        logic::ClassSets leftOver;
        leftOver.at(1, 1).insert(70);
        window->statistics().setClassSets(leftOver);
        child<QRadioButton>("RG1_7")->click();
        QCOMPARE(followed, QList<int>{7});
        QCOMPARE(text("LAuswertung1"), QStringLiteral("Auswertung für 50 Ziehungen (1000 Zahlen)"));
        QCOMPARE(text("LLegende1"), QStringLiteral("1000 Zahlen"));
        QCOMPARE(text("LMittel1"), QStringLiteral("14,3"));
        QCOMPARE(text("LAuswertung2"), QStringLiteral("Auswertung für 50 Ziehungen (1000 Zahlen)"));
        const logic::FrequencyResult& r = *window->statistics().result(logic::StatisticKind::Numbers);
        QCOMPARE(text("PDelta1"), r.rangeTexts[0]);
        // The legend reads every range from its lower bound up.
        const auto& t = r.thresholds;
        QCOMPARE(text("PDelta5"), QStringLiteral("%1 bis %2").arg(t[4]).arg(t[3] - 1));
        QCOMPARE(text("PDelta6"), QStringLiteral("%1 bis %2").arg(t[5]).arg(t[4] - 1));
        QCOMPARE(r.rangeTexts[4], QStringLiteral("%1 bis %2").arg(t[3] - 1).arg(t[4]));
        // The test of the counts in one sentence, and the numbers beyond the limit marked.
        const logic::NumberFrequencyTest test = logic::testNumberFrequencies(r.occurrences, 50);
        QVERIFY(text("LTest1").startsWith(
            QStringLiteral(
                "Eine so große Abweichung entsteht bei 50 Ziehungen auch rein zufällig in %1 der Fälle.")
                .arg(logic::chanceText(test.pValue))));
        for (int n = 1; n <= 70; ++n)
            QCOMPARE(child<QLabel>(QStringLiteral("PNummer%1").arg(n))->toolTip().isEmpty(),
                     !logic::isUnusualNumber(test.zScores[n - 1]));
        QCOMPARE(text("PDelta37"), window->statistics().result(logic::StatisticKind::Tens)->rangeTexts[6]);
        QCOMPARE(text("PNummerWert12"), QString::number(r.occurrences[11]));
        const auto& digits = *window->statistics().result(logic::StatisticKind::FinalDigits);
        QCOMPARE(text("PFinale1"), QStringLiteral("Gewinnzahlen mit Endzahl 0:"));
        QCOMPARE(text("PFinaleWert1"), QString::number(digits.occurrences[0]));
        QCOMPARE(text("Pdec7"), QStringLiteral("Gewinnzahlen von 61 - 70"));
        // The class sets were emptied before the run.
        QCOMPARE(window->statistics().classSets().at(1, 1).contains(70), r.itemClass[69] == 5);
        // Setting the same choice again from code runs nothing.
        window->setDrawCountIndex(7);
        QCOMPARE(followed.size(), 1);
        window->setDrawCountIndex(0);
        QCOMPARE(followed, (QList<int>{7, 0}));
        QCOMPARE(text("LMittel1"), QStringLiteral("114,3"));
    }

    void aNumberDrawnFarTooOftenIsMarkedUnusual() {
        logic::DrawHistory h = tools::generatedHistory(313, QDate(2004, 2, 2), 12);
        // 7 in every draw instead of about 89 of them.
        for (auto& d : h)
            if (std::find(d.GZ.begin(), d.GZ.end(), 7) == d.GZ.end())
                d.GZ[d.GZ[0] == 1 ? 1 : 0] = 7;
        state->setHistory(h);
        window->setDrawCountIndex(9);
        QVERIFY(text("LTest1").contains("in weniger als 1 % der Fälle."));
        QVERIFY2(text("LTest1").contains(QRegularExpression("Auffällig \\(.*\\): (.*, )?7[,.]")),
                 qPrintable(text("LTest1")));
        QVERIFY(child<QLabel>("PNummer7")->toolTip().startsWith("auffällig: z = "));
        QVERIFY(child<QLabel>("PNummer7")->font().bold());
        QVERIFY(child<QLabel>("PNummer8")->toolTip().isEmpty());
    }

    void numbersBoardToggleKeepsItsArrangementOnRecompute() {
        couple();
        window->setDrawCountIndex(1);
        const logic::FrequencyResult r = *window->statistics().result(logic::StatisticKind::Numbers);
        const std::vector<int> order = window->statistics().frequencyOrder();
        click("BSortieren1");
        QCOMPARE(text("PNummer1"), QString::number(order[0]));
        QCOMPARE(text("PNummerWert1"),
                 QString::number(*std::min_element(r.occurrences.begin(), r.occurrences.end())));
        // Natural order in the export all the same.
        const logic::ExportTable t = window->exportTable(0);
        QCOMPARE(t.cell(0, 5), QStringLiteral("5"));
        QCOMPARE(t.cell(1, 5), QString::number(r.occurrences[4]));
        window->setDrawCountIndex(9);
        QCOMPARE(text("PNummer1"), QString::number(order[0]));
        QCOMPARE(text("PNummerWert1"),
                 QString::number(
                     window->statistics().result(logic::StatisticKind::Numbers)->occurrences[order[0] - 1]));
        click("BSortieren1");
        QCOMPARE(text("PNummer1"), QStringLiteral("1"));
        QCOMPARE(text("PNummer70"), QStringLiteral("70"));
    }

    void absenceBoardToggleAndExport() {
        click("BSortieren6");
        std::vector<int> newest(state->history().back().GZ.begin(), state->history().back().GZ.end());
        std::sort(newest.begin(), newest.end());
        for (int i = 0; i < 20; ++i)
            QCOMPARE(text(QStringLiteral("PNummerA%1").arg(i + 1)), QString::number(newest[i]));
        const logic::ExportTable t = window->exportTable(3);
        QCOMPARE(t.cell(1, 0), QStringLiteral("Seit Ziehungen..."));
        QCOMPARE(t.cell(0, 1), QString::number(newest[0]));
        QCOMPARE(t.cell(1, 1), QStringLiteral("0"));
        click("BSortieren6");
        QCOMPARE(text("PNummerA1"), QStringLiteral("1"));
    }

    // Every sheet holds what its tab shows: the numbers by number whatever the board's
    // order, the items' labels and counts, and the absences in the board's order. Before
    // the first run the counts are empty on the tab and in the sheet alike.
    void exportsHoldWhatTheTabsShow() {
        // A failed comparison ends the lambda only; each step below then stops the test.
        const auto compareTabs = [this] {
            const logic::ExportTable numbers = window->exportTable(0);
            QCOMPARE(numbers.rowCount(), 71);
            for (int cell = 1; cell <= 70; ++cell) {
                const int n = text(QStringLiteral("PNummer%1").arg(cell)).toInt();
                QVERIFY(n >= 1 && n <= 70);
                QCOMPARE(numbers.cell(0, n), QString::number(n));
                QCOMPARE(numbers.cell(1, n), text(QStringLiteral("PNummerWert%1").arg(cell)));
            }
            const std::array<std::pair<QString, QString>, 2> itemNames = {
                {{QStringLiteral("PFinale"), QStringLiteral("PFinaleWert")},
                 {QStringLiteral("Pdec"), QStringLiteral("PDecWert")}}};
            for (int tab = 1; tab <= 2; ++tab) {
                const logic::ExportTable items = window->exportTable(tab);
                const auto& [label, value] = itemNames[static_cast<std::size_t>(tab - 1)];
                const int count = tab == 1 ? 10 : 7;
                QCOMPARE(items.rowCount(), tab == 1 ? 71 : 8);
                for (int item = 1; item <= count; ++item) {
                    QCOMPARE(items.cell(0, item), text(label + QString::number(item)));
                    QCOMPARE(items.cell(1, item), text(value + QString::number(item)));
                }
                for (int r = count + 1; r < items.rowCount(); ++r)
                    QVERIFY(items.cell(0, r).isEmpty() && items.cell(1, r).isEmpty());
            }
            const logic::ExportTable absences = window->exportTable(3);
            QCOMPARE(absences.rowCount(), 71);
            for (int cell = 1; cell <= 70; ++cell) {
                QCOMPARE(absences.cell(0, cell), text(QStringLiteral("PNummerA%1").arg(cell)));
                QCOMPARE(absences.cell(1, cell), text(QStringLiteral("PNummerWertA%1").arg(cell)));
            }
        };
        compareTabs();
        QVERIFY2(!QTest::currentTestFailed(), "before the first run");
        // Numbers away for more than 1000 draws leave the ordered board's last cells empty.
        logic::DrawHistory h = tools::generatedHistory(1100, QDate(2004, 2, 2), 5);
        for (auto& d : h) {
            const auto seventy = std::find(d.GZ.begin(), d.GZ.end(), 70);
            if (seventy == d.GZ.end())
                continue;
            int other = 1;
            while (std::find(d.GZ.begin(), d.GZ.end(), other) != d.GZ.end())
                ++other;
            *seventy = static_cast<std::uint8_t>(other);
        }
        state->setHistory(h);
        window->setDrawCountIndex(9);
        compareTabs();
        QVERIFY2(!QTest::currentTestFailed(), "313 draws");
        click("BSortieren1");
        click("BSortieren6");
        QVERIFY(text("PNummerA70").isEmpty());
        compareTabs();
        QVERIFY2(!QTest::currentTestFailed(), "both boards ordered");
        window->setDrawCountIndex(0);
        compareTabs();
        QVERIFY2(!QTest::currentTestFailed(), "all draws, ordered");
    }

    void absencesFollowAChangedHistory() {
        logic::DrawHistory h = state->history();
        h.push_back(test::draw(QDate(2030, 1, 2), test::run20(51)));
        state->setHistory(h);
        QCOMPARE(text("PNummerWertA51"), QStringLiteral("0"));
        QCOMPARE(window->statistics().drawCount(), 401);
    }

    void exportsAreSavedAndOpenedOrTheUserIsToldWhereTheyLie() {
        QStringList opened;
        bool desktopHasAProgram = true;
        platform::setShellOpenerForTests([&](const QString& address) {
            opened << QUrl(address).toLocalFile();
            return desktopHasAProgram;
        });
        // Each click asks where its workbook goes; the flops go beside the tops.
        const QStringList titles = {"Einzelnummern", "Endzahlen", "Zehner", "Ausgeblieben", "Tops"};
        for (int i = 0; i < 5; ++i) {
            saveAs(titles[i]);
            click(QStringLiteral("BExcel%1").arg(i + 1));
            QCOMPARE(ui::lastFileDialogRequest().title,
                     i < 4 ? QStringLiteral("Tabelle speichern") : QStringLiteral("Tabellen speichern"));
        }
        QTRY_COMPARE(opened.size(), 6);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(opened[i], data.filePath(titles[i] + QStringLiteral(".xlsx")));
        QCOMPARE(opened[5], data.filePath(QStringLiteral("Flops.xlsx")));
        QTest::qWait(50);
        QVERIFY(messages.isEmpty());

        // Nothing opens workbooks: they are saved all the same, and one message per click
        // names where.
        desktopHasAProgram = false;
        saveAs(QStringLiteral("Tops"));
        click("BExcel5");
        QTRY_COMPARE(messages.size(), 1);
        QTest::qWait(50);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(opened.size(), 8);
        for (const QString& path : {opened[6], opened[7]}) {
            QVERIFY(QFileInfo::exists(path));
            QVERIFY2(messages[0].contains(QDir::toNativeSeparators(path)), qPrintable(messages[0]));
        }
        QVERIFY(messages[0].startsWith(QStringLiteral("Die Tabellen wurden gespeichert unter:\r")));
        saveAs(QStringLiteral("Endzahlen (2)"));
        click("BExcel2");
        QTRY_COMPARE(messages.size(), 2);
        QCOMPARE(messages[1],
                 QStringLiteral("Die Tabelle wurde gespeichert unter:\r%1\r\rAuf diesem Rechner ist "
                                "kein Programm eingerichtet, das Excel-Tabellen (.xlsx) öffnet.")
                     .arg(QDir::toNativeSeparators(opened[8])));
        QCOMPARE(window->exportTable(1).rowCount(), 71);
        QCOMPARE(window->exportTable(2).rowCount(), 8);
        QCOMPARE(window->exportTable(2).cell(0, 7), QStringLiteral("Gewinnzahlen von 61 - 70"));
    }

    void freeSearchListsHitsAndGrowsTheSummary() {
        window->setDrawCountIndex(1);
        const auto& newest = state->history().back().GZ;
        for (int i = 0; i < 11; ++i) // the eleventh is refused
            click(QStringLiteral("lot%1").arg(newest[i]));
        QVERIFY(child<QPushButton>(QStringLiteral("lot%1").arg(newest[0]))->isChecked());
        QVERIFY(!child<QPushButton>(QStringLiteral("lot%1").arg(newest[10]))->isChecked());
        click("BStart");
        QCOMPARE(text("PKombiTop"), QStringLiteral("Auswertung für 10 Ziehungen"));
        QCOMPARE(child<QGroupBox>("GR2")->title(), QStringLiteral("Such-Ergebnis im Detail (1)"));
        QCOMPARE(grid("g1")->cellText(0, 1), QStringLiteral("1"));
        QCOMPARE(grid("g1")->cellText(1, 1), QStringLiteral("400"));
        QCOMPARE(grid("g1")->cellText(2, 1), logic::serialToText(state->history().back().datum));
        QCOMPARE(grid("g2")->cellText(1, 0), QStringLiteral("1"));
        QCOMPARE(grid("g2")->cellText(1, 1), QStringLiteral("10"));
        QCOMPARE(grid("g2")->cellText(1, 4), QStringLiteral("1"));
        click("BDel");
        click("lot1");
        click("lot2");
        window->setDrawCountIndex(0);
        click("BStart");
        QCOMPARE(grid("g2")->columnCount(), 3);
        QCOMPARE(grid("g2")->cellText(2, 0), QStringLiteral("2"));
        QCOMPARE(grid("g2")->cellText(2, 2), QStringLiteral("1 2"));
        QCOMPARE(grid("g2")->cellText(2, 3), QStringLiteral("400"));
        QCOMPARE(grid("g2")->cellText(2, 5), QStringLiteral("31,42"));
        QCOMPARE(grid("g1")->dataRows(), std::max(1, grid("g2")->cellText(2, 4).toInt()));
        // No number picked: no search.
        click("BDel");
        click("BStart");
        QCOMPARE(grid("g2")->columnCount(), 3);
    }

    void bestCombinationsRunInTheBackground() {
        window->setDrawCountIndex(9);
        auto* page = window->findChild<ui::BestCombinationsPage*>();
        QSignalSpy done(page, &ui::BestCombinationsPage::searchFinished);
        child<QRadioButton>("RGKombi1")->click();
        QCOMPARE(text("LD"), QStringLiteral("Erwartungswert: 6,52"));
        click("BStart2");
        QVERIFY(!child<QLabel>("LGestartet")->isHidden());
        QVERIFY(!child<QPushButton>("BStart2")->isEnabled());
        page->startSearch(); // a second start while one runs does nothing
        QVERIFY(done.wait(20000));
        QCOMPARE(done.count(), 1);
        QVERIFY(child<QLabel>("LGestartet")->isHidden());
        QVERIFY(text("LDauer").startsWith("Dauer: 0:00:"));
        QCOMPARE(child<QProgressBar>("Gauge1")->value(), 54740);
        // The extremes compared with 200 random histories of 313 draws.
        const QStringList chance = text("LZufall").split("\n\n");
        QCOMPARE(chance.size(), 2);
        QVERIFY2(
            chance[0].startsWith(QStringLiteral("Dass die häufigste der 54.740 Dreierkombinationen in 313 "
                                                "Ziehungen %1-mal")
                                     .arg(grid("gk1")->cellText(2, 1))),
            qPrintable(chance[0]));
        const QString rarest = grid("GK2")->cellText(2, 1);
        QVERIFY(chance[1].contains(rarest == "0" ? QStringLiteral("gar nicht vorkommt")
                                                 : QStringLiteral("höchstens %1-mal").arg(rarest)));
        QVERIFY(chance[1].endsWith("200 Simulationen)."));
        const logic::CombinationSearchResult expected =
            logic::searchCombinations(logic::lastDrawSets(window->statistics().drawSets(), 313), 3);
        for (int r : {1, 2, 500, 1000}) {
            QCOMPARE(grid("gk1")->cellText(1, r),
                     logic::numbersText(expected.topCombinations[r - 1].combination));
            QCOMPARE(grid("gk1")->cellText(2, r),
                     QString::number(expected.topCombinations[r - 1].occurrences));
            QCOMPARE(grid("GK2")->cellText(1, r),
                     logic::numbersText(expected.flopCombinations[r - 1].combination));
        }
        const logic::ExportTable tops = page->exportTable(*grid("gk1"));
        QCOMPARE(tops.columnCount(), 5);
        QCOMPARE(tops.cell(4, 0), QStringLiteral("Häufigkeit"));
        QCOMPARE(tops.cell(1, 1) + ' ' + tops.cell(2, 1) + ' ' + tops.cell(3, 1),
                 grid("gk1")->cellText(1, 1));
        QVERIFY(child<QPushButton>("BStart2")->isEnabled());
    }

    void exportStopsAtTheFirstEmptyRow() {
        // One draw: 190 pairs occur, so the top list ends after position 190.
        state->setHistory({test::draw(QDate(2024, 1, 1), test::run20(1))});
        window->setDrawCountIndex(0);
        auto* page = window->findChild<ui::BestCombinationsPage*>();
        QSignalSpy done(page, &ui::BestCombinationsPage::searchFinished);
        click("BStart2");
        QVERIFY(done.wait(20000));
        QCOMPARE(grid("gk1")->cellText(1, 190), QStringLiteral("19 20"));
        QVERIFY(grid("gk1")->cellText(1, 191).isEmpty());
        QCOMPARE(grid("gk1")->cellText(0, 191), QStringLiteral("191"));
        const logic::ExportTable tops = page->exportTable(*grid("gk1"));
        QCOMPARE(tops.rowCount(), 1001);
        QCOMPARE(tops.cell(0, 191), QStringLiteral("191"));
        QVERIFY(tops.cell(1, 191).isEmpty());
        QVERIFY(tops.cell(0, 192).isEmpty());
    }

    void stopKeepsWhatWasPlaced() {
        state->setHistory(tools::generatedHistory(3000, QDate(2004, 2, 2), 4));
        window->setDrawCountIndex(0);
        auto* page = window->findChild<ui::BestCombinationsPage*>();
        QSignalSpy done(page, &ui::BestCombinationsPage::searchFinished);
        child<QRadioButton>("RGKombi2")->click();
        click("BStart2");
        click("BStop");
        QVERIFY(done.wait(20000));
        QVERIFY(child<QProgressBar>("Gauge1")->value() <= 916895);
        QVERIFY(text("LDauer").startsWith("Dauer: "));
    }

    void emptyHistoryLeavesEverythingAlone() {
        state->setHistory({});
        couple();
        window->setDrawCountIndex(3);
        QVERIFY(followed.isEmpty());
        click("BSortieren1");
        QCOMPARE(text("PNummer1"), QStringLiteral("1"));
        click("BStart2");
        QVERIFY(child<QPushButton>("BStart2")->isEnabled());
        QCOMPARE(text("PNummerWertA1"), QStringLiteral("0"));
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "test_statistics_window.moc"

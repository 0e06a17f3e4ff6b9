#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/core/number_set.h"
#include "logic/core/records.h"
#include "logic/core/slip_file.h"
#include "logic/core/tables.h"
#include "logic/export/tip_text.h"
#include "logic/settings/options_file.h"
#include "logic/slips/slip_editor.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics_selection.h"
#include "logic/statistics/free_search.h"
#include "logic/tips/class_rows.h"
#include "logic/tips/game_draw.h"
#include "logic/tips/tip_generator.h"
#include "support/builders.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "tools/generated_history.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/text_frame.h"
#include "ui/slips/slip_centre_window.h"
#include "ui/slips/slip_editor_frame.h"
#include "ui/statistics/statistics_window.h"
#include "ui/tips/cell_strip.h"
#include "ui/tips/tip_centre_window.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace talvo;

namespace {

// A Sunday; the generated histories hold no Sunday draw.
const QDateTime kSunday(QDate(2024, 3, 10), QTime(11, 30));

} // namespace

class TipCentreTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths;
    std::unique_ptr<logic::ProgramState> state;
    std::unique_ptr<logic::StatisticsSelection> selection;
    std::unique_ptr<ui::TipCentreWindow> window;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();
    QList<int> selectStatisticsDrawCount; // choices the tip centre's window applied
    QList<logic::SlipRecord> openedSlips;

    template <typename T = QWidget> T* child(const char* name) { return test::namedChild<T>(*window, name); }
    ui::CellStrip* strip(const QString& name) { return test::namedChild<ui::CellStrip>(*window, name); }
    QTabWidget* tabs() { return child<QTabWidget>("PCTipps"); }
    void generate() { child<QAction>("BGenerieren")->trigger(); }
    logic::Statistics& statistics() { return selection->statistics(); }
    void build() {
        window = std::make_unique<ui::TipCentreWindow>(*state, *selection, paths);
        // The choices applied while this window exists, which the statistics window follows.
        QObject::connect(selection.get(), &logic::StatisticsSelection::drawCountApplied, window.get(),
                         [this](int i) { selectStatisticsDrawCount << i; });
        QObject::connect(window.get(), &ui::TipCentreWindow::slipWritten, window.get(),
                         [this](const logic::SlipRecord& r) { openedSlips << r; });
    }
    void setGameTypes(std::array<int, 5> gameTypes) {
        for (int i = 0; i < 5; ++i)
            window->setKenoType(i + 1, gameTypes[static_cast<std::size_t>(i)]);
    }
    QStringList rowTexts() {
        QStringList texts;
        for (int row = 1; row <= 6; ++row)
            texts << strip(QStringLiteral("PKlasse%1").arg(row))->text();
        return texts;
    }
    QStringList expectedRowTexts() const {
        QStringList texts;
        for (const logic::ClassRow& z : logic::classRows(selection->statistics().classSets())) {
            QStringList numbers;
            for (const logic::ClassCell& c : z.numberCells)
                numbers << QString::number(c.number);
            texts << (numbers.isEmpty() ? QStringLiteral("Keine") : numbers.join(QLatin1Char(' ')));
        }
        return texts;
    }
    quint64 clockSeed() const { return static_cast<quint64>(kSunday.toMSecsSinceEpoch()); }

  private slots:
    void init() {
        paths = data.paths();
        state = std::make_unique<logic::ProgramState>();
        state->setHistory(tools::generatedHistory(400, QDate(2004, 2, 2), 5));
        selection = std::make_unique<logic::StatisticsSelection>(*state);
        selectStatisticsDrawCount.clear();
        openedSlips.clear();
        capture.clear();
        ui::setClockForTests([] { return kSunday; });
        build();
    }
    void cleanup() {
        window.reset();
        ui::setClockForTests({});
    }

    void creationTakesOverTheOptions() {
        QCOMPARE(window->objectName(), QStringLiteral("FTipp1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tippcenter"));
        QCOMPARE(window->property("HelpContext").toInt(), 100);
        QStringList drawCountTexts;
        for (auto* r : child<QGroupBox>("RGAnzahl")->findChildren<QRadioButton*>())
            drawCountTexts << r->text();
        QCOMPARE(drawCountTexts,
                 (QStringList{"Alle", "10", "12", "18", "20", "24", "30", "50", "100", "313"}));
        QCOMPARE(child<QComboBox>("CBSpiel1")->count(), 10);
        QCOMPARE(child<QComboBox>("CBSpiel1")->itemText(0), QStringLiteral("--"));
        QCOMPARE(child<QComboBox>("CBSpiel1")->itemText(9), QStringLiteral("10"));

        struct StoredChoiceCase {
            std::array<std::int32_t, 5> tippTyp;
            int tippBereich;
            std::array<int, 5> gameTypes;
            int strategy;
        };
        const StoredChoiceCase storedChoiceCases[] = {
            {{0, 3, 99, -1, 9}, 2, {0, 4, 6, 8, 10}, 2},
            {{0, 0, 0, 0, 0}, 7, {0, 0, 0, 0, 0}, 0},   // a strategy no list has: the first
            {{10, 1, 1, 1, 1}, -1, {2, 2, 2, 2, 2}, 0}, // 10 is no entry: type 2 for game 1
        };
        for (const StoredChoiceCase& f : storedChoiceCases) {
            logic::OptionsRecord options = state->options();
            options.tippTyp = f.tippTyp;
            options.tippBereich = f.tippBereich;
            state->setOptions(options);
            build();
            window->setUpAtStart();
            QCOMPARE(window->gameTypes(), f.gameTypes);
            QCOMPARE(window->strategy(), f.strategy);
            QCOMPARE(window->drawCountIndex(), -1);
        }
        // No statistics yet: every class row says "Keine" on its light ground.
        for (int row = 1; row <= 6; ++row) {
            const auto& cells = strip(QStringLiteral("PKlasse%1").arg(row))->cells();
            QCOMPARE(cells.size(), std::size_t{1});
            QCOMPARE(cells[0].text, QStringLiteral("Keine"));
            QCOMPARE(cells[0].ground, QColor(214, 222, 243));
        }
        QVERIFY(selectStatisticsDrawCount.isEmpty());
    }

    void theDrawCountRunsTheStatisticsAndShowsTheClassRows() {
        QSignalSpy runs(&statistics(), &logic::Statistics::frequenciesComputed);
        // The statistics window's choice (50 draws), computed before the tip centre is set up,
        // is shown without computing it again.
        window.reset();
        selection->setDrawCountIndex(7);
        build();
        window->setUpAtStart();
        QCOMPARE(window->drawCountIndex(), 7);
        QCOMPARE(runs.count(), 1);
        QVERIFY(selectStatisticsDrawCount.isEmpty());
        QVERIFY(statistics()
                    .result(logic::StatisticKind::Numbers)
                    ->heading.contains(QStringLiteral("50 Ziehungen")));

        const auto expectedRows = logic::classRows(selection->statistics().classSets());
        int numbers = 0;
        for (int row = 0; row < 6; ++row) {
            const auto& cells = strip(QStringLiteral("PKlasse%1").arg(row + 1))->cells();
            const auto& numberCells = expectedRows[static_cast<std::size_t>(row)].numberCells;
            if (numberCells.empty()) {
                QCOMPARE(cells[0].text, QStringLiteral("Keine"));
                continue;
            }
            QCOMPARE(cells.size(), numberCells.size());
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const logic::ClassColour f = logic::classColour(numberCells[i].itemClass);
                QCOMPARE(cells[i].text, QString::number(numberCells[i].number));
                QCOMPARE(cells[i].ground, QColor(f.background.r, f.background.g, f.background.b));
                QCOMPARE(cells[i].ink, QColor(f.text.r, f.text.g, f.text.b));
            }
            numbers += static_cast<int>(cells.size());
        }
        QVERIFY(numbers > 0);

        // The same choice again changes nothing; another one runs once more and is passed on.
        selection->setDrawCountIndex(7);
        QCOMPARE(runs.count(), 1);
        child<QRadioButton>("RGAnzahl_0")->click();
        QCOMPARE(runs.count(), 2);
        QCOMPARE(selectStatisticsDrawCount, (QList<int>{0}));
        QVERIFY(statistics()
                    .result(logic::StatisticKind::Numbers)
                    ->heading.contains(QStringLiteral("400 Ziehungen")));
        // A statistics run started elsewhere shows in the rows too.
        statistics().computeFrequencies(10);
        QCOMPARE(rowTexts(), expectedRowTexts());
    }

    void aTipIsTheGeneratorsTipForTheClockSeed() {
        window->setUpAtStart();
        setGameTypes({0, 4, 0, 6, 0});
        window->setStrategy(logic::kOverdueAndFavourites);
        generate();
        QVERIFY(messages.isEmpty());

        // The logic with the clock's seed gives the very same tip.
        logic::TipGenerator expected;
        QRandomGenerator rng = logic::tipRandomGenerator(clockSeed());
        const logic::TipResult tipUnderTest =
            expected.generate(statistics().classSets(), logic::kOverdueAndFavourites, {0, 4, 0, 6, 0}, rng);
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("Tipp 1"));
        QCOMPARE(window->tipText(0), tipUnderTest.text());
        QCOMPARE(window->tipText(0).first(), QStringLiteral("Tipp-Nr.: 1"));
        QCOMPARE(window->tipText(0)[1], QStringLiteral("Auswahl aus Restanten und Favoriten"));
        QVERIFY(window->tipText(0)[3].startsWith(QStringLiteral("KENO-Typ 4: ")));
        QVERIFY(window->tipText(0)[4].startsWith(QStringLiteral("KENO-Typ 6: ")));
        // The tab is a text frame: its save button writes the tip as a tip text file.
        auto* frame = qobject_cast<ui::TextFrame*>(tabs()->widget(0));
        QVERIFY(frame);
        const QString file = QDir(paths.dataDir).filePath(QStringLiteral("tipp1.ktp"));
        ui::setNextFileName(file);
        test::namedChild<QAction>(*frame, "BSpeichern")->trigger();
        ui::setNextFileName(QString());
        QCOMPARE(logic::readTipText(file), tipUnderTest.text());

        // The games are numbered without the gaps of the selectors.
        const QStringList titles = {"Spiel 1: ", "Spiel 2: ", "--", "--", "--"};
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(child<QLabel>(qPrintable(QStringLiteral("LSpiel%1").arg(k + 1)))->text(), titles[k]);
            ui::CellStrip* row = strip(QStringLiteral("PTipp%1").arg(k + 1));
            QCOMPARE(row->isVisibleTo(window.get()), k < 2);
            if (k < 2) {
                QCOMPARE(row->text(),
                         logic::numbersText(tipUnderTest.tip.games[static_cast<std::size_t>(k)].numbers));
                QCOMPARE(row->cells()[0].ground, QColor(224, 255, 255));
            }
        }

        generate();
        QCOMPARE(tabs()->count(), 2);
        QCOMPARE(tabs()->currentIndex(), 1);
        QCOMPARE(tabs()->tabText(1), QStringLiteral("Tipp 2"));
        QCOMPARE(window->tipText(1).first(), QStringLiteral("Tipp-Nr.: 2"));
    }

    void withoutAGameTheTipStopsWithTheMessage() {
        window->setUpAtStart();
        setGameTypes({0, 0, 0, 0, 0});
        generate();
        QCOMPARE(messages, QStringList{QString::fromUtf8(logic::kNoGameMessage)});
        QCOMPARE(capture.shown().size(), 1);
        QCOMPARE(capture.shown().first().icon, ui::MessageIcon::Information);
        QCOMPARE(tabs()->count(), 0);
        QCOMPARE(window->generator().counter(), 0);
    }

    void theMarksShowWhereTheCandidatesWereCompleted() {
        // Four Restanten for a type-4 game: the list is completed; "Zufall" never is.
        logic::ClassSets sets;
        for (int n : {1, 2, 3, 4})
            sets.at(1, 1).insert(n);
        statistics().setClassSets(sets);
        setGameTypes({4, 0, 0, 0, 2});
        window->setStrategy(logic::kOverdue);
        generate();
        QVERIFY(child<QLabel>("IErgaenzt1")->isVisibleTo(window.get()));
        QVERIFY(!child<QLabel>("IErgaenzt2")->isVisibleTo(window.get())); // 4 > 2: no completion
        QVERIFY(child<QLabel>("LLegende")->text() ==
                QStringLiteral("= der Auswahlbereich wurde um Zufallszahlen ergänzt"));

        window->setStrategy(logic::kRandom);
        generate();
        for (const char* name : {"IErgaenzt1", "IErgaenzt2"})
            QVERIFY2(!child<QLabel>(name)->isVisibleTo(window.get()), name);
        QCOMPARE(window->tipText(1)[1], QStringLiteral("Auswahl aus 70 Zahlen per Zufall"));
    }

    void tooFewCandidatesForDifferentGamesStopAtOnce() {
        logic::ClassSets sets;
        for (int n : {5, 6, 7})
            sets.at(1, 1).insert(n);
        statistics().setClassSets(sets);
        window->setStrategy(logic::kOverdue);
        setGameTypes({2, 2, 2, 2, 2}); // three numbers give three different pairs, not five
        generate();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("KENO-Typ 2")));
        QCOMPARE(tabs()->count(), 0);
        QCOMPARE(window->generator().counter(), 0);
        setGameTypes({2, 2, 2, 0, 0});
        generate();
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(window->tipText(0).first(), QStringLiteral("Tipp-Nr.: 1"));
    }

    void theTabButtonsCloseOneTipOrAll() {
        window->setUpAtStart();
        setGameTypes({3, 0, 0, 0, 0});
        for (int i = 0; i < 3; ++i)
            generate();
        tabs()->setCurrentIndex(1);
        child<QToolButton>("BTippSchliessen")->click();
        QCOMPARE(tabs()->count(), 2);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("Tipp 1"));
        QCOMPARE(tabs()->tabText(1), QStringLiteral("Tipp 3"));
        child<QToolButton>("BAlleSchliessen")->click();
        QCOMPARE(tabs()->count(), 0);
        child<QToolButton>("BTippSchliessen")->click(); // nothing left to close
        QVERIFY(messages.isEmpty());
        generate();
        QCOMPARE(tabs()->tabText(0), QStringLiteral("Tipp 4"));
    }

    void theTipGoesIntoASlipThatStartsOnTheNextDrawDay() {
        logic::OptionsRecord options = state->options();
        options.einsatzIndex = 2;
        options.laufzeitIndex = 3;
        options.plus5Mitspiel = 1;
        state->setOptions(options);
        window->setUpAtStart();
        // Before any tip the slip is empty.
        child<QAction>("BSchreiben")->trigger();
        QCOMPARE(openedSlips.size(), 1);
        QCOMPARE(openedSlips[0].KastDef, 0);

        setGameTypes({0, 4, 0, 6, 0});
        generate();
        child<QAction>("BSchreiben")->trigger();
        const logic::SlipRecord& s = openedSlips.last();
        QCOMPARE(s.KastDef, 2);
        QCOMPARE((std::array<int, 5>{s.typ[0], s.typ[1], s.typ[2], s.typ[3], s.typ[4]}),
                 (std::array<int, 5>{4, 6, 0, 0, 0}));
        const logic::Tip& tipUnderTest = window->generator().tip();
        for (int k = 0; k < 2; ++k) {
            logic::NumberSet field;
            for (int j = 0; j < s.typ[k]; ++j)
                field.insert(s.typZ[k][j]);
            QCOMPARE(field, tipUnderTest.games[static_cast<std::size_t>(k)].numbers);
        }
        QVERIFY(s.plus5.text().isEmpty());
        QCOMPARE(s.einsatz, 2);
        QCOMPARE(s.dauer, 3);
        QCOMPARE(s.p5, 1);
        // No Sunday draw in the history: the slip written on Sunday starts on Monday.
        QCOMPARE(logic::serialToDate(s.ab), kSunday.date().addDays(1));

        // Once Sundays are drawn, the Sunday itself.
        logic::DrawHistory history = state->history();
        history.push_back(test::draw(QDate(2024, 3, 3), test::run20(3)));
        state->setHistory(history);
        child<QAction>("BSchreiben")->trigger();
        QCOMPARE(logic::serialToDate(openedSlips.last().ab), kSunday.date());
    }

    void theProgramCouplesTheTipCentreWithTheStatisticsAndTheSlipCentre() {
        window.reset();
        test::TempFolder dir;
        const logic::AppPaths appPaths = dir.paths();
        logic::saveDrawHistory(appPaths.dataDir + QStringLiteral("KenoZahlen.tpp"),
                               tools::generatedHistory(300, QDate(2023, 1, 2), 3));
        logic::OptionsRecord e;
        e.statAnzahlIndex = 7;
        e.tippBereich = 3;
        e.tippTyp = {4, 0, 2, 0, 0};
        logic::saveOptions(appPaths.optionsFile(), e);

        ui::Application program(appPaths);
        program.start();
        QVERIFY(messages.isEmpty());
        ui::TipCentreWindow* tipUnderTest = program.tipCentre();
        ui::StatisticsWindow* stats = program.statisticsWindow();
        QVERIFY(tipUnderTest);
        QCOMPARE(tipUnderTest->drawCountIndex(), 7);
        QCOMPARE(tipUnderTest->strategy(), 3);
        QCOMPARE(tipUnderTest->gameTypes(), (std::array<int, 5>{5, 0, 3, 0, 0}));

        // Each window's draw-count choice moves the other's.
        test::namedChild<QRadioButton>(*tipUnderTest, "RGAnzahl_3")->click();
        QCOMPARE(stats->drawCountIndex(), 3);
        test::namedChild<QRadioButton>(*stats, "RG1_8")->click();
        QCOMPARE(tipUnderTest->drawCountIndex(), 8);
        QVERIFY(stats->statistics()
                    .result(logic::StatisticKind::Numbers)
                    ->heading.contains(QStringLiteral("100 Ziehungen")));

        // The main window's tool button, its help panel's star and the statistics window lead here.
        auto* main = program.mainWindow();
        QVERIFY(test::namedChild<QAction>(*main, "TTippcenter")->isEnabled());
        QVERIFY(test::namedChild<QToolButton>(*main, "BTippcenter")->isEnabled());
        test::namedChild<QAction>(*stats, "BTipp")->trigger();
        QVERIFY(tipUnderTest->isVisible());
        tipUnderTest->close();
        QVERIFY(!tipUnderTest->isVisible());
        test::namedChild<QAction>(*main, "TTippcenter")->trigger();
        QVERIFY(tipUnderTest->isVisible());
        test::namedChild<QAction>(*tipUnderTest, "BStatistik")->trigger();
        QVERIFY(stats->isVisible());

        // The tip becomes a new slip in the slip centre, which comes up.
        test::namedChild<QAction>(*tipUnderTest, "BGenerieren")->trigger();
        test::namedChild<QAction>(*tipUnderTest, "BSchreiben")->trigger();
        ui::SlipCentreWindow* centre = program.slipCentre();
        QVERIFY(centre->isVisible());
        const logic::Tip& games = tipUnderTest->generator().tip();
        const logic::SlipEditor& editor = centre->activeSlipFrame()->editor();
        QCOMPARE(editor.fieldCount(), 5);
        for (int field = 1; field <= 2; ++field) {
            const logic::TipGame& game = games.games[static_cast<std::size_t>(field - 1)];
            QCOMPARE(editor.kenoType(field), (std::array<int, 2>{5, 3}[field - 1]));
            QCOMPARE(game.kenoType, editor.kenoType(field));
            QCOMPARE(editor.tickedNumbers(field), logic::toNumberList(game.numbers, game.kenoType, 70));
        }
        QCOMPARE(editor.kenoType(3), 0);
        QVERIFY(messages.isEmpty());

        // The slip is on the board only, never transferred: ending the program asks first.
        QSignalSpy finished(&program, &ui::Application::finished);
        capture.answer(false);
        test::namedChild<QAction>(*main, "MBeenden")->trigger();
        QCOMPARE(finished.count(), 0);
        QCOMPARE(capture.shown(),
                 (QList<test::ShownMessage>{
                     {QStringLiteral("Im Spielscheincenter gibt es einen Spielschein, der in keiner Datei "
                                     "gespeichert ist. Beim Beenden geht er verloren.\r\rTrotzdem beenden?"),
                      ui::MessageIcon::Question}}));
        QVERIFY(centre->isVisible());
        // Saved, it no longer holds the program.
        ui::setNextFileName(dir.paths().dataDir + QStringLiteral("tipp.tix"));
        test::namedChild<QAction>(*centre, "BSpeichern")->trigger();
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[1].startsWith(QStringLiteral("Vor dem Speichern muss ein Spielschein")));
        centre->activeSlipFrame()->findChild<QPushButton*>(QStringLiteral("BGo"))->click();
        ui::setNextFileName(dir.paths().dataDir + QStringLiteral("tipp.tix"));
        test::namedChild<QAction>(*centre, "BSpeichern")->trigger();
        QCOMPARE(logic::loadSlips(dir.paths().dataDir + QStringLiteral("tipp.tix")).size(), std::size_t{1});
        messages.clear();
        test::namedChild<QAction>(*main, "MBeenden")->trigger();
        QCOMPARE(finished.count(), 1);
        QVERIFY(messages.isEmpty());
    }
};

QTEST_MAIN(TipCentreTest)
#include "test_tip_centre.moc"

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/core/program_state.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/core/zahlenmenge.h"
#include "logic/export/tip_text.h"
#include "logic/settings/einstellungen.h"
#include "logic/slips/slip_editor.h"
#include "logic/statistics/free_search.h"
#include "logic/statistics/statistik.h"
#include "logic/tips/klassen_zeilen.h"
#include "logic/tips/spiel_ziehen.h"
#include "logic/tips/tipp.h"
#include "support/builders.h"
#include "support/generated_history.h"
#include "support/named_child.h"
#include "support/temp_paths.h"
#include "ui/app/application.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/evaluation/main_window.h"
#include "ui/export/text_frame.h"
#include "ui/slips/eingabe2.h"
#include "ui/slips/slip_editor_widget.h"
#include "ui/statistics/statistics_window.h"
#include "ui/tips/cell_strip.h"
#include "ui/tips/tip_centre.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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
const QDateTime kSonntag(QDate(2024, 3, 10), QTime(11, 30));

} // namespace

class TipCentreTest : public QObject {
    Q_OBJECT

    QTemporaryDir data;
    logic::AppPaths paths;
    std::unique_ptr<logic::ProgramState> state;
    std::unique_ptr<logic::Statistik> statistik;
    std::unique_ptr<ui::TFTipp1> window;
    QStringList messages;
    QList<ui::MessageIcon> icons;
    QList<int> statistikAuswahl;
    QList<logic::TGetippt> scheine;

    template <typename T = QWidget> T* child(const char* name) { return test::namedChild<T>(*window, name); }
    ui::CellStrip* strip(const QString& name) { return test::namedChild<ui::CellStrip>(*window, name); }
    QTabWidget* tabs() { return child<QTabWidget>("PCTipps"); }
    void generate() { child<QAction>("BGenerieren")->trigger(); }
    void build() {
        ui::TippcenterVerbindungen v;
        // As the statistics window does: its choice computes the shared frequencies.
        v.statistikAuswahl = [this](int i) {
            statistikAuswahl << i;
            statistik->HaeufigkeitenBerechnen(logic::kAnzahlAusspielungen[static_cast<std::size_t>(i)]);
        };
        v.scheinLaden = [this](const logic::TGetippt& r) { scheine << r; };
        window = std::make_unique<ui::TFTipp1>(*state, paths, *statistik, std::move(v));
    }
    void setTypen(std::array<int, 5> typen) {
        for (int i = 0; i < 5; ++i)
            window->setTyp(i + 1, typen[static_cast<std::size_t>(i)]);
    }
    QStringList rowTexts() {
        QStringList texts;
        for (int row = 1; row <= 6; ++row)
            texts << strip(QStringLiteral("PKlasse%1").arg(row))->text();
        return texts;
    }
    QStringList expectedRowTexts() const {
        QStringList texts;
        for (const logic::KlassenZeile& z : logic::klassenZeilen(state->KlassenMengen)) {
            QStringList numbers;
            for (const logic::KlassenZelle& c : z.zellen)
                numbers << QString::number(c.zahl);
            texts << (numbers.isEmpty() ? QStringLiteral("Keine") : numbers.join(QLatin1Char(' ')));
        }
        return texts;
    }
    quint64 clockSeed() const { return static_cast<quint64>(kSonntag.toMSecsSinceEpoch()); }

  private slots:
    void init() {
        paths = test::pathsIn(data);
        state = std::make_unique<logic::ProgramState>();
        state->setHistory(test::generatedHistory(400, QDate(2004, 2, 2), 5));
        statistik = std::make_unique<logic::Statistik>(*state);
        messages.clear();
        icons.clear();
        statistikAuswahl.clear();
        scheine.clear();
        ui::setMessageHook([this](const QString& t, ui::MessageIcon icon) {
            messages << t;
            icons << icon;
            return true;
        });
        ui::setClockForTests([] { return kSonntag; });
        build();
    }
    void cleanup() {
        window.reset();
        ui::setMessageHook({});
        ui::setClockForTests({});
    }

    void creationTakesOverTheOptions() {
        QCOMPARE(window->objectName(), QStringLiteral("FTipp1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tippcenter"));
        QCOMPARE(window->property("HelpContext").toInt(), 100);
        QStringList anzahl;
        for (auto* r : child<QGroupBox>("RGAnzahl")->findChildren<QRadioButton*>())
            anzahl << r->text();
        QCOMPARE(anzahl, (QStringList{"Alle", "10", "12", "18", "20", "24", "30", "50", "100", "313"}));
        QCOMPARE(child<QComboBox>("CBSpiel1")->count(), 10);
        QCOMPARE(child<QComboBox>("CBSpiel1")->itemText(0), QStringLiteral("--"));
        QCOMPARE(child<QComboBox>("CBSpiel1")->itemText(9), QStringLiteral("10"));

        struct Fall {
            std::array<std::int32_t, 5> tippTyp;
            int tippBereich;
            std::array<int, 5> typen;
            int strategie;
        };
        const Fall faelle[] = {
            {{0, 3, 99, -1, 9}, 2, {0, 4, 6, 8, 10}, 2},
            {{0, 0, 0, 0, 0}, 7, {0, 0, 0, 0, 0}, 0},   // a strategy no list has: the first
            {{10, 1, 1, 1, 1}, -1, {2, 2, 2, 2, 2}, 0}, // 10 is no entry: type 2 for game 1
        };
        for (const Fall& f : faelle) {
            state->Einstellungen.tippTyp = f.tippTyp;
            state->Einstellungen.tippBereich = f.tippBereich;
            build();
            window->FormCreate(-1);
            QCOMPARE(window->typen(), f.typen);
            QCOMPARE(window->strategie(), f.strategie);
            QCOMPARE(window->anzahlIndex(), -1);
        }
        // No statistics yet: every class row says "Keine" on its light ground.
        for (int row = 1; row <= 6; ++row) {
            const auto& cells = strip(QStringLiteral("PKlasse%1").arg(row))->cells();
            QCOMPARE(cells.size(), std::size_t{1});
            QCOMPARE(cells[0].text, QStringLiteral("Keine"));
            QCOMPARE(cells[0].ground, QColor(214, 222, 243));
        }
        QVERIFY(statistikAuswahl.isEmpty());
    }

    void theDrawCountRunsTheStatisticsAndShowsTheClassRows() {
        QSignalSpy runs(statistik.get(), &logic::Statistik::haeufigkeitenBerechnet);
        // The statistics window's choice (50 draws), computed before the tip centre is set up,
        // is shown without computing it again.
        statistik->HaeufigkeitenBerechnen(50);
        window->FormCreate(7);
        QCOMPARE(window->anzahlIndex(), 7);
        QCOMPARE(runs.count(), 1);
        QVERIFY(statistikAuswahl.isEmpty());
        QVERIFY(statistik->ergebnis(logic::StatArt::Zahlen)
                    ->ueberschrift.contains(QStringLiteral("50 Ziehungen")));

        const auto zeilen = logic::klassenZeilen(state->KlassenMengen);
        int numbers = 0;
        for (int row = 0; row < 6; ++row) {
            const auto& cells = strip(QStringLiteral("PKlasse%1").arg(row + 1))->cells();
            const auto& zellen = zeilen[static_cast<std::size_t>(row)].zellen;
            if (zellen.empty()) {
                QCOMPARE(cells[0].text, QStringLiteral("Keine"));
                continue;
            }
            QCOMPARE(cells.size(), zellen.size());
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const logic::KlassenFarbe f = logic::KlassenFarben(zellen[i].klasse);
                QCOMPARE(cells[i].text, QString::number(zellen[i].zahl));
                QCOMPARE(cells[i].ground, QColor(f.hintergrund.r, f.hintergrund.g, f.hintergrund.b));
                QCOMPARE(cells[i].ink, QColor(f.text.r, f.text.g, f.text.b));
            }
            numbers += static_cast<int>(cells.size());
        }
        QVERIFY(numbers > 0);

        // The same choice again changes nothing; another one runs once more and is passed on.
        window->setAnzahlIndex(7);
        QCOMPARE(runs.count(), 1);
        child<QRadioButton>("RGAnzahl_0")->click();
        QCOMPARE(runs.count(), 2);
        QCOMPARE(statistikAuswahl, (QList<int>{0}));
        QVERIFY(statistik->ergebnis(logic::StatArt::Zahlen)
                    ->ueberschrift.contains(QStringLiteral("400 Ziehungen")));
        // A statistics run started elsewhere shows in the rows too.
        statistik->HaeufigkeitenBerechnen(10);
        QCOMPARE(rowTexts(), expectedRowTexts());
    }

    void aTipIsTheGeneratorsTipForTheClockSeed() {
        window->FormCreate(7);
        setTypen({0, 4, 0, 6, 0});
        window->setStrategie(logic::kRestantenUndFavoriten);
        generate();
        QVERIFY(messages.isEmpty());

        // The logic with the clock's seed gives the very same tip.
        logic::Tippgenerator expected;
        QRandomGenerator zufall = logic::tippZufall(clockSeed());
        const logic::TippErgebnis tipp =
            expected.generieren(state->KlassenMengen, logic::kRestantenUndFavoriten, {0, 4, 0, 6, 0}, zufall);
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("Tipp 1"));
        QCOMPARE(window->ausgabeText(0), tipp.text());
        QCOMPARE(window->ausgabeText(0).first(), QStringLiteral("Tipp-Nr.: 1"));
        QCOMPARE(window->ausgabeText(0)[1], QStringLiteral("Auswahl aus Restanten und Favoriten"));
        QVERIFY(window->ausgabeText(0)[3].startsWith(QStringLiteral("KENO-Typ 4: ")));
        QVERIFY(window->ausgabeText(0)[4].startsWith(QStringLiteral("KENO-Typ 6: ")));
        // The tab is a text frame: its save button writes the tip as a tip text file.
        auto* frame = qobject_cast<ui::TFrMemo1*>(tabs()->widget(0));
        QVERIFY(frame);
        const QString file = QDir(paths.dataDir).filePath(QStringLiteral("tipp1.ktp"));
        ui::setNextFileName(file);
        test::namedChild<QAction>(*frame, "BSpeichern")->trigger();
        ui::setNextFileName(QString());
        QCOMPARE(logic::readTipText(file), tipp.text());

        // The games are numbered without the gaps of the selectors.
        const QStringList titel = {"Spiel 1: ", "Spiel 2: ", "--", "--", "--"};
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(child<QLabel>(qPrintable(QStringLiteral("LSpiel%1").arg(k + 1)))->text(), titel[k]);
            ui::CellStrip* row = strip(QStringLiteral("PTipp%1").arg(k + 1));
            QCOMPARE(row->isVisibleTo(window.get()), k < 2);
            if (k < 2) {
                QCOMPARE(row->text(),
                         logic::zahlenText(tipp.spieltipps.spiele[static_cast<std::size_t>(k)].zahlen));
                QCOMPARE(row->cells()[0].ground, QColor(224, 255, 255));
            }
        }

        generate();
        QCOMPARE(tabs()->count(), 2);
        QCOMPARE(tabs()->currentIndex(), 1);
        QCOMPARE(tabs()->tabText(1), QStringLiteral("Tipp 2"));
        QCOMPARE(window->ausgabeText(1).first(), QStringLiteral("Tipp-Nr.: 2"));
    }

    void withoutAGameTheTipStopsWithTheMessage() {
        window->FormCreate(7);
        setTypen({0, 0, 0, 0, 0});
        generate();
        QCOMPARE(messages, QStringList{QString::fromUtf8(logic::kKeinSpielMeldung)});
        QCOMPARE(icons, QList<ui::MessageIcon>{ui::MessageIcon::Information});
        QCOMPARE(tabs()->count(), 0);
        QCOMPARE(window->generator().zaehler(), 0);
    }

    void theMarksShowWhereTheCandidatesWereCompleted() {
        // Four Restanten for a type-4 game: the list is completed; "Zufall" never is.
        for (int n : {1, 2, 3, 4})
            state->KlassenMengen.at(1, 1).insert(n);
        setTypen({4, 0, 0, 0, 2});
        window->setStrategie(logic::kRestanten);
        generate();
        QVERIFY(child<QLabel>("IErgaenzt1")->isVisibleTo(window.get()));
        QVERIFY(!child<QLabel>("IErgaenzt2")->isVisibleTo(window.get())); // 4 > 2: no completion
        QVERIFY(child<QLabel>("LLegende")->text() ==
                QStringLiteral("= der Auswahlbereich wurde um Zufallszahlen ergänzt"));

        window->setStrategie(logic::kZufall);
        generate();
        for (const char* name : {"IErgaenzt1", "IErgaenzt2"})
            QVERIFY2(!child<QLabel>(name)->isVisibleTo(window.get()), name);
        QCOMPARE(window->ausgabeText(1)[1], QStringLiteral("Auswahl aus 70 Zahlen per Zufall"));
    }

    void tooFewCandidatesForDifferentGamesStopAtOnce() {
        for (int n : {5, 6, 7})
            state->KlassenMengen.at(1, 1).insert(n);
        window->setStrategie(logic::kRestanten);
        setTypen({2, 2, 2, 2, 2}); // three numbers give three different pairs, not five
        generate();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("KENO-Typ 2")));
        QCOMPARE(tabs()->count(), 0);
        QCOMPARE(window->generator().zaehler(), 0);
        setTypen({2, 2, 2, 0, 0});
        generate();
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(window->ausgabeText(0).first(), QStringLiteral("Tipp-Nr.: 1"));
    }

    void theTabButtonsCloseOneTipOrAll() {
        window->FormCreate(0);
        setTypen({3, 0, 0, 0, 0});
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
        state->Einstellungen.einsatzIndex = 2;
        state->Einstellungen.laufzeitIndex = 3;
        state->Einstellungen.plus5Mitspiel = 1;
        window->FormCreate(0);
        // Before any tip the slip is empty.
        child<QAction>("BSchreiben")->trigger();
        QCOMPARE(scheine.size(), 1);
        QCOMPARE(scheine[0].KastDef, 0);

        setTypen({0, 4, 0, 6, 0});
        generate();
        child<QAction>("BSchreiben")->trigger();
        const logic::TGetippt& s = scheine.last();
        QCOMPARE(s.KastDef, 2);
        QCOMPARE((std::array<int, 5>{s.typ[0], s.typ[1], s.typ[2], s.typ[3], s.typ[4]}),
                 (std::array<int, 5>{4, 6, 0, 0, 0}));
        const logic::Spieltipps& tipp = window->generator().spieltipps();
        for (int k = 0; k < 2; ++k) {
            logic::Zahlenmenge feld;
            for (int j = 0; j < s.typ[k]; ++j)
                feld.insert(s.typZ[k][j]);
            QCOMPARE(feld, tipp.spiele[static_cast<std::size_t>(k)].zahlen);
        }
        QCOMPARE(s.plus5.text(), QStringLiteral("offen"));
        QCOMPARE(s.einsatz, 2);
        QCOMPARE(s.dauer, 3);
        QCOMPARE(s.p5, 1);
        // No Sunday draw in the history: the slip written on Sunday starts on Monday.
        QCOMPARE(logic::serialToDate(s.ab), kSonntag.date().addDays(1));

        // Once Sundays are drawn, the Sunday itself.
        logic::DrawHistory history = state->history();
        history.push_back(test::draw(QDate(2024, 3, 3), test::run20(3)));
        state->setHistory(history);
        child<QAction>("BSchreiben")->trigger();
        QCOMPARE(logic::serialToDate(scheine.last().ab), kSonntag.date());
    }

    void theProgramCouplesTheTipCentreWithTheStatisticsAndTheSlipCentre() {
        window.reset();
        QTemporaryDir dir;
        const logic::AppPaths appPaths = test::pathsIn(dir);
        logic::KenoZahlenSchreiben(appPaths.dataDir + QStringLiteral("KenoZahlen.tpp"),
                                   test::generatedHistory(300, QDate(2023, 1, 2), 3));
        logic::TEinstellungen e;
        e.statAnzahlIndex = 7;
        e.tippBereich = 3;
        e.tippTyp = {4, 0, 2, 0, 0};
        logic::EinstellungenSchreiben(appPaths.optionsFile(), e);

        ui::Application program(appPaths);
        program.start();
        QVERIFY(messages.isEmpty());
        ui::TFTipp1* tipp = program.tipCentre();
        ui::TFStatistik1* stats = program.statisticsWindow();
        QVERIFY(tipp);
        QCOMPARE(tipp->anzahlIndex(), 7);
        QCOMPARE(tipp->strategie(), 3);
        QCOMPARE(tipp->typen(), (std::array<int, 5>{5, 0, 3, 0, 0}));

        // Each window's draw-count choice moves the other's.
        test::namedChild<QRadioButton>(*tipp, "RGAnzahl_3")->click();
        QCOMPARE(stats->anzahlIndex(), 3);
        test::namedChild<QRadioButton>(*stats, "RG1_8")->click();
        QCOMPARE(tipp->anzahlIndex(), 8);
        QVERIFY(stats->statistik()
                    .ergebnis(logic::StatArt::Zahlen)
                    ->ueberschrift.contains(QStringLiteral("100 Ziehungen")));

        // The main window's tool button, its help panel's star and the statistics window lead here.
        auto* main = program.mainWindow();
        QVERIFY(test::namedChild<QAction>(*main, "TTippcenter")->isEnabled());
        QVERIFY(test::namedChild<QToolButton>(*main, "BTippcenter")->isEnabled());
        test::namedChild<QAction>(*stats, "BTipp")->trigger();
        QVERIFY(tipp->isVisible());
        tipp->close();
        QVERIFY(!tipp->isVisible());
        test::namedChild<QAction>(*main, "TTippcenter")->trigger();
        QVERIFY(tipp->isVisible());
        test::namedChild<QAction>(*tipp, "BStatistik")->trigger();
        QVERIFY(stats->isVisible());

        // The tip becomes a new slip in the slip centre, which comes up.
        test::namedChild<QAction>(*tipp, "BGenerieren")->trigger();
        test::namedChild<QAction>(*tipp, "BSchreiben")->trigger();
        ui::TFEingabe2* centre = program.slipCentre();
        QVERIFY(centre->isVisible());
        const logic::Spieltipps& spiele = tipp->generator().spieltipps();
        const logic::SlipEditor& editor = centre->aktiverSchein()->editor();
        QCOMPARE(editor.felder(), 5);
        for (int feld = 1; feld <= 2; ++feld) {
            const logic::TippSpiel& spiel = spiele.spiele[static_cast<std::size_t>(feld - 1)];
            QCOMPARE(editor.typ(feld), (std::array<int, 2>{5, 3}[feld - 1]));
            QCOMPARE(spiel.typ, editor.typ(feld));
            QCOMPARE(editor.zahlen(feld), logic::MengeZuListe(spiel.zahlen, spiel.typ, 70));
        }
        QCOMPARE(editor.typ(3), 0);
        QVERIFY(messages.isEmpty());
    }
};

QTEST_MAIN(TipCentreTest)
#include "test_tip_centre.moc"

#include "logic/core/draw_calendar.h"
#include "logic/core/records.h"
#include "logic/settings/einstellungen.h"
#include "logic/slips/slip_editor.h"

#include <QDate>
#include <gtest/gtest.h>
#include <limits>

using namespace talvo::logic;

namespace {

// 04.03.2024; a literal, as a QDate computed before main may meet an uninitialised epoch.
constexpr DaySerial kMontag = 45355;

const QString kAbbruch = QStringLiteral("\r\rIch breche erst einmal ab.");

class SlipEditorTest : public ::testing::Test {
  protected:
    TEinstellungen optionen;
    TTippE zustand;

    // A slip on a fresh working state.
    SlipEditor neu(int felder = 5) {
        zustand = {};
        return SlipEditor(1, felder, QStringLiteral("S1"), zustand, optionen, kMontag);
    }

    static void ticke(SlipEditor& e, int feld, std::initializer_list<int> zahlen) {
        for (int z : zahlen)
            ASSERT_EQ(e.LLClick(feld, z), Klick::Markiert) << z;
    }
};

TEST_F(SlipEditorTest, NewSlipStartsWithTheDocumentedDefaults) {
    optionen.scheinTyp = {5, 0, 10, -1, 9};
    optionen.einsatzIndex = 3; // options of this kind belong to the tip centre only
    optionen.plus5Mitspiel = 1;
    SlipEditor e = neu();
    EXPECT_EQ(e.felder(), 5);
    EXPECT_EQ(e.angaben.plus5Zahl, "77777");
    EXPECT_FALSE(e.angaben.plus5);
    EXPECT_EQ(e.angaben.einsatz, 1);
    EXPECT_EQ(e.angaben.dauer, 0);
    EXPECT_EQ(e.angaben.ab, kMontag);
    EXPECT_EQ(e.angaben.tippgemeinschaft, -1);
    EXPECT_TRUE(e.angaben.name.isEmpty());
    const int typen[] = {6, 0, 0, 0, 10};
    for (int f = 1; f <= 5; ++f) {
        EXPECT_EQ(e.typ(f), typen[f - 1]) << f;
        EXPECT_EQ(e.gaugeBereich(f), typen[f - 1] ? typen[f - 1] : 100) << f;
        EXPECT_EQ(e.gaugePosition(f), 0);
        EXPECT_EQ(e.anzahl(f), 0);
    }
    // A default type is recorded as the type; a field without one has never had a choice.
    EXPECT_EQ(zustand.SysWahl[0], 6);
    EXPECT_EQ(zustand.SysWahl[1], 0);
    EXPECT_EQ(zustand.SysWahl[3], 0);
    EXPECT_EQ(zustand.SysWahl[5], 0);
    // Clearing records "no choice" as 1.
    e.BDelClick();
    EXPECT_EQ(zustand.SysWahl[1], 1);
    EXPECT_EQ(zustand.SysWahl[0], 6);
}

TEST_F(SlipEditorTest, FieldCountBelowFourOrAboveFiveIsFive) {
    for (const auto& [asked, got] : {std::pair{4, 4}, std::pair{5, 5}, std::pair{3, 5}, std::pair{0, 5},
                                     std::pair{-7, 5}, std::pair{9, 5}, std::pair{1 << 30, 5}})
        EXPECT_EQ(neu(asked).felder(), got) << asked;
}

TEST_F(SlipEditorTest, TickingNeedsATypeAndStopsAtItsCount) {
    SlipEditor e = neu();
    EXPECT_EQ(e.LLClick(1, 7), Klick::KeinTyp);
    EXPECT_FALSE(e.markiert(1, 7));
    e.cbSysClick(1, 1); // type 3
    EXPECT_EQ(e.gaugeBereich(1), 3);
    ticke(e, 1, {70, 1, 35});
    EXPECT_EQ(e.LLClick(1, 2), Klick::Voll);
    EXPECT_FALSE(e.markiert(1, 2));
    EXPECT_EQ(e.anzahl(1), 3);
    EXPECT_EQ(e.gaugePosition(1), 3);
    EXPECT_EQ(e.zahlen(1), (std::vector<std::uint8_t>{1, 35, 70}));
    EXPECT_EQ(e.LLClick(1, 35), Klick::Entfernt);
    EXPECT_EQ(e.anzahl(1), 2);
    EXPECT_EQ(e.gaugePosition(1), 2);
    EXPECT_EQ(e.LLClick(1, 2), Klick::Markiert);
    // Other fields are untouched.
    EXPECT_EQ(e.anzahl(2), 0);
    EXPECT_EQ(e.typ(2), 0);
}

TEST_F(SlipEditorTest, LoweringTheTypeBelowTheCountMarksTheFieldUntilEnoughAreUnticked) {
    SlipEditor e = neu();
    e.cbSysClick(1, 4); // type 6
    ticke(e, 1, {1, 2, 3, 4, 5, 6});
    e.cbSysClick(1, 2); // type 4
    EXPECT_TRUE(e.zuHoch(1));
    EXPECT_EQ(e.gaugeBereich(1), 4);
    EXPECT_EQ(e.gaugePosition(1), 6);
    EXPECT_EQ(e.LLClick(1, 7), Klick::Voll);
    ASSERT_TRUE(e.FelderPruefen());
    EXPECT_EQ(e.FelderPruefen()->text, "Sie haben im 1. Feld -2 Zahlen vergessen." + kAbbruch);
    EXPECT_EQ(e.FelderPruefen()->art, Meldung::Art::Information);

    EXPECT_EQ(e.LLClick(1, 6), Klick::Entfernt);
    EXPECT_TRUE(e.zuHoch(1));
    EXPECT_EQ(e.gaugePosition(1), 6); // the gauge waits while the field is over-full
    EXPECT_EQ(e.LLClick(1, 5), Klick::Entfernt);
    EXPECT_FALSE(e.zuHoch(1));
    EXPECT_EQ(e.gaugePosition(1), 4);
    EXPECT_FALSE(e.FelderPruefen());
}

TEST_F(SlipEditorTest, RaisingTheTypeAgainKeepsTheMarkUntilTheNextClick) {
    SlipEditor e = neu();
    e.cbSysClick(2, 4);
    ticke(e, 2, {10, 20, 30, 40, 50, 60});
    e.cbSysClick(2, 0); // type 2
    e.cbSysClick(2, 6); // type 8
    EXPECT_TRUE(e.zuHoch(2));
    EXPECT_EQ(e.LLClick(2, 11), Klick::Markiert);
    EXPECT_FALSE(e.zuHoch(2));
    EXPECT_EQ(e.gaugePosition(2), 7);
}

TEST_F(SlipEditorTest, FieldCheckReportsTheFirstFieldWhoseCountDiffers) {
    struct Case {
        int typAuswahl;
        std::vector<int> zahlen;
        const char* meldung;
    };
    const Case cases[] = {
        {3, {1, 2, 3, 4}, "Sie haben im 1. Feld eine Zahl vergessen."},
        {3, {1, 2, 3}, "Sie haben im 1. Feld 2 Zahlen vergessen."},
        {8, {1}, "Sie haben im 1. Feld 9 Zahlen vergessen."},
    };
    for (const Case& c : cases) {
        TTippE z;
        SlipEditor e(1, 5, QStringLiteral("S1"), z, optionen, kMontag);
        e.cbSysClick(1, c.typAuswahl);
        for (int n : c.zahlen)
            e.LLClick(1, n);
        e.cbSysClick(3, 0);
        e.LLClick(3, 9); // field 3 is incomplete as well; only field 1 is reported
        ASSERT_TRUE(e.FelderPruefen());
        EXPECT_EQ(e.FelderPruefen()->text, QString::fromUtf8(c.meldung) + kAbbruch);
    }
}

TEST_F(SlipEditorTest, FieldCheckWithNothingTicked) {
    SlipEditor e = neu();
    e.cbSysClick(1, 3);
    ASSERT_TRUE(e.FelderPruefen());
    EXPECT_EQ(e.FelderPruefen()->text, "Sie haben nicht ein komlettes Spielfeld getippt." + kAbbruch);
    EXPECT_EQ(e.FelderPruefen()->art, Meldung::Art::Information);
}

TEST_F(SlipEditorTest, Plus5CheckLooksOnlyAtTheLengthWhenPlayed) {
    struct Case {
        const char* zahl;
        bool spielt;
        bool ok;
    };
    for (const Case c : {Case{"77777", true, true}, Case{"123", true, false}, Case{"", true, false},
                         Case{"abcde", true, true}, Case{"123", false, true}, Case{"", false, true}}) {
        SlipEditor e = neu();
        e.angaben.plus5Zahl = QString::fromLatin1(c.zahl);
        e.angaben.plus5 = c.spielt;
        EXPECT_EQ(!e.Plus5Pruefen(), c.ok) << c.zahl << c.spielt;
        if (!c.ok) {
            EXPECT_EQ(e.Plus5Pruefen()->art, Meldung::Art::Fehler);
            EXPECT_EQ(e.Plus5Pruefen()->text,
                      "Wenn Sie plus 5 mitspielen, geben Sie bitte die Zahl von Ihrem Spielschein ein.");
        }
    }
}

TEST_F(SlipEditorTest, SundayMovesBackToSaturday) {
    SlipEditor e = neu();
    e.angaben.ab = dateToSerial(QDate(2024, 3, 10));
    const DrawCalendar montagBisSamstag;
    const auto m = e.date1Exit(montagBisSamstag);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->art, Meldung::Art::Fehler);
    EXPECT_EQ(m->text, "Das gewählte Datum ist ein Sonntag, daher wurde der Vortag gewählt.\r\r"
                       "Bitte gegebenenfalls korrigieren.");
    EXPECT_EQ(serialToText(e.angaben.ab), "09.03.2024");
    EXPECT_FALSE(e.date1Exit(montagBisSamstag));
    EXPECT_EQ(serialToText(e.angaben.ab), "09.03.2024");
}

TEST_F(SlipEditorTest, ClearingRestoresTheDefaultTypesAndKeepsTheSlipChoices) {
    optionen.scheinTyp = {5, 0, 0, 0, 0};
    SlipEditor e = neu();
    e.cbSysClick(1, 8);
    ticke(e, 1, {1, 2, 3, 4, 5, 6, 7, 8});
    e.cbSysClick(1, 0);
    e.cbSysClick(4, 1);
    ticke(e, 4, {40, 41, 42});
    e.angaben.name = QStringLiteral("Mein Schein");
    e.angaben.dauer = 4;
    e.BDelClick();
    for (int f = 1; f <= 5; ++f) {
        EXPECT_EQ(e.anzahl(f), 0);
        EXPECT_FALSE(e.zuHoch(f));
        EXPECT_EQ(e.gaugePosition(f), 0);
        EXPECT_TRUE(zustand.gewaehlt[f - 1].empty());
    }
    EXPECT_EQ(e.typ(1), 6);
    EXPECT_EQ(e.typ(4), 0);
    EXPECT_EQ(zustand.SysWahl[3], 1);
    EXPECT_EQ(e.angaben.name, "Mein Schein");
    EXPECT_EQ(e.angaben.dauer, 4);
    ticke(e, 1, {11, 12, 13, 14, 15, 16});
    EXPECT_FALSE(e.FelderPruefen());
}

TEST_F(SlipEditorTest, TransferMapsFieldsWithNumbersToRowsAndRecord) {
    SlipEditor e = neu();
    e.cbSysClick(1, 2);
    ticke(e, 1, {44, 3, 17, 60});
    e.cbSysClick(3, 8);
    ticke(e, 3, {70, 69, 68, 67, 66, 65, 64, 63, 62, 61});
    e.cbSysClick(5, 0); // a type without numbers gives no row
    e.angaben.plus5Zahl = QStringLiteral("12345");
    e.angaben.plus5 = true;
    e.angaben.einsatz = 3;
    e.angaben.dauer = 7;
    e.angaben.name = QStringLiteral("Ein sehr langer Scheinname über 20");

    const auto rows = e.tabellenZeilen();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (QStringList{"", "Ein sehr langer Scheinname über 20", "4", "3", "17", "44", "60", "",
                                    "", "", "", "", "", "12345", "ja", "", "12", "04.03.2024"}));
    EXPECT_EQ(rows[1], (QStringList{"", "", "10", "61", "62", "63", "64", "65", "66", "67", "68", "69", "70",
                                    "", "", "", "", ""}));

    TGetippt r;
    r.Nr = 4;
    r.pad2 = {9, 9, 9, 9, 9};
    e.inDatensatz(r);
    EXPECT_EQ(r.Nr, 4);
    EXPECT_EQ(r.einsatz, 3);
    EXPECT_EQ(r.dauer, 7);
    EXPECT_EQ(r.ab, kMontag);
    EXPECT_EQ(r.name.text(), "Ein sehr langer Sche");
    EXPECT_EQ(r.plus5.text(), "12345");
    EXPECT_EQ(r.p5, 1);
    EXPECT_EQ(r.TGNR, -1);
    EXPECT_EQ(r.KastDef, 5);
    EXPECT_EQ(r.typ, (std::array<std::uint8_t, 5>{4, 0, 10, 0, 0}));
    EXPECT_EQ(r.typZ[0], (std::array<std::uint8_t, 10>{3, 17, 44, 60, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.typZ[1], (std::array<std::uint8_t, 10>{}));
    EXPECT_EQ(r.typZ[2], (std::array<std::uint8_t, 10>{61, 62, 63, 64, 65, 66, 67, 68, 69, 70}));
    EXPECT_EQ(r.pad2, (std::array<std::uint8_t, 5>{}));
}

TEST_F(SlipEditorTest, SlipWideCellsFollowTheirChoices) {
    struct Case {
        int dauer;
        const char* plus5Zahl;
        bool plus5;
        const char* ziehungen;
        const char* plus5Zelle;
        const char* mit;
    };
    for (const Case c :
         {Case{0, "77777", false, "Dauer", "77777", "nein"}, Case{7, "123", false, "12", "", "nein"},
          Case{10, "98765", true, "30", "98765", "ja"}}) {
        SlipEditor e = neu();
        e.cbSysClick(2, 0);
        ticke(e, 2, {5, 6});
        e.angaben.dauer = c.dauer;
        e.angaben.plus5Zahl = QString::fromLatin1(c.plus5Zahl);
        e.angaben.plus5 = c.plus5;
        const auto row = e.tabellenZeilen().at(0);
        EXPECT_EQ(row[1], "S1"); // no name given: the tab caption
        EXPECT_EQ(row[16], c.ziehungen);
        EXPECT_EQ(row[13], c.plus5Zelle);
        EXPECT_EQ(row[14], c.mit);
        TGetippt r;
        e.inDatensatz(r);
        EXPECT_EQ(r.plus5.text(), c.plus5Zahl); // stored whether or not it is played
        EXPECT_EQ(r.dauer, c.dauer);
        EXPECT_EQ(r.name.text(), "S1");
    }
}

TEST_F(SlipEditorTest, RecordRoundTripRestoresTheSlip) {
    SlipEditor e = neu(4);
    e.cbSysClick(1, 0);
    ticke(e, 1, {8, 9});
    e.cbSysClick(3, 5);
    ticke(e, 3, {1, 11, 21, 31, 41, 51, 61});
    e.angaben = {QStringLiteral("54321"), true, 2, 9, dateToSerial(QDate(2024, 5, 18)), -1,
                 QStringLiteral("Urlaub")};
    TGetippt r;
    e.inDatensatz(r);
    EXPECT_EQ(r.KastDef, 4);

    TTippE z2;
    SlipEditor back(2, r.KastDef, r.name.text(), z2, optionen, kMontag);
    back.ausDatensatz(r);
    EXPECT_EQ(back.felder(), 4);
    EXPECT_EQ(back.typ(1), 2);
    EXPECT_EQ(back.typ(2), 0);
    EXPECT_EQ(back.typ(3), 7);
    EXPECT_EQ(back.zahlen(3), e.zahlen(3));
    EXPECT_EQ(back.gaugePosition(3), 7);
    EXPECT_EQ(back.angaben.plus5Zahl, "54321");
    EXPECT_TRUE(back.angaben.plus5);
    EXPECT_EQ(back.angaben.einsatz, 2);
    EXPECT_EQ(back.angaben.dauer, 9);
    EXPECT_EQ(serialToText(back.angaben.ab), "18.05.2024");
    EXPECT_EQ(back.angaben.name, "Urlaub");
    TGetippt again;
    back.inDatensatz(again);
    EXPECT_EQ(again, r);
}

TEST_F(SlipEditorTest, DamagedRecordBuildsAnEditorThatShowsWhatIsMissing) {
    TGetippt r;
    r.KastDef = 5;
    r.typ = {1, 11, 5, 4, 3};
    r.typZ[0] = {1, 2};
    r.typZ[1] = {5, 6, 7};
    r.typZ[2] = {10, 0, 12, 13, 14}; // a zero ends the numbers
    r.typZ[3] = {0, 71, 255, 3};     // nothing before the zero
    r.typZ[4] = {70, 200, 70};       // out of range and repeated
    r.einsatz = 9;
    r.dauer = 200;
    r.ab = std::numeric_limits<double>::quiet_NaN();
    r.name.length = 4;
    r.name.chars = {'\x81', '\x80', '\x9f', 'x'};
    SlipEditor e = neu();
    e.ausDatensatz(r);
    EXPECT_EQ(e.typ(1), 0);
    EXPECT_EQ(e.typ(2), 0);
    EXPECT_EQ(e.anzahl(1), 0);
    EXPECT_EQ(e.typ(3), 5);
    EXPECT_EQ(e.zahlen(3), (std::vector<std::uint8_t>{10}));
    EXPECT_EQ(e.anzahl(3), 1);
    EXPECT_EQ(e.typ(4), 4);
    EXPECT_EQ(e.anzahl(4), 0);
    EXPECT_EQ(e.zahlen(5), (std::vector<std::uint8_t>{70}));
    EXPECT_EQ(e.anzahl(5), 1);
    EXPECT_EQ(e.angaben.einsatz, 1);
    EXPECT_EQ(e.angaben.dauer, 0);
    EXPECT_EQ(e.angaben.ab, kMontag);
    EXPECT_EQ(e.angaben.name, QString(QChar(0x81)) + QChar(0x20AC) + QChar(0x0178) + QLatin1Char('x'));
    ASSERT_TRUE(e.FelderPruefen());
    EXPECT_EQ(e.FelderPruefen()->text, "Sie haben im 3. Feld 4 Zahlen vergessen." + kAbbruch);
}

TEST_F(SlipEditorTest, WorkingStateTracksEveryFieldPosition) {
    SlipEditor e = neu();
    ASSERT_EQ(serialToText(kMontag), "04.03.2024");
    e.cbSysClick(5, 8);
    ticke(e, 5, {2, 4});
    EXPECT_EQ(zustand.ZahlAnz[4], 2);
    EXPECT_EQ(zustand.SysWahl[4], 10);
    EXPECT_TRUE(zustand.gewaehlt[4].contains(4));
    EXPECT_EQ(zustand.ZahlAnz[5], 0);
}

TEST(ZellenSchluessel, KeysCarrySlipFieldAndNumber) {
    EXPECT_EQ(zellenSchluessel(12, 3, 70), 12370);
    EXPECT_EQ(zellenSchluessel(1, 5), 1500);
    const ZellenOrt o = ausSchluessel(zellenSchluessel(103, 4, 7));
    EXPECT_EQ(o.schein, 103);
    EXPECT_EQ(o.feld, 4);
    EXPECT_EQ(o.zahl, 7);
}

} // namespace

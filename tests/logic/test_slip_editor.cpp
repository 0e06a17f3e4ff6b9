#include "logic/core/draw_calendar.h"
#include "logic/core/records.h"
#include "logic/settings/options_file.h"
#include "logic/slips/slip_editor.h"

#include <QDate>
#include <gtest/gtest.h>
#include <limits>

using namespace talvo::logic;

namespace {

// 04.03.2024; a literal, as a QDate computed before main may meet an uninitialised epoch.
constexpr DaySerial kMonday = 45355;

const QString kAbortNotice = QStringLiteral("\r\rIch breche erst einmal ab.");

class SlipEditorTest : public ::testing::Test {
  protected:
    OptionsRecord options;
    SlipEditState slipState;

    // A slip on a fresh working state.
    SlipEditor newEditor(int fieldCount = 5) {
        slipState = {};
        return SlipEditor(1, fieldCount, QStringLiteral("S1"), slipState, options, kMonday);
    }

    static void tick(SlipEditor& e, int field, std::initializer_list<int> tickedNumbers) {
        for (int z : tickedNumbers)
            ASSERT_EQ(e.toggleNumber(field, z), TickResult::Ticked) << z;
    }
};

TEST_F(SlipEditorTest, NewSlipStartsWithTheDocumentedDefaults) {
    options.scheinTyp = {5, 0, 10, -1, 9};
    options.einsatzIndex = 3;
    options.laufzeitIndex = 7;
    options.plus5Mitspiel = 1;
    SlipEditor e = newEditor();
    EXPECT_EQ(e.fieldCount(), 5);
    // Stake, duration and plus 5 play as the options say; the plus 5 number is the player's.
    EXPECT_TRUE(e.choices.plus5Number.isEmpty());
    EXPECT_TRUE(e.choices.plus5);
    EXPECT_EQ(e.choices.stakeIndex, 3);
    EXPECT_EQ(e.choices.durationIndex, 7);
    EXPECT_EQ(e.choices.startDay, kMonday);
    EXPECT_EQ(e.choices.syndicate, -1);
    EXPECT_TRUE(e.choices.name.isEmpty());
    const int expectedTypes[] = {6, 0, 0, 0, 10};
    for (int f = 1; f <= 5; ++f) {
        EXPECT_EQ(e.kenoType(f), expectedTypes[f - 1]) << f;
        EXPECT_EQ(e.gaugeRange(f), expectedTypes[f - 1] ? expectedTypes[f - 1] : 100) << f;
        EXPECT_EQ(e.gaugePosition(f), 0);
        EXPECT_EQ(e.tickedCount(f), 0);
    }
    // A default type is recorded as the type; a field without one has never had a choice.
    EXPECT_EQ(slipState.typeChoice[0], 6);
    EXPECT_EQ(slipState.typeChoice[1], 0);
    EXPECT_EQ(slipState.typeChoice[3], 0);
    EXPECT_EQ(slipState.typeChoice[5], 0);
    // Clearing records "no choice" as 1.
    e.clearSlip();
    EXPECT_EQ(slipState.typeChoice[1], 1);
    EXPECT_EQ(slipState.typeChoice[0], 6);
}

TEST_F(SlipEditorTest, FieldCountBelowFourOrAboveFiveIsFive) {
    for (const auto& [asked, got] : {std::pair{4, 4}, std::pair{5, 5}, std::pair{3, 5}, std::pair{0, 5},
                                     std::pair{-7, 5}, std::pair{9, 5}, std::pair{1 << 30, 5}})
        EXPECT_EQ(newEditor(asked).fieldCount(), got) << asked;
}

TEST_F(SlipEditorTest, TickingNeedsATypeAndStopsAtItsCount) {
    SlipEditor e = newEditor();
    EXPECT_EQ(e.toggleNumber(1, 7), TickResult::NoType);
    EXPECT_FALSE(e.isTicked(1, 7));
    e.selectType(1, 1); // type 3
    EXPECT_EQ(e.gaugeRange(1), 3);
    tick(e, 1, {70, 1, 35});
    EXPECT_EQ(e.toggleNumber(1, 2), TickResult::Full);
    EXPECT_FALSE(e.isTicked(1, 2));
    EXPECT_EQ(e.tickedCount(1), 3);
    EXPECT_EQ(e.gaugePosition(1), 3);
    EXPECT_EQ(e.tickedNumbers(1), (std::vector<std::uint8_t>{1, 35, 70}));
    EXPECT_EQ(e.toggleNumber(1, 35), TickResult::Removed);
    EXPECT_EQ(e.tickedCount(1), 2);
    EXPECT_EQ(e.gaugePosition(1), 2);
    EXPECT_EQ(e.toggleNumber(1, 2), TickResult::Ticked);
    // Other fields are untouched.
    EXPECT_EQ(e.tickedCount(2), 0);
    EXPECT_EQ(e.kenoType(2), 0);
}

TEST_F(SlipEditorTest, LoweringTheTypeBelowTheCountMarksTheFieldUntilEnoughAreUnticked) {
    SlipEditor e = newEditor();
    e.selectType(1, 4); // type 6
    tick(e, 1, {1, 2, 3, 4, 5, 6});
    e.selectType(1, 2); // type 4
    EXPECT_TRUE(e.tooMany(1));
    EXPECT_EQ(e.gaugeRange(1), 4);
    EXPECT_EQ(e.gaugePosition(1), 6);
    EXPECT_EQ(e.toggleNumber(1, 7), TickResult::Full);
    ASSERT_TRUE(e.checkFields());
    EXPECT_EQ(e.checkFields()->text, "Sie haben im 1. Feld -2 Zahlen vergessen." + kAbortNotice);
    EXPECT_EQ(e.checkFields()->kind, SlipMessage::Kind::Information);

    EXPECT_EQ(e.toggleNumber(1, 6), TickResult::Removed);
    EXPECT_TRUE(e.tooMany(1));
    EXPECT_EQ(e.gaugePosition(1), 6); // the gauge waits while the field is over-full
    EXPECT_EQ(e.toggleNumber(1, 5), TickResult::Removed);
    EXPECT_FALSE(e.tooMany(1));
    EXPECT_EQ(e.gaugePosition(1), 4);
    EXPECT_FALSE(e.checkFields());
}

TEST_F(SlipEditorTest, RaisingTheTypeAgainKeepsTheMarkUntilTheNextClick) {
    SlipEditor e = newEditor();
    e.selectType(2, 4);
    tick(e, 2, {10, 20, 30, 40, 50, 60});
    e.selectType(2, 0); // type 2
    e.selectType(2, 6); // type 8
    EXPECT_TRUE(e.tooMany(2));
    EXPECT_EQ(e.toggleNumber(2, 11), TickResult::Ticked);
    EXPECT_FALSE(e.tooMany(2));
    EXPECT_EQ(e.gaugePosition(2), 7);
}

TEST_F(SlipEditorTest, FieldCheckReportsTheFirstFieldWhoseCountDiffers) {
    struct Case {
        int typeEntryFor;
        std::vector<int> tickedNumbers;
        const char* message;
    };
    const Case cases[] = {
        {3, {1, 2, 3, 4}, "Sie haben im 1. Feld eine Zahl vergessen."},
        {3, {1, 2, 3}, "Sie haben im 1. Feld 2 Zahlen vergessen."},
        {8, {1}, "Sie haben im 1. Feld 9 Zahlen vergessen."},
    };
    for (const Case& c : cases) {
        SlipEditState z;
        SlipEditor e(1, 5, QStringLiteral("S1"), z, options, kMonday);
        e.selectType(1, c.typeEntryFor);
        for (int n : c.tickedNumbers)
            e.toggleNumber(1, n);
        e.selectType(3, 0);
        e.toggleNumber(3, 9); // field 3 is incomplete as well; only field 1 is reported
        ASSERT_TRUE(e.checkFields());
        EXPECT_EQ(e.checkFields()->text, QString::fromUtf8(c.message) + kAbortNotice);
    }
}

TEST_F(SlipEditorTest, FieldCheckWithNothingTicked) {
    SlipEditor e = newEditor();
    e.selectType(1, 3);
    ASSERT_TRUE(e.checkFields());
    EXPECT_EQ(e.checkFields()->text, "Sie haben nicht ein komlettes Spielfeld getippt." + kAbortNotice);
    EXPECT_EQ(e.checkFields()->kind, SlipMessage::Kind::Information);
}

TEST_F(SlipEditorTest, NewSlipTakesOnlyStakesAndDurationsItsTablesKnow) {
    struct Case {
        int stake, duration, plus5;
        int wantStake, wantDuration;
        bool wantPlus5;
    };
    for (const Case c : {Case{0, 0, 0, 0, 0, false}, Case{1, 10, 1, 1, 10, true}, Case{4, 11, 0, 0, 0, false},
                         Case{-1, -1, 255, 0, 0, true}, Case{1000, 3, 0, 0, 3, false}}) {
        options.einsatzIndex = c.stake;
        options.laufzeitIndex = c.duration;
        options.plus5Mitspiel = static_cast<std::uint8_t>(c.plus5);
        SlipEditor e = newEditor();
        EXPECT_EQ(e.choices.stakeIndex, c.wantStake) << c.stake;
        EXPECT_EQ(e.choices.durationIndex, c.wantDuration) << c.duration;
        EXPECT_EQ(e.choices.plus5, c.wantPlus5) << c.plus5;
    }
}

TEST_F(SlipEditorTest, Plus5CheckWantsFiveDigitsWhenPlayed) {
    struct Case {
        const char* number;
        bool plays;
        bool ok;
    };
    for (const Case c : {Case{"77777", true, true}, Case{"00000", true, true}, Case{"123", true, false},
                         Case{"", true, false}, Case{"abcde", true, false}, Case{"offen", true, false},
                         Case{"1234 ", true, false}, Case{"123456", true, false}, Case{"123", false, true},
                         Case{"", false, true}, Case{"offen", false, true}}) {
        SlipEditor e = newEditor();
        e.choices.plus5Number = QString::fromLatin1(c.number);
        e.choices.plus5 = c.plays;
        EXPECT_EQ(!e.checkPlus5(), c.ok) << c.number << c.plays;
        if (!c.ok) {
            EXPECT_EQ(e.checkPlus5()->kind, SlipMessage::Kind::Critical);
            EXPECT_EQ(e.checkPlus5()->text,
                      "Wenn Sie plus 5 mitspielen, geben Sie bitte die Zahl von Ihrem Spielschein ein.");
        }
    }
}

TEST_F(SlipEditorTest, SundayMovesBackToSaturday) {
    SlipEditor e = newEditor();
    e.choices.startDay = dateToSerial(QDate(2024, 3, 10));
    const DrawCalendar mondayToSaturday;
    const auto m = e.checkStartDate(mondayToSaturday);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->kind, SlipMessage::Kind::Critical);
    EXPECT_EQ(m->text, "Das gewählte Datum ist ein Sonntag, daher wurde der Vortag gewählt.\r\r"
                       "Bitte gegebenenfalls korrigieren.");
    EXPECT_EQ(serialToText(e.choices.startDay), "09.03.2024");
    EXPECT_FALSE(e.checkStartDate(mondayToSaturday));
    EXPECT_EQ(serialToText(e.choices.startDay), "09.03.2024");
}

TEST_F(SlipEditorTest, ClearingRestoresTheDefaultTypesAndKeepsTheSlipChoices) {
    options.scheinTyp = {5, 0, 0, 0, 0};
    SlipEditor e = newEditor();
    e.selectType(1, 8);
    tick(e, 1, {1, 2, 3, 4, 5, 6, 7, 8});
    e.selectType(1, 0);
    e.selectType(4, 1);
    tick(e, 4, {40, 41, 42});
    e.choices.name = QStringLiteral("Mein Schein");
    e.choices.durationIndex = 4;
    e.clearSlip();
    for (int f = 1; f <= 5; ++f) {
        EXPECT_EQ(e.tickedCount(f), 0);
        EXPECT_FALSE(e.tooMany(f));
        EXPECT_EQ(e.gaugePosition(f), 0);
        EXPECT_TRUE(slipState.ticked[f - 1].empty());
    }
    EXPECT_EQ(e.kenoType(1), 6);
    EXPECT_EQ(e.kenoType(4), 0);
    EXPECT_EQ(slipState.typeChoice[3], 1);
    EXPECT_EQ(e.choices.name, "Mein Schein");
    EXPECT_EQ(e.choices.durationIndex, 4);
    tick(e, 1, {11, 12, 13, 14, 15, 16});
    EXPECT_FALSE(e.checkFields());
}

TEST_F(SlipEditorTest, TransferMapsFieldsWithNumbersToRowsAndRecord) {
    SlipEditor e = newEditor();
    e.selectType(1, 2);
    tick(e, 1, {44, 3, 17, 60});
    e.selectType(3, 8);
    tick(e, 3, {70, 69, 68, 67, 66, 65, 64, 63, 62, 61});
    e.selectType(5, 0); // a type without numbers gives no row
    e.choices.plus5Number = QStringLiteral("12345");
    e.choices.plus5 = true;
    e.choices.stakeIndex = 3;
    e.choices.durationIndex = 7;
    e.choices.name = QStringLiteral("Ein sehr langer Scheinname über 20");

    const auto rows = e.tableRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (QStringList{"", "Ein sehr langer Scheinname über 20", "4", "3", "17", "44", "60", "",
                                    "", "", "", "", "", "12345", "ja", "", "12", "04.03.2024"}));
    EXPECT_EQ(rows[1], (QStringList{"", "", "10", "61", "62", "63", "64", "65", "66", "67", "68", "69", "70",
                                    "", "", "", "", ""}));

    SlipRecord r;
    r.Nr = 4;
    r.pad2 = {9, 9, 9, 9, 9};
    e.writeRecord(r);
    EXPECT_EQ(r.Nr, 4);
    EXPECT_EQ(r.einsatz, 3);
    EXPECT_EQ(r.dauer, 7);
    EXPECT_EQ(r.ab, kMonday);
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
        const char* plus5Number;
        bool plus5;
        const char* drawsCell;
        const char* plus5Cell;
        const char* plus5PlayedCell;
    };
    for (const Case c :
         {Case{0, "77777", false, "Dauer", "77777", "nein"}, Case{7, "123", false, "12", "", "nein"},
          Case{10, "98765", true, "30", "98765", "ja"}}) {
        SlipEditor e = newEditor();
        e.selectType(2, 0);
        tick(e, 2, {5, 6});
        e.choices.durationIndex = c.dauer;
        e.choices.plus5Number = QString::fromLatin1(c.plus5Number);
        e.choices.plus5 = c.plus5;
        const auto row = e.tableRows().at(0);
        EXPECT_EQ(row[1], "S1"); // no name given: the tab caption
        EXPECT_EQ(row[16], c.drawsCell);
        EXPECT_EQ(row[13], c.plus5Cell);
        EXPECT_EQ(row[14], c.plus5PlayedCell);
        SlipRecord r;
        e.writeRecord(r);
        EXPECT_EQ(r.plus5.text(), c.plus5Number); // stored whether or not it is played
        EXPECT_EQ(r.dauer, c.dauer);
        EXPECT_EQ(r.name.text(), "S1");
    }
}

TEST_F(SlipEditorTest, RecordRoundTripRestoresTheSlip) {
    SlipEditor e = newEditor(4);
    e.selectType(1, 0);
    tick(e, 1, {8, 9});
    e.selectType(3, 5);
    tick(e, 3, {1, 11, 21, 31, 41, 51, 61});
    e.choices = {QStringLiteral("54321"), true, 2, 9, dateToSerial(QDate(2024, 5, 18)), -1,
                 QStringLiteral("Urlaub")};
    SlipRecord r;
    e.writeRecord(r);
    EXPECT_EQ(r.KastDef, 4);

    SlipEditState slipState2;
    SlipEditor back(2, r.KastDef, r.name.text(), slipState2, options, kMonday);
    back.fillFromRecord(r);
    EXPECT_EQ(back.fieldCount(), 4);
    EXPECT_EQ(back.kenoType(1), 2);
    EXPECT_EQ(back.kenoType(2), 0);
    EXPECT_EQ(back.kenoType(3), 7);
    EXPECT_EQ(back.tickedNumbers(3), e.tickedNumbers(3));
    EXPECT_EQ(back.gaugePosition(3), 7);
    EXPECT_EQ(back.choices.plus5Number, "54321");
    EXPECT_TRUE(back.choices.plus5);
    EXPECT_EQ(back.choices.stakeIndex, 2);
    EXPECT_EQ(back.choices.durationIndex, 9);
    EXPECT_EQ(serialToText(back.choices.startDay), "18.05.2024");
    EXPECT_EQ(back.choices.name, "Urlaub");
    SlipRecord again;
    back.writeRecord(again);
    EXPECT_EQ(again, r);
}

TEST_F(SlipEditorTest, DamagedRecordBuildsAnEditorThatShowsWhatIsMissing) {
    SlipRecord r;
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
    SlipEditor e = newEditor();
    e.fillFromRecord(r);
    EXPECT_EQ(e.kenoType(1), 0);
    EXPECT_EQ(e.kenoType(2), 0);
    EXPECT_EQ(e.tickedCount(1), 0);
    EXPECT_EQ(e.kenoType(3), 5);
    EXPECT_EQ(e.tickedNumbers(3), (std::vector<std::uint8_t>{10}));
    EXPECT_EQ(e.tickedCount(3), 1);
    EXPECT_EQ(e.kenoType(4), 4);
    EXPECT_EQ(e.tickedCount(4), 0);
    EXPECT_EQ(e.tickedNumbers(5), (std::vector<std::uint8_t>{70}));
    EXPECT_EQ(e.tickedCount(5), 1);
    EXPECT_EQ(e.choices.stakeIndex, 0); // a damaged stake keeps the new slip's, from the options
    EXPECT_EQ(e.choices.durationIndex, 0);
    EXPECT_EQ(e.choices.startDay, kMonday);
    // 0x81 is no character of the code page: it stays the control character of that value,
    // which the name field shows as a blank.
    EXPECT_EQ(e.choices.name, QLatin1Char(' ') + QChar(0x20AC) + QChar(0x0178) + QLatin1Char('x'));
    ASSERT_TRUE(e.checkFields());
    EXPECT_EQ(e.checkFields()->text, "Sie haben im 3. Feld 4 Zahlen vergessen." + kAbortNotice);
}

TEST_F(SlipEditorTest, WorkingStateTracksEveryFieldPosition) {
    SlipEditor e = newEditor();
    ASSERT_EQ(serialToText(kMonday), "04.03.2024");
    e.selectType(5, 8);
    tick(e, 5, {2, 4});
    EXPECT_EQ(slipState.tickedCount[4], 2);
    EXPECT_EQ(slipState.typeChoice[4], 10);
    EXPECT_TRUE(slipState.ticked[4].contains(4));
    EXPECT_EQ(slipState.tickedCount[5], 0);
}

TEST(CellKey, KeysCarrySlipFieldAndNumber) {
    EXPECT_EQ(cellKey(12, 3, 70), 12370);
    EXPECT_EQ(cellKey(1, 5), 1500);
    const CellLocation o = cellLocation(cellKey(103, 4, 7));
    EXPECT_EQ(o.slip, 103);
    EXPECT_EQ(o.field, 4);
    EXPECT_EQ(o.number, 7);
}

} // namespace

#include "logic/core/records.h"
#include "logic/core/slip_file.h"
#include "logic/settings/options_file.h"
#include "logic/slips/slip_centre.h"
#include "support/builders.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

constexpr DaySerial kToday = 45355; // Monday, 04.03.2024

class SlipCentreLogicTest : public ::testing::Test {
  protected:
    SlipList slips;
    OptionsRecord options;
    SlipCentre centre{slips, options};

    // A new slip whose fields hold the given numbers, each field typed by its count.
    SlipEditor& slip(std::initializer_list<std::vector<int>> fieldCount, const QString& name = {}) {
        SlipEditor& e = centre.createSlip(5, name, kToday);
        int f = 0;
        for (const auto& numbers : fieldCount) {
            ++f;
            if (numbers.empty())
                continue;
            e.selectType(f, static_cast<int>(numbers.size()) - 2);
            for (int z : numbers)
                e.toggleNumber(f, z);
        }
        return e;
    }

    // Column 0..2 of every row below the header: running number, slip name, type.
    std::vector<QString> overview() const {
        std::vector<QString> out;
        for (std::size_t r = 1; r < centre.table().size(); ++r) {
            const auto& row = centre.table()[r];
            out.push_back(row[0] + '|' + row[1] + '|' + row[2]);
        }
        return out;
    }
};

TEST_F(SlipCentreLogicTest, EmptyTableHasTheHeaderAndOneEmptyRow) {
    ASSERT_EQ(centre.table().size(), 2u);
    EXPECT_EQ(centre.table()[0].join(','), "Nr.,Spielschein,Typ,Z 1,Z 2,Z 3,Z 4,Z 5,Z 6,Z 7,Z 8,Z 9,Z 10,"
                                           "plus 5,mit plus 5,Tippgemeinschaft,Ziehungen,ab");
    EXPECT_EQ(centre.table()[1], QStringList(18));
    EXPECT_EQ(centre.nextFreeRow(), 1);
}

TEST_F(SlipCentreLogicTest, SlipNumbersCountUpAndAreNeverReused) {
    EXPECT_EQ(centre.createSlip(5, {}, kToday).caption(), "S1");
    EXPECT_EQ(centre.createSlip(5, QStringLiteral("Lotto-Club"), kToday).caption(), "Lotto-Club");
    centre.closeSlip(2);
    EXPECT_EQ(centre.slip(2), nullptr);
    const SlipEditor& third = centre.createSlip(4, {}, kToday);
    EXPECT_EQ(third.slipNumber(), 3);
    EXPECT_EQ(third.caption(), "S3");
    EXPECT_EQ(third.fieldCount(), 4);
    // Working states stay for every slip ever made; slot 0 is empty.
    EXPECT_EQ(centre.workingStates().size(), 4u);
}

TEST_F(SlipCentreLogicTest, TransfersAppendRowsAndRecordsAndRetransferRebuilds) {
    SlipEditor& s1 = slip({{1, 2}, {}, {3, 4, 5}});
    slip({{}, {60, 61, 62, 63}});
    ASSERT_FALSE(centre.transferSlip(1));
    ASSERT_FALSE(centre.transferSlip(2));
    EXPECT_EQ(overview(), (std::vector<QString>{"1|S1|2", "2||3", "3|S2|4"}));
    EXPECT_EQ(centre.transferredSlips(), (QStringList{"1", "2"}));
    ASSERT_EQ(slips.size(), 2u);
    EXPECT_EQ(slips[0].Nr, 1);
    EXPECT_EQ(slips[1].Nr, 2);
    EXPECT_EQ(centre.nextFreeRow(), 4);

    // Field 1 emptied, then the slip transferred again.
    s1.toggleNumber(1, 1);
    s1.toggleNumber(1, 2);
    s1.choices.name = QStringLiteral("Neu");
    ASSERT_FALSE(centre.transferSlip(1));
    EXPECT_EQ(overview(), (std::vector<QString>{"1|Neu|3", "2|S2|4"}));
    EXPECT_EQ(centre.transferredSlips(), (QStringList{"1", "2"}));
    ASSERT_EQ(slips.size(), 2u);
    EXPECT_EQ(slips[0].Nr, 1);
    EXPECT_EQ(slips[0].typ, (std::array<std::uint8_t, 5>{0, 0, 3, 0, 0}));
    EXPECT_EQ(slips[0].name.text(), "Neu");
    EXPECT_EQ(slips[1].typ, (std::array<std::uint8_t, 5>{0, 4, 0, 0, 0}));
}

TEST_F(SlipCentreLogicTest, FailedTransferChangesNothing) {
    SlipEditor& s = slip({{1, 2, 3}});
    s.selectType(1, 2); // type 4 with three numbers
    const auto m = centre.transferSlip(s.slipNumber());
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->text.startsWith("Sie haben im 1. Feld eine Zahl vergessen."));
    s.toggleNumber(1, 4);
    s.choices.plus5 = true;
    s.choices.plus5Number = QStringLiteral("12");
    ASSERT_TRUE(centre.transferSlip(s.slipNumber()));
    EXPECT_TRUE(slips.empty());
    EXPECT_TRUE(centre.transferredSlips().isEmpty());
    EXPECT_EQ(centre.table().size(), 2u);
}

TEST_F(SlipCentreLogicTest, ClosingASlipDropsItsRowsAndRecord) {
    slip({{1, 2}, {3, 4}}, QStringLiteral("A"));
    slip({{5, 6}}, QStringLiteral("B"));
    slip({{7, 8}}, QStringLiteral("C"));
    for (int n : {1, 2, 3})
        ASSERT_FALSE(centre.transferSlip(n));
    centre.closeSlip(1);
    EXPECT_EQ(overview(), (std::vector<QString>{"1|B|2", "2|C|2"}));
    EXPECT_EQ(centre.transferredSlips(), (QStringList{"2", "3"}));
    ASSERT_EQ(slips.size(), 2u);
    EXPECT_EQ(slips[0].name.text(), "B");
    EXPECT_EQ(slips[0].Nr, 1);
    EXPECT_EQ(slips[1].Nr, 2);

    // A re-transfer after the close still replaces the slip's own record.
    centre.slip(3)->choices.durationIndex = 2;
    ASSERT_FALSE(centre.transferSlip(3));
    EXPECT_EQ(slips[1].name.text(), "C");
    EXPECT_EQ(slips[1].dauer, 2);
    EXPECT_EQ(slips[0].dauer, 0);

    centre.closeSlip(2);
    centre.closeSlip(3);
    EXPECT_EQ(centre.table().size(), 2u);
    EXPECT_EQ(centre.table()[1], QStringList(18));
    EXPECT_TRUE(slips.empty());
    // An untransferred slip closes without touching the lists.
    slip({{9, 10}});
    ASSERT_FALSE(centre.transferSlip(4));
    centre.closeSlip(5);
    EXPECT_EQ(slips.size(), 1u);
}

TEST_F(SlipCentreLogicTest, OpenedSlipsEnterTheListsOnlyThroughTheirTransfer) {
    const SlipList fileSlips = {
        talvo::test::slip({{1, 2}}, 0, 0, QDate(2024, 1, 2), QStringLiteral("Eins")),
        talvo::test::slip({{3, 4, 5}}, 1, 7, QDate(2024, 1, 3), QStringLiteral("Zwei")),
        talvo::test::slip({{6, 7}, {8, 9, 10, 11}}, 2, 0, QDate(2024, 1, 4), QStringLiteral("Drei"))};
    for (const SlipRecord& r : fileSlips)
        centre.loadSlip(r, kToday);
    EXPECT_TRUE(slips.empty());
    EXPECT_EQ(centre.slip(2)->caption(), "Zwei");
    ASSERT_FALSE(centre.transferSlip(3));
    ASSERT_FALSE(centre.transferSlip(2));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.tix"));
    saveSlips(path, slips);
    const SlipList back = loadSlips(path);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].Nr, 1);
    EXPECT_EQ(back[0].name.text(), "Drei");
    EXPECT_EQ(back[0].typ, (std::array<std::uint8_t, 5>{2, 4, 0, 0, 0}));
    EXPECT_EQ(back[1].Nr, 2);
    EXPECT_EQ(back[1].name.text(), "Zwei");
    EXPECT_EQ(back[1].dauer, 7);
    EXPECT_EQ(back[1].einsatz, 1);
    EXPECT_EQ(serialToText(back[1].ab), "03.01.2024");
}

TEST_F(SlipCentreLogicTest, RecordsDecideTheFieldCount) {
    for (const auto& [boxDefinition, fieldCount] :
         {std::pair{3, 5}, std::pair{4, 4}, std::pair{5, 5}, std::pair{6, 5}, std::pair{-1, 5},
          std::pair{100000, 5}}) {
        SlipRecord r = talvo::test::slip({{1, 2}, {}, {}, {}, {5, 6}});
        r.KastDef = boxDefinition;
        SlipEditor& e = centre.loadSlip(r, kToday);
        EXPECT_EQ(e.fieldCount(), fieldCount) << boxDefinition;
        // A four-field editor has no place for the fifth field.
        EXPECT_EQ(e.kenoType(1), 2);
        ASSERT_FALSE(centre.transferSlip(e.slipNumber()));
        EXPECT_EQ(slips.back().KastDef, fieldCount);
        EXPECT_EQ(slips.back().typ[4], fieldCount == 5 ? 2 : 0);
    }
}

TEST_F(SlipCentreLogicTest, DefaultTypesAreReadWhenASlipIsBuilt) {
    options.scheinTyp = {2, 0, 0, 0, 0};
    EXPECT_EQ(centre.createSlip(5, {}, kToday).kenoType(1), 3);
    options.scheinTyp = {0, 0, 0, 0, 0};
    EXPECT_EQ(centre.createSlip(5, {}, kToday).kenoType(1), 0);
    options.scheinTyp = {8, 0, 0, 0, 0};
    // Clearing an older slip uses the options as they are now.
    centre.slip(1)->clearSlip();
    EXPECT_EQ(centre.slip(1)->kenoType(1), 9);
    EXPECT_EQ(centre.slip(2)->kenoType(1), 0);
}

// A save writes every slip the centre holds: the opened ones as read or as last transferred,
// the new ones once transferred, all in slip order and numbered anew.
TEST_F(SlipCentreLogicTest, ASaveWritesEveryOpenedAndTransferredSlipInSlipOrder) {
    for (int i = 1; i <= 3; ++i) {
        SlipRecord r =
            talvo::test::slip({{i, i + 10}}, 0, 0, QDate(2024, 1, 2), QStringLiteral("Datei %1").arg(i));
        r.Nr = 40 + i;
        centre.openStoredSlip(r, kToday);
    }
    slip({{20, 21, 22}}, QStringLiteral("Neu"));
    slip({{30, 31}}, QStringLiteral("Nie übertragen"));
    ASSERT_FALSE(centre.transferSlip(4));
    // A transfer of an opened slip replaces what is written for it.
    centre.slip(2)->toggleNumber(1, 12);
    centre.slip(2)->toggleNumber(1, 13);
    ASSERT_FALSE(centre.transferSlip(2));
    centre.closeSlip(3);

    const SlipList saved = centre.recordsToSave();
    std::vector<QString> names;
    std::vector<int> numbers;
    for (const SlipRecord& r : saved) {
        names.push_back(r.name.text());
        numbers.push_back(r.Nr);
    }
    EXPECT_EQ(names, (std::vector<QString>{"Datei 1", "Datei 2", "Neu"}));
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(saved[1].typZ[0][1], 13);
    // The transferred list keeps its own order and content.
    ASSERT_EQ(slips.size(), 2u);
    EXPECT_EQ(slips[0].name.text(), "Neu");
}

TEST_F(SlipCentreLogicTest, SlipsOnlyInMemoryAreThoseNoFileHoldsAsTheyStand) {
    const SlipRecord stored = talvo::test::slip({{1, 2}}, 0, 0, QDate(2024, 1, 2), QStringLiteral("Datei"));
    struct Case {
        const char* what;
        std::function<void(SlipCentre&)> act;
        int inMemory;
    };
    // A new slip of two numbers, transferred and written to a file.
    const auto newSlipTransferredAndSaved = [&](SlipCentre& c) -> SlipEditor& {
        SlipEditor& e = c.createSlip(5, {}, kToday);
        e.selectType(1, 0);
        e.toggleNumber(1, 7);
        e.toggleNumber(1, 8);
        EXPECT_FALSE(c.transferSlip(e.slipNumber()));
        c.markSaved();
        return e;
    };
    const std::vector<Case> cases = {
        {"opened, untouched", [&](SlipCentre& c) { c.openStoredSlip(stored, kToday); }, 0},
        {"opened, a number more",
         [&](SlipCentre& c) {
             SlipEditor& e = c.openStoredSlip(stored, kToday);
             e.selectType(2, 0);
             e.toggleNumber(2, 40);
         },
         1},
        {"opened, changed and changed back",
         [&](SlipCentre& c) {
             SlipEditor& e = c.openStoredSlip(stored, kToday);
             e.choices.stakeIndex = 3;
             e.choices.stakeIndex = stored.einsatz;
         },
         0},
        {"new and empty", [&](SlipCentre& c) { c.createSlip(5, {}, kToday); }, 0},
        {"new with a number",
         [&](SlipCentre& c) {
             SlipEditor& e = c.createSlip(5, {}, kToday);
             e.selectType(1, 0);
             e.toggleNumber(1, 7);
         },
         1},
        {"a tip written onto a slip", [&](SlipCentre& c) { c.loadSlip(stored, kToday); }, 1},
        {"a tip, saved",
         [&](SlipCentre& c) {
             c.loadSlip(stored, kToday);
             c.markSaved();
         },
         0},
        {"new, transferred and saved", [&](SlipCentre& c) { newSlipTransferredAndSaved(c); }, 0},
        {"saved, then changed without a transfer",
         [&](SlipCentre& c) { newSlipTransferredAndSaved(c).toggleNumber(1, 8); }, 1},
        {"a changed slip closed",
         [&](SlipCentre& c) {
             c.loadSlip(stored, kToday);
             c.closeSlip(1);
         },
         0},
    };
    for (const Case& k : cases) {
        SlipList list;
        SlipCentre c(list, options);
        k.act(c);
        EXPECT_EQ(c.slipsOnlyInMemory(), k.inMemory) << k.what;
    }
}

} // namespace

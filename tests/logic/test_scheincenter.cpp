#include "logic/core/records.h"
#include "logic/core/slip_file.h"
#include "logic/settings/einstellungen.h"
#include "logic/slips/scheincenter.h"
#include "support/builders.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

constexpr DaySerial kHeute = 45355; // Monday, 04.03.2024

class ScheincenterTest : public ::testing::Test {
  protected:
    SlipList scheinListe;
    TEinstellungen optionen;
    Scheincenter centre{scheinListe, optionen};

    // A new slip whose fields hold the given numbers, each field typed by its count.
    SlipEditor& schein(std::initializer_list<std::vector<int>> felder, const QString& name = {}) {
        SlipEditor& e = centre.ScheinAnlegen(5, name, kHeute);
        int f = 0;
        for (const auto& zahlen : felder) {
            ++f;
            if (zahlen.empty())
                continue;
            e.cbSysClick(f, static_cast<int>(zahlen.size()) - 2);
            for (int z : zahlen)
                e.LLClick(f, z);
        }
        return e;
    }

    // Column 0..2 of every row below the header: running number, slip name, type.
    std::vector<QString> kurz() const {
        std::vector<QString> out;
        for (std::size_t r = 1; r < centre.tabelle().size(); ++r) {
            const auto& row = centre.tabelle()[r];
            out.push_back(row[0] + '|' + row[1] + '|' + row[2]);
        }
        return out;
    }
};

TEST_F(ScheincenterTest, EmptyTableHasTheHeaderAndOneEmptyRow) {
    ASSERT_EQ(centre.tabelle().size(), 2u);
    EXPECT_EQ(centre.tabelle()[0].join(','), "Nr.,Spielschein,Typ,Z 1,Z 2,Z 3,Z 4,Z 5,Z 6,Z 7,Z 8,Z 9,Z 10,"
                                             "plus 5,mit plus 5,Tippgemeinschaft,Ziehungen,ab");
    EXPECT_EQ(centre.tabelle()[1], QStringList(18));
    EXPECT_EQ(centre.naechsteFreieZeile(), 1);
}

TEST_F(ScheincenterTest, SlipNumbersCountUpAndAreNeverReused) {
    EXPECT_EQ(centre.ScheinAnlegen(5, {}, kHeute).caption(), "S1");
    EXPECT_EQ(centre.ScheinAnlegen(5, QStringLiteral("Lotto-Club"), kHeute).caption(), "Lotto-Club");
    centre.ScheinSchliessen(2);
    EXPECT_EQ(centre.schein(2), nullptr);
    const SlipEditor& drei = centre.ScheinAnlegen(4, {}, kHeute);
    EXPECT_EQ(drei.nummer(), 3);
    EXPECT_EQ(drei.caption(), "S3");
    EXPECT_EQ(drei.felder(), 4);
    // Working states stay for every slip ever made; slot 0 is empty.
    EXPECT_EQ(centre.arbeitsZustaende().size(), 4u);
}

TEST_F(ScheincenterTest, TransfersAppendRowsAndRecordsAndRetransferRebuilds) {
    SlipEditor& s1 = schein({{1, 2}, {}, {3, 4, 5}});
    schein({{}, {60, 61, 62, 63}});
    ASSERT_FALSE(centre.BGoClick(1));
    ASSERT_FALSE(centre.BGoClick(2));
    EXPECT_EQ(kurz(), (std::vector<QString>{"1|S1|2", "2||3", "3|S2|4"}));
    EXPECT_EQ(centre.UebertrageneScheine(), (QStringList{"1", "2"}));
    ASSERT_EQ(scheinListe.size(), 2u);
    EXPECT_EQ(scheinListe[0].Nr, 1);
    EXPECT_EQ(scheinListe[1].Nr, 2);
    EXPECT_EQ(centre.naechsteFreieZeile(), 4);

    // Field 1 emptied, then the slip transferred again.
    s1.LLClick(1, 1);
    s1.LLClick(1, 2);
    s1.angaben.name = QStringLiteral("Neu");
    ASSERT_FALSE(centre.BGoClick(1));
    EXPECT_EQ(kurz(), (std::vector<QString>{"1|Neu|3", "2|S2|4"}));
    EXPECT_EQ(centre.UebertrageneScheine(), (QStringList{"1", "2"}));
    ASSERT_EQ(scheinListe.size(), 2u);
    EXPECT_EQ(scheinListe[0].Nr, 1);
    EXPECT_EQ(scheinListe[0].typ, (std::array<std::uint8_t, 5>{0, 0, 3, 0, 0}));
    EXPECT_EQ(scheinListe[0].name.text(), "Neu");
    EXPECT_EQ(scheinListe[1].typ, (std::array<std::uint8_t, 5>{0, 4, 0, 0, 0}));
}

TEST_F(ScheincenterTest, FailedTransferChangesNothing) {
    SlipEditor& s = schein({{1, 2, 3}});
    s.cbSysClick(1, 2); // type 4 with three numbers
    const auto m = centre.BGoClick(s.nummer());
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->text.startsWith("Sie haben im 1. Feld eine Zahl vergessen."));
    s.LLClick(1, 4);
    s.angaben.plus5 = true;
    s.angaben.plus5Zahl = QStringLiteral("12");
    ASSERT_TRUE(centre.BGoClick(s.nummer()));
    EXPECT_TRUE(scheinListe.empty());
    EXPECT_TRUE(centre.UebertrageneScheine().isEmpty());
    EXPECT_EQ(centre.tabelle().size(), 2u);
}

TEST_F(ScheincenterTest, ClosingASlipDropsItsRowsAndRecord) {
    schein({{1, 2}, {3, 4}}, QStringLiteral("A"));
    schein({{5, 6}}, QStringLiteral("B"));
    schein({{7, 8}}, QStringLiteral("C"));
    for (int n : {1, 2, 3})
        ASSERT_FALSE(centre.BGoClick(n));
    centre.ScheinSchliessen(1);
    EXPECT_EQ(kurz(), (std::vector<QString>{"1|B|2", "2|C|2"}));
    EXPECT_EQ(centre.UebertrageneScheine(), (QStringList{"2", "3"}));
    ASSERT_EQ(scheinListe.size(), 2u);
    EXPECT_EQ(scheinListe[0].name.text(), "B");
    EXPECT_EQ(scheinListe[0].Nr, 1);
    EXPECT_EQ(scheinListe[1].Nr, 2);

    // A re-transfer after the close still replaces the slip's own record.
    centre.schein(3)->angaben.dauer = 2;
    ASSERT_FALSE(centre.BGoClick(3));
    EXPECT_EQ(scheinListe[1].name.text(), "C");
    EXPECT_EQ(scheinListe[1].dauer, 2);
    EXPECT_EQ(scheinListe[0].dauer, 0);

    centre.ScheinSchliessen(2);
    centre.ScheinSchliessen(3);
    EXPECT_EQ(centre.tabelle().size(), 2u);
    EXPECT_EQ(centre.tabelle()[1], QStringList(18));
    EXPECT_TRUE(scheinListe.empty());
    // An untransferred slip closes without touching the lists.
    schein({{9, 10}});
    ASSERT_FALSE(centre.BGoClick(4));
    centre.ScheinSchliessen(5);
    EXPECT_EQ(scheinListe.size(), 1u);
}

TEST_F(ScheincenterTest, OpenedSlipsEnterTheListsOnlyThroughTheirTransfer) {
    const SlipList datei = {
        talvo::test::slip({{1, 2}}, 0, 0, QDate(2024, 1, 2), QStringLiteral("Eins")),
        talvo::test::slip({{3, 4, 5}}, 1, 7, QDate(2024, 1, 3), QStringLiteral("Zwei")),
        talvo::test::slip({{6, 7}, {8, 9, 10, 11}}, 2, 0, QDate(2024, 1, 4), QStringLiteral("Drei"))};
    for (const TGetippt& r : datei)
        centre.ScheinLaden(r, kHeute);
    EXPECT_TRUE(scheinListe.empty());
    EXPECT_EQ(centre.schein(2)->caption(), "Zwei");
    ASSERT_FALSE(centre.BGoClick(3));
    ASSERT_FALSE(centre.BGoClick(2));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.tix"));
    ScheinDateiSchreiben(path, scheinListe);
    const SlipList back = ScheinDateiLesen(path);
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

TEST_F(ScheincenterTest, RecordsDecideTheFieldCount) {
    for (const auto& [kastDef, felder] : {std::pair{3, 5}, std::pair{4, 4}, std::pair{5, 5}, std::pair{6, 5},
                                          std::pair{-1, 5}, std::pair{100000, 5}}) {
        TGetippt r = talvo::test::slip({{1, 2}, {}, {}, {}, {5, 6}});
        r.KastDef = kastDef;
        SlipEditor& e = centre.ScheinLaden(r, kHeute);
        EXPECT_EQ(e.felder(), felder) << kastDef;
        // A four-field editor has no place for the fifth field.
        EXPECT_EQ(e.typ(1), 2);
        ASSERT_FALSE(centre.BGoClick(e.nummer()));
        EXPECT_EQ(scheinListe.back().KastDef, felder);
        EXPECT_EQ(scheinListe.back().typ[4], felder == 5 ? 2 : 0);
    }
}

TEST_F(ScheincenterTest, DefaultTypesAreReadWhenASlipIsBuilt) {
    optionen.scheinTyp = {2, 0, 0, 0, 0};
    EXPECT_EQ(centre.ScheinAnlegen(5, {}, kHeute).typ(1), 3);
    optionen.scheinTyp = {0, 0, 0, 0, 0};
    EXPECT_EQ(centre.ScheinAnlegen(5, {}, kHeute).typ(1), 0);
    optionen.scheinTyp = {8, 0, 0, 0, 0};
    // Clearing an older slip uses the options as they are now.
    centre.schein(1)->BDelClick();
    EXPECT_EQ(centre.schein(1)->typ(1), 9);
    EXPECT_EQ(centre.schein(2)->typ(1), 0);
}

} // namespace

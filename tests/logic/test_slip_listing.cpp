#include "logic/evaluation/slip_listing.h"
#include "support/builders.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::slip;

namespace {

TEST(buildSlipListing, OneRowPerListedFieldWithSlipCellsOnTheFirst) {
    SlipRecord a = slip({{5, 17, 33}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {}, {60, 70}}, 2, 8,
                        QDate(2024, 2, 24), QStringLiteral("Wochenende"));
    a.typ[2] = 0;
    SlipRecord b = slip({{8, 9}}, 3, 0, QDate(2024, 3, 1), QStringLiteral("Dauer"));
    b.p5 = 1;
    b.plus5.setText(QStringLiteral("01234"));
    const auto rows = buildSlipListing(std::vector{a, b});
    ASSERT_EQ(rows.size(), 4u);
    const auto joined = [](const ListingRow& z) { return QStringList(z.begin(), z.end()).join(u'|'); };
    EXPECT_EQ(joined(rows[0]), "1|Wochenende|3|5|17|33||||||||nein|5|18|24.02.2024|");
    EXPECT_EQ(joined(rows[1]), "2||10|1|2|3|4|5|6|7|8|9|10|||||");
    EXPECT_EQ(joined(rows[2]), "3||2|60|70|||||||||||||");
    EXPECT_EQ(joined(rows[3]), "4|Dauer|2|8|9|||||||||01234|10|Dauer|01.03.2024|");
}

TEST(buildSlipListing, OddRecordsAreListedAsFarAsTheyMakeSense) {
    SlipRecord s = slip({{1, 2}, {3, 4}, {5, 6}});
    s.typ = {1, 11, 2, 0, 255};
    s.typZ[2] = {0, 200};
    s.einsatz = 7;
    s.dauer = 99;
    const auto rows = buildSlipListing(std::vector{s});
    ASSERT_EQ(rows.size(), 1u); // only the field of type 2
    EXPECT_EQ(rows[0][1], "Test");
    EXPECT_EQ(rows[0][3], "0");
    EXPECT_EQ(rows[0][4], "200");
    EXPECT_EQ(rows[0][14], "");
    EXPECT_EQ(rows[0][15], "");

    EXPECT_TRUE(buildSlipListing({}).empty());
    std::vector<SlipRecord> sixSlips(6, slip({{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}}));
    EXPECT_EQ(buildSlipListing(sixSlips).size(), 30u);
}

TEST(buildSlipListing, HeaderAndWidths) {
    const ListingRow& k = listingHeader();
    EXPECT_EQ(QStringList(k.begin(), k.end()).join(u','),
              "Tipp,Schein,K-Typ,1,2,3,4,5,6,7,8,9,10,plus 5,Einsatz,Ziehungen,ab,Tippgemeinschaft");
    EXPECT_EQ(listingColumnWidths()[0], 35);
    EXPECT_EQ(listingColumnWidths()[7], 20);
    EXPECT_EQ(listingColumnWidths()[17], 110);
}

} // namespace

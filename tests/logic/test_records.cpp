#include "logic/core/hits.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "support/builders.h"

#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

QByteArray bytesOf(const DrawRecord& r) {
    QByteArray b(DrawRecord::kSize, '\0');
    r.toBytes(b.data());
    return b;
}

QByteArray bytesOf(const SlipRecord& r) {
    QByteArray b(SlipRecord::kSize, '\0');
    r.toBytes(b.data());
    return b;
}

TEST(DrawRecordLayout, FieldsLieAtTheirOffsets) {
    QByteArray b(40, '\0');
    b[0] = 5;
    std::memcpy(b.data() + 1, "01234", 5);
    const double date = 45346.0; // 24.02.2024
    std::memcpy(b.data() + 8, &date, 8);
    for (int i = 0; i < 20; ++i)
        b[16 + i] = static_cast<char>(3 * i + 1);

    const DrawRecord r = DrawRecord::fromBytes(b.constData());
    EXPECT_EQ(r.plus5.text(), "01234");
    EXPECT_EQ(serialToText(r.datum), "24.02.2024");
    EXPECT_EQ(r.GZ[0], 1);
    EXPECT_EQ(r.GZ[19], 58);
    EXPECT_FALSE(r.isPlaceholder());
    EXPECT_EQ(bytesOf(r), b);
}

TEST(DrawRecordLayout, PaddingAndBytesAfterTheTextSurviveARoundTrip) {
    QByteArray b(40, '\0');
    for (int i = 0; i < 40; ++i)
        b[i] = static_cast<char>(0xA0 + i);
    b[0] = 2; // text "¡¢", the three bytes after it are not part of the value
    const DrawRecord r = DrawRecord::fromBytes(b.constData());
    EXPECT_EQ(r.plus5.text(), QString::fromUtf8("¡¢"));
    EXPECT_EQ(bytesOf(r), b);
}

TEST(DrawRecordLayout, EmptyDrawIsAFirstNumberOutside1To70) {
    DrawRecord r;
    EXPECT_TRUE(r.isPlaceholder());
    r.GZ[0] = 71;
    EXPECT_TRUE(r.isPlaceholder());
    r.GZ[0] = 70;
    EXPECT_FALSE(r.isPlaceholder());
}

TEST(DrawRecordLayout, OverlongLengthByteReadsAtMostFiveCharacters) {
    QByteArray b(40, '\0');
    b[0] = static_cast<char>(200);
    std::memcpy(b.data() + 1, "98765", 5);
    EXPECT_EQ(DrawRecord::fromBytes(b.constData()).plus5.text(), "98765");
}

TEST(SlipRecordLayout, FieldsLieAtTheirOffsets) {
    SlipRecord s = talvo::test::slip({{1, 2, 3}, {}, {10, 20, 30, 40, 50, 60, 70, 5, 6, 7}}, 3, 7);
    s.Nr = 0x01020304;
    s.TGNR = -1;
    s.KastDef = 4;
    s.p5 = 1;
    s.plus5.setText(QStringLiteral("12345"));
    s.name.setText(QString::fromUtf8("Müller €"));
    const QByteArray b = bytesOf(s);

    EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + 0), 0x01020304);
    EXPECT_EQ(b[4], 3);
    EXPECT_EQ(b[5], 7);
    double ab;
    std::memcpy(&ab, b.constData() + 8, 8);
    EXPECT_EQ(ab, s.ab);
    EXPECT_EQ(b[16], 8);
    EXPECT_EQ(static_cast<unsigned char>(b[17 + 1]), 0xFC); // ü
    EXPECT_EQ(static_cast<unsigned char>(b[17 + 7]), 0x80); // €
    EXPECT_EQ(b[37], 5);
    EXPECT_EQ(QByteArray(b.constData() + 38, 5), "12345");
    EXPECT_EQ(b[43], 1);
    EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + 44), -1);
    EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + 48), 4);
    EXPECT_EQ(b[52], 3);
    EXPECT_EQ(b[53], 0);
    EXPECT_EQ(b[54], 10);
    EXPECT_EQ(b[57 + 0], 1);
    EXPECT_EQ(b[57 + 2], 3);
    EXPECT_EQ(b[57 + 20 + 9], 7); // entry [3, 10]
    for (int j = 0; j < 10; ++j)
        EXPECT_EQ(b[57 + 10 + j], 0) << "row 2 stays zero";

    const SlipRecord back = SlipRecord::fromBytes(b.constData());
    EXPECT_EQ(back.name.text(), QString::fromUtf8("Müller €"));
    EXPECT_EQ(bytesOf(back), b);
}

TEST(SlipRecordLayout, NameKeepsTheFirstTwentyCharacters) {
    SlipRecord s;
    s.name.setText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
    EXPECT_EQ(s.name.text(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(s.name.length, 20);
}

TEST(SlipRecordLayout, ArbitraryBytesRoundTrip) {
    QByteArray b(112, '\0');
    for (int i = 0; i < 112; ++i)
        b[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    EXPECT_EQ(bytesOf(SlipRecord::fromBytes(b.constData())), b);
}

TEST(NumberSet, ListConversions) {
    EXPECT_TRUE(toNumberList(NumberSet{}, 70, 70).empty());
    EXPECT_EQ(toNumberList(toNumberSet({71, 3, 70}), 20, 70), (std::vector<std::uint8_t>{3, 70}));

    std::vector<std::uint8_t> twenty;
    for (int n = 70; n >= 13; n -= 3)
        twenty.push_back(static_cast<std::uint8_t>(n));
    ASSERT_EQ(twenty.size(), 20u);
    const auto list = toNumberList(toNumberSet(twenty), 20, 70);
    std::vector<std::uint8_t> ascending(twenty.rbegin(), twenty.rend());
    EXPECT_EQ(list, ascending);

    const NumberSet withZero = toNumberSet({0, 5, 5});
    EXPECT_TRUE(withZero.contains(0));
    EXPECT_EQ(withZero.count(), 2);
    EXPECT_EQ(withZero.words[0], 0b100001u);
}

TEST(Tables, PayoutAndPicks) {
    struct Case {
        int typ, hits, factor;
    };
    for (const Case c :
         {Case{10, 0, 2}, Case{7, 3, 0}, Case{2, 2, 6}, Case{8, 0, 1}, Case{9, 0, 2}, Case{10, 10, 100000},
          Case{6, 6, 500}, Case{0, 0, 0}, Case{1, 1, 0}, Case{11, 0, 0}}) {
        EXPECT_EQ(payoutFactor(c.typ, c.hits), c.factor) << c.typ << "/" << c.hits;
    }
    for (int t = 2; t <= 10; ++t)
        EXPECT_EQ(pickCount(t), t);
    EXPECT_EQ(pickCount(0), 0);
    EXPECT_EQ(pickCount(1), 0);
    EXPECT_EQ(stakeEuro(3), 10);
    EXPECT_EQ(durationDraws(7), 12);
    EXPECT_EQ(durationDraws(0), 0);
}

TEST(Hits, CountsOnlyThePicksOfTheType) {
    SlipRecord s = talvo::test::slip({{1, 2, 3, 4}});
    s.typZ[0][4] = 5; // beyond the type: not a pick
    const NumberSet drawn = toNumberSet({2, 4, 5, 60});
    EXPECT_EQ(fieldHits(s, 0, drawn), 2);
    s.typ[0] = 1; // type 1 has no picks
    EXPECT_EQ(fieldHits(s, 0, drawn), 0);
}

} // namespace

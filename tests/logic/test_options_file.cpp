#include "logic/core/error.h"
#include "logic/settings/colour_scheme.h"
#include "logic/settings/options_file.h"
#include "logic/state/program_state.h"
#include "support/temp_files.h"

#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::readFile;
using talvo::test::writeFile;

namespace {

OptionsRecord sample() {
    OptionsRecord e;
    e.farbschema = 6;
    e.einsatzIndex = 3;
    e.laufzeitIndex = 10;
    e.statAnzahlIndex = 7;
    e.statRegister = 5;
    e.tippBereich = -1;
    e.tippTyp = {1, -1, 0, 9, 4};
    e.scheinTyp = {5, 0, 0, 2, 8};
    e.startDatei.setText(QStringLiteral("C:\\Spiele\\Schein €.tix"));
    e.plus5Mitspiel = 1;
    return e;
}

qint32 intAt(const QByteArray& b, int offset) {
    return qFromLittleEndian<qint32>(b.constData() + offset);
}

TEST(OptionsFile, FieldsLieAtTheirOffsets) {
    const QByteArray b = sample().toBytes();
    ASSERT_EQ(b.size(), 324);
    struct Field {
        int offset;
        qint32 value;
    };
    for (const Field f : {Field{0, 6}, Field{4, 3}, Field{8, 10}, Field{12, 7}, Field{16, 5}, Field{20, -1},
                          Field{24, 1}, Field{28, -1}, Field{32, 0}, Field{36, 9}, Field{40, 4}, Field{44, 5},
                          Field{48, 0}, Field{56, 2}, Field{60, 8}})
        EXPECT_EQ(intAt(b, f.offset), f.value) << "offset " << f.offset;
    const QByteArray path("C:\\Spiele\\Schein \x80.tix");
    EXPECT_EQ(static_cast<unsigned char>(b[64]), path.size());
    EXPECT_EQ(b.mid(65, path.size()), path);
    EXPECT_EQ(b.mid(65 + path.size(), 255 - path.size()), QByteArray(255 - path.size(), '\0'));
    EXPECT_EQ(b[320], 1);
    EXPECT_EQ(b.mid(321), QByteArray(3, '\0'));
}

TEST(OptionsFile, SaveAndReadBackGiveTheSameChoicesInExactly324Bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("optionen.kop"));
    saveOptions(path, sample());
    EXPECT_EQ(QFileInfo(path).size(), 324);
    const OptionsRecord back = loadOptions(path);
    EXPECT_EQ(back, sample());
    EXPECT_EQ(back.startDatei.text(), QStringLiteral("C:\\Spiele\\Schein €.tix"));
    // A second save over an existing file stays one record.
    saveOptions(path, back);
    EXPECT_EQ(QFileInfo(path).size(), 324);
}

TEST(OptionsFile, ForeignBytesAreKeptWhenTheRecordIsWrittenBack) {
    QTemporaryDir dir;
    QByteArray bytes(324, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 37 + 11);
    const QString path = writeFile(dir, QStringLiteral("optionen.kop"), bytes);
    saveOptions(path, loadOptions(path));
    EXPECT_EQ(readFile(path), bytes);
}

TEST(OptionsFile, OnlyAWholeRecordIsRead) {
    QTemporaryDir dir;
    QByteArray full = sample().toBytes();
    struct Case {
        QByteArray bytes;
        bool read;
    };
    for (const Case& c : {Case{QByteArray(), false}, Case{full.left(100), false}, Case{full.left(323), false},
                          Case{full, true}, Case{full + QByteArray(76, '\x7f'), true}}) {
        const QString path = writeFile(dir, QStringLiteral("o.kop"), c.bytes);
        EXPECT_EQ(loadOptions(path), c.read ? sample() : OptionsRecord{}) << c.bytes.size();
    }
}

TEST(OptionsFile, MissingFileFailsWithAGermanMessage) {
    QTemporaryDir dir;
    try {
        loadOptions(dir.filePath(QStringLiteral("fehlt.kop")));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("kann nicht geöffnet werden")));
    }
}

TEST(OptionsFile, StartFileIsCutTo255Characters) {
    OptionsRecord e;
    const QString longPath = QStringLiteral("/daten/") + QString(293, QLatin1Char('x'));
    ASSERT_EQ(longPath.size(), 300);
    e.startDatei.setText(longPath);
    EXPECT_EQ(e.startDatei.length, 255);
    EXPECT_EQ(OptionsRecord::fromBytes(e.toBytes().constData()).startDatei.text(), longPath.left(255));
}

TEST(OptionsFile, StoredIndexesFallBackToSaneSelections) {
    struct Case {
        int stored, length, expected;
    };
    for (const Case c : {Case{0, 4, 0}, Case{3, 4, 3}, Case{4, 4, 0}, Case{-1, 4, 0},
                         Case{-2147483647, 10, 0}, Case{2147483647, 10, 0}, Case{9, 10, 9}})
        EXPECT_EQ(listEntryFor(c.stored, c.length), c.expected) << c.stored;

    struct TypeEntryCase {
        int stored, game, expected;
    };
    for (const TypeEntryCase c :
         {TypeEntryCase{0, 1, 0}, TypeEntryCase{9, 1, 9}, TypeEntryCase{-1, 3, 5}, TypeEntryCase{10, 1, 1},
          TypeEntryCase{-1, 5, 9}, TypeEntryCase{1000, 2, 3}})
        EXPECT_EQ(typeEntryFor(c.stored, c.game), c.expected) << c.stored << " game " << c.game;

    struct DefaultTypeCase {
        int stored, typ;
    };
    for (const DefaultTypeCase c : {DefaultTypeCase{0, 0}, DefaultTypeCase{1, 2}, DefaultTypeCase{5, 6},
                                    DefaultTypeCase{9, 10}, DefaultTypeCase{10, 0}, DefaultTypeCase{-1, 0}})
        EXPECT_EQ(kenoTypeFor(c.stored), c.typ) << c.stored;
}

TEST(ColourScheme, CurrentSchemeFollowsTheStoredIndex) {
    struct Case {
        int farbschema, scheme;
    };
    for (const Case c : {Case{0, 1}, Case{6, 7}, Case{-1, 1}, Case{7, 1}, Case{1000000, 1}})
        EXPECT_EQ(colourSchemeFor(c.farbschema), c.scheme) << c.farbschema;
    EXPECT_EQ(schemeColours(7).tickedNumberCell, 0x84C3FFu);
    EXPECT_EQ(schemeColours(1).fieldBackground, 0xFFEDE6u);
    EXPECT_EQ(schemeColours(3).numberCell, 0xDEFBD6u);
    EXPECT_EQ(schemeColours(0).numberCell, schemeColours(1).numberCell);
    EXPECT_EQ(schemeColours(8).numberCell, schemeColours(1).numberCell);
}

TEST(ColourScheme, ProgramStateTellsOfAChangedScheme) {
    ProgramState state;
    int changes = 0;
    QObject::connect(&state, &ProgramState::colourSchemeChanged, [&changes] { ++changes; });
    EXPECT_EQ(state.colourScheme(), 1);
    state.setColourScheme(7);
    state.setColourScheme(7);
    EXPECT_EQ(state.colourScheme(), 7);
    EXPECT_EQ(changes, 1);
    state.setColourScheme(42);
    EXPECT_EQ(state.colourScheme(), 1);
    EXPECT_EQ(changes, 2);
}

} // namespace

#include "logic/core/error.h"
#include "logic/core/program_state.h"
#include "logic/settings/einstellungen.h"
#include "logic/settings/farbschema.h"
#include "support/temp_files.h"

#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::readFile;
using talvo::test::writeFile;

namespace {

TEinstellungen sample() {
    TEinstellungen e;
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

TEST(Einstellungen, FieldsLieAtTheirOffsets) {
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

TEST(Einstellungen, SaveAndReadBackGiveTheSameChoicesInExactly324Bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("optionen.kop"));
    EinstellungenSchreiben(path, sample());
    EXPECT_EQ(QFileInfo(path).size(), 324);
    const TEinstellungen back = EinstellungenLesen(path);
    EXPECT_EQ(back, sample());
    EXPECT_EQ(back.startDatei.text(), QStringLiteral("C:\\Spiele\\Schein €.tix"));
    // A second save over an existing file stays one record.
    EinstellungenSchreiben(path, back);
    EXPECT_EQ(QFileInfo(path).size(), 324);
}

TEST(Einstellungen, ForeignBytesAreKeptWhenTheRecordIsWrittenBack) {
    QTemporaryDir dir;
    QByteArray bytes(324, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 37 + 11);
    const QString path = writeFile(dir, QStringLiteral("optionen.kop"), bytes);
    EinstellungenSchreiben(path, EinstellungenLesen(path));
    EXPECT_EQ(readFile(path), bytes);
}

TEST(Einstellungen, OnlyAWholeRecordIsRead) {
    QTemporaryDir dir;
    QByteArray full = sample().toBytes();
    struct Case {
        QByteArray bytes;
        bool read;
    };
    for (const Case& c : {Case{QByteArray(), false}, Case{full.left(100), false}, Case{full.left(323), false},
                          Case{full, true}, Case{full + QByteArray(76, '\x7f'), true}}) {
        const QString path = writeFile(dir, QStringLiteral("o.kop"), c.bytes);
        EXPECT_EQ(EinstellungenLesen(path), c.read ? sample() : TEinstellungen{}) << c.bytes.size();
    }
}

TEST(Einstellungen, MissingFileFailsWithAGermanMessage) {
    QTemporaryDir dir;
    try {
        EinstellungenLesen(dir.filePath(QStringLiteral("fehlt.kop")));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("kann nicht geöffnet werden")));
    }
}

TEST(Einstellungen, StartFileIsCutTo255Characters) {
    TEinstellungen e;
    const QString longPath = QStringLiteral("/daten/") + QString(293, QLatin1Char('x'));
    ASSERT_EQ(longPath.size(), 300);
    e.startDatei.setText(longPath);
    EXPECT_EQ(e.startDatei.length, 255);
    EXPECT_EQ(TEinstellungen::fromBytes(e.toBytes().constData()).startDatei.text(), longPath.left(255));
}

TEST(Einstellungen, StoredIndexesFallBackToSaneSelections) {
    struct Case {
        int stored, length, expected;
    };
    for (const Case c : {Case{0, 4, 0}, Case{3, 4, 3}, Case{4, 4, 0}, Case{-1, 4, 0},
                         Case{-2147483647, 10, 0}, Case{2147483647, 10, 0}, Case{9, 10, 9}})
        EXPECT_EQ(listenAuswahl(c.stored, c.length), c.expected) << c.stored;

    struct TypCase {
        int stored, spiel, expected;
    };
    for (const TypCase c : {TypCase{0, 1, 0}, TypCase{9, 1, 9}, TypCase{-1, 3, 5}, TypCase{10, 1, 1},
                            TypCase{-1, 5, 9}, TypCase{1000, 2, 3}})
        EXPECT_EQ(typAuswahl(c.stored, c.spiel), c.expected) << c.stored << " game " << c.spiel;

    struct VorgabeCase {
        int stored, typ;
    };
    for (const VorgabeCase c : {VorgabeCase{0, 0}, VorgabeCase{1, 2}, VorgabeCase{5, 6}, VorgabeCase{9, 10},
                                VorgabeCase{10, 0}, VorgabeCase{-1, 0}})
        EXPECT_EQ(vorgabeTyp(c.stored), c.typ) << c.stored;
}

TEST(Farbschema, CurrentSchemeFollowsTheStoredIndex) {
    struct Case {
        int farbschema, akt;
    };
    for (const Case c : {Case{0, 1}, Case{6, 7}, Case{-1, 1}, Case{7, 1}, Case{1000000, 1}})
        EXPECT_EQ(aktFarbschemaFuer(c.farbschema), c.akt) << c.farbschema;
    EXPECT_EQ(farbschemaNr(7).zahlMarkiert, 0x84C3FFu);
    EXPECT_EQ(farbschemaNr(1).feldHintergrund, 0xFFEDE6u);
    EXPECT_EQ(farbschemaNr(3).zahlFrei, 0xDEFBD6u);
    EXPECT_EQ(farbschemaNr(0).zahlFrei, farbschemaNr(1).zahlFrei);
    EXPECT_EQ(farbschemaNr(8).zahlFrei, farbschemaNr(1).zahlFrei);
}

TEST(Farbschema, ProgramStateTellsOfAChangedScheme) {
    ProgramState state;
    int changes = 0;
    QObject::connect(&state, &ProgramState::farbschemaChanged, [&changes] { ++changes; });
    EXPECT_EQ(state.aktFarbschema(), 1);
    state.setAktFarbschema(7);
    state.setAktFarbschema(7);
    EXPECT_EQ(state.aktFarbschema(), 7);
    EXPECT_EQ(changes, 1);
    state.setAktFarbschema(42);
    EXPECT_EQ(state.aktFarbschema(), 1);
    EXPECT_EQ(changes, 2);
}

} // namespace

#include "logic/core/records.h"

#include "logic/core/ansi.h"

#include <QtEndian>
#include <cstring>

namespace talvo::logic {

template <int MaxLen> QString ShortString<MaxLen>::text() const {
    const int n = length < MaxLen ? length : MaxLen;
    return ansiToText(QByteArray(chars.data(), n));
}

template <int MaxLen> void ShortString<MaxLen>::setText(const QString& value) {
    const QByteArray bytes = textToAnsi(value.left(MaxLen));
    chars.fill(0);
    std::memcpy(chars.data(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    length = static_cast<std::uint8_t>(bytes.size());
}

template struct ShortString<5>;
template struct ShortString<15>;
template struct ShortString<20>;
template struct ShortString<255>;

namespace {

template <int MaxLen> void readShort(const char* at, ShortString<MaxLen>& s) {
    s.length = static_cast<std::uint8_t>(at[0]);
    std::memcpy(s.chars.data(), at + 1, MaxLen);
}

template <int MaxLen> void writeShort(char* at, const ShortString<MaxLen>& s) {
    at[0] = static_cast<char>(s.length);
    std::memcpy(at + 1, s.chars.data(), MaxLen);
}

double readDouble(const char* at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

void writeDouble(char* at, double d) {
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    qToLittleEndian<quint64>(bits, at);
}

template <std::size_t N> void readBytes(const char* at, std::array<std::uint8_t, N>& a) {
    std::memcpy(a.data(), at, N);
}

template <std::size_t N> void writeBytes(char* at, const std::array<std::uint8_t, N>& a) {
    std::memcpy(at, a.data(), N);
}

std::int32_t readInt(const char* at) {
    return qFromLittleEndian<qint32>(at);
}

void writeInt(char* at, std::int32_t v) {
    qToLittleEndian<qint32>(v, at);
}

} // namespace

NumberSet DrawRecord::numberSet() const {
    NumberSet set;
    for (auto n : GZ)
        set.insert(n);
    return set;
}

DrawRecord DrawRecord::fromBytes(const char* b) {
    DrawRecord r;
    readShort(b + 0, r.plus5);
    readBytes(b + 6, r.pad1);
    r.datum = readDouble(b + 8);
    readBytes(b + 16, r.GZ);
    readBytes(b + 36, r.pad2);
    return r;
}

void DrawRecord::toBytes(char* b) const {
    writeShort(b + 0, plus5);
    writeBytes(b + 6, pad1);
    writeDouble(b + 8, datum);
    writeBytes(b + 16, GZ);
    writeBytes(b + 36, pad2);
}

SlipRecord SlipRecord::fromBytes(const char* b) {
    SlipRecord r;
    r.Nr = qFromLittleEndian<qint32>(b + 0);
    r.einsatz = static_cast<std::uint8_t>(b[4]);
    r.dauer = static_cast<std::uint8_t>(b[5]);
    readBytes(b + 6, r.pad1);
    r.ab = readDouble(b + 8);
    readShort(b + 16, r.name);
    readShort(b + 37, r.plus5);
    r.p5 = static_cast<std::uint8_t>(b[43]);
    r.TGNR = qFromLittleEndian<qint32>(b + 44);
    r.KastDef = qFromLittleEndian<qint32>(b + 48);
    readBytes(b + 52, r.typ);
    for (int f = 0; f < kFields; ++f)
        readBytes(b + 57 + 10 * f, r.typZ[f]);
    readBytes(b + 107, r.pad2);
    return r;
}

void SlipRecord::toBytes(char* b) const {
    qToLittleEndian<qint32>(Nr, b + 0);
    b[4] = static_cast<char>(einsatz);
    b[5] = static_cast<char>(dauer);
    writeBytes(b + 6, pad1);
    writeDouble(b + 8, ab);
    writeShort(b + 16, name);
    writeShort(b + 37, plus5);
    b[43] = static_cast<char>(p5);
    qToLittleEndian<qint32>(TGNR, b + 44);
    qToLittleEndian<qint32>(KastDef, b + 48);
    writeBytes(b + 52, typ);
    for (int f = 0; f < kFields; ++f)
        writeBytes(b + 57 + 10 * f, typZ[f]);
    writeBytes(b + 107, pad2);
}

OptionsRecord OptionsRecord::fromBytes(const char* b) {
    OptionsRecord e;
    e.farbschema = readInt(b + 0);
    e.einsatzIndex = readInt(b + 4);
    e.laufzeitIndex = readInt(b + 8);
    e.statAnzahlIndex = readInt(b + 12);
    e.statRegister = readInt(b + 16);
    e.tippBereich = readInt(b + 20);
    for (int i = 0; i < kGames; ++i) {
        e.tippTyp[i] = readInt(b + 24 + 4 * i);
        e.scheinTyp[i] = readInt(b + 44 + 4 * i);
    }
    e.startDatei.length = static_cast<std::uint8_t>(b[64]);
    std::memcpy(e.startDatei.chars.data(), b + 65, e.startDatei.chars.size());
    e.plus5Mitspiel = static_cast<std::uint8_t>(b[320]);
    std::memcpy(e.pad.data(), b + 321, e.pad.size());
    return e;
}

void OptionsRecord::toBytes(char* b) const {
    writeInt(b + 0, farbschema);
    writeInt(b + 4, einsatzIndex);
    writeInt(b + 8, laufzeitIndex);
    writeInt(b + 12, statAnzahlIndex);
    writeInt(b + 16, statRegister);
    writeInt(b + 20, tippBereich);
    for (int i = 0; i < kGames; ++i) {
        writeInt(b + 24 + 4 * i, tippTyp[i]);
        writeInt(b + 44 + 4 * i, scheinTyp[i]);
    }
    b[64] = static_cast<char>(startDatei.length);
    std::memcpy(b + 65, startDatei.chars.data(), startDatei.chars.size());
    b[320] = static_cast<char>(plus5Mitspiel);
    std::memcpy(b + 321, pad.data(), pad.size());
}

QByteArray OptionsRecord::toBytes() const {
    QByteArray bytes(kSize, '\0');
    toBytes(bytes.data());
    return bytes;
}

VersionRecord VersionRecord::fromBytes(const char* bytes) {
    VersionRecord record;
    std::memcpy(record.kopf.data(), bytes, record.kopf.size());
    record.version.length = static_cast<std::uint8_t>(bytes[8]);
    std::memcpy(record.version.chars.data(), bytes + 9, record.version.chars.size());
    return record;
}

} // namespace talvo::logic

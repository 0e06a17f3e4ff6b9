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

} // namespace talvo::logic

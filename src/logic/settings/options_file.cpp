#include "logic/settings/options_file.h"

#include "logic/core/record_file.h"

#include <QtEndian>
#include <cstring>

namespace talvo::logic {

namespace {

std::int32_t readInt(const char* at) {
    return qFromLittleEndian<qint32>(at);
}
void writeInt(char* at, std::int32_t v) {
    qToLittleEndian<qint32>(v, at);
}

} // namespace

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

OptionsRecord optionsFromBytes(const QByteArray& bytes) {
    if (bytes.size() < OptionsRecord::kSize)
        return {};
    return OptionsRecord::fromBytes(bytes.constData());
}

OptionsRecord loadOptions(const QString& path) {
    return optionsFromBytes(readWholeFile(path, kMaxOptionsFileBytes));
}

void saveOptions(const QString& path, const OptionsRecord& options) {
    writeWholeFile(path, options.toBytes());
}

int listEntryFor(int stored, int listLength) {
    return stored >= 0 && stored < listLength ? stored : 0;
}

int typeEntryFor(int stored, int game) {
    return stored >= 0 && stored <= 9 ? stored : 2 * game - 1;
}

int kenoTypeFor(int stored) {
    return stored >= 1 && stored <= 9 ? stored + 1 : 0;
}

} // namespace talvo::logic

#pragma once

#include "logic/core/records.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace talvo::logic {

// The record of an options file. A file shorter than one record holds no whole record,
// so every choice stays zero as with a missing file; bytes after the record are ignored.
// A file of more than kMaxOptionsFileBytes is no options file and is refused.
inline constexpr qint64 kMaxOptionsFileBytes = 64 * 1024;
OptionsRecord loadOptions(const QString& path);
OptionsRecord optionsFromBytes(const QByteArray& bytes);
// Rewrites the file with exactly one record, atomically.
void saveOptions(const QString& path, const OptionsRecord& options);

inline constexpr std::array<const char*, 4> kTipPools = {
    "Nur aus Restanten wählen", "Nur aus Favoriten wählen", "Aus Restanten und Favoriten wählen",
    "Alle 70 Zahlen für Zufallswahl"};

// Which list entry a stored index selects: the index itself when the list has it,
// otherwise the first entry (covers -1 and whatever a damaged file holds).
int listEntryFor(int stored, int listLength);
// The entry of a "KENO-Typ für..." list for game 1..5: the stored 0..9, otherwise the
// type 2·game (entry 2·game − 1).
int typeEntryFor(int stored, int game);
// The KENO type a stored per-game value stands for: 1..9 give 2..10, anything else 0.
int kenoTypeFor(int stored);

} // namespace talvo::logic

#pragma once

#include "logic/core/short_string.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace talvo::logic {

// The user's standing choices, one 324-byte record in optionen.kop. Indexes point into
// the lists of the options window; -1 stands for a list without selection.
struct OptionsRecord {
    static constexpr int kSize = 324;
    static constexpr int kGames = 5;

    std::int32_t farbschema = 0;      // offset 0, 0..6
    std::int32_t einsatzIndex = 0;    // offset 4, into the stake table
    std::int32_t laufzeitIndex = 0;   // offset 8, into the duration table
    std::int32_t statAnzahlIndex = 0; // offset 12, into the draw-count table
    std::int32_t statRegister = 0;    // offset 16, tab of the statistics window
    std::int32_t tippBereich = 0;     // offset 20, see kTipPools
    // KENO type per game: 0 = none ("--"), 1..9 = type 2..10.
    std::array<std::int32_t, kGames> tippTyp{};   // offset 24
    std::array<std::int32_t, kGames> scheinTyp{}; // offset 44
    ShortString<255> startDatei;                  // offset 64
    std::uint8_t plus5Mitspiel = 0;               // offset 320, Boolean byte kept as stored
    std::array<std::uint8_t, 3> pad{};            // offset 321

    static OptionsRecord fromBytes(const char* bytes);
    void toBytes(char* bytes) const;
    QByteArray toBytes() const;
    bool operator==(const OptionsRecord&) const = default;
};

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

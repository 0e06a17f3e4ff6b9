#pragma once

#include "logic/core/dates.h"
#include "logic/core/number_set.h"
#include "logic/core/short_string.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace talvo::logic {

// The records of the stored files, field by field at their documented offsets, little-endian;
// field names follow the documented layouts. Padding bytes are kept as read, so an unchanged
// file is written back byte for byte.

// One draw of the draw history (KenoZahlen.tpp and the downloaded draw sets): 40 bytes on disk.
struct DrawRecord {
    static constexpr int kSize = 40;

    ShortString<5> plus5;               // offset 0
    std::array<std::uint8_t, 2> pad1{}; // offset 6
    DaySerial datum = 0;                // offset 8
    std::array<std::uint8_t, 20> GZ{};  // offset 16, GZ[0] is the first number
    std::array<std::uint8_t, 4> pad2{}; // offset 36

    // A placeholder for a day whose numbers are still missing.
    bool isPlaceholder() const { return GZ[0] < 1 || GZ[0] > 70; }
    NumberSet numberSet() const;

    static DrawRecord fromBytes(const char* bytes);
    void toBytes(char* bytes) const;
    bool operator==(const DrawRecord&) const = default;
};

// One play slip of a play-slip file (*.tix): 112 bytes on disk.
struct SlipRecord {
    static constexpr int kSize = 112;
    static constexpr int kFields = 5;

    std::int32_t Nr = 0;                                // offset 0
    std::uint8_t einsatz = 0;                           // offset 4, index into the stake table
    std::uint8_t dauer = 0;                             // offset 5, index into the duration table
    std::array<std::uint8_t, 2> pad1{};                 // offset 6
    DaySerial ab = 0;                                   // offset 8
    ShortString<20> name;                               // offset 16
    ShortString<5> plus5;                               // offset 37
    std::uint8_t p5 = 0;                                // offset 43, Boolean byte kept as stored
    std::int32_t TGNR = -1;                             // offset 44
    std::int32_t KastDef = 5;                           // offset 48
    std::array<std::uint8_t, 5> typ{};                  // offset 52, typ[f] for field f+1
    std::array<std::array<std::uint8_t, 10>, 5> typZ{}; // offset 57
    std::array<std::uint8_t, 5> pad2{};                 // offset 107

    bool playsPlus5() const { return p5 != 0; }

    static SlipRecord fromBytes(const char* bytes);
    void toBytes(char* bytes) const;
    bool operator==(const SlipRecord&) const = default;
};

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

// The version file on the download server: one 24-byte record naming the version the
// server offers.
struct VersionRecord {
    static constexpr int kSize = 24;

    std::array<char, 8> kopf{}; // offset 0, not read by the program
    ShortString<15> version;    // offset 8

    static VersionRecord fromBytes(const char* bytes);
};

} // namespace talvo::logic

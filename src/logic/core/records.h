#pragma once

#include "logic/core/dates.h"
#include "logic/core/number_set.h"
#include "logic/core/short_string.h"

#include <QByteArray>
#include <array>
#include <cstdint>

namespace talvo::logic {

// One draw: 40 bytes on disk.
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

// One play slip: 112 bytes on disk.
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

} // namespace talvo::logic

#pragma once

#include <array>
#include <cstdint>

namespace talvo::logic {

// Colours as 0xRRGGBB.
struct Farbschema {
    std::uint32_t feldHintergrund; // date and duration fields of the slip editor
    std::uint32_t zahlFrei;        // a number cell that is not ticked
    std::uint32_t zahlMarkiert;    // a ticked number cell and the gauge bar
};

inline constexpr std::array<Farbschema, 7> kFarbschemata = {{
    {0xFFEDE6, 0xFFE2D5, 0xFFA782},
    {0xFFEBFF, 0xF7D3FF, 0xF78AFF},
    {0xEFFBEF, 0xDEFBD6, 0x8CFB84},
    {0xF7F3F7, 0xEFEBEF, 0xC6C3C6},
    {0xFFD3E7, 0xFFC3D6, 0xFF8A84},
    {0xFFF3E7, 0xFFEBD6, 0xFFD384},
    {0xE7EBFF, 0xD6EBFF, 0x84C3FF},
}};

// aktFarbschema (1..7) for a stored farbschema index; a value no scheme has gives 1.
constexpr int aktFarbschemaFuer(int farbschema) {
    return farbschema >= 0 && farbschema < static_cast<int>(kFarbschemata.size()) ? farbschema + 1 : 1;
}

// The colours of aktFarbschema 1..7; any other number gives the first scheme.
constexpr const Farbschema& farbschemaNr(int akt) {
    return kFarbschemata[static_cast<std::size_t>(aktFarbschemaFuer(akt - 1) - 1)];
}

} // namespace talvo::logic

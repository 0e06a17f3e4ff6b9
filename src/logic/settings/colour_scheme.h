#pragma once

#include <array>
#include <cstdint>

namespace talvo::logic {

// Colours as 0xRRGGBB.
struct ColourScheme {
    std::uint32_t fieldBackground;  // date and duration fields of the slip editor
    std::uint32_t numberCell;       // a number cell that is not ticked
    std::uint32_t tickedNumberCell; // a ticked number cell and the gauge bar
};

inline constexpr std::array<ColourScheme, 7> kColourSchemes = {{
    {0xFFEDE6, 0xFFE2D5, 0xFFA782},
    {0xFFEBFF, 0xF7D3FF, 0xF78AFF},
    {0xEFFBEF, 0xDEFBD6, 0x8CFB84},
    {0xF7F3F7, 0xEFEBEF, 0xC6C3C6},
    {0xFFD3E7, 0xFFC3D6, 0xFF8A84},
    {0xFFF3E7, 0xFFEBD6, 0xFFD384},
    {0xE7EBFF, 0xD6EBFF, 0x84C3FF},
}};

// colourScheme (1..7) for a stored farbschema index; a value no scheme has gives 1.
constexpr int colourSchemeFor(int farbschema) {
    return farbschema >= 0 && farbschema < static_cast<int>(kColourSchemes.size()) ? farbschema + 1 : 1;
}

// The colours of colourScheme 1..7; any other number gives the first scheme.
constexpr const ColourScheme& schemeColours(int schemeNumber) {
    return kColourSchemes[static_cast<std::size_t>(colourSchemeFor(schemeNumber - 1) - 1)];
}

} // namespace talvo::logic

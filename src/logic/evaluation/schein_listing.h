#pragma once

#include <QString>
#include <array>
#include <span>
#include <vector>

namespace talvo::logic {

struct TGetippt;

// The listing of a play-slip file: one row per field with a type from 2 to 10; the
// slip-wide cells stand on the slip's first listed row.
inline constexpr int kListingSpalten = 18;
using ListingZeile = std::array<QString, kListingSpalten>;

const ListingZeile& listingKopf();
// Column widths in pixels, as the listing grid shows them.
const std::array<int, kListingSpalten>& listingBreiten();
std::vector<ListingZeile> ScheinListing(std::span<const TGetippt> scheine);

} // namespace talvo::logic

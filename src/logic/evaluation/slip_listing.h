#pragma once

#include <QString>
#include <array>
#include <span>
#include <vector>

namespace talvo::logic {

struct SlipRecord;

// The listing of a play-slip file: one row per field with a type from 2 to 10; the
// slip-wide cells stand on the slip's first listed row.
inline constexpr int kListingColumns = 18;
using ListingRow = std::array<QString, kListingColumns>;

const ListingRow& listingHeader();
// Column widths in pixels, as the listing grid shows them.
const std::array<int, kListingColumns>& listingColumnWidths();
std::vector<ListingRow> buildSlipListing(std::span<const SlipRecord> slips);

} // namespace talvo::logic

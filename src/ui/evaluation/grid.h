#pragma once

#include <span>

class QTableView;

namespace talvo::ui {

// Sets up a view as one of the program's read-only grids: a header row, a first column
// drawn like the header, rows of fixed height, white cells with centred text, and the
// given column widths (further columns get `defaultWidth`).
void setUpGrid(QTableView* view, std::span<const int> widths, int defaultWidth);

// Row height of the grids.
inline constexpr int kGridRowHeight = 18;

} // namespace talvo::ui

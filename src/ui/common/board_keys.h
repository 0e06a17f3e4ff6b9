#pragma once

#include <optional>

namespace talvo::ui {

// Every board shows the numbers 1..70 in ten rows of seven.
inline constexpr int kBoardColumns = 7;
inline constexpr int kBoardNumbers = 70;

// Where an arrow key moves from `number` on a board: the neighbour in that direction, or
// `number` itself at the board's edge; nothing for any other key.
std::optional<int> arrowTarget(int number, int key);

} // namespace talvo::ui

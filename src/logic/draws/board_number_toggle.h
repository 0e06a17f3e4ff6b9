#pragma once

namespace talvo::logic {

struct NumberSet;

// What a click on a board number did.
enum class BoardClickResult {
    Removed,   // the number was marked and is no longer
    Added,     // the number is marked now
    Unchanged, // 20 numbers were marked already, or the number is not on the board
};

// Toggles number n in the board's selection, which holds at most 20 numbers of 1..70.
BoardClickResult toggleBoardNumber(NumberSet& selection, int n);

} // namespace talvo::logic

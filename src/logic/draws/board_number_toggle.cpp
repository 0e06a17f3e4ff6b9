#include "logic/draws/board_number_toggle.h"

#include "logic/core/number_set.h"

namespace talvo::logic {

BoardClickResult toggleBoardNumber(NumberSet& selection, int n) {
    if (n < 1 || n > 70)
        return BoardClickResult::Unchanged;
    if (selection.contains(n)) {
        selection.remove(n);
        return BoardClickResult::Removed;
    }
    if (selection.count() >= 20)
        return BoardClickResult::Unchanged;
    selection.insert(n);
    return BoardClickResult::Added;
}

} // namespace talvo::logic

#include "ui/common/board_keys.h"

#include <Qt>

namespace talvo::ui {

std::optional<int> arrowTarget(int number, int key) {
    const int column = (number - 1) % kBoardColumns;
    switch (key) {
    case Qt::Key_Left:
        return column > 0 ? number - 1 : number;
    case Qt::Key_Right:
        return column < kBoardColumns - 1 && number < kBoardNumbers ? number + 1 : number;
    case Qt::Key_Up:
        return number > kBoardColumns ? number - kBoardColumns : number;
    case Qt::Key_Down:
        return number + kBoardColumns <= kBoardNumbers ? number + kBoardColumns : number;
    default:
        return std::nullopt;
    }
}

} // namespace talvo::ui

#include "logic/core/draw_number.h"

namespace talvo::logic {

std::optional<int> readDrawNumber(const QString& piece) {
    bool ok = false;
    const int n = piece.toInt(&ok);
    if (!ok || n < 1 || n > 70)
        return std::nullopt;
    return n;
}

} // namespace talvo::logic

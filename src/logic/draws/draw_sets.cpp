#include "logic/draws/draw_sets.h"

#include "logic/core/tables.h"

#include <algorithm>

namespace talvo::logic {

namespace {
// A clean copy of a stored draw: numbers, date and plus 5 text, every other byte zero.
DrawRecord rebuiltDraw(const DrawRecord& stored) {
    DrawRecord d;
    d.datum = stored.datum;
    d.GZ = stored.GZ;
    d.plus5.length = std::min<std::uint8_t>(stored.plus5.length, 5);
    std::copy_n(stored.plus5.chars.begin(), d.plus5.length, d.plus5.chars.begin());
    return d;
}
} // namespace

void writeDrawSets(const DrawHistory& history, const QString& folder) {
    for (int setSize : kDrawSetSizes) {
        if (setSize == 0) {
            saveDrawHistory(folder + QStringLiteral("gzAlle.tpp"), history);
            continue;
        }
        const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(setSize), history.size());
        DrawHistory drawSet;
        drawSet.reserve(count);
        for (std::size_t i = history.size() - count; i < history.size(); ++i)
            drawSet.push_back(rebuiltDraw(history[i]));
        saveDrawHistory(folder + QStringLiteral("gz%1.tpp").arg(setSize), drawSet);
    }
}

} // namespace talvo::logic

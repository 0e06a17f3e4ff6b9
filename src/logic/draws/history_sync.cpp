#include "logic/draws/history_sync.h"

#include <QFileInfo>
#include <algorithm>

namespace talvo::logic {

DrawHistory loadHistoryOrEmpty(const QString& historyPath) {
    return QFileInfo::exists(historyPath) ? loadDrawHistory(historyPath) : DrawHistory{};
}

std::optional<DrawHistory> changedHistoryOnDisk(const QString& historyPath, const DrawHistory& known) {
    DrawHistory onDisk = loadHistoryOrEmpty(historyPath);
    if (sameHistoryBytes(onDisk, known))
        return std::nullopt;
    return onDisk;
}

bool sameHistoryBytes(const DrawHistory& a, const DrawHistory& b) {
    // As bytes: a damaged date that is not a number would never equal itself as a double.
    return a.size() == b.size() && drawsToBytes(a) == drawsToBytes(b);
}

int positionForDate(const DrawHistory& history, DaySerial datum) {
    const auto at = std::find_if(history.begin(), history.end(),
                                 [&](const DrawRecord& d) { return wholeDay(d.datum) >= wholeDay(datum); });
    return static_cast<int>(at - history.begin());
}

} // namespace talvo::logic

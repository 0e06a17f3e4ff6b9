#include "logic/draws/history_sync.h"

#include "logic/state/program_state.h"

#include <QFileInfo>
#include <algorithm>

namespace talvo::logic {

bool reloadChangedHistory(ProgramState& state, const QString& historyPath) {
    DrawHistory onDisk = QFileInfo::exists(historyPath) ? loadDrawHistory(historyPath) : DrawHistory{};
    if (drawsToBytes(onDisk) == drawsToBytes(state.history()))
        return false;
    state.setHistory(std::move(onDisk));
    return true;
}

int positionForDate(const DrawHistory& history, DaySerial datum) {
    const auto at = std::find_if(history.begin(), history.end(),
                                 [&](const DrawRecord& d) { return wholeDay(d.datum) >= wholeDay(datum); });
    return static_cast<int>(at - history.begin());
}

} // namespace talvo::logic

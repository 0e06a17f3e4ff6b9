#include "logic/state/statistics_selection.h"

#include "logic/core/tables.h"

namespace talvo::logic {

StatisticsSelection::StatisticsSelection(const ProgramState& state, QObject* parent)
    : QObject(parent), statistics_(state) {
    // Counted once the statistics hold the new draw sets, so the run never sees the old
    // history. Before the first choice there is nothing to follow: the choice made at start
    // computes the history loaded before it.
    connect(&statistics_, &Statistics::absencesComputed, this, [this] {
        if (drawCountIndex_ >= 0)
            computeAgain();
    });
}

int StatisticsSelection::drawCount() const {
    return drawCountIndex_ >= 0 ? kDrawCounts[static_cast<std::size_t>(drawCountIndex_)] : 0;
}

void StatisticsSelection::setDrawCountIndex(int index) {
    if (index == drawCountIndex_ || index < 0 || index >= static_cast<int>(kDrawCounts.size()))
        return;
    drawCountIndex_ = index;
    emit drawCountChosen(index);
    computeAgain();
}

void StatisticsSelection::computeAgain() {
    if (statistics_.drawCount() == 0)
        return;
    statistics_.computeFrequencies(drawCount());
    if (drawCountIndex_ >= 0)
        emit drawCountApplied(drawCountIndex_);
}

} // namespace talvo::logic

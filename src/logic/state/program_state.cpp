#include "logic/state/program_state.h"

#include "logic/draws/history_sync.h"
#include "logic/settings/colour_scheme.h"

namespace talvo::logic {

void ProgramState::setHistory(DrawHistory draws) {
    history_ = std::move(draws);
    emit historyChanged();
}

void ProgramState::appendEvaluationSlips(const SlipList& slips) {
    if (slips.empty())
        return;
    evaluationSlips_.insert(evaluationSlips_.end(), slips.begin(), slips.end());
    emit evaluationSlipsChanged();
}

void ProgramState::setSlipCentreSlips(SlipList slips) {
    slipCentreSlips_ = std::move(slips);
    emit slipCentreSlipsChanged();
}

void ProgramState::setBoardSelection(const NumberSet& numbers) {
    if (numbers == boardSelection_)
        return;
    boardSelection_ = numbers;
    emit boardSelectionChanged();
}

void ProgramState::setOptions(const OptionsRecord& options) {
    options_ = options;
    emit optionsChanged();
}

void ProgramState::setColourScheme(int scheme) {
    const int valid = colourSchemeFor(scheme - 1);
    if (valid == colourScheme_)
        return;
    colourScheme_ = valid;
    emit colourSchemeChanged();
}

bool reloadChangedHistory(ProgramState& state, const QString& historyPath) {
    std::optional<DrawHistory> changed = changedHistoryOnDisk(historyPath, state.history());
    if (!changed)
        return false;
    state.setHistory(std::move(*changed));
    return true;
}

} // namespace talvo::logic

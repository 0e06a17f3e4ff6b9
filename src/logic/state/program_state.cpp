#include "logic/state/program_state.h"

#include "logic/settings/colour_scheme.h"

namespace talvo::logic {

void ProgramState::setHistory(DrawHistory draws) {
    history_ = std::move(draws);
    emit historyChanged();
}

void ProgramState::setOptions(const OptionsRecord& options) {
    options_ = options;
}

void ProgramState::setColourScheme(int scheme) {
    const int valid = colourSchemeFor(scheme - 1);
    if (valid == colourScheme_)
        return;
    colourScheme_ = valid;
    emit colourSchemeChanged();
}

} // namespace talvo::logic

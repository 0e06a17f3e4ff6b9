#include "logic/core/program_state.h"

namespace talvo::logic {

void ProgramState::setHistory(DrawHistory draws) {
    history_ = std::move(draws);
    emit historyChanged();
}

} // namespace talvo::logic

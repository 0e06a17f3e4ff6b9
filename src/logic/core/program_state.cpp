#include "logic/core/program_state.h"

#include "logic/settings/farbschema.h"

namespace talvo::logic {

void ProgramState::setHistory(DrawHistory draws) {
    history_ = std::move(draws);
    emit historyChanged();
}

void ProgramState::setAktFarbschema(int scheme) {
    const int valid = aktFarbschemaFuer(scheme - 1);
    if (valid == aktFarbschema_)
        return;
    aktFarbschema_ = valid;
    emit farbschemaChanged();
}

} // namespace talvo::logic

#include "ui/draws/history_undo.h"

#include "logic/core/history_file.h"
#include "logic/draws/history_backup.h"
#include "logic/state/program_state.h"
#include "ui/common/message_box.h"

namespace talvo::ui {

bool undoLastDrawChange(QWidget* parent, logic::ProgramState& state, const QString& historyPath) {
    if (!logic::hasHistoryBackup(historyPath)) {
        logic::undoHistoryChange(historyPath); // says that there is nothing to undo
        return false;
    }
    if (!askYesNo(parent,
                  QStringLiteral("Sollen die Ziehungen so wiederhergestellt werden, wie sie vor der letzten "
                                 "Änderung (Speichern, Aktualisierung oder Import) waren?\r\r"
                                 "Das lässt sich nicht wiederholen.")))
        return false;
    logic::undoHistoryChange(historyPath);
    state.setHistory(logic::loadDrawHistory(historyPath));
    return true;
}

} // namespace talvo::ui

#include "ui/draws/history_undo.h"

#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/undo_history.h"
#include "logic/state/program_state.h"
#include "ui/common/message_box.h"

#include <QFileInfo>

namespace talvo::ui {

namespace {
QString describe(const logic::UndoPoint& point) {
    return QStringLiteral("\"%1\" vom %2")
        .arg(point.what, point.when.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
}
} // namespace

bool undoLastDrawChange(QWidget* parent, logic::ProgramState& state, const QString& historyPath) {
    const std::vector<logic::UndoPoint> points = logic::undoPoints(historyPath);
    if (points.empty())
        throw logic::Error(
            QStringLiteral("Es gibt keine Änderung der Ziehungen, die sich rückgängig machen lässt."));
    const logic::UndoPoint asked = points.front();
    if (!askYesNo(parent,
                  QStringLiteral("Soll die letzte Änderung der Ziehungen rückgängig gemacht werden?\r\r"
                                 "%1\r\rDie Ziehungen sind danach wieder so, wie sie davor waren.")
                      .arg(describe(asked))))
        return false;
    {
        const logic::HistoryLock lock(historyPath);
        // Another program may have changed the draws while the question was open.
        const std::vector<logic::UndoPoint> now = logic::undoPoints(historyPath);
        if (now.empty() || now.front().what != asked.what || now.front().when != asked.when)
            throw logic::Error(
                QStringLiteral("Ein anderes Programm hat die Ziehungen inzwischen geändert; die letzte "
                               "Änderung ist nicht mehr %1.\r\rEs wurde nichts rückgängig gemacht.")
                    .arg(describe(asked)));
        logic::undoNewestChange(lock, historyPath);
    }
    state.setHistory(QFileInfo::exists(historyPath) ? logic::loadDrawHistory(historyPath)
                                                    : logic::DrawHistory{});
    return true;
}

} // namespace talvo::ui

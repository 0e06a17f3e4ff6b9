#pragma once

#include <QString>

class QWidget;

namespace talvo::logic {
class ProgramState;
}

namespace talvo::ui {

// "Letzte Änderung der Ziehungen rückgängig machen": after a confirmation, puts the history
// file back as it was before its last change and loads it. Returns whether it did; throws
// the German error when there is nothing to undo.
bool undoLastDrawChange(QWidget* parent, logic::ProgramState& state, const QString& historyPath);

} // namespace talvo::ui

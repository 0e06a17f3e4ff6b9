#pragma once

#include <QString>

class QWidget;

namespace talvo::logic {
class ProgramState;
}

namespace talvo::ui {

// "Letzte Änderung der Ziehungen rückgängig machen": after a question that names the change,
// takes back the newest change of the undo history and loads the history file. Returns
// whether it did; throws the German error when there is nothing to undo.
bool undoLastDrawChange(QWidget* parent, logic::ProgramState& state, const QString& historyPath);

} // namespace talvo::ui

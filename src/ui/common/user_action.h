#pragma once

#include <functional>

class QWidget;

namespace talvo::ui {

// The general error handling: runs one user action; an error ends the action, its
// German text is shown in a message box and the program goes on. Returns false when
// the action ended with an error.
bool runAction(QWidget* parent, const std::function<void()>& action);

} // namespace talvo::ui

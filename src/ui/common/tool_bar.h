#pragma once

#include <functional>

class QAction;
class QIcon;
class QString;
class QToolBar;
class QWidget;

namespace talvo::ui {

// The tool bar of a tool window: small icons with their texts beside them.
QToolBar* makeToolBar(QWidget* window);

// An entry of such a bar, named for tests; its handler runs as a user action of the
// bar's window (an entry the navigator leads gets none). The text keeps a trailing "..."
// on the button, and Tab reaches the button.
QAction* addToolAction(QToolBar* bar, const QIcon& icon, const QString& text, const QString& name,
                       std::function<void()> handler);

} // namespace talvo::ui

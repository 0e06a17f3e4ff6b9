#include "ui/common/dialog_parent.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace talvo::ui {

namespace {
QPointer<QWidget>& mainWindow() {
    static QPointer<QWidget> w;
    return w;
}

bool onScreen(const QWidget* window) {
    return window && window->isVisible() && !window->isMinimized();
}
} // namespace

QWidget* dialogParent(QWidget* requested) {
    // A modal box already open is where the user is; a popup menu is not a window to own one.
    if (QWidget* modal = QApplication::activeModalWidget(); onScreen(modal))
        return modal;
    QWidget* active = QApplication::activeWindow();
    if (active && (active->windowType() == Qt::Popup || active->windowType() == Qt::ToolTip))
        active = active->parentWidget() ? active->parentWidget()->window() : nullptr;
    if (onScreen(active))
        return active;
    if (requested && onScreen(requested->window()))
        return requested->window();
    if (onScreen(mainWindow()))
        return mainWindow();
    return requested;
}

void setMainDialogParent(QWidget* window) {
    mainWindow() = window;
}

void raiseWhenShown(QWidget* dialog) {
    // Runs once the dialog's own event loop has shown it.
    QTimer::singleShot(0, dialog, [dialog] {
        dialog->raise();
        dialog->activateWindow();
    });
}

} // namespace talvo::ui

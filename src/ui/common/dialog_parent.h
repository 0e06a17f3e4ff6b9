#pragma once

class QWidget;

namespace talvo::ui {

// The window a message box or file dialog belongs to: the window the user is working in
// (the active one), else the window of `requested` when it is on the screen, else the main
// window. Without it a box asked for by a window in the background opens behind the window
// in front, and the program looks frozen.
QWidget* dialogParent(QWidget* requested);

// The last resort of dialogParent; the program names its main window once it is built.
void setMainDialogParent(QWidget* window);

// Brings a dialog that is about to be shown above the window it belongs to.
void raiseWhenShown(QWidget* dialog);

} // namespace talvo::ui

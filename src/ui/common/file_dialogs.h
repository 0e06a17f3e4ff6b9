#pragma once

#include <QString>

class QWidget;

namespace talvo::ui {

// Open and save dialogs. filter is "description|*.ext" as the program writes it.
// An empty result means the user cancelled. The save dialog adds the filter's extension to
// a name typed without one and asks before an existing file is replaced.
QString chooseOpenFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder);
QString chooseSaveFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder);

// Test seam: the next dialog is not shown and answers with this name ("" = cancel).
void setNextFileName(const QString& name);

// What the last dialog, shown or answered by the seam, was asked for.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString folder;
};
FileDialogRequest lastFileDialogRequest();

} // namespace talvo::ui

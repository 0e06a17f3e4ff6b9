#pragma once

#include <QString>

class QWidget;

namespace talvo::ui {

// Open and save dialogs. filter is "description|*.ext" as the program writes it.
// An empty result means the user cancelled.
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

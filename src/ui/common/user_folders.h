#pragma once

#include "logic/settings/remembered_places.h"

#include <QString>

class QWidget;

namespace talvo::ui {

// Where the file dialogs for the user's own files (slips, exports) start: the folder last
// used for that kind, while it exists, else the user's documents folder. The program's data
// folder is hidden and no place to look for one's files.
QString startFolder(const QString& dataDir, logic::RememberedPlace place);
// Remembers the folder of a file the user chose in such a dialog.
void rememberFolderOf(const QString& dataDir, logic::RememberedPlace place, const QString& chosenFile);
// A play-slip file to open, asked for under `title` from the slip folder, whose place is
// remembered; empty when the user cancels.
QString chooseSlipFileToOpen(QWidget* parent, const QString& title, const QString& dataDir);

} // namespace talvo::ui

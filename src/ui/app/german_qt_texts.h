#pragma once

class QCoreApplication;

namespace talvo::ui {

// Loads Qt's own German texts (dialog buttons, file dialogs, key names such as "Strg+O",
// the help window's search) and makes German the widgets' locale (the month and day names of
// the date fields' calendars), so nothing of the toolkit shows in English. False when the
// translations are not installed.
bool installGermanQtTexts(QCoreApplication& app);

} // namespace talvo::ui

#pragma once

class QCoreApplication;

namespace talvo::ui {

// Loads Qt's own German texts (dialog buttons, file dialogs, key names such as "Strg+O",
// the help window's search), so nothing of the toolkit shows in English. False when the
// translations are not installed.
bool installGermanQtTexts(QCoreApplication& app);

} // namespace talvo::ui

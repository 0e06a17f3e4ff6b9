#pragma once

class QBoxLayout;
class QPushButton;
class QString;
class QWidget;

namespace talvo::ui {

// What the import and the CSV export window share: the help topic of the draw archive,
// an explaining text at the top, and the bottom row with "Hilfe" on the left and the
// window's own action beside "Schließen" on the right.
inline constexpr int kArchiveHelpContext = 110;
void addIntroText(QBoxLayout* layout, const QString& text, QWidget* window);
void addHelpActionCloseRow(QBoxLayout* layout, QPushButton* action, QWidget* window);

} // namespace talvo::ui

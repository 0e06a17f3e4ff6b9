#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace talvo::ui {

// Plain: a box without an icon.
enum class MessageIcon { Information, Error, Warning, Question, Plain };

// The program's modal message boxes. A "\r" in a text is a line break.
void showMessage(QWidget* parent, const QString& text, MessageIcon icon);
// Yes/No question; true for Yes.
bool askYesNo(QWidget* parent, const QString& text);

// Test seam: while set, no box is shown; the hook gets text and icon and gives the
// answer to a question.
using MessageHook = std::function<bool(const QString& text, MessageIcon icon)>;
void setMessageHook(MessageHook hook);

} // namespace talvo::ui

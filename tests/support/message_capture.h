#pragma once

#include "ui/common/message_box.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace talvo::test {

// One message box as the program would have shown it.
struct ShownMessage {
    QString text;
    ui::MessageIcon icon;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// While it lives, the program shows no message box: each box's text and icon are recorded
// and a question gets the answer set here, Yes unless told otherwise.
class MessageCapture {
  public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // The answer to the questions from now on: true for Yes.
    void answer(bool yes) { yes_ = yes; }
    // Runs once while the next box is shown, as something the user or another program does
    // meanwhile.
    void whileNextIsShown(std::function<void()> action) { meanwhile_ = std::move(action); }
    // Forgets what was shown and answers Yes again, for the start of each test.
    void clear();

    // What was shown, oldest first: whole, and as texts only. A test may take from or empty
    // the list it reads.
    QList<ShownMessage>& shown() { return shown_; }
    QStringList& texts() { return texts_; }

  private:
    QList<ShownMessage> shown_;
    QStringList texts_;
    bool yes_ = true;
    std::function<void()> meanwhile_;
};

} // namespace talvo::test

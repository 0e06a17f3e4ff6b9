#pragma once

class QWidget;

namespace talvo::logic {
struct SlipMessage;
}

namespace talvo::ui {

// Shows a message of the slip logic in the program's message box with its icon.
void showSlipMessage(QWidget* parent, const logic::SlipMessage& message);

} // namespace talvo::ui

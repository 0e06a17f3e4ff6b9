#include "ui/slips/slip_message_box.h"

#include "logic/slips/slip_message.h"
#include "ui/common/message_box.h"

namespace talvo::ui {

void showSlipMessage(QWidget* parent, const logic::SlipMessage& message) {
    showMessage(parent, message.text,
                message.kind == logic::SlipMessage::Kind::Critical ? MessageIcon::Error
                                                                   : MessageIcon::Information);
}

} // namespace talvo::ui

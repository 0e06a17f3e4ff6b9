#include "support/message_capture.h"

namespace talvo::test {

MessageCapture::MessageCapture() {
    ui::setMessageHook([this](const QString& text, ui::MessageIcon icon) {
        shown_.append({text, icon});
        texts_.append(text);
        return yes_;
    });
}

MessageCapture::~MessageCapture() {
    ui::setMessageHook({});
}

void MessageCapture::clear() {
    shown_.clear();
    texts_.clear();
    yes_ = true;
}

} // namespace talvo::test

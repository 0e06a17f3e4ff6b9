#include "support/message_capture.h"

#include <utility>

namespace talvo::test {

MessageCapture::MessageCapture() {
    ui::setMessageHook([this](const QString& text, ui::MessageIcon icon) {
        shown_.append({text, icon});
        texts_.append(text);
        if (meanwhile_)
            std::exchange(meanwhile_, {})();
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
    meanwhile_ = {};
}

} // namespace talvo::test

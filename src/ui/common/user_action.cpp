#include "ui/common/user_action.h"

#include "logic/core/error.h"
#include "ui/common/message_box.h"

#include <QString>
#include <new>

namespace talvo::ui {

bool runAction(QWidget* parent, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const logic::Error& e) {
        showMessage(parent, e.text(), MessageIcon::Error);
    } catch (const std::bad_alloc&) {
        showMessage(parent, QStringLiteral("Zu wenig Arbeitsspeicher für diese Aktion."), MessageIcon::Error);
    } catch (const std::exception& e) {
        showMessage(parent, QString::fromLocal8Bit(e.what()), MessageIcon::Error);
    }
    return false;
}

} // namespace talvo::ui

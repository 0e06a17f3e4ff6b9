#include "ui/common/message_box.h"

#include "logic/core/paths.h"
#include "ui/common/dialog_parent.h"

#include <QMessageBox>

namespace talvo::ui {

namespace {
MessageHook& hook() {
    static MessageHook h;
    return h;
}

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Plain:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

bool run(QWidget* parent, const QString& text, MessageIcon icon, QMessageBox::StandardButtons buttons) {
    if (hook())
        return hook()(text, icon);
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(toQt(icon), QString::fromLatin1(logic::kProductName), shown, buttons,
                    dialogParent(parent));
    raiseWhenShown(&box);
    return box.exec() == QMessageBox::Yes;
}
} // namespace

void showMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    run(parent, text, icon, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& text) {
    return run(parent, text, MessageIcon::Question, QMessageBox::Yes | QMessageBox::No);
}

void setMessageHook(MessageHook h) {
    hook() = std::move(h);
}

} // namespace talvo::ui

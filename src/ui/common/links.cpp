#include "ui/common/links.h"

#include "platform/download.h"
#include "platform/shell.h"
#include "ui/common/message_box.h"

#include <QString>

namespace talvo::ui {

void openWebLink(QWidget* parent, const QString& address, const QString& offlineText) {
    if (!platform::isOnline()) {
        showMessage(parent, offlineText, MessageIcon::Information);
        return;
    }
    if (!platform::shellOpen(address))
        showMessage(parent,
                    QStringLiteral("Die Adresse %1 kann nicht geöffnet werden: Auf diesem Rechner ist kein "
                                   "Web-Browser eingerichtet.")
                        .arg(address),
                    MessageIcon::Error);
}

void openMailLink(QWidget* parent, const QString& mailto) {
    if (!platform::shellOpen(mailto))
        showMessage(parent,
                    QStringLiteral("Es kann keine neue E-Mail angelegt werden: Auf diesem Rechner ist kein "
                                   "E-Mail-Programm eingerichtet."),
                    MessageIcon::Error);
}

} // namespace talvo::ui

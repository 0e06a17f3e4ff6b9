#include "ui/app/form_offen.h"

#include <QApplication>
#include <QWidget>

namespace talvo::ui {

QWidget* findForm(const QString& formName) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if ((*it)->objectName() == formName)
            return *it;
    }
    return nullptr;
}

bool FormOffen(const QString& formName) { return findForm(formName) != nullptr; }

} // namespace talvo::ui

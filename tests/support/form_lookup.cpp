#include "support/form_lookup.h"

#include <QApplication>
#include <QWidget>

namespace talvo::test {

QWidget* findForm(const QString& formName) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if ((*it)->objectName() == formName)
            return *it;
    }
    return nullptr;
}

bool isFormOpen(const QString& formName) {
    return findForm(formName) != nullptr;
}

} // namespace talvo::test

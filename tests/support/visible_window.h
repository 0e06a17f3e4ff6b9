#pragma once

#include <QApplication>
#include <QLatin1String>
#include <QWidget>

namespace talvo::test {

// The shown top-level window of that object name, for windows the program creates on
// first use; nullptr while none is shown.
inline QWidget* visibleWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

} // namespace talvo::test

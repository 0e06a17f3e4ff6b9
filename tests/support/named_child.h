#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace talvo::test {

// The control of that object name below `parent`; a test without it cannot go on.
template <typename T> T* namedChild(QObject& parent, const QString& name) {
    T* c = parent.findChild<T*>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

template <typename T> T* namedChild(QObject& parent, const char* name) {
    return namedChild<T>(parent, QString::fromLatin1(name));
}

} // namespace talvo::test

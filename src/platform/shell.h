#pragma once

#include <QtGlobal>
#include <functional>

class QObject;
class QString;

namespace talvo::platform {

// Hands a web address, mail link or file to the desktop's program for it; false when
// nothing took it (no browser, no mail program, no program for the file).
bool shellOpen(const QString& target);

// The same without waiting: `done` runs later in `context`'s thread with whether a
// program took the target. For files whose program may take long to say so.
void shellOpenAsync(const QString& target, QObject* context, std::function<void(bool opened)> done);

// Test seam: while set, the opener gets the address instead of the desktop.
void setShellOpenerForTests(std::function<bool(const QString& address)> opener);

#ifdef Q_OS_WIN
// Runs a batch file in a hidden console window without waiting for it; false when it
// could not be started.
bool runHiddenBatch(const QString& script);
#endif

} // namespace talvo::platform

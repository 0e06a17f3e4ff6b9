#pragma once

#include <functional>

class QString;

namespace talvo::platform {

// Hands a web address, mail link or file to the desktop's program for it; false when
// nothing took it (no browser, no mail program, no program for the file).
bool shellOpen(const QString& target);

// Test seam: while set, the opener gets the address instead of the desktop.
void setShellOpenerForTests(std::function<bool(const QString& address)> opener);

} // namespace talvo::platform

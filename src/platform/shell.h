#pragma once

class QString;

namespace talvo::platform {

// Hands a web address, mail link or file to the desktop; false when nothing took it.
bool shellOpen(const QString& target);

} // namespace talvo::platform

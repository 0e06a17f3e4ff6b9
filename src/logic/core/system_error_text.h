#pragma once

#include <QString>

namespace talvo::logic {

// The German text for a file error that Qt or the C library describes in English
// ("No space left on device"); a text it does not know is returned as it stands.
QString germanFileError(const QString& systemText);

} // namespace talvo::logic

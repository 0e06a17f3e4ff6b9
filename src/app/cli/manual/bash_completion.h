#pragma once

#include <QString>

namespace talvo::cli {

// The bash completion of talvo-cli's commands, switches and file values, from the
// command table.
QString bashCompletion();

} // namespace talvo::cli

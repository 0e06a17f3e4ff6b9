#pragma once

#include <QString>

namespace talvo::cli {

// The manual page talvo-cli(1) in roff, from the command table.
QString manPage();

} // namespace talvo::cli

#pragma once

#include <QString>

namespace talvo::cli {

enum class Helper;

// Replaces this process by the companion program with the same arguments; it prints and
// exits for the command. Returns only when the companion cannot be started, with why.
QString runInHelper(Helper helper, char* argv[]);

} // namespace talvo::cli

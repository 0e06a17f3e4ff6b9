#pragma once

namespace talvo::cli {

enum class Helper;

// Runs the command named in the program's arguments and gives the exit code: 0 done,
// 1 an error (its German message on stderr), 2 a wrong call. `self` is the companion
// this program is; a command that needs another one is handed on to it whole.
int runCommandLine(char* argv[], Helper self);

} // namespace talvo::cli

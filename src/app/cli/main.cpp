#include "command.h"
#include "command_line.h"

#include <QCoreApplication>

// The commands that need no library beyond Qt Core run here; the others are handed on to
// a companion program, so that the common ones start quickly.
int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    return talvo::cli::runCommandLine(argv, talvo::cli::Helper::None);
}

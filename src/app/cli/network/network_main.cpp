#include "command.h"
#include "command_line.h"

#include <QCoreApplication>

// The companion of talvo-cli for the commands that download: only they load Qt Network.
int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    return talvo::cli::runCommandLine(argv, talvo::cli::Helper::Network);
}

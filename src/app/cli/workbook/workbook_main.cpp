#include "command.h"
#include "command_line.h"

#include <QCoreApplication>

// The companion of talvo-cli that writes workbooks: only it loads the workbook library.
int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    return talvo::cli::runCommandLine(argv, talvo::cli::Helper::Workbook);
}

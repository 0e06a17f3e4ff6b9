#include "command.h"
#include "command_line.h"

#include <QGuiApplication>
#include <cstdio>

// The companion of talvo-cli for the commands that lay out pages: they need fonts, and so
// a GUI application, on Qt's offscreen platform so that they run without a display.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the missing desktop (runtime folder and the like) would end up
    // between the command's own German messages.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    const QGuiApplication app(argc, argv);
    return talvo::cli::runCommandLine(argv, talvo::cli::Helper::Print);
}

#include "logic/core/paths.h"
#include "logic/core/version.h"
#include "ui/app/application.h"
#include "ui/app/german_qt_texts.h"
#include "ui/app/program_icon.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(talvo::logic::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(talvo::logic::kVersionText));
    // Desktops on Wayland find the menu entry's name and icon through it.
    QApplication::setDesktopFileName(QStringLiteral("talvo"));
    QApplication::setWindowIcon(talvo::ui::programIcon());
    talvo::ui::installGermanQtTexts(app);
    // Hiding the start window must not end the program; only the main window does.
    QApplication::setQuitOnLastWindowClosed(false);

    using talvo::logic::AppPaths;
    talvo::ui::Application program(
        AppPaths::forUser(AppPaths::programFolder(QCoreApplication::applicationDirPath())));
    // Queued: the program may end while it is still starting, before the event loop runs.
    QObject::connect(&program, &talvo::ui::Application::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app.exec();
}

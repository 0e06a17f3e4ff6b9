// Takes the pictures of the help topics from the program's own windows, so the help always
// shows what the program shows. Run at build time on the offscreen platform:
//   talvo-help-pictures FOLDER

#include "logic/core/history_file.h"
#include "tools/generated_history.h"
#include "ui/app/application.h"
#include "ui/app/calendar_window.h"
#include "ui/app/info_window.h"
#include "ui/app/main_window.h"
#include "ui/app/new_version_window.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/draws/draw_panel.h"
#include "ui/draws/paste_window.h"
#include "ui/draws/update_window.h"
#include "ui/navigation/help_picture.h"
#include "ui/settings/options_window.h"
#include "ui/slips/slip_centre_window.h"
#include "ui/statistics/statistics_window.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

using namespace talvo;

namespace {

// The help pane shows pictures at most this wide.
constexpr int kShownWidth = 640;

bool save(QWidget* window, const QString& folder, const QString& name, int shownWidth = kShownWidth) {
    window->show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (ui::helpPicture(*window, shownWidth).save(path))
        return true;
    QTextStream(stderr) << "talvo-help-pictures: cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: talvo-help-pictures FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    // A fixed day and history, so the pictures change only when the windows do.
    ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 6), QTime(20, 0)); });
    ui::setMessageHook([](const QString& text, ui::MessageIcon) {
        QTextStream(stderr) << "talvo-help-pictures: " << text << '\n';
        return true;
    });
    QTemporaryDir home;
    logic::AppPaths paths;
    paths.dataDir = home.path() + QLatin1Char('/');
    paths.programDir = paths.dataDir;
    // Named, so the help buttons in the pictures look as they do in the program.
    paths.helpFile = QDir(folder).filePath(QStringLiteral("../TALVO Hilfe.qch"));
    logic::saveDrawHistory(paths.historyFile(), tools::generatedHistory(600, QDate(2022, 4, 4), 7));

    ui::Application program(paths);
    program.start();
    ui::MainWindow* main = program.mainWindow();
    main->setWindowOpacity(1.0);
    program.statisticsWindow()->setDrawCountIndex(8);
    program.slipCentre()->newSlip();

    bool ok = save(main, folder, QStringLiteral("zentrale"));
    auto* pages = main->findChild<QTabWidget*>(QStringLiteral("PC0"));
    pages->setCurrentIndex(1);
    ok = save(main->findChild<QWidget*>(QStringLiteral("leftColumn")), folder, QStringLiteral("ziehungen")) &&
         ok;
    main->findChild<QPushButton*>(QStringLiteral("BCopyPaste"))->click();
    ok = save(main->drawPanel()->pasteWindow(), folder, QStringLiteral("einfuegen"), 560) && ok;
    ok = save(program.updateWindow(), folder, QStringLiteral("aktualisierung")) && ok;
    ok = save(program.optionsWindow(), folder, QStringLiteral("optionen"), 600) && ok;
    ok = save(program.slipCentre(), folder, QStringLiteral("spielscheincenter")) && ok;
    ok = save(program.statisticsWindow(), folder, QStringLiteral("statistik")) && ok;
    ui::CalendarWindow calendar;
    ok = save(&calendar, folder, QStringLiteral("kalender")) && ok;
    ui::InfoWindow info;
    ok = save(&info, folder, QStringLiteral("info")) && ok;
    ui::NewVersionWindow newVersionWindow(paths, QString(), QStringLiteral("1.8.0.0"));
    ok = save(&newVersionWindow, folder, QStringLiteral("neueversion")) && ok;
    return ok ? 0 : 1;
}

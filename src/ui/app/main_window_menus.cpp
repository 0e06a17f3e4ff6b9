#include "ui/app/main_window.h"

#include "ui/evaluation/evaluation_area.h"

#include "ui/common/picture_link.h"
#include "ui/common/standard_icon.h"
#include "ui/common/tool_icons.h"
#include "ui/common/user_action.h"
#include "ui/navigation/navigator.h"

#include <QAction>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace talvo::ui {

namespace {

// A menu or tool-bar entry leading to another window or action through the navigator.
QAction* routeAction(Route route, const QString& text, const QString& objectName, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setObjectName(objectName);
    routeTo(action, route);
    return action;
}

} // namespace

void MainWindow::buildMenus() {
    QStyle* st = style();

    auto* quitAction = new QAction(QStringLiteral("&Beenden"), this);
    quitAction->setObjectName(QStringLiteral("MBeenden"));
    connect(quitAction, &QAction::triggered, this, &QWidget::close);
    auto* openAction = new QAction(QStringLiteral("Ö&ffnen..."), this);
    openAction->setObjectName(QStringLiteral("MOeffnen"));
    openAction->setShortcut(QKeySequence::Open);
    connect(openAction, &QAction::triggered, this,
            [this] { runAction(this, [this] { evaluationArea_->openEvaluationFile(); }); });

    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&Datei"));
    fileMenu->addAction(openAction);
    fileMenu->addSeparator();
    fileMenu->addAction(routeAction(Route::ArchiveImport, QStringLiteral("Ziehungen &importieren..."),
                                    QStringLiteral("MImport"), this));
    fileMenu->addAction(routeAction(Route::ArchiveDownload,
                                    QStringLiteral("Archiv aus dem I&nternet laden..."),
                                    QStringLiteral("MArchivLaden"), this));
    fileMenu->addAction(routeAction(Route::ArchiveExport, QStringLiteral("Ziehungen als &CSV exportieren..."),
                                    QStringLiteral("MCsvExport"), this));
    fileMenu->addAction(routeAction(Route::UndoDrawChange,
                                    QStringLiteral("Letzte Änderung der Ziehungen &rückgängig machen"),
                                    QStringLiteral("MRueckgaengig"), this));
    fileMenu->addSeparator();
    fileMenu->addAction(quitAction);

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    viewMenu->addAction(routeAction(Route::StartWindow, QStringLiteral("&Startfenster..."),
                                    QStringLiteral("MStartfenster"), this));

    QMenu* extrasMenu = menuBar()->addMenu(QStringLiteral("E&xtras"));
    extrasMenu->addAction(
        routeAction(Route::Statistics, QStringLiteral("&Statistik"), QStringLiteral("MStatistik"), this));
    extrasMenu->addAction(
        routeAction(Route::Calendar, QStringLiteral("&Kalender"), QStringLiteral("MKalender"), this));
    extrasMenu->addAction(
        routeAction(Route::Options, QStringLiteral("&Optionen"), QStringLiteral("MOptionen"), this));
    extrasMenu->addAction(routeAction(Route::DrawUpdate, QStringLiteral("&Aktualisierung der Gewinnzahlen"),
                                      QStringLiteral("MAktualisierung"), this));
    // The slip and tip centres are reachable from the menu too, so the keyboard reaches them.
    extrasMenu->addAction(routeAction(Route::SlipCentre, QStringLiteral("Spielschein&center"),
                                      QStringLiteral("MSpielscheincenter"), this));
    extrasMenu->addAction(
        routeAction(Route::TipCentre, QStringLiteral("T&ippcenter"), QStringLiteral("MTippcenter"), this));
    extrasMenu->addAction(routeAction(Route::StrategyTest, QStringLiteral("Strategie-&Test..."),
                                      QStringLiteral("MStrategietest"), this));

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    auto* contentsAction = helpMenu->addAction(QStringLiteral("&Inhalt..."));
    contentsAction->setObjectName(QStringLiteral("MInhalt"));
    helpFor(contentsAction, 40);
    auto* searchAction = helpMenu->addAction(QStringLiteral("Suchen..."));
    searchAction->setObjectName(QStringLiteral("MSuchen"));
    helpIndexFor(searchAction);
    helpMenu->addAction(
        routeAction(Route::UpdateCheck, QStringLiteral("&Updateprüfung"), QStringLiteral("MUpdate"), this));
    helpMenu->addAction(routeAction(Route::Info, QStringLiteral("&Info"), QStringLiteral("MInfo"), this));

    QToolBar* bar = addToolBar(QStringLiteral("Werkzeuge"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    auto toolWith = [&](QAction* action, const QIcon& icon, const QString& hint) {
        action->setIcon(icon);
        action->setToolTip(hint);
        bar->addAction(action);
    };
    auto tool = [&](QAction* action, ToolIcon icon, const QString& hint) {
        toolWith(action, toolIcon(icon), hint);
    };
    auto* quitTool = new QAction(this);
    quitTool->setObjectName(QStringLiteral("TBeenden"));
    connect(quitTool, &QAction::triggered, this, &QWidget::close);
    tool(quitTool, ToolIcon::Quit, QStringLiteral("Beenden"));
    auto* openTool = new QAction(this);
    openTool->setObjectName(QStringLiteral("TOeffnen"));
    connect(openTool, &QAction::triggered, openAction, &QAction::trigger);
    toolWith(openTool, standardIcon(st, QStyle::SP_DialogOpenButton), QStringLiteral("Öffnen..."));
    openAction->setIcon(openTool->icon());
    bar->addSeparator();
    tool(routeAction(Route::Statistics, QString(), QStringLiteral("TStatistik"), this), ToolIcon::Statistics,
         QStringLiteral("Statistik"));
    tool(routeAction(Route::Calendar, QString(), QStringLiteral("TKalender"), this), ToolIcon::Calendar,
         QStringLiteral("Kalender"));
    tool(routeAction(Route::Options, QString(), QStringLiteral("TOptionen"), this), ToolIcon::Options,
         QStringLiteral("Optionen"));
    toolWith(routeAction(Route::DrawUpdate, QString(), QStringLiteral("TAktualisierung"), this),
             standardIcon(st, QStyle::SP_BrowserReload), QStringLiteral("Aktualisierung der Gewinnzahlen"));
    tool(routeAction(Route::SlipCentre, QString(), QStringLiteral("TSpielscheincenter"), this),
         ToolIcon::SlipCentre, QStringLiteral("Spielscheincenter"));
    tool(routeAction(Route::TipCentre, QString(), QStringLiteral("TTippcenter"), this), ToolIcon::TipCentre,
         QStringLiteral("Tippcenter"));
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    auto* picture = routeAction(Route::WebSite, QString(), QStringLiteral("TBild"), this);
    toolWith(picture, QIcon(PictureLink::smallPixmap(22)), QStringLiteral("KENO im Internet"));
    auto* helpTool = new QAction(this);
    helpTool->setObjectName(QStringLiteral("THilfe"));
    helpFor(helpTool, 40);
    tool(helpTool, ToolIcon::Help, QStringLiteral("Hilfe"));
}

} // namespace talvo::ui

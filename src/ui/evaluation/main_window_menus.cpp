#include "ui/evaluation/main_window.h"

#include "ui/app/navigator.h"
#include "ui/common/standard_icon.h"
#include "ui/common/user_action.h"
#include "ui/evaluation/picture_link.h"
#include "ui/evaluation/tool_icons.h"

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

void TFAuswertung::buildMenus() {
    QStyle* st = style();

    auto* beenden = new QAction(QStringLiteral("&Beenden"), this);
    beenden->setObjectName(QStringLiteral("MBeenden"));
    connect(beenden, &QAction::triggered, this, &QWidget::close);
    auto* oeffnen = new QAction(QStringLiteral("Ö&ffnen..."), this);
    oeffnen->setObjectName(QStringLiteral("MOeffnen"));
    oeffnen->setShortcut(QKeySequence::Open);
    connect(oeffnen, &QAction::triggered, this, [this] { runAction(this, [this] { OeffnenClick(); }); });

    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(oeffnen);
    datei->addSeparator();
    datei->addAction(routeAction(Route::Archivimport, QStringLiteral("Ziehungen &importieren..."),
                                 QStringLiteral("MImport"), this));
    datei->addAction(routeAction(Route::Archivexport, QStringLiteral("Ziehungen als &CSV exportieren..."),
                                 QStringLiteral("MCsvExport"), this));
    datei->addAction(routeAction(Route::Rueckgaengig,
                                 QStringLiteral("Letzte Änderung der Ziehungen &rückgängig machen"),
                                 QStringLiteral("MRueckgaengig"), this));
    datei->addSeparator();
    datei->addAction(beenden);

    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    ansicht->addAction(routeAction(Route::Startfenster, QStringLiteral("&Startfenster..."),
                                   QStringLiteral("MStartfenster"), this));

    QMenu* extras = menuBar()->addMenu(QStringLiteral("E&xtras"));
    extras->addAction(
        routeAction(Route::Statistik, QStringLiteral("&Statistik"), QStringLiteral("MStatistik"), this));
    extras->addAction(
        routeAction(Route::Kalender, QStringLiteral("&Kalender"), QStringLiteral("MKalender"), this));
    extras->addAction(
        routeAction(Route::Optionen, QStringLiteral("&Optionen"), QStringLiteral("MOptionen"), this));
    extras->addAction(routeAction(Route::Aktualisierung, QStringLiteral("&Aktualisierung der Gewinnzahlen"),
                                  QStringLiteral("MAktualisierung"), this));
    // The slip and tip centres are reachable from the menu too, so the keyboard reaches them.
    extras->addAction(routeAction(Route::Spielscheincenter, QStringLiteral("Spielschein&center"),
                                  QStringLiteral("MSpielscheincenter"), this));
    extras->addAction(
        routeAction(Route::Tippcenter, QStringLiteral("T&ippcenter"), QStringLiteral("MTippcenter"), this));
    extras->addAction(routeAction(Route::Strategietest, QStringLiteral("Strategie-&Test..."),
                                  QStringLiteral("MStrategietest"), this));

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    auto* inhalt = hilfe->addAction(QStringLiteral("&Inhalt..."));
    inhalt->setObjectName(QStringLiteral("MInhalt"));
    helpFor(inhalt, 40);
    auto* suchen = hilfe->addAction(QStringLiteral("Suchen..."));
    suchen->setObjectName(QStringLiteral("MSuchen"));
    helpIndexFor(suchen);
    hilfe->addAction(routeAction(Route::Updatepruefung, QStringLiteral("&Updateprüfung"),
                                 QStringLiteral("MUpdate"), this));
    hilfe->addAction(routeAction(Route::Info, QStringLiteral("&Info"), QStringLiteral("MInfo"), this));

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
    auto* beendenTool = new QAction(this);
    beendenTool->setObjectName(QStringLiteral("TBeenden"));
    connect(beendenTool, &QAction::triggered, this, &QWidget::close);
    tool(beendenTool, ToolIcon::Beenden, QStringLiteral("Beenden"));
    auto* oeffnenTool = new QAction(this);
    oeffnenTool->setObjectName(QStringLiteral("TOeffnen"));
    connect(oeffnenTool, &QAction::triggered, oeffnen, &QAction::trigger);
    toolWith(oeffnenTool, standardIcon(st, QStyle::SP_DialogOpenButton), QStringLiteral("Öffnen..."));
    oeffnen->setIcon(oeffnenTool->icon());
    bar->addSeparator();
    tool(routeAction(Route::Statistik, QString(), QStringLiteral("TStatistik"), this), ToolIcon::Statistik,
         QStringLiteral("Statistik"));
    tool(routeAction(Route::Kalender, QString(), QStringLiteral("TKalender"), this), ToolIcon::Kalender,
         QStringLiteral("Kalender"));
    tool(routeAction(Route::Optionen, QString(), QStringLiteral("TOptionen"), this), ToolIcon::Optionen,
         QStringLiteral("Optionen"));
    toolWith(routeAction(Route::Aktualisierung, QString(), QStringLiteral("TAktualisierung"), this),
             standardIcon(st, QStyle::SP_BrowserReload), QStringLiteral("Aktualisierung der Gewinnzahlen"));
    tool(routeAction(Route::Spielscheincenter, QString(), QStringLiteral("TSpielscheincenter"), this),
         ToolIcon::Spielscheincenter, QStringLiteral("Spielscheincenter"));
    tool(routeAction(Route::Tippcenter, QString(), QStringLiteral("TTippcenter"), this), ToolIcon::Tippcenter,
         QStringLiteral("Tippcenter"));
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    auto* picture = routeAction(Route::Webseite, QString(), QStringLiteral("TBild"), this);
    toolWith(picture, QIcon(PictureLink::smallPixmap(22)), QStringLiteral("KENO im Internet"));
    auto* hilfeTool = new QAction(this);
    hilfeTool->setObjectName(QStringLiteral("THilfe"));
    helpFor(hilfeTool, 40);
    tool(hilfeTool, ToolIcon::Hilfe, QStringLiteral("Hilfe"));
}

} // namespace talvo::ui

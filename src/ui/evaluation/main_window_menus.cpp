#include "ui/evaluation/main_window.h"

#include "platform/download.h"
#include "ui/common/message_box.h"
#include "ui/common/user_action.h"
#include "ui/evaluation/picture_link.h"
#include "ui/evaluation/tool_icons.h"

#include <QAction>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace talvo::ui {

QAction* TFAuswertung::routeAction(Route route, const QString& text, const QString& objectName) {
    auto* action = new QAction(text, this);
    action->setObjectName(objectName);
    action->setEnabled(routeHandlers_.contains(route));
    connect(action, &QAction::triggered, this, [this, route] { followRoute(route); });
    routeActions_.insert(route, action);
    return action;
}

QAction* TFAuswertung::sharedRouteAction(Route route) {
    // Looks like the tool-bar entry of the route.
    QAction* model = nullptr;
    for (QAction* a : routeActions_.values(route)) {
        if (!a->icon().isNull())
            model = a;
    }
    QAction* action = routeAction(route, QString(), QString());
    if (model) {
        action->setIcon(model->icon());
        action->setToolTip(model->toolTip());
    }
    return action;
}

void TFAuswertung::followRoute(Route route) {
    auto it = routeHandlers_.constFind(route);
    if (it == routeHandlers_.cend())
        return;
    // The update check needs the internet; the check itself lives behind the route.
    if (route == Route::Updatepruefung && !platform::IstOnline()) {
        showMessage(
            this,
            QStringLiteral("Sie sind offline! Für die Prüfung, ob eine aktuellere Programm-Version "
                           "heruntergeladen werden kann, muss eine Verbindung zum Internet bestehen."),
            MessageIcon::Error);
        return;
    }
    runAction(this, *it);
}

void TFAuswertung::setRoute(Route route, std::function<void()> handler) {
    routeHandlers_.insert(route, std::move(handler));
    for (QAction* action : routeActions_.values(route))
        action->setEnabled(true);
    for (QWidget* widget : routeWidgets_.values(route))
        widget->setEnabled(true);
}

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
    datei->addAction(beenden);

    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    ansicht->addAction(routeAction(Route::Startfenster, QStringLiteral("&Startfenster..."),
                                   QStringLiteral("MStartfenster")));

    QMenu* extras = menuBar()->addMenu(QStringLiteral("E&xtras"));
    extras->addAction(
        routeAction(Route::Statistik, QStringLiteral("&Statistik"), QStringLiteral("MStatistik")));
    extras->addAction(routeAction(Route::Kalender, QStringLiteral("&Kalender"), QStringLiteral("MKalender")));
    extras->addAction(routeAction(Route::Optionen, QStringLiteral("&Optionen"), QStringLiteral("MOptionen")));
    extras->addAction(routeAction(Route::Aktualisierung, QStringLiteral("&Aktualisierung der Gewinnzahlen"),
                                  QStringLiteral("MAktualisierung")));

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->addAction(routeAction(Route::Hilfe, QStringLiteral("&Inhalt..."), QStringLiteral("MInhalt")));
    hilfe->addAction(routeAction(Route::HilfeSuchen, QStringLiteral("Suchen..."), QStringLiteral("MSuchen")));
    hilfe->addAction(
        routeAction(Route::Updatepruefung, QStringLiteral("&Updateprüfung"), QStringLiteral("MUpdate")));
    hilfe->addAction(routeAction(Route::Info, QStringLiteral("&Info"), QStringLiteral("MInfo")));

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
    toolWith(oeffnenTool, st->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("Öffnen..."));
    oeffnen->setIcon(oeffnenTool->icon());
    bar->addSeparator();
    tool(routeAction(Route::Statistik, QString(), QStringLiteral("TStatistik")), ToolIcon::Statistik,
         QStringLiteral("Statistik"));
    tool(routeAction(Route::Kalender, QString(), QStringLiteral("TKalender")), ToolIcon::Kalender,
         QStringLiteral("Kalender"));
    tool(routeAction(Route::Optionen, QString(), QStringLiteral("TOptionen")), ToolIcon::Optionen,
         QStringLiteral("Optionen"));
    toolWith(routeAction(Route::Aktualisierung, QString(), QStringLiteral("TAktualisierung")),
             st->standardIcon(QStyle::SP_BrowserReload), QStringLiteral("Aktualisierung der Gewinnzahlen"));
    tool(routeAction(Route::Spielscheincenter, QString(), QStringLiteral("TSpielscheincenter")),
         ToolIcon::Spielscheincenter, QStringLiteral("Spielscheincenter"));
    tool(routeAction(Route::Tippcenter, QString(), QStringLiteral("TTippcenter")), ToolIcon::Tippcenter,
         QStringLiteral("Tippcenter"));
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    auto* picture = new QAction(QIcon(PictureLink::smallPixmap(22)), QString(), this);
    picture->setObjectName(QStringLiteral("TBild"));
    picture->setToolTip(QStringLiteral("KENO im Internet"));
    connect(picture, &QAction::triggered, this, [this] { runAction(this, [this] { openWebPage(); }); });
    bar->addAction(picture);
    tool(routeAction(Route::Hilfe, QString(), QStringLiteral("THilfe")), ToolIcon::Hilfe,
         QStringLiteral("Hilfe"));
}

} // namespace talvo::ui

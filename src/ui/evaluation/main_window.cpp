#include "ui/evaluation/main_window.h"

#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "ui/common/user_action.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace talvo::ui {

TFAuswertung::TFAuswertung(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
    : QMainWindow(parent), state_(state), paths_(paths) {
    setObjectName(QStringLiteral("FAuswertung"));
    setWindowTitle(QStringLiteral("%1 - Zentrale").arg(QLatin1String(logic::kProductName)));
    resize(800, 600);
    setCentralWidget(new QWidget(this));
    buildMenus();
}

void TFAuswertung::FormCreate() {
    if (QFileInfo::exists(paths_.historyFile()))
        state_.setHistory(logic::KenoZahlenLaden(paths_.historyFile()));
}

QAction* TFAuswertung::routeAction(Route route, const QString& text, const QString& objectName) {
    auto* action = new QAction(text, this);
    action->setObjectName(objectName);
    action->setEnabled(routeHandlers_.contains(route));
    connect(action, &QAction::triggered, this, [this, route] {
        if (auto it = routeHandlers_.constFind(route); it != routeHandlers_.cend())
            runAction(this, *it);
    });
    routeActions_.insert(route, action);
    return action;
}

void TFAuswertung::setRoute(Route route, std::function<void()> handler) {
    routeHandlers_.insert(route, std::move(handler));
    for (QAction* action : routeActions_.values(route))
        action->setEnabled(true);
}

void TFAuswertung::buildMenus() {
    QStyle* st = style();

    auto* beenden = new QAction(QStringLiteral("&Beenden"), this);
    beenden->setObjectName(QStringLiteral("MBeenden"));
    connect(beenden, &QAction::triggered, this, &QWidget::close);

    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(beenden);

    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    ansicht->addAction(routeAction(Route::Startfenster, QStringLiteral("&Startfenster..."), QStringLiteral("MStartfenster")));

    QMenu* extras = menuBar()->addMenu(QStringLiteral("E&xtras"));
    extras->addAction(routeAction(Route::Statistik, QStringLiteral("&Statistik"), QStringLiteral("MStatistik")));
    extras->addAction(routeAction(Route::Kalender, QStringLiteral("&Kalender"), QStringLiteral("MKalender")));
    extras->addAction(routeAction(Route::Optionen, QStringLiteral("&Optionen"), QStringLiteral("MOptionen")));
    extras->addAction(routeAction(Route::Aktualisierung, QStringLiteral("&Aktualisierung der Gewinnzahlen"),
                                  QStringLiteral("MAktualisierung")));

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->addAction(routeAction(Route::Hilfe, QStringLiteral("&Inhalt..."), QStringLiteral("MInhalt")));
    hilfe->addAction(routeAction(Route::HilfeSuchen, QStringLiteral("Suchen..."), QStringLiteral("MSuchen")));
    hilfe->addAction(routeAction(Route::Updatepruefung, QStringLiteral("&Updateprüfung"), QStringLiteral("MUpdate")));
    hilfe->addAction(routeAction(Route::Info, QStringLiteral("&Info"), QStringLiteral("MInfo")));

    QToolBar* bar = addToolBar(QStringLiteral("Werkzeuge"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    auto tool = [&](QAction* action, QStyle::StandardPixmap icon, const QString& hint) {
        action->setIcon(st->standardIcon(icon));
        action->setToolTip(hint);
        bar->addAction(action);
    };
    auto* beendenTool = new QAction(this);
    beendenTool->setObjectName(QStringLiteral("TBeenden"));
    connect(beendenTool, &QAction::triggered, this, &QWidget::close);
    tool(beendenTool, QStyle::SP_DialogCloseButton, QStringLiteral("Beenden"));
    bar->addSeparator();
    tool(routeAction(Route::Statistik, QString(), QStringLiteral("TStatistik")), QStyle::SP_FileDialogDetailedView,
         QStringLiteral("Statistik"));
    tool(routeAction(Route::Kalender, QString(), QStringLiteral("TKalender")), QStyle::SP_FileDialogInfoView,
         QStringLiteral("Kalender"));
    tool(routeAction(Route::Optionen, QString(), QStringLiteral("TOptionen")), QStyle::SP_FileDialogListView,
         QStringLiteral("Optionen"));
    tool(routeAction(Route::Aktualisierung, QString(), QStringLiteral("TAktualisierung")), QStyle::SP_BrowserReload,
         QStringLiteral("Aktualisierung der Gewinnzahlen"));
    tool(routeAction(Route::Spielscheincenter, QString(), QStringLiteral("TSpielscheincenter")),
         QStyle::SP_FileDialogNewFolder, QStringLiteral("Spielscheincenter"));
    tool(routeAction(Route::Tippcenter, QString(), QStringLiteral("TTippcenter")), QStyle::SP_DialogYesButton,
         QStringLiteral("Tippcenter"));
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    tool(routeAction(Route::Hilfe, QString(), QStringLiteral("THilfe")), QStyle::SP_DialogHelpButton,
         QStringLiteral("Hilfe"));
}

void TFAuswertung::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace talvo::ui

#include "logic/core/error.h"
#include "logic/state/program_state.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/common/message_box.h"
#include "ui/navigation/navigator.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

using namespace talvo;

namespace {

// Every control of the program's windows that a navigator leads somewhere.
QList<QObject*> markedControls() {
    QList<QObject*> marked;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QList<QObject*> all = window->findChildren<QObject*>();
        all.prepend(window);
        for (QObject* o : all) {
            if (o->property("talvoRoute").isValid() || o->property("talvoHelp").isValid() ||
                o->property("talvoHelpIndex").isValid())
                marked << o;
        }
    }
    return marked;
}

bool isEnabled(QObject* control) {
    if (auto* action = qobject_cast<QAction*>(control))
        return action->isEnabled();
    return static_cast<QWidget*>(control)->isEnabled();
}

} // namespace

class NavigatorTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();

  private slots:
    void init() { capture.clear(); }

    void marksStayDisabledUntilTheirTargetExists() {
        logic::ProgramState state;
        const logic::AppPaths paths = data.paths();
        ui::MainWindow w(state, paths);
        auto* excel = test::namedChild<QPushButton>(w, "BExcel");
        auto* statisticsButton = test::namedChild<QToolButton>(w, "BStatistik");
        auto* menu = test::namedChild<QAction>(w, "MStatistik");
        // Marked but not yet taken by a navigator: nothing can look active and do nothing.
        QVERIFY(!excel->isEnabled());
        QVERIFY(!menu->isEnabled());

        ui::Navigator navigator;
        navigator.adopt(&w);
        QVERIFY(!excel->isEnabled());
        int shown = 0;
        navigator.addAction(ui::Route::DrawExport, [&] { ++shown; });
        navigator.addAction(ui::Route::Statistics, [&] { shown += 10; });
        QVERIFY(excel->isEnabled());
        QVERIFY(statisticsButton->isEnabled());
        QVERIFY(menu->isEnabled());
        QVERIFY(!test::namedChild<QAction>(w, "TTippcenter")->isEnabled());
        excel->click();
        statisticsButton->click();
        menu->trigger();
        test::namedChild<QAction>(w, "TStatistik")->trigger();
        QCOMPARE(shown, 31);

        // Adopting again connects nothing twice.
        navigator.adopt(&w);
        excel->click();
        QCOMPARE(shown, 32);
    }

    void aLabelLinkAndAnErrorInTheTarget() {
        QWidget window;
        auto* label = new QLabel(QStringLiteral("<a href=\"#\">Kalender</a>"), &window);
        ui::routeTo(label, ui::Route::Calendar);
        ui::Navigator navigator;
        navigator.adopt(&window);
        QVERIFY(!label->isEnabled());
        navigator.addAction(ui::Route::Calendar, [] { throw logic::Error(QStringLiteral("Geht nicht.")); });
        QVERIFY(label->isEnabled());
        emit label->linkActivated(QStringLiteral("#"));
        // The general error handling shows the text; the program goes on.
        QCOMPARE(messages, QStringList{QStringLiteral("Geht nicht.")});
    }

    void aWindowOnDemandExistsOnceAndGoesWhenClosed() {
        ui::Navigator navigator;
        int created = 0;
        navigator.addWindowOnDemand(ui::Route::Calendar, [&] {
            ++created;
            auto* w = new QWidget;
            w->setObjectName(QStringLiteral("FKal"));
            auto* info = new QPushButton(QStringLiteral("Info"), w);
            info->setObjectName(QStringLiteral("info"));
            ui::routeTo(info, ui::Route::Info);
            return w;
        });
        QVERIFY(!navigator.window(ui::Route::Calendar));
        navigator.go(ui::Route::Calendar);
        QPointer<QWidget> first = navigator.window(ui::Route::Calendar);
        QVERIFY(first && first->isVisible());
        // Its own marks are connected when it is created.
        auto* info = test::namedChild<QPushButton>(*first, "info");
        QVERIFY(!info->isEnabled());
        int infos = 0;
        navigator.addAction(ui::Route::Info, [&] { ++infos; });
        QVERIFY(info->isEnabled());
        info->click();
        QCOMPARE(infos, 1);

        first->showMinimized();
        navigator.go(ui::Route::Calendar);
        QCOMPARE(created, 1);
        QCOMPARE(navigator.window(ui::Route::Calendar), first.data());
        QVERIFY(!(first->windowState() & Qt::WindowMinimized));

        first->close();
        QTRY_VERIFY(!first);
        QVERIFY(!navigator.window(ui::Route::Calendar));
        navigator.go(ui::Route::Calendar);
        QCOMPARE(created, 2);
        QVERIFY(navigator.window(ui::Route::Calendar)->isVisible());
    }

    void aToolWindowFirstAppearsOverTheMainWindow() {
        QWidget main;
        main.setGeometry(100, 100, 800, 600);
        QWidget tool;
        tool.resize(200, 100);
        ui::Navigator navigator;
        navigator.setMainWindow(&main);
        navigator.addWindow(ui::Route::Options, &tool);
        navigator.go(ui::Route::Options);
        QVERIFY(tool.isVisible());
        QVERIFY((tool.geometry().center() - main.geometry().center()).manhattanLength() <= 4);
        // Owned by the main window: in front of it, never in front of other programs.
        QVERIFY(tool.windowHandle());
        QCOMPARE(tool.windowHandle()->transientParent(), main.windowHandle());
        QVERIFY(!(tool.windowFlags() & Qt::WindowStaysOnTopHint));
        // Later it keeps where the user put it.
        tool.hide();
        tool.move(10, 10);
        navigator.go(ui::Route::Options);
        QCOMPARE(tool.pos(), QPoint(10, 10));
    }

    // On a small screen a tool window is shrunk and moved so that it lies on the screen, its
    // title bar and tool bar within reach.
    void aToolWindowFirstAppearsWithinTheScreen() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget main;
        main.setGeometry(area.left(), area.top() + 40, 300, 200);
        QWidget tool;
        tool.resize(area.width() + 300, area.height() + 400);
        ui::Navigator navigator;
        navigator.setMainWindow(&main);
        navigator.addWindow(ui::Route::Options, &tool);
        navigator.go(ui::Route::Options);
        QVERIFY(area.contains(tool.frameGeometry()));
    }

    void everyToolWindowOfTheProgramOpensWithinTheScreensHeight() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        // A download server of its own, so that the update entries lead to the update window.
        ui::Application program(data.paths(), QStringLiteral("http://127.0.0.1:9/downloads/"));
        program.start();
        ui::Navigator& navigator = program.navigator();
        for (auto route :
             {ui::Route::Statistics, ui::Route::Options, ui::Route::DrawUpdate, ui::Route::SlipCentre,
              ui::Route::TipCentre, ui::Route::DrawExport, ui::Route::StrategyTest}) {
            navigator.go(route);
            QWidget* window = navigator.window(route);
            QVERIFY(window && window->isVisible());
            const QRect frame = window->frameGeometry();
            QVERIFY2(area.contains(frame.topLeft()) && frame.height() <= area.height(),
                     qPrintable(window->objectName()));
        }
        QVERIFY(messages.isEmpty());
    }

    // Tool-bar buttons take no keyboard focus: every window the main window's tool bar opens is
    // in its menus as well. The picture link to the web page is decoration.
    void everyToolBarRouteOfTheMainWindowIsInItsMenus() {
        ui::Application program(data.paths());
        program.start();
        QMainWindow* main = program.mainWindow();
        QSet<int> inMenus;
        QList<QAction*> pending = main->menuBar()->actions();
        while (!pending.isEmpty()) {
            QAction* action = pending.takeFirst();
            if (action->menu())
                pending += action->menu()->actions();
            else if (action->property("talvoRoute").isValid())
                inMenus << action->property("talvoRoute").toInt();
        }
        const auto* bar = main->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QVERIFY(bar);
        for (QAction* action : bar->actions()) {
            const QVariant route = action->property("talvoRoute");
            if (route.isValid() && route.toInt() != static_cast<int>(ui::Route::WebSite))
                QVERIFY2(inMenus.contains(route.toInt()), qPrintable(action->toolTip()));
        }
    }

    // A listing that takes the focus lets Tab go on to the next control instead of walking
    // through its cells, which are thousands in the strategy test.
    void tabLeavesEveryListing() {
        ui::Application program(data.paths());
        program.start();
        ui::Navigator& navigator = program.navigator();
        for (auto route : {ui::Route::Statistics, ui::Route::SlipCentre, ui::Route::TipCentre,
                           ui::Route::StrategyTest, ui::Route::ArchiveImport})
            navigator.go(route);
        int listings = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
                if (view->focusPolicy() == Qt::NoFocus || qobject_cast<QListView*>(view) ||
                    qobject_cast<QHeaderView*>(view))
                    continue;
                ++listings;
                QVERIFY2(!view->tabKeyNavigation(), qPrintable(view->objectName()));
            }
        QVERIFY(listings >= 3);
    }

    // Across the whole program: a control that leads somewhere is enabled exactly when its
    // target is there.
    void everyMarkedControlOfTheProgramIsEnabledExactlyWhenItLeadsSomewhere() {
        ui::Application program(data.paths());
        program.start();
        ui::Navigator& navigator = program.navigator();
        const QList<QObject*> marked = markedControls();
        QVERIFY(marked.size() > 20);
        for (QObject* control : marked) {
            const QVariant route = control->property("talvoRoute");
            const bool leads =
                route.isValid() ? navigator.has(static_cast<ui::Route>(route.toInt())) : navigator.hasHelp();
            QVERIFY2(isEnabled(control) == leads, qPrintable(control->objectName()));
        }
        for (auto route : {ui::Route::StartWindow, ui::Route::Statistics, ui::Route::Options,
                           ui::Route::DrawUpdate, ui::Route::SlipCentre, ui::Route::WebSite})
            QVERIFY(navigator.has(route));
        QVERIFY(messages.isEmpty());
    }
};

QTEST_MAIN(NavigatorTest)
#include "test_navigator.moc"

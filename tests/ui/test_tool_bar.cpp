#include "logic/core/error.h"
#include "support/message_capture.h"
#include "ui/common/message_box.h"
#include "ui/common/tool_bar.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace talvo;

class ToolBarTest : public QObject {
    Q_OBJECT

  private slots:
    void entriesShowTheirTextAndRunAsUserActions() {
        QWidget window;
        QToolBar* bar = ui::makeToolBar(&window);
        QCOMPARE(bar->objectName(), QStringLiteral("ToolBar1"));
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);

        int runs = 0;
        QAction* open = ui::addToolAction(bar, QIcon(), QStringLiteral("Öffnen..."),
                                          QStringLiteral("BOeffnen"), [&runs] { ++runs; });
        QAction* save =
            ui::addToolAction(bar, QIcon(), QStringLiteral("&Speichern"), QStringLiteral("BSpeichern"),
                              [] { throw logic::Error(QStringLiteral("Platte voll")); });
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("BOeffnen")), open);
        QCOMPARE(qobject_cast<QToolButton*>(bar->widgetForAction(open))->text(), QStringLiteral("Öffnen..."));
        QCOMPARE(qobject_cast<QToolButton*>(bar->widgetForAction(save))->text(), QStringLiteral("Speichern"));

        open->trigger();
        QCOMPARE(runs, 1);

        // Tab reaches the buttons and Space presses them.
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget* openButton = bar->widgetForAction(open);
        QCOMPARE(openButton->focusPolicy(), Qt::TabFocus);
        openButton->setFocus(Qt::TabFocusReason);
        QTest::keyClick(openButton, Qt::Key_Space);
        QCOMPARE(runs, 2);

        // A failing entry reports its error and leaves the window working.
        test::MessageCapture capture;
        QStringList& shown = capture.texts();
        save->trigger();
        QCOMPARE(shown, QStringList{QStringLiteral("Platte voll")});
        open->trigger();
        QCOMPARE(runs, 3);
    }
};

QTEST_MAIN(ToolBarTest)
#include "test_tool_bar.moc"

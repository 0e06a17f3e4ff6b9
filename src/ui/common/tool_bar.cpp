#include "ui/common/tool_bar.h"

#include "ui/common/user_action.h"

#include <QAction>
#include <QToolBar>

namespace talvo::ui {

QToolBar* makeToolBar(QWidget* window) {
    auto* bar = new QToolBar(window);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize({18, 18});
    return bar;
}

QAction* addToolAction(QToolBar* bar, const QIcon& icon, const QString& text, const QString& name,
                       std::function<void()> handler) {
    QAction* a = bar->addAction(icon, text);
    a->setObjectName(name);
    // Without an icon text of its own the button would drop the "..." of "Öffnen...".
    a->setIconText(QString(text).remove(QLatin1Char('&')));
    // Tool buttons take no focus by themselves; Tab and Space reach the window's commands.
    if (QWidget* button = bar->widgetForAction(a))
        button->setFocusPolicy(Qt::TabFocus);
    if (handler)
        QObject::connect(a, &QAction::triggered, bar,
                         [bar, handler = std::move(handler)] { runAction(bar->window(), handler); });
    return a;
}

} // namespace talvo::ui

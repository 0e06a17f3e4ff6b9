#include "ui/navigation/navigator.h"

#include "ui/common/user_action.h"
#include "ui/navigation/help_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace talvo::ui {

namespace {

const char kRouteMark[] = "talvoRoute";
const char kHelpMark[] = "talvoHelp";
const char kHelpIndexMark[] = "talvoHelpIndex";
const char kBoundMark[] = "talvoBound";
const char kHelpContext[] = "HelpContext";

void setControlEnabled(QObject* control, bool enabled) {
    if (auto* action = qobject_cast<QAction*>(control))
        action->setEnabled(enabled);
    else if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setEnabled(enabled);
}

// Shrinks and moves a window into the free area of the screen, so that on a small screen its
// title bar and tool bar stay reachable. A window whose layout needs more room than the screen
// has keeps its top left corner in view.
void keepOnScreen(QWidget* window, const QScreen* screen) {
    if (!screen)
        return;
    // The window manager's frame is not known before the window is shown: room for a title
    // bar and a thin border.
    const int border = 4;
    const QSize frame(2 * border, window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    const QRect area = screen->availableGeometry();
    window->resize(window->size().boundedTo(area.size() - frame));
    QRect placed(window->pos(), window->size() + frame);
    if (placed.right() > area.right())
        placed.moveRight(area.right());
    if (placed.bottom() > area.bottom())
        placed.moveBottom(area.bottom());
    if (placed.left() < area.left())
        placed.moveLeft(area.left());
    if (placed.top() < area.top())
        placed.moveTop(area.top());
    window->move(placed.topLeft());
}

void mark(QObject* control, const char* name, const QVariant& value) {
    control->setProperty(name, value);
    setControlEnabled(control, false);
}

// The window a control belongs to, for the messages of what it starts.
QWidget* windowOf(QObject* control) {
    for (QObject* o = control; o; o = o->parent()) {
        if (auto* w = qobject_cast<QWidget*>(o))
            return w->window();
    }
    return nullptr;
}

} // namespace

void routeTo(QObject* control, Route route) {
    mark(control, kRouteMark, static_cast<int>(route));
}

void helpFor(QObject* control, int context) {
    mark(control, kHelpMark, context);
}

void helpIndexFor(QObject* control) {
    mark(control, kHelpIndexMark, true);
}

void setHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContext, context);
}

int helpContext(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant context = w->property(kHelpContext);
        if (context.isValid())
            return context.toInt();
    }
    return -1;
}

Navigator::Navigator(QObject* parent) : QObject(parent) {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

Navigator::~Navigator() {
    for (const auto& open : std::as_const(onDemand_))
        delete open->data();
}

void Navigator::addTarget(Route route, Target target) {
    targets_.insert(route, std::move(target));
    refresh();
}

void Navigator::addWindow(Route route, QWidget* window) {
    QPointer<QWidget> w(window);
    addTarget(route, {[this, w] {
                          if (w)
                              present(w);
                      },
                      [w] { return w.data(); }});
    adopt(window);
}

void Navigator::addWindowOnDemand(Route route, std::function<QWidget*()> create) {
    auto open = std::make_shared<QPointer<QWidget>>();
    onDemand_.append(open);
    addTarget(route, {[this, open, create = std::move(create)] {
                          if (!*open) {
                              QWidget* w = create();
                              w->setAttribute(Qt::WA_DeleteOnClose);
                              adopt(w);
                              *open = w;
                          }
                          present(*open);
                      },
                      [open] { return open->data(); }});
}

void Navigator::addAction(Route route, std::function<void()> action) {
    addTarget(route, {std::move(action), {}});
}

bool Navigator::has(Route route) const {
    return targets_.contains(route);
}

QWidget* Navigator::window(Route route) const {
    const auto it = targets_.constFind(route);
    return it != targets_.cend() && it->current ? it->current() : nullptr;
}

void Navigator::adopt(QWidget* window) {
    bind(window);
    for (QObject* child : window->findChildren<QObject*>())
        bind(child);
    refresh();
}

void Navigator::bind(QObject* control) {
    const bool marked = control->property(kRouteMark).isValid() || control->property(kHelpMark).isValid() ||
                        control->property(kHelpIndexMark).isValid();
    if (!marked || control->property(kBoundMark).toBool())
        return;
    control->setProperty(kBoundMark, true);
    controls_.append(control);
    const auto follow = [this, control] {
        QWidget* parent = windowOf(control);
        const QVariant route = control->property(kRouteMark);
        const QVariant help = control->property(kHelpMark);
        runAction(parent, [&] {
            if (route.isValid())
                go(static_cast<Route>(route.toInt()));
            else if (help.isValid())
                showHelp(help.toInt());
            else
                showHelpIndex();
        });
    };
    if (auto* action = qobject_cast<QAction*>(control))
        connect(action, &QAction::triggered, this, follow);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        connect(button, &QAbstractButton::clicked, this, follow);
    else if (auto* label = qobject_cast<QLabel*>(control))
        connect(label, &QLabel::linkActivated, this, follow);
}

void Navigator::refresh() {
    controls_.removeAll(nullptr);
    for (QObject* control : std::as_const(controls_)) {
        const QVariant route = control->property(kRouteMark);
        setControlEnabled(control, route.isValid() ? has(static_cast<Route>(route.toInt())) : hasHelp());
    }
}

void Navigator::go(Route route) {
    const auto it = targets_.constFind(route);
    if (it != targets_.cend())
        it->open();
}

void Navigator::present(QWidget* window) {
    // The first time a tool window appears it is centred over the main window, unless it
    // has placed itself.
    if (!window->property("shownBefore").toBool()) {
        window->setProperty("shownBefore", true);
        if (!window->testAttribute(Qt::WA_Moved) && main_ && main_ != window) {
            if (!window->testAttribute(Qt::WA_Resized))
                window->adjustSize();
            window->move(main_->geometry().center() - window->rect().center());
            keepOnScreen(window, main_->screen());
        }
    }
    ownByMainWindow(window);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// A tool window stays in front of the main window, as windows a program owns do, but never
// in front of other programs or of the questions the main window asks.
void Navigator::ownByMainWindow(QWidget* window) {
    if (!main_ || window == main_ || window->parentWidget())
        return;
    window->winId();
    main_->winId();
    if (QWindow* handle = window->windowHandle())
        handle->setTransientParent(main_->windowHandle());
}

void Navigator::setHelpFiles(const QString& helpFile, const QString& collectionFile) {
    helpFile_ = helpFile;
    collectionFile_ = collectionFile;
    help_.reset();
    refresh();
}

HelpWindow& Navigator::openHelpWindow() {
    // A help file that cannot be opened is reported by the throw, and asked again next time.
    if (!help_)
        help_ = std::make_unique<HelpWindow>(helpFile_, collectionFile_);
    present(help_.get());
    return *help_;
}

void Navigator::showHelp(int context) {
    if (hasHelp())
        openHelpWindow().showContext(context);
}

void Navigator::showHelpIndex() {
    if (hasHelp())
        openHelpWindow().showIndex();
}

bool Navigator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier && watched->isWidgetType()) {
        const int context = helpContext(static_cast<QWidget*>(watched));
        if (context >= 0 && hasHelp()) {
            runAction(static_cast<QWidget*>(watched)->window(), [&] { showHelp(context); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace talvo::ui

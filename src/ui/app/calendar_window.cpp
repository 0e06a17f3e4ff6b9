#include "ui/app/calendar_window.h"

#include "ui/common/clock.h"
#include "ui/navigation/navigator.h"

#include <QAction>
#include <QCalendarWidget>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace talvo::ui {

CalendarWindow::CalendarWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("FKal"));
    setWindowTitle(QStringLiteral("Kalender"));
    setHelpContext(this, 0);

    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction* closeAction = fileMenu->addAction(QStringLiteral("Sch&ließen"));
    closeAction->setObjectName(QStringLiteral("MSchliessen"));
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    QAction* contentsAction = helpMenu->addAction(QStringLiteral("In&halt..."));
    contentsAction->setObjectName(QStringLiteral("MInhalt"));
    helpFor(contentsAction, 0);
    QAction* searchAction = helpMenu->addAction(QStringLiteral("&Suchen..."));
    searchAction->setObjectName(QStringLiteral("MSuchen"));
    helpIndexFor(searchAction);
    helpMenu->addSeparator();
    QAction* info = helpMenu->addAction(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("MInfo"));
    routeTo(info, Route::Info);

    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("MC1"));
    // German month and day names whatever the system's language.
    calendar_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    calendar_->setGridVisible(true);
    calendar_->setSelectedDate(currentDateTime().date());
    setCentralWidget(calendar_);

    resize(sizeHint().expandedTo(QSize(340, 250)));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace talvo::ui

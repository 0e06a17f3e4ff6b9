#include "ui/app/calendar_window.h"

#include "ui/app/navigator.h"
#include "ui/common/clock.h"

#include <QAction>
#include <QCalendarWidget>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace talvo::ui {

TFKal::TFKal(QWidget* parent) : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FKal"));
    setWindowTitle(QStringLiteral("Kalender"));
    setHelpContext(this, 0);

    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction* schliessen = datei->addAction(QStringLiteral("Sch&ließen"));
    schliessen->setObjectName(QStringLiteral("MSchliessen"));
    connect(schliessen, &QAction::triggered, this, &QWidget::close);
    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    QAction* inhalt = hilfe->addAction(QStringLiteral("In&halt ..."));
    inhalt->setObjectName(QStringLiteral("MInhalt"));
    helpFor(inhalt, 0);
    QAction* suchen = hilfe->addAction(QStringLiteral("&Suchen ..."));
    suchen->setObjectName(QStringLiteral("MSuchen"));
    helpIndexFor(suchen);
    hilfe->addSeparator();
    QAction* info = hilfe->addAction(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("MInfo"));
    routeTo(info, Route::Info);

    MC1 = new QCalendarWidget(this);
    MC1->setObjectName(QStringLiteral("MC1"));
    // German month and day names whatever the system's language.
    MC1->setLocale(QLocale(QLocale::German, QLocale::Germany));
    MC1->setFirstDayOfWeek(Qt::Monday);
    MC1->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    MC1->setGridVisible(true);
    MC1->setSelectedDate(currentDateTime().date());
    setCentralWidget(MC1);

    resize(sizeHint().expandedTo(QSize(340, 250)));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace talvo::ui

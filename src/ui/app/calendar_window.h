#pragma once

#include <QMainWindow>

class QCalendarWidget;

namespace talvo::ui {

// "Kalender": a month calendar with ISO week numbers, today selected.
class CalendarWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit CalendarWindow(QWidget* parent = nullptr);

    QCalendarWidget* calendar() const { return calendar_; }

  private:
    QCalendarWidget* calendar_ = nullptr;
};

} // namespace talvo::ui

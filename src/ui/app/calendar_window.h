#pragma once

#include <QMainWindow>

class QCalendarWidget;

namespace talvo::ui {

// "Kalender": a month calendar with ISO week numbers, today selected.
class TFKal : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFKal(QWidget* parent = nullptr);

    QCalendarWidget* calendar() const { return MC1; }

  private:
    QCalendarWidget* MC1 = nullptr;
};

} // namespace talvo::ui

#pragma once

#include <QFrame>

namespace talvo::ui {

// Shown in the main window while no draw is stored: nothing can be evaluated yet, so it
// says how the draws come in (the lottery's archive from a file or from the internet, or
// typed in by hand) and leads to each.
class EmptyHistoryPage : public QFrame {
    Q_OBJECT
  public:
    explicit EmptyHistoryPage(QWidget* parent = nullptr);

  signals:
    // "Gewinnzahlen von Hand eingeben".
    void entryRequested();
};

} // namespace talvo::ui

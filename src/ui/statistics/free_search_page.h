#pragma once

#include "logic/core/number_set.h"

#include <QWidget>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace talvo::logic {
class ProgramState;
}

namespace talvo::ui {

class ResultGrid;

// "Freie Kombis": how often up to ten picked numbers were drawn together, with the hit
// draws and a summary column per search since the program started.
class FreeSearchPage : public QWidget {
    Q_OBJECT
  public:
    // drawCount gives N of the window's draw-count choice (0 = all).
    FreeSearchPage(const logic::ProgramState& state, std::function<int()> drawCount,
                   QWidget* parent = nullptr);

    void toggleNumber(int number);
    void clearPicked();
    void runSearch();
    const logic::NumberSet& picked() const { return picked_; }

  private:
    void showPicked();

    const logic::ProgramState& state_;
    std::function<int()> drawCount_;
    logic::NumberSet picked_;
    int searches_ = 0;
    std::array<QPushButton*, 71> numberButtons_{};
    QLabel* resultHeading_ = nullptr;
    QGroupBox* detailBox_ = nullptr;
    ResultGrid* hitGrid_ = nullptr;
    ResultGrid* summaryGrid_ = nullptr;
};

} // namespace talvo::ui

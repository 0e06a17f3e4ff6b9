#pragma once

#include "logic/core/zahlenmenge.h"

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

    void BLotUrClick(int number);
    void BDelClick();
    void BStartClick();
    const logic::Zahlenmenge& picked() const { return picked_; }

  private:
    void showPicked();

    const logic::ProgramState& state_;
    std::function<int()> drawCount_;
    logic::Zahlenmenge picked_;
    int searches_ = 0;
    std::array<QPushButton*, 71> lot_{};
    QLabel* PKombiTop = nullptr;
    QGroupBox* GR2 = nullptr;
    ResultGrid* g1 = nullptr;
    ResultGrid* g2 = nullptr;
};

} // namespace talvo::ui

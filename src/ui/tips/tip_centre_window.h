#pragma once

#include "logic/tips/tip_generator.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QTabWidget;

namespace talvo::logic {
class ProgramState;
class Statistics;
struct AppPaths;
struct SlipRecord;
} // namespace talvo::logic

namespace talvo::ui {

class CellStrip;

// What the tip centre reaches in other windows.
struct TipCentreLinks {
    // Gives the statistics window the same draw-count choice.
    std::function<void(int drawCountIndex)> selectStatisticsDrawCount;
    // Opens a new slip from the record in the slip centre and shows that window.
    std::function<void(const logic::SlipRecord& record)> openSlip;
};

// "Tippcenter": proposes numbers for up to five games of a slip, drawn from the numbers
// the frequency statistics single out over a chosen number of draws.
class TipCentreWindow : public QWidget {
    Q_OBJECT
  public:
    // statistics: the statistics of the statistics window, whose class sets the tips use.
    TipCentreWindow(logic::ProgramState& state, const logic::AppPaths& paths, logic::Statistics& statistics,
            TipCentreLinks links, QWidget* parent = nullptr);
    ~TipCentreWindow() override;

    // The creation step at program start: takes over the games and the strategy from the
    // options and the statistics window's draw-count choice (-1: none).
    void setUpAtStart(int statisticsDrawCountIndex);

    // Selects a draw-count choice from code; its handler runs when the choice changes.
    void setDrawCountIndex(int index);
    int drawCountIndex() const;
    // The draw-count choice changed (or is to be applied again).
    void applyDrawCountChoice();

    void generateTip();
    void writeTipToSlip();
    void closeTip();
    void closeAllTips();

    // 0 for "--", else the KENO type of game selector 1..5.
    std::array<int, logic::kTipGames> gameTypes() const;
    void setKenoType(int game, int typ);
    int strategy() const;
    void setStrategy(int strategy);
    const logic::TipGenerator& generator() const { return generator_; }

    // The output tabs and the lines of the text in tab i.
    int tipTabCount() const;
    QStringList tipText(int i) const;

  private:
    QWidget* buildToolBar();
    QWidget* buildChoices();
    QWidget* buildClassRows();
    QWidget* buildTipRows();
    QWidget* buildOutput();
    void showClassRows();
    void showTip(const logic::Tip& tip);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    logic::Statistics& statistics_;
    TipCentreLinks links_;
    logic::TipGenerator generator_;
    std::array<QComboBox*, logic::kTipGames> typeCombos_{};
    QButtonGroup* strategyChoice_ = nullptr;
    QButtonGroup* drawCountChoice_ = nullptr;
    std::array<CellStrip*, 6> classStrips_{};
    std::array<QLabel*, logic::kTipGames> gameLabels_{};
    std::array<CellStrip*, logic::kTipGames> tipStrips_{};
    std::array<QLabel*, logic::kTipGames> completedMarks_{};
    QTabWidget* tipTabs_ = nullptr;
};

} // namespace talvo::ui

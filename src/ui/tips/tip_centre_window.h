#pragma once

#include "logic/core/records.h"
#include "logic/tips/tip_generator.h"

#include <QStringList>
#include <QWidget>
#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QTabWidget;

namespace talvo::logic {
class ProgramState;
class StatisticsSelection;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class CellStrip;

// "Tippcenter": proposes numbers for up to five games of a slip, drawn from the numbers
// the frequency statistics single out over a chosen number of draws. The draw-count choice
// and the class sets are the shared selection's, so the statistics window shows the same.
class TipCentreWindow : public QWidget {
    Q_OBJECT
  public:
    TipCentreWindow(logic::ProgramState& state, logic::StatisticsSelection& selection,
                    const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~TipCentreWindow() override;

    // The creation step at program start: takes over the games and the strategy from the
    // options.
    void setUpAtStart();

    // The choice the window shows; -1 while nothing is chosen.
    int drawCountIndex() const;

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

  signals:
    // "Tipp in Spielschein schreiben": the record of a new slip holding the tip.
    void slipWritten(const logic::SlipRecord& record);

  private:
    QWidget* buildToolBar();
    QWidget* buildChoices();
    QWidget* buildClassRows();
    QWidget* buildTipRows();
    QWidget* buildOutput();
    void showDrawCountChoice(int index);
    void showClassRows();
    void showTip(const logic::Tip& tip);

    logic::ProgramState& state_;
    logic::StatisticsSelection& selection_;
    const logic::AppPaths& paths_;
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

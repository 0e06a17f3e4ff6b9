#pragma once

#include "logic/tips/strategy_test.h"

#include <QThreadPool>
#include <QWidget>
#include <memory>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QTableView;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class OddsPanel;
class StrategyTestModel;
class StrategyTestWorker;

// The choices the window starts with: those of the tip centre.
struct StrategyTestPreset {
    int strategy = 0;
    int kenoType = 2;
    int drawCountIndex = 0; // into the draw-count table
    int stakeIndex = 0;
};

// "Strategie-Test": what a strategy's tips would have won on the stored draws, each draw
// played with a tip from the draws before it only, beside random tips and the odds.
class StrategyTestWindow : public QWidget {
    Q_OBJECT
  public:
    StrategyTestWindow(logic::ProgramState& state, const logic::AppPaths& paths,
                       const StrategyTestPreset& preset, QWidget* parent = nullptr);
    ~StrategyTestWindow() override;

    // Runs the test off the window's thread; refused while one runs.
    void startTest();
    void stopTest();
    bool isRunning() const { return worker_ != nullptr; }
    void exportResult();

    // The test the controls describe; the seed is set at each start.
    logic::StrategyTestParameters parameter() const;
    // The last finished test.
    const logic::StrategyTestResult& result() const { return result_; }

  signals:
    void testFinished();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildParameters();
    void finishTest();
    void showResult();
    void setRunning(bool running);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    QThreadPool pool_;
    std::unique_ptr<StrategyTestWorker> worker_;
    logic::StrategyTestParameters runParameters_;
    logic::StrategyTestResult result_;
    QComboBox* strategyCombo_ = nullptr;
    QComboBox* typeCombo_ = nullptr;
    QComboBox* drawCountCombo_ = nullptr;
    QComboBox* stakeCombo_ = nullptr;
    QDateEdit* fromDate_ = nullptr;
    QDateEdit* toDate_ = nullptr;
    QAction* start_ = nullptr;
    QAction* stop_ = nullptr;
    QAction* export_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QLabel* details_ = nullptr;
    QLabel* chanceLabel_ = nullptr; // the strategy against chance
    QLabel* noteLabel_ = nullptr;
    QChartView* balanceView_ = nullptr;
    QChartView* hitsView_ = nullptr;
    QTableView* drawTable_ = nullptr;
    StrategyTestModel* model_ = nullptr;
    OddsPanel* oddsPanel_ = nullptr;
};

} // namespace talvo::ui

#pragma once

#include "logic/evaluation/evaluation_summary.h"

#include <QWidget>
#include <functional>
#include <vector>

class QChartView;
class QLabel;
class QTableWidget;

namespace talvo::ui {

// "Übersicht der Auswertung": what the slips of a range or running-time evaluation staked
// and won, per slip and in total, their hits against the exact odds, and the running
// balance as a chart. Slips ticked in the table join the chart.
class OverviewWindow : public QWidget {
    Q_OBJECT
  public:
    // The running balance of one slip, by its index in the evaluated slips.
    using SlipBalance = std::function<std::vector<logic::BalancePoint>(int slipIndex)>;

    explicit OverviewWindow(QWidget* parent);

    void showSummary(const logic::EvaluationSummary& summary, const QString& title, SlipBalance slipBalance);

    QTableWidget* summaryTable() const { return summaryTable_; }
    QTableWidget* hitsTable() const { return hitsTable_; }
    QChartView* chart() const { return chart_; }
    QLabel* capNote() const { return capNote_; }

  private:
    void showHitsOf(int row);
    void redrawChart();

    std::vector<logic::SlipSummary> slips_;
    std::vector<int> slipIndexes_;
    logic::SlipSummary total_;
    std::vector<logic::BalancePoint> totalBalance_;
    SlipBalance slipBalance_;

    QLabel* title_ = nullptr;
    QLabel* capNote_ = nullptr;
    QTableWidget* summaryTable_ = nullptr;
    QTableWidget* hitsTable_ = nullptr;
    QChartView* chart_ = nullptr;
};

} // namespace talvo::ui

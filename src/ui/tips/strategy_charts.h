#pragma once

class QChartView;
class QWidget;

namespace talvo::logic {
struct StrategyTestResult;
}

namespace talvo::ui {

// The running balance of the strategy and of the random tips over the tested draws.
QChartView* balanceChart(QWidget* parent);
// Observed against expected hit counts, as bars per number of hits.
QChartView* hitsChart(QWidget* parent);

void showBalance(QChartView* view, const logic::StrategyTestResult& result);
void showHits(QChartView* view, const logic::StrategyTestResult& result);

} // namespace talvo::ui

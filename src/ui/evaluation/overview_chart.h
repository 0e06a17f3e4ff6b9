#pragma once

#include <QString>
#include <vector>

class QChartView;
class QWidget;

namespace talvo::logic {
struct BalancePoint;
}

namespace talvo::ui {

// A running balance drawn in the overview's chart, with its expected line.
struct BalanceLine {
    QString name;
    std::vector<logic::BalancePoint> points;
};

// The running balance of an evaluation over its draws ("CSaldo").
QChartView* overviewChart(QWidget* parent);
// Draws each line and, for the first one, the balance the exact odds expect.
void showBalanceLines(QChartView* view, const std::vector<BalanceLine>& lines);

} // namespace talvo::ui

#include "ui/evaluation/overview_chart.h"

#include "logic/core/dates.h"
#include "logic/evaluation/evaluation_summary.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

namespace talvo::ui {

namespace {

constexpr std::array<QRgb, 6> kColours = {0x1C5BC4, 0xC43B1C, 0x2E9D4A, 0x8E44AD, 0xE07B00, 0x5D6D7E};

double chartTime(logic::DaySerial date) {
    return static_cast<double>(QDateTime(logic::serialToDate(date), QTime(12, 0)).toMSecsSinceEpoch());
}

} // namespace

QChartView* overviewChart(QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Saldo nach jeder Ziehung (Euro)"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins({4, 4, 4, 4});
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QStringLiteral("CSaldo"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 260);
    return view;
}

void showBalanceLines(QChartView* view, const std::vector<BalanceLine>& lines) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    if (lines.empty() || lines.front().points.empty())
        return;
    double low = 0;
    double high = 0;
    std::vector<QLineSeries*> series;
    const auto addLine = [&](const QString& name, QRgb colour, Qt::PenStyle style) {
        auto* line = new QLineSeries;
        line->setName(name);
        QPen pen(QColor::fromRgb(colour));
        pen.setWidthF(1.6);
        pen.setStyle(style);
        line->setPen(pen);
        series.push_back(line);
        return line;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QLineSeries* line = addLine(lines[i].name, kColours[i % kColours.size()], Qt::SolidLine);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(lines[i].points.size()));
        for (const logic::BalancePoint& p : lines[i].points) {
            points.append({chartTime(p.date), p.balance});
            low = std::min(low, p.balance);
            high = std::max(high, p.balance);
        }
        line->replace(points);
    }
    QLineSeries* expected =
        addLine(QStringLiteral("Erwartet (%1)").arg(lines.front().name), 0x7F8C8D, Qt::DashLine);
    QList<QPointF> points;
    for (const logic::BalancePoint& p : lines.front().points) {
        points.append({chartTime(p.date), p.expected});
        low = std::min(low, p.expected);
        high = std::max(high, p.expected);
    }
    expected->replace(points);

    for (QLineSeries* line : series)
        chart->addSeries(line);
    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("MM.yyyy"));
    dates->setTickCount(6);
    chart->addAxis(dates, Qt::AlignBottom);
    auto* euro = new QValueAxis;
    const double room = std::max(1.0, (high - low) * 0.05);
    euro->setRange(std::floor(low - room), std::ceil(high + room));
    euro->setLabelFormat(QStringLiteral("%d"));
    euro->applyNiceNumbers();
    chart->addAxis(euro, Qt::AlignLeft);
    for (QLineSeries* line : series) {
        line->attachAxis(dates);
        line->attachAxis(euro);
    }
}

} // namespace talvo::ui

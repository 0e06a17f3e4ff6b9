#include "ui/tips/strategy_charts.h"

#include "logic/core/dates.h"
#include "logic/tips/strategy_test.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace talvo::ui {

namespace {

QChartView* chartView(const QString& name, const QString& title, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins({4, 4, 4, 4});
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 240);
    return view;
}

void clear(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// An axis range with a little room, whole numbers at both ends.
std::pair<double, double> padded(double low, double high) {
    const double room = std::max(1.0, (high - low) * 0.05);
    return {std::floor(low - room), std::ceil(high + room)};
}

} // namespace

QChartView* balanceChart(QWidget* parent) {
    return chartView(QStringLiteral("CVerlauf"), QStringLiteral("Kontostand nach jeder Ziehung (Euro)"),
                     parent);
}

QChartView* hitsChart(QWidget* parent) {
    return chartView(QStringLiteral("CTreffer"),
                     QStringLiteral("Treffer: beobachtet und nach den Quoten erwartet"), parent);
}

void showBalance(QChartView* view, const logic::StrategyTestResult& result) {
    QChart* chart = view->chart();
    clear(chart);
    if (result.draws.empty())
        return;
    auto* strategy = new QLineSeries;
    strategy->setName(QStringLiteral("Ihre Strategie"));
    auto* randomTips = new QLineSeries;
    randomTips->setName(QStringLiteral("Zufall"));
    double low = 0;
    double high = 0;
    for (const logic::TestedDraw& z : result.draws) {
        const auto x =
            static_cast<double>(QDateTime(logic::serialToDate(z.date), QTime(12, 0)).toMSecsSinceEpoch());
        strategy->append(x, static_cast<double>(z.balance));
        randomTips->append(x, static_cast<double>(z.randomBalance));
        low = std::min({low, static_cast<double>(z.balance), static_cast<double>(z.randomBalance)});
        high = std::max({high, static_cast<double>(z.balance), static_cast<double>(z.randomBalance)});
    }
    chart->addSeries(strategy);
    chart->addSeries(randomTips);
    QPen pen = strategy->pen();
    pen.setWidthF(1.6);
    pen.setColor(QColor(0x1C, 0x5B, 0xC4));
    strategy->setPen(pen);
    pen.setColor(QColor(0xE0, 0x7B, 0x00));
    randomTips->setPen(pen);

    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("MM.yyyy"));
    dates->setTickCount(6);
    chart->addAxis(dates, Qt::AlignBottom);
    auto* euro = new QValueAxis;
    const auto [from, to] = padded(low, high);
    euro->setRange(from, to);
    euro->setLabelFormat(QStringLiteral("%d"));
    euro->applyNiceNumbers();
    chart->addAxis(euro, Qt::AlignLeft);
    for (QAbstractSeries* s :
         {static_cast<QAbstractSeries*>(strategy), static_cast<QAbstractSeries*>(randomTips)}) {
        s->attachAxis(dates);
        s->attachAxis(euro);
    }
}

void showHits(QChartView* view, const logic::StrategyTestResult& result) {
    QChart* chart = view->chart();
    clear(chart);
    if (result.draws.empty())
        return;
    auto* observed = new QBarSet(QStringLiteral("Beobachtet"));
    observed->setColor(QColor(0x1C, 0x5B, 0xC4));
    auto* expectedHits = new QBarSet(QStringLiteral("Erwartet"));
    expectedHits->setColor(QColor(0xB0, 0xB8, 0xC4));
    QStringList hitCount;
    double high = 0;
    for (std::size_t h = 0; h < result.hitCount.size(); ++h) {
        *observed << result.hitCount[h];
        *expectedHits << result.expectedHits[h];
        hitCount << QString::number(h);
        high = std::max({high, static_cast<double>(result.hitCount[h]), result.expectedHits[h]});
    }
    auto* series = new QBarSeries;
    series->append(observed);
    series->append(expectedHits);
    chart->addSeries(series);
    auto* hits = new QBarCategoryAxis;
    hits->append(hitCount);
    hits->setTitleText(QStringLiteral("Treffer"));
    chart->addAxis(hits, Qt::AlignBottom);
    auto* count = new QValueAxis;
    count->setRange(0, std::ceil(high * 1.05) + 1);
    count->setLabelFormat(QStringLiteral("%d"));
    count->applyNiceNumbers();
    chart->addAxis(count, Qt::AlignLeft);
    series->attachAxis(hits);
    series->attachAxis(count);
}

} // namespace talvo::ui

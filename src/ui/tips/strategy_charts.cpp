#include "ui/tips/strategy_charts.h"

#include "logic/core/dates.h"
#include "logic/core/format.h"
#include "logic/tips/strategy_test.h"
#include "ui/tips/time_axis_ticks.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QFontMetrics>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <memory>

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

// Marks the count labels among the chart's items.
const QString kBarLabel = QStringLiteral("barLabel");

void clear(QChart* chart) {
    for (QGraphicsItem* item : chart->childItems()) {
        if (item->data(0).toString() == kBarLabel)
            delete item;
    }
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

constexpr double kNoon = 12.0 * 60 * 60 * 1000;
constexpr int kMaxTimeIntervals = 8;

double timeValue(const QDate& day) {
    return static_cast<double>(QDateTime(day, QTime(0, 0)).toMSecsSinceEpoch());
}

// Ticks and labels on whole months or years: an evenly divided axis would put them on
// arbitrary days and label two ticks with the same month.
QCategoryAxis* timeAxis(const QDate& first, const QDate& last) {
    const TimeAxisTicks ticks = timeAxisTicks(first, last, kMaxTimeIntervals);
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const QString format = ticks.yearly ? QStringLiteral("yyyy") : QStringLiteral("MM.yyyy");
    axis->setStartValue(timeValue(ticks.dates.first()));
    for (const QDate& day : ticks.dates)
        axis->append(day.toString(format), timeValue(day));
    axis->setRange(timeValue(ticks.dates.first()), timeValue(ticks.dates.last()));
    return axis;
}

// Observed counts are whole, expected ones get a decimal: 0,4 expected 5-hit draws say more
// than 0.
QString barText(int set, double value) {
    return set == 0 ? logic::formatNumber(value, 0) : logic::formatNumber(value, 1);
}

// A count above each bar, kept in place when the plot area moves or resizes. Drawn by hand:
// the chart's own bar labels stay where the first layout put them.
void labelBars(QChart* chart, QBarSeries* series) {
    struct Label {
        QGraphicsSimpleTextItem* item;
        QPointF top; // bar centre and height in axis values
    };
    auto labels = std::make_shared<QList<Label>>();
    const QList<QBarSet*> sets = series->barSets();
    const double setWidth = series->barWidth() / sets.size();
    for (int s = 0; s < sets.size(); ++s) {
        for (int i = 0; i < sets[s]->count(); ++i) {
            auto* item = new QGraphicsSimpleTextItem(barText(s, sets[s]->at(i)), chart);
            item->setData(0, kBarLabel);
            item->setZValue(10);
            const double centre = i - series->barWidth() / 2 + setWidth * (s + 0.5);
            labels->append({item, QPointF(centre, sets[s]->at(i))});
        }
    }
    const auto place = [chart, series, labels] {
        for (const Label& label : *labels) {
            const QPointF top = chart->mapToPosition(label.top, series);
            const QRectF box = label.item->boundingRect();
            label.item->setPos(top.x() - box.width() / 2, top.y() - box.height() - 1);
        }
    };
    QObject::connect(chart, &QChart::plotAreaChanged, series, place);
    place();
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
        const double x = timeValue(logic::serialToDate(z.date)) + kNoon;
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

    auto* dates = timeAxis(logic::serialToDate(result.draws.front().date),
                           logic::serialToDate(result.draws.back().date));
    chart->addAxis(dates, Qt::AlignBottom);
    // The last tick's label is centred on the plot's right edge; half of it needs room beside.
    QMargins margins = chart->margins();
    margins.setRight(
        QFontMetrics(dates->labelsFont()).horizontalAdvance(dates->categoriesLabels().last()) / 2 + 4);
    chart->setMargins(margins);
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
    // Room above the highest bar for its label.
    count->setRange(0, std::ceil(high * 1.12) + 1);
    count->setLabelFormat(QStringLiteral("%d"));
    count->applyNiceNumbers();
    chart->addAxis(count, Qt::AlignLeft);
    series->attachAxis(hits);
    series->attachAxis(count);
    // The rare high hit counts make bars too short to see beside the common ones; their
    // numbers stand above them.
    labelBars(chart, series);
}

} // namespace talvo::ui

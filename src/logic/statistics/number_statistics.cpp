#include "logic/statistics/number_statistics.h"

#include "logic/core/format.h"
#include "logic/statistics/draw_window.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace talvo::logic {

namespace {

struct KindTable {
    int items;
    double variance; // p(1 - p)
};

KindTable table(StatisticKind kind) {
    switch (kind) {
    case StatisticKind::Numbers:
        return {70, 69.0 / 4900.0};
    case StatisticKind::FinalDigits:
        return {10, 9.0 / 100.0};
    case StatisticKind::Tens:
        return {7, 6.0 / 49.0};
    }
    return {70, 69.0 / 4900.0};
}

int itemOf(StatisticKind kind, int n) {
    switch (kind) {
    case StatisticKind::Numbers:
        return n;
    case StatisticKind::FinalDigits:
        return n % 10 + 1;
    case StatisticKind::Tens:
        return (n - 1) / 10 + 1;
    }
    return n;
}

// Nearest integer, halves to the even neighbour (the default rounding mode).
int roundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

QString range(int from, int to) {
    return QStringLiteral("%1 bis %2").arg(from).arg(to);
}

} // namespace

int itemCount(StatisticKind kind) {
    return table(kind).items;
}

Expectation expectation(StatisticKind kind, int w) {
    const KindTable kindTable = table(kind);
    const int numberCount = 20 * w;
    return {static_cast<double>(numberCount) / kindTable.items, std::sqrt(numberCount * kindTable.variance)};
}

std::array<int, 6> computeThresholds(double mu, double sigma) {
    std::array<int, 6> thresholds{};
    for (int i = 1; i <= 3; ++i) {
        const double d = i * sigma;
        thresholds[static_cast<std::size_t>(3 - i)] = roundEven(mu + d);
        thresholds[static_cast<std::size_t>(2 + i)] = roundEven(mu - d);
    }
    int& T1 = thresholds[0];
    int& T2 = thresholds[1];
    int& T3 = thresholds[2];
    int& T4 = thresholds[3];
    int& T5 = thresholds[4];
    int& T6 = thresholds[5];
    T4 = std::max(T4, 0);
    T5 = std::max(T5, 0);
    T6 = std::max(T6, 0);
    if (T5 > 0 && T5 == T6)
        ++T5;
    if (T4 > 0 && T4 == T5)
        ++T4;
    if (T1 == T2)
        --T1;
    if (T2 == T3)
        ++T3;
    return thresholds;
}

int classify(int x, const std::array<int, 6>& thresholds) {
    const int T1 = thresholds[0], T2 = thresholds[1], T3 = thresholds[2], T4 = thresholds[3],
              T5 = thresholds[4], T6 = thresholds[5];
    if (T4 <= x && x < T3)
        return 4;
    if (T5 <= x && x < T4)
        return 5;
    if (T6 <= x && x < T5)
        return 6;
    if (x < T6)
        return 7;
    if (T3 <= x && x < T2)
        return 3;
    if (T2 <= x && x <= T1)
        return 2;
    if (x > T1)
        return 1;
    return 0;
}

std::array<QString, 7> classRangeTexts(const std::array<int, 6>& thresholds) {
    const int T1 = thresholds[0], T2 = thresholds[1], T3 = thresholds[2], T4 = thresholds[3],
              T5 = thresholds[4], T6 = thresholds[5];
    const QString irrelevant = QStringLiteral("irrelevant");
    std::array<QString, 7> rangeTexts;
    rangeTexts[0] = QStringLiteral("> %1").arg(T1);
    rangeTexts[1] = range(T2, T1);
    rangeTexts[2] = range(T3, T2 - 1);
    rangeTexts[3] = range(T4, T3 - 1);
    rangeTexts[4] = range(T4 - 1, T5);
    rangeTexts[5] = (T4 == 1 || T5 == 0) ? irrelevant : range(T5 - 1, T6);
    rangeTexts[6] = (T5 == 1 || T5 == 0 || T6 <= 0) ? irrelevant : QStringLiteral("< %1").arg(T6);
    return rangeTexts;
}

std::array<QString, 7> ascendingRangeTexts(const std::array<int, 6>& thresholds) {
    std::array<QString, 7> texts = classRangeTexts(thresholds);
    for (QString& text : texts) {
        const QStringList bounds = text.split(QStringLiteral(" bis "));
        if (bounds.size() != 2)
            continue;
        const int a = bounds[0].toInt();
        const int b = bounds[1].toInt();
        text = range(std::min(a, b), std::max(a, b));
    }
    return texts;
}

std::vector<int> itemNumbers(StatisticKind kind, int item) {
    std::vector<int> numbers;
    for (int n = 1; n <= 70; ++n)
        if (itemOf(kind, n) == item)
            numbers.push_back(n);
    return numbers;
}

FrequencyResult frequencyStatistic(StatisticKind kind, const DrawHistory& history, int n,
                                   ClassSets& classSets) {
    const KindTable kindTable = table(kind);
    FrequencyResult r;
    r.kind = kind;
    r.occurrences.assign(static_cast<std::size_t>(kindTable.items), 0);
    const std::vector<int> window = windowPositions(history, n);
    r.drawCount = static_cast<int>(window.size());
    r.numberCount = 20 * r.drawCount;
    for (int pos : window) {
        for (auto number : history[static_cast<std::size_t>(pos)].GZ) {
            if (number >= 1 && number <= 70) // anything else is no KENO number
                ++r.occurrences[static_cast<std::size_t>(itemOf(kind, number) - 1)];
        }
    }
    const Expectation e = expectation(kind, r.drawCount);
    r.mu = e.mu;
    r.sigma = e.sigma;
    r.thresholds = computeThresholds(r.mu, r.sigma);
    r.rangeTexts = classRangeTexts(r.thresholds);
    r.legendTexts = ascendingRangeTexts(r.thresholds);
    r.itemClass.reserve(r.occurrences.size());
    for (int item = 1; item <= kindTable.items; ++item) {
        const int itemClass = classify(r.occurrences[static_cast<std::size_t>(item - 1)], r.thresholds);
        r.itemClass.push_back(itemClass);
        if (const int level = levelOfClass(itemClass); level > 0) {
            for (int number : itemNumbers(kind, item))
                classSets.at(static_cast<int>(kind), level).insert(number);
        }
    }
    r.heading = QStringLiteral("Auswertung für %1 Ziehungen (%2 Zahlen)").arg(r.drawCount).arg(r.numberCount);
    r.legend = QStringLiteral("%1 Zahlen").arg(r.numberCount);
    r.meanText = formatNumber(r.mu, 1);
    return r;
}

FrequencyResult numberStatistic(const DrawHistory& history, int n, ClassSets& classSets) {
    return frequencyStatistic(StatisticKind::Numbers, history, n, classSets);
}

FrequencyResult finalDigitStatistic(const DrawHistory& history, int n, ClassSets& classSets) {
    return frequencyStatistic(StatisticKind::FinalDigits, history, n, classSets);
}

FrequencyResult tensStatistic(const DrawHistory& history, int n, ClassSets& classSets) {
    return frequencyStatistic(StatisticKind::Tens, history, n, classSets);
}

std::vector<int> frequencyOrder(const std::vector<int>& counts) {
    std::vector<int> order;
    if (counts.size() < 70)
        return order;
    order.reserve(70);
    int v = *std::min_element(counts.begin(), counts.begin() + 70);
    while (order.size() < 70) {
        for (int n = 1; n <= 70; ++n)
            if (counts[static_cast<std::size_t>(n - 1)] == v)
                order.push_back(n);
        ++v;
    }
    return order;
}

} // namespace talvo::logic

#include "logic/statistics/number_frequency_test.h"

#include "logic/core/format.h"
#include "logic/statistics/chi_square.h"

#include <QStringList>
#include <cmath>

namespace talvo::logic {

NumberFrequencyTest testNumberFrequencies(const std::vector<int>& counts, int drawCount) {
    NumberFrequencyTest t;
    t.drawCount = drawCount;
    t.zScores.assign(70, 0.0);
    if (drawCount <= 0 || counts.size() < 70)
        return t;
    const double expected = 20.0 * drawCount / 70.0;
    const double spread = std::sqrt(drawCount * (2.0 / 7.0) * (5.0 / 7.0));
    double sum = 0.0;
    for (std::size_t i = 0; i < 70; ++i) {
        const double diff = counts[i] - expected;
        sum += diff * diff / expected;
        t.zScores[i] = diff / spread;
    }
    t.statistic = 69.0 / 50.0 * sum;
    t.pValue = chiSquareUpperTail(t.statistic, t.degrees);
    return t;
}

double unusualNumberLimit() {
    static const double limit = sidakLimit(70, 0.05);
    return limit;
}

bool isUnusualNumber(double z) {
    return std::fabs(z) > unusualNumberLimit();
}

QString chanceText(double chance) {
    const double percent = 100.0 * chance;
    if (percent < 0.5)
        return QStringLiteral("weniger als 1 %");
    if (percent > 99.5)
        return QStringLiteral("mehr als 99 %");
    return QStringLiteral("%1 %").arg(static_cast<int>(std::lround(percent)));
}

QString numberFrequencyTestSentence(const NumberFrequencyTest& test) {
    if (test.drawCount <= 0)
        return QStringLiteral("Ohne Ziehungen gibt es keine Abweichung zu prüfen.");
    return QStringLiteral(
               "Eine so große Abweichung entsteht bei %1 Ziehungen auch rein zufällig in %2 der Fälle.")
        .arg(formatNumber(test.drawCount, 0), chanceText(test.pValue));
}

QString unusualNumbersSentence(const NumberFrequencyTest& test) {
    QStringList numbers;
    for (std::size_t i = 0; i < test.zScores.size(); ++i)
        if (isUnusualNumber(test.zScores[i]))
            numbers << QString::number(i + 1);
    const QString limit = formatNumber(unusualNumberLimit(), 2);
    if (numbers.isEmpty())
        return QStringLiteral("Keine Zahl weicht so weit ab, dass es bei 70 Zahlen mehr als Zufall sein "
                              "müsste (|z| über %1).")
            .arg(limit);
    return QStringLiteral("Auffällig (|z| über %1, bei 70 Zahlen nur in 5 % der Fälle zufällig): %2.")
        .arg(limit, numbers.join(QStringLiteral(", ")));
}

} // namespace talvo::logic

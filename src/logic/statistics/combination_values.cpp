#include "logic/statistics/combination_values.h"

#include "logic/core/format.h"

namespace talvo::logic {

std::int64_t combinationsOf70(int k) {
    switch (k) {
    case 2:
        return 2415;
    case 3:
        return 54740;
    case 4:
        return 916895;
    }
    return 0;
}

std::int64_t combinationsOf20(int k) {
    switch (k) {
    case 2:
        return 190;
    case 3:
        return 1140;
    case 4:
        return 4845;
    }
    return 0;
}

QString expectedValueText(int k, int w) {
    const std::int64_t all = combinationsOf70(k);
    const double e = all > 0 ? static_cast<double>(combinationsOf20(k) * w) / static_cast<double>(all) : 0.0;
    return QStringLiteral("Erwartungswert: ") + formatNumber(e, 2);
}

QString checkCountText(int k, int w) {
    return QStringLiteral("Prüfroutinen: ") + formatNumber(static_cast<double>(w * combinationsOf70(k)), 0);
}

QString durationText(std::int64_t milliseconds) {
    const std::int64_t tenths = milliseconds / 100;
    const std::int64_t seconds = milliseconds / 1000;
    return QStringLiteral("Dauer: %1:%2:%3,%4")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

} // namespace talvo::logic

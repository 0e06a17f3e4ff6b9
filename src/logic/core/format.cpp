#include "logic/core/format.h"

#include <QLocale>

#include <cmath>

namespace talvo::logic {

namespace {

QLocale germanLocale(bool grouped) {
    QLocale german(QLocale::German, QLocale::Germany);
    if (!grouped)
        german.setNumberOptions(QLocale::OmitGroupSeparator);
    return german;
}

QString formatGerman(const QLocale& german, double value, int decimals) {
    // A value that rounds to zero is shown as "0,00", never as a loss of "-0,00".
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0.0;
    return german.toString(value, 'f', decimals);
}

} // namespace

QString formatNumber(double value, int decimals) {
    static const QLocale german = germanLocale(true);
    return formatGerman(german, value, decimals);
}

QString formatNumberUngrouped(double value, int decimals) {
    static const QLocale german = germanLocale(false);
    return formatGerman(german, value, decimals);
}

QString formatInteger(long long value) {
    return QString::number(value);
}

} // namespace talvo::logic

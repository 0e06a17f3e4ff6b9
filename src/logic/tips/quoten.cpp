#include "logic/tips/quoten.h"

#include "logic/core/tables.h"

#include <cmath>

namespace talvo::logic {

namespace {

std::int64_t binomial(int n, int k) {
    if (k < 0 || k > n)
        return 0;
    std::int64_t c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i; // C(n - k + i, i) after each step, always whole
    return c;
}

// Numerator and denominator stay far below 2^53 for every type, so both are exact as
// doubles and one division rounds the fraction once.
double bruch(std::int64_t zaehler, std::int64_t nenner) {
    return static_cast<double>(zaehler) / static_cast<double>(nenner);
}

} // namespace

TypQuoten Quoten(int typ) {
    TypQuoten q;
    q.typ = typ;
    q.alle = binomial(70, typ);
    for (int h = 0; h <= typ; ++h) {
        q.wege.push_back(binomial(20, h) * binomial(50, typ - h));
        q.faktor.push_back(payoutFactor(typ, h));
    }
    return q;
}

double TypQuoten::wahrscheinlichkeit(int h) const {
    return h >= 0 && h < static_cast<int>(wege.size()) ? bruch(wege[static_cast<std::size_t>(h)], alle) : 0.0;
}

double TypQuoten::rueckfluss() const {
    std::int64_t summe = 0;
    for (std::size_t h = 0; h < wege.size(); ++h)
        summe += wege[h] * faktor[h];
    return bruch(summe, alle);
}

double TypQuoten::gewinnchance() const {
    std::int64_t summe = 0;
    for (std::size_t h = 0; h < wege.size(); ++h)
        if (faktor[h] > 0)
            summe += wege[h];
    return bruch(summe, alle);
}

double TypQuoten::gewinnchanceIn(int ziehungen) const {
    if (ziehungen <= 0)
        return 0.0;
    // 1 - (1 - p)^n, without losing the small chances of few draws to rounding.
    return -std::expm1(ziehungen * std::log1p(-gewinnchance()));
}

} // namespace talvo::logic

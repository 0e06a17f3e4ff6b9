#include "logic/statistics/number_statistics.h"

#include "logic/core/format.h"
#include "logic/statistics/draw_window.h"

#include <algorithm>
#include <cmath>

namespace talvo::logic {

namespace {

struct KindTable {
    int items;
    double variance; // p(1 - p)
};

KindTable table(StatArt art) {
    switch (art) {
    case StatArt::Zahlen:
        return {70, 69.0 / 4900.0};
    case StatArt::Endzahlen:
        return {10, 9.0 / 100.0};
    case StatArt::Zehner:
        return {7, 6.0 / 49.0};
    }
    return {70, 69.0 / 4900.0};
}

int itemOf(StatArt art, int n) {
    switch (art) {
    case StatArt::Zahlen:
        return n;
    case StatArt::Endzahlen:
        return n % 10 + 1;
    case StatArt::Zehner:
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

int itemAnzahl(StatArt art) {
    return table(art).items;
}

Erwartung erwartung(StatArt art, int w) {
    const KindTable kind = table(art);
    const int M = 20 * w;
    return {static_cast<double>(M) / kind.items, std::sqrt(M * kind.variance)};
}

std::array<int, 6> schwellen(double mu, double sigma) {
    std::array<int, 6> T{};
    for (int i = 1; i <= 3; ++i) {
        const double d = i * sigma;
        T[static_cast<std::size_t>(3 - i)] = roundEven(mu + d);
        T[static_cast<std::size_t>(2 + i)] = roundEven(mu - d);
    }
    int& T1 = T[0];
    int& T2 = T[1];
    int& T3 = T[2];
    int& T4 = T[3];
    int& T5 = T[4];
    int& T6 = T[5];
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
    return T;
}

int klassifizieren(int x, const std::array<int, 6>& T) {
    const int T1 = T[0], T2 = T[1], T3 = T[2], T4 = T[3], T5 = T[4], T6 = T[5];
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

std::array<QString, 7> bereichsTexte(const std::array<int, 6>& T) {
    const int T1 = T[0], T2 = T[1], T3 = T[2], T4 = T[3], T5 = T[4], T6 = T[5];
    const QString irrelevant = QStringLiteral("irrelevant");
    std::array<QString, 7> R;
    R[0] = QStringLiteral("> %1").arg(T1);
    R[1] = range(T2, T1);
    R[2] = range(T3, T2 - 1);
    R[3] = range(T4, T3 - 1);
    R[4] = range(T4 - 1, T5);
    R[5] = (T4 == 1 || T5 == 0) ? irrelevant : range(T5 - 1, T6);
    R[6] = (T5 == 1 || T5 == 0 || T6 <= 0) ? irrelevant : QStringLiteral("< %1").arg(T6);
    return R;
}

std::vector<int> itemZahlen(StatArt art, int item) {
    std::vector<int> numbers;
    for (int n = 1; n <= 70; ++n)
        if (itemOf(art, n) == item)
            numbers.push_back(n);
    return numbers;
}

StatErgebnis frequencyStatistic(StatArt art, const DrawHistory& history, int n, TKlassenMengen& mengen) {
    const KindTable kind = table(art);
    StatErgebnis r;
    r.art = art;
    r.anzahl.assign(static_cast<std::size_t>(kind.items), 0);
    const std::vector<int> window = fensterPositionen(history, n);
    r.W = static_cast<int>(window.size());
    r.M = 20 * r.W;
    for (int pos : window) {
        for (auto number : history[static_cast<std::size_t>(pos)].GZ) {
            if (number >= 1 && number <= 70) // anything else is no KENO number
                ++r.anzahl[static_cast<std::size_t>(itemOf(art, number) - 1)];
        }
    }
    const Erwartung e = erwartung(art, r.W);
    r.mu = e.mu;
    r.sigma = e.sigma;
    r.T = schwellen(r.mu, r.sigma);
    r.R = bereichsTexte(r.T);
    r.klasse.reserve(r.anzahl.size());
    for (int item = 1; item <= kind.items; ++item) {
        const int klasse = klassifizieren(r.anzahl[static_cast<std::size_t>(item - 1)], r.T);
        r.klasse.push_back(klasse);
        if (const int level = klassenStufe(klasse); level > 0) {
            for (int number : itemZahlen(art, item))
                mengen.at(static_cast<int>(art), level).insert(number);
        }
    }
    r.ueberschrift = QStringLiteral("Auswertung für %1 Ziehungen (%2 Zahlen)").arg(r.W).arg(r.M);
    r.legende = QStringLiteral("%1 Zahlen").arg(r.M);
    r.mittel = formatNumber(r.mu, 1);
    return r;
}

StatErgebnis StatZahlen(const DrawHistory& history, int n, TKlassenMengen& mengen) {
    return frequencyStatistic(StatArt::Zahlen, history, n, mengen);
}

StatErgebnis StatEndzahlen(const DrawHistory& history, int n, TKlassenMengen& mengen) {
    return frequencyStatistic(StatArt::Endzahlen, history, n, mengen);
}

StatErgebnis StatZehner(const DrawHistory& history, int n, TKlassenMengen& mengen) {
    return frequencyStatistic(StatArt::Zehner, history, n, mengen);
}

std::vector<int> haeufigkeitsOrdnung(const std::vector<int>& counts) {
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

#include "logic/statistics/free_search.h"

#include "logic/core/format.h"
#include "logic/statistics/draw_window.h"

#include <QStringList>

namespace talvo::logic {

bool togglePick(NumberSet& picked, int n) {
    if (n < 1 || n > 70)
        return false;
    if (picked.contains(n)) {
        picked.remove(n);
        return true;
    }
    if (picked.count() >= kMaxPickedNumbers)
        return false;
    picked.insert(n);
    return true;
}

FreeSearchResult freeSearch(const DrawHistory& history, const NumberSet& picked, int n) {
    FreeSearchResult r;
    const std::vector<int> window = windowPositions(history, n);
    r.drawCount = static_cast<int>(window.size());
    for (auto it = window.rbegin(); it != window.rend(); ++it) {
        const DrawRecord& d = history[static_cast<std::size_t>(*it)];
        NumberSet common = drawSet(d);
        for (std::size_t w = 0; w < common.words.size(); ++w)
            common.words[w] &= picked.words[w];
        if (common == picked)
            r.hits.push_back({*it, d.datum});
    }
    return r;
}

const std::array<QString, 6>& summaryRowLabels() {
    static const std::array<QString, 6> labels = {
        QStringLiteral("Suche"),         QStringLiteral("Kombi-Typ"),   QStringLiteral("Kombi-Zahlen"),
        QStringLiteral("Ausspielungen"), QStringLiteral("Aufgetreten"), QStringLiteral("Chance")};
    return labels;
}

QString numbersText(const NumberSet& numbers) {
    QStringList parts;
    for (auto n : toNumberList(numbers, 10, 70))
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

std::array<QString, 6> summaryColumn(int searchNumber, const NumberSet& picked,
                                     const FreeSearchResult& result) {
    const int m = picked.count();
    const double odds =
        m >= 1 && m <= kMaxPickedNumbers ? kCombinationOdds[static_cast<std::size_t>(m)] : 0.0;
    return {QString::number(searchNumber),
            QString::number(m),
            numbersText(picked),
            QString::number(result.drawCount),
            QString::number(result.hits.size()),
            formatNumber(odds > 0.0 ? result.drawCount / odds : 0.0, 2)};
}

} // namespace talvo::logic

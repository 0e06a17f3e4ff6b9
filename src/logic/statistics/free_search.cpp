#include "logic/statistics/free_search.h"

#include "logic/core/format.h"
#include "logic/statistics/draw_window.h"

#include <QStringList>

namespace talvo::logic {

bool auswahlUmschalten(Zahlenmenge& picked, int n) {
    if (n < 1 || n > 70)
        return false;
    if (picked.contains(n)) {
        picked.remove(n);
        return true;
    }
    if (picked.count() >= kMaxGesuchteZahlen)
        return false;
    picked.insert(n);
    return true;
}

FreieSucheErgebnis FreieSuche(const DrawHistory& history, const Zahlenmenge& picked, int n) {
    FreieSucheErgebnis r;
    const std::vector<int> window = fensterPositionen(history, n);
    r.W = static_cast<int>(window.size());
    for (auto it = window.rbegin(); it != window.rend(); ++it) {
        const TKenoZahlen& d = history[static_cast<std::size_t>(*it)];
        Zahlenmenge common = ziehungsMenge(d);
        for (std::size_t w = 0; w < common.words.size(); ++w)
            common.words[w] &= picked.words[w];
        if (common == picked)
            r.treffer.push_back({*it, d.datum});
    }
    return r;
}

const std::array<QString, 6>& zusammenfassungsZeilen() {
    static const std::array<QString, 6> labels = {
        QStringLiteral("Suche"),         QStringLiteral("Kombi-Typ"),   QStringLiteral("Kombi-Zahlen"),
        QStringLiteral("Ausspielungen"), QStringLiteral("Aufgetreten"), QStringLiteral("Chance")};
    return labels;
}

QString zahlenText(const Zahlenmenge& numbers) {
    QStringList parts;
    for (auto n : MengeZuListe(numbers, 10, 70))
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

std::array<QString, 6> zusammenfassung(int suche, const Zahlenmenge& picked,
                                       const FreieSucheErgebnis& ergebnis) {
    const int m = picked.count();
    const double quote = m >= 1 && m <= kMaxGesuchteZahlen ? KombiQuoten[static_cast<std::size_t>(m)] : 0.0;
    return {QString::number(suche),
            QString::number(m),
            zahlenText(picked),
            QString::number(ergebnis.W),
            QString::number(ergebnis.treffer.size()),
            formatNumber(quote > 0.0 ? ergebnis.W / quote : 0.0, 2)};
}

} // namespace talvo::logic

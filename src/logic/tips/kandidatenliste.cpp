#include "logic/tips/kandidatenliste.h"

#include "logic/statistics/klassen.h"

#include <array>

namespace talvo::logic {

namespace {

// The most any strategy appends: each number 6 times through its numbers class and
// 3 times each through its final digit and its tens, under both strategies together.
constexpr std::size_t kHoechstens = 2 * 70 * (6 + 3 + 3);

// Levels from the furthest to the nearest to the mean, with the weight each gives a
// number of kind 1; kinds 2 and 3 give half of it.
struct Stufe {
    int level;
    int gewicht;
};
constexpr std::array<Stufe, 3> kRestantenStufen = {{{3, 6}, {2, 4}, {1, 2}}};
constexpr std::array<Stufe, 3> kFavoritenStufen = {{{6, 6}, {5, 4}, {4, 2}}};

void anhaengen(const TKlassenMengen& mengen, const std::array<Stufe, 3>& stufen, Kandidatenliste& liste) {
    for (int kind = 1; kind <= 3; ++kind)
        for (const Stufe& s : stufen) {
            const int w = kind == 1 ? s.gewicht : s.gewicht / 2;
            const Zahlenmenge& set = mengen.at(kind, s.level);
            for (int n = 1; n <= 70; ++n)
                if (set.contains(n))
                    liste.insert(liste.end(), static_cast<std::size_t>(w), static_cast<std::uint8_t>(n));
        }
}

} // namespace

QString strategieName(int strategie) {
    switch (strategie) {
    case kRestanten:
        return QStringLiteral("Auswahl nur aus Restanten");
    case kFavoriten:
        return QStringLiteral("Auswahl nur aus Favoriten");
    case kRestantenUndFavoriten:
        return QStringLiteral("Auswahl aus Restanten und Favoriten");
    case kZufall:
        return QStringLiteral("Auswahl aus 70 Zahlen per Zufall");
    }
    return {};
}

Kandidatenliste KandidatenlisteBilden(const TKlassenMengen& mengen, int strategie) {
    Kandidatenliste liste;
    liste.reserve(kHoechstens);
    if (strategie == kRestanten || strategie == kRestantenUndFavoriten)
        anhaengen(mengen, kRestantenStufen, liste);
    if (strategie == kFavoriten || strategie == kRestantenUndFavoriten)
        anhaengen(mengen, kFavoritenStufen, liste);
    if (strategie == kZufall)
        for (int n = 1; n <= 70; ++n)
            liste.push_back(static_cast<std::uint8_t>(n));
    return liste;
}

} // namespace talvo::logic

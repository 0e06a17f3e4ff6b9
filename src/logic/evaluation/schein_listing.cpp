#include "logic/evaluation/schein_listing.h"

#include "logic/core/records.h"
#include "logic/core/tables.h"

namespace talvo::logic {

const ListingZeile& listingKopf() {
    static const ListingZeile kopf = [] {
        ListingZeile k;
        k[0] = QStringLiteral("Tipp");
        k[1] = QStringLiteral("Schein");
        k[2] = QStringLiteral("K-Typ");
        for (int j = 1; j <= 10; ++j)
            k[2 + j] = QString::number(j);
        k[13] = QStringLiteral("plus 5");
        k[14] = QStringLiteral("Einsatz");
        k[15] = QStringLiteral("Ziehungen");
        k[16] = QStringLiteral("ab");
        k[17] = QStringLiteral("Tippgemeinschaft");
        return k;
    }();
    return kopf;
}

const std::array<int, kListingSpalten>& listingBreiten() {
    static const std::array<int, kListingSpalten> breiten = {35, 45, 40, 20, 20, 20, 20, 20, 20,
                                                             20, 20, 20, 20, 40, 45, 65, 60, 110};
    return breiten;
}

std::vector<ListingZeile> ScheinListing(std::span<const TGetippt> scheine) {
    std::vector<ListingZeile> zeilen;
    int r = 0;
    for (const TGetippt& s : scheine) {
        bool ersteZeile = true;
        for (int f = 0; f < TGetippt::kFelder; ++f) {
            const int typ = s.typ[f];
            if (typ < 2 || typ > kMaxTyp)
                continue;
            ListingZeile& z = zeilen.emplace_back();
            z[0] = QString::number(++r);
            z[2] = QString::number(typ);
            for (int j = 0; j < pickCount(typ); ++j)
                z[3 + j] = QString::number(s.typZ[f][j]);
            if (ersteZeile) {
                ersteZeile = false;
                z[1] = s.name.text();
                z[13] = s.spieltPlus5() ? s.plus5.text() : QStringLiteral("nein");
                // Indices outside the tables leave their cell empty.
                if (const int euro = stakeEuro(s.einsatz); euro > 0)
                    z[14] = QString::number(euro);
                if (const int draws = durationDraws(s.dauer); draws == 0)
                    z[15] = QStringLiteral("Dauer");
                else if (draws > 0)
                    z[15] = QString::number(draws);
                z[16] = serialToText(s.ab);
            }
        }
    }
    return zeilen;
}

} // namespace talvo::logic

#include "logic/evaluation/slip_listing.h"

#include "logic/core/printable_text.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"

namespace talvo::logic {

const ListingRow& listingHeader() {
    static const ListingRow header = [] {
        ListingRow k;
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
    return header;
}

const std::array<int, kListingColumns>& listingColumnWidths() {
    static const std::array<int, kListingColumns> widths = {35, 45, 40, 20, 20, 20, 20, 20, 20,
                                                            20, 20, 20, 20, 40, 45, 65, 60, 110};
    return widths;
}

std::vector<ListingRow> buildSlipListing(std::span<const SlipRecord> slips) {
    std::vector<ListingRow> rows;
    int r = 0;
    for (const SlipRecord& s : slips) {
        bool firstRow = true;
        for (int f = 0; f < SlipRecord::kFields; ++f) {
            const int typ = s.typ[f];
            if (typ < 2 || typ > kMaxType)
                continue;
            ListingRow& z = rows.emplace_back();
            z[0] = QString::number(++r);
            z[2] = QString::number(typ);
            for (int j = 0; j < pickCount(typ); ++j)
                z[3 + j] = QString::number(s.typZ[f][j]);
            if (firstRow) {
                firstRow = false;
                z[1] = printableText(s.name.text());
                z[13] = s.playsPlus5() ? printableText(s.plus5.text()) : QStringLiteral("nein");
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
    return rows;
}

} // namespace talvo::logic

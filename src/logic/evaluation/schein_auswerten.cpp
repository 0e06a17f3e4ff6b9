#include "logic/evaluation/schein_auswerten.h"

#include "logic/core/error.h"
#include "logic/core/hits.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/evaluation/ergebnistabelle.h"
#include "logic/evaluation/plus5_klasse.h"

namespace talvo::logic {

void ScheinAuswerten(Ergebnistabelle& tabelle, const Zahlenmenge& ziehung, const QString& ziehungPlus5,
                     const TGetippt& schein, AuswertStand& stand) {
    const std::int32_t e = stakeEuro(schein.einsatz);
    std::int32_t plus5 = -1;
    if (schein.spieltPlus5()) {
        stand.B -= kPlus5Einsatz;
        try {
            plus5 = Plus5Klasse(ziehungPlus5, schein.plus5.text());
        } catch (const Error& error) {
            throw Error(QStringLiteral("Der Spielschein \"%1\" kann nicht ausgewertet werden: %2")
                            .arg(schein.name.text(), error.text()));
        }
    }
    for (int f = 0; f < TGetippt::kFelder; ++f) {
        const int typ = schein.typ[f];
        if (typ == 0)
            continue;
        stand.B -= e;
        ++stand.r;
        ErgebnisZeile zeile;
        zeile.tipp = stand.r;
        zeile.typ = typ;
        zeile.treffer = feldTreffer(schein, f, ziehung);
        zeile.einsatz = e;
        // A slip without a used field has no row to carry its class; it is not shown.
        zeile.plus5 = plus5;
        plus5 = -1;
        const std::int32_t q = payoutFactor(typ, zeile.treffer);
        if (q > 0) {
            zeile.faktor = q;
            zeile.gewinn = q * e;
            stand.T += q * e;
            zeile.gesamtgewinn = stand.T;
        }
        stand.B += static_cast<double>(q) * e;
        zeile.saldo = stand.B;
        tabelle.rows.push_back(zeile);
    }
}

} // namespace talvo::logic

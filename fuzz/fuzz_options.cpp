// The options file: the record is kept byte for byte, and every choice it holds selects
// an entry the windows have.

#include "fuzz_support.h"

#include "logic/core/draw_calendar.h"
#include "logic/settings/einstellungen.h"
#include "logic/settings/farbschema.h"
#include "logic/slips/scheincenter.h"
#include "logic/tips/schein_aus_tipp.h"
#include "logic/tips/tipp.h"

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    const TEinstellungen e = optionsFromBytes(bytes);
    if (bytes.size() >= TEinstellungen::kSize)
        FUZZ_CHECK(e.toBytes() == bytes.left(TEinstellungen::kSize));
    else
        FUZZ_CHECK(e == TEinstellungen{});

    for (const int stored :
         {e.einsatzIndex, e.laufzeitIndex, e.statAnzahlIndex, e.statRegister, e.tippBereich}) {
        const int chosen = listenAuswahl(stored, 7);
        FUZZ_CHECK(chosen >= 0 && chosen < 7);
    }
    for (int spiel = 1; spiel <= TEinstellungen::kSpiele; ++spiel) {
        for (const int stored : {e.tippTyp[spiel - 1], e.scheinTyp[spiel - 1]}) {
            const int entry = typAuswahl(stored, spiel);
            FUZZ_CHECK(entry >= 0 && entry <= 9);
            const int typ = vorgabeTyp(stored);
            FUZZ_CHECK(typ == 0 || (typ >= 2 && typ <= 10));
        }
    }
    const int akt = aktFarbschemaFuer(e.farbschema);
    FUZZ_CHECK(akt >= 1 && akt <= static_cast<int>(kFarbschemata.size()));
    farbschemaNr(akt);
    e.startDatei.text();

    // The options fill a new slip and the slip written from a tip.
    SlipList liste;
    Scheincenter centre(liste, e);
    centre.BGoClick(centre.ScheinAnlegen(5, QString(), fuzz::today()).nummer());
    Spieltipps tipp;
    tipp.spiele[0].typ = 2;
    tipp.spiele[0].zahlen.insert(7);
    tipp.spiele[0].zahlen.insert(9);
    ScheinAusTipp(tipp, e, fuzz::today(), DrawCalendar());
    return 0;
}

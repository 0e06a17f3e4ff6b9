// The options file: the record is kept byte for byte, and every choice it holds selects
// an entry the windows have.

#include "fuzz_support.h"

#include "logic/core/draw_calendar.h"
#include "logic/settings/colour_scheme.h"
#include "logic/settings/options_file.h"
#include "logic/slips/slip_centre.h"
#include "logic/tips/slip_from_tip.h"
#include "logic/tips/tip_generator.h"

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    const OptionsRecord e = optionsFromBytes(bytes);
    if (bytes.size() >= OptionsRecord::kSize)
        FUZZ_CHECK(e.toBytes() == bytes.left(OptionsRecord::kSize));
    else
        FUZZ_CHECK(e == OptionsRecord{});

    for (const int stored :
         {e.einsatzIndex, e.laufzeitIndex, e.statAnzahlIndex, e.statRegister, e.tippBereich}) {
        const int chosen = listEntryFor(stored, 7);
        FUZZ_CHECK(chosen >= 0 && chosen < 7);
    }
    for (int game = 1; game <= OptionsRecord::kGames; ++game) {
        for (const int stored : {e.tippTyp[game - 1], e.scheinTyp[game - 1]}) {
            const int entry = typeEntryFor(stored, game);
            FUZZ_CHECK(entry >= 0 && entry <= 9);
            const int typ = kenoTypeFor(stored);
            FUZZ_CHECK(typ == 0 || (typ >= 2 && typ <= 10));
        }
    }
    const int currentScheme = colourSchemeFor(e.farbschema);
    FUZZ_CHECK(currentScheme >= 1 && currentScheme <= static_cast<int>(kColourSchemes.size()));
    schemeColours(currentScheme);
    e.startDatei.text();

    // The options fill a new slip and the slip written from a tip.
    SlipList slipList;
    SlipCentre centre(slipList, e);
    centre.transferSlip(centre.createSlip(5, QString(), fuzz::today()).slipNumber());
    Tip gameTips;
    gameTips.games[0].kenoType = 2;
    gameTips.games[0].numbers.insert(7);
    gameTips.games[0].numbers.insert(9);
    slipFromTip(gameTips, e, fuzz::today(), DrawCalendar());
    return 0;
}

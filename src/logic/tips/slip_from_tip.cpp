#include "logic/tips/slip_from_tip.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/tables.h"
#include "logic/settings/options_file.h"
#include "logic/tips/tip_generator.h"

namespace talvo::logic {

SlipRecord slipFromTip(const Tip& tip, const OptionsRecord& options, int today,
                       const DrawCalendar& calendar) {
    SlipRecord s;
    s.TGNR = 0;
    s.KastDef = 0;
    for (const TipGame& game : tip.games) {
        if (game.kenoType == 0)
            break;
        const auto k = static_cast<std::size_t>(s.KastDef++);
        s.typ[k] = static_cast<std::uint8_t>(game.kenoType);
        const auto numbers = toNumberList(game.numbers, game.kenoType, 70);
        std::copy(numbers.begin(), numbers.end(), s.typZ[k].begin());
    }
    // The plus 5 number is the one printed on the player's slip, which the tip cannot know:
    // it stays empty until the player types it in.
    // A damaged options file may hold any index; the slip gets one its tables know.
    s.einsatz =
        static_cast<std::uint8_t>(listEntryFor(options.einsatzIndex, static_cast<int>(kStakeEuro.size())));
    s.dauer = static_cast<std::uint8_t>(
        listEntryFor(options.laufzeitIndex, static_cast<int>(kDurationDraws.size())));
    s.p5 = options.plus5Mitspiel != 0 ? 1 : 0;
    const bool sundayWithoutDraw = weekdayNumber(today) == 1 && !calendar.isDrawDay(today);
    s.ab = sundayWithoutDraw ? today + 1 : today;
    return s;
}

} // namespace talvo::logic

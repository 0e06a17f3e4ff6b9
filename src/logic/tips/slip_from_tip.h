#pragma once

#include "logic/core/dates.h"
#include "logic/core/records.h"

namespace talvo::logic {

class DrawCalendar;
struct Tip;
struct OptionsRecord;

// The play slip "Tipp in Spielschein schreiben" fills from a tip: its games in order
// with their numbers ascending, as many fields as games, no plus 5 number yet, stake,
// duration and plus 5 play from the options. It starts today, or on the next day when today is
// a Sunday without a draw.
SlipRecord slipFromTip(const Tip& tip, const OptionsRecord& options, int today, const DrawCalendar& calendar);

} // namespace talvo::logic

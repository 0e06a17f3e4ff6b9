#pragma once

#include "logic/core/history_file.h"

#include <vector>

namespace talvo::logic {

// A placeholder record for a day whose numbers are still missing is no draw for any
// statistic; everything here counts real draws only.
inline bool istZiehung(const TKenoZahlen& d) {
    return !d.istLeer();
}
int anzahlZiehungen(const DrawHistory& history);

// The numbers 1..70 of a draw. A stored number outside that range is ignored by every
// statistic: it cannot be a KENO number, so it never counts for or against anything.
Zahlenmenge ziehungsMenge(const TKenoZahlen& draw);

// History positions of the last n real draws, oldest first; n = 0, or an n beyond the
// stored draws, takes them all.
std::vector<int> fensterPositionen(const DrawHistory& history, int n);

} // namespace talvo::logic

#include "logic/draws/gz_klick.h"

#include "logic/core/zahlenmenge.h"

namespace talvo::logic {

GZKlickErgebnis GZKlick(Zahlenmenge& auswahl, int n) {
    if (n < 1 || n > 70)
        return GZKlickErgebnis::Unveraendert;
    if (auswahl.contains(n)) {
        auswahl.remove(n);
        return GZKlickErgebnis::Entfernt;
    }
    if (auswahl.count() >= 20)
        return GZKlickErgebnis::Unveraendert;
    auswahl.insert(n);
    return GZKlickErgebnis::Hinzugefuegt;
}

} // namespace talvo::logic

#pragma once

namespace talvo::logic {

struct Zahlenmenge;

// What a click on a board number did.
enum class GZKlickErgebnis {
    Entfernt,     // the number was marked and is no longer
    Hinzugefuegt, // the number is marked now
    Unveraendert, // 20 numbers were marked already, or the number is not on the board
};

// Toggles number n in the board's selection, which holds at most 20 numbers of 1..70.
GZKlickErgebnis GZKlick(Zahlenmenge& auswahl, int n);

} // namespace talvo::logic

#pragma once

#include "logic/core/dates.h"
#include "logic/slips/meldung.h"
#include "logic/slips/tipp_e.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace talvo::logic {

class DrawCalendar;
struct TEinstellungen;
struct TGetippt;

// Slip-wide choices of an editor, as its controls hold them.
struct ScheinAngaben {
    QString plus5Zahl = QStringLiteral("77777"); // E77
    bool plus5 = false;                          // cbPlus
    int einsatz = 1;                             // RGEins: index into the stake table, 2 €
    int dauer = 0;                               // comboDauer: index into the duration table
    DaySerial ab = 0;                            // date1, whole days
    int tippgemeinschaft = -1;                   // ComboTG: holds no entries
    QString name;                                // EName
};

// What a click on a number did.
enum class Klick { KeinTyp, Markiert, Entfernt, Voll };

// One row of the slip table: 18 cells, column 0 being the running number.
using TabellenZeile = QStringList;

// The number cells, gauges and type selectors of all editors are told apart by a key:
// slip × 1000 + field × 100 (+ number for a cell).
constexpr int zellenSchluessel(int schein, int feld, int zahl = 0) {
    return schein * 1000 + feld * 100 + zahl;
}
struct ZellenOrt {
    int schein, feld, zahl;
};
constexpr ZellenOrt ausSchluessel(int key) {
    return {key / 1000, key % 1000 / 100, key % 100};
}

// The editor of one play slip without its widgets: ticking rules, checks, the transfer
// mapping and the filling from a stored record. Fields are numbered 1..felder().
class SlipEditor {
  public:
    static constexpr int kKeinTypBereich = 100;

    // felder below 4 stands for 5, above 5 for 5. The default types of the options are
    // selected as by a type change; the slip starts dated heute.
    SlipEditor(int nummer, int felder, const QString& caption, TTippE& zustand,
               const TEinstellungen& einstellungen, DaySerial heute);

    int nummer() const { return nummer_; }
    int felder() const { return felder_; }
    const QString& caption() const { return caption_; }
    const TTippE& zustand() const { return zustand_; }

    // The KENO type chosen for a field, or 0 while it has none.
    int typ(int feld) const;
    // Entry of the type selector: 0..8 for the types 2..10, -1 for none.
    int typAuswahl(int feld) const { return typ(feld) ? typ(feld) - 2 : -1; }
    bool markiert(int feld, int zahl) const;
    int anzahl(int feld) const;
    bool zuHoch(int feld) const;
    // The gauge under a field's board: the type count, or 100 while it has no type.
    int gaugeBereich(int feld) const;
    int gaugePosition(int feld) const { return gaugePosition_[feld - 1]; }
    // The field's numbers ascending.
    std::vector<std::uint8_t> zahlen(int feld) const;

    ScheinAngaben angaben;

    void cbSysClick(int feld, int auswahl);
    Klick LLClick(int feld, int zahl);
    // A Sunday without a draw moves back to the Saturday; the message says so.
    std::optional<Meldung> date1Exit(const DrawCalendar& kalender);
    void BDelClick();
    std::optional<Meldung> Plus5Pruefen() const;
    std::optional<Meldung> FelderPruefen() const;

    // The name a transfer gives the slip: the name edit, else the tab caption.
    QString scheinName() const;
    // The slip's table rows, one per field with numbers; column 0 left empty.
    std::vector<TabellenZeile> tabellenZeilen() const;
    // Every field of the slip's record except Nr, which the transfer keeps.
    void inDatensatz(TGetippt& record) const;
    // Selects the stored types and ticks the stored numbers; numbers outside 1..70 and
    // repeated ones are not ticked, so a damaged field shows what it lacks.
    void ausDatensatz(const TGetippt& record);

  private:
    // The field's default KENO type from the options, 0 for none.
    int vorgabe(int feld) const;

    int nummer_;
    int felder_;
    QString caption_;
    TTippE& zustand_;
    const TEinstellungen& einstellungen_;
    std::array<int, TTippE::kPositionen> gaugePosition_{};
};

} // namespace talvo::logic

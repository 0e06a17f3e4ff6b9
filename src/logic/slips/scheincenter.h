#pragma once

#include "logic/core/dates.h"
#include "logic/core/slip_file.h"
#include "logic/slips/slip_editor.h"

#include <QStringList>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace talvo::logic {

struct TEinstellungen;

// The bookkeeping of the slip centre without its window: the open slips with their
// editors, the transferred slips, their records and the slip table.
class Scheincenter {
  public:
    static constexpr int kSpalten = 18;

    // scheinListe receives one record per transferred slip, in the order of the first
    // transfers; the options are read each time a slip is built or cleared.
    Scheincenter(SlipList& scheinListe, const TEinstellungen& einstellungen);
    ~Scheincenter();

    // A new slip with the next slip number; felder outside 4..5 gives five fields, an
    // empty name the caption "S" + number.
    SlipEditor& ScheinAnlegen(int felder, const QString& name, DaySerial heute);
    // A new slip built from a stored record.
    SlipEditor& ScheinLaden(const TGetippt& record, DaySerial heute);
    // The open slip of that number; nullptr once its tab is closed.
    SlipEditor* schein(int nummer) const;

    // Checks the slip and, when it passes, takes it into the table and the record list.
    // The message of the first failed check otherwise; nothing then changes.
    std::optional<Meldung> BGoClick(int nummer);
    // The slip leaves the table and the record list; the remaining records are numbered
    // 1..n again so that a save writes exactly what the table shows.
    void ScheinSchliessen(int nummer);

    const QStringList& UebertrageneScheine() const { return uebertragen_; }
    // Header row first; always at least one row below it.
    const std::vector<TabellenZeile>& tabelle() const { return tabelle_; }
    int naechsteFreieZeile() const { return naechsteFreie_; }
    // The working state of every slip created so far, by slip number; slot 0 stays empty.
    const std::deque<TTippE>& arbeitsZustaende() const { return zustaende_; }

    void ZeilenAnhaengen(const std::vector<TabellenZeile>& zeilen);
    void TabelleNeuAufbauen();

    static const QStringList& kopfzeile();

  private:
    void zeilenNummerieren();

    SlipList& scheinListe_;
    const TEinstellungen& einstellungen_;
    int zaehler_ = 0;
    std::deque<TTippE> zustaende_;
    std::map<int, std::unique_ptr<SlipEditor>> scheine_;
    QStringList uebertragen_;
    std::map<int, std::vector<TabellenZeile>> GPuf_;
    std::vector<TabellenZeile> tabelle_;
    int naechsteFreie_ = 1;
};

} // namespace talvo::logic

#pragma once

#include "logic/core/zahlenmenge.h"

#include <QString>
#include <QStringList>
#include <array>

class QRandomGenerator;

namespace talvo::logic {

struct TKlassenMengen;

inline constexpr int kTippSpiele = 5;

inline constexpr char kKeinSpielMeldung[] =
    "Bitte wählen Sie mindestens für ein Spiel einen KENO-Typ. Ich muss leider abbrechen.";

struct TippSpiel {
    int typ = 0; // 0: no game at this position
    Zahlenmenge zahlen;
    bool ergaenzt = false; // its last draw completed the candidates with random numbers
    bool operator==(const TippSpiel&) const = default;
};

// A tip: games 1..5 numbered without gaps, those with a type first.
struct Spieltipps {
    std::array<TippSpiel, kTippSpiele> spiele{};

    int anzahl() const; // games with a type
    bool operator==(const Spieltipps&) const = default;
};

struct TippErgebnis {
    int nummer = 0; // the tip counter after this tip: 1 for the first
    int strategie = 0;
    Spieltipps spieltipps;

    // The text of the tip's output tab: "Tipp-Nr.: n", the strategy's name, an empty line
    // and one "KENO-Typ t: ..." line per game.
    QStringList text() const;
};

// Whether any game selector has a type; without one no tip can be generated.
bool spielGewaehlt(const std::array<int, kTippSpiele>& typen);

// The tip generator of a running program: it numbers the tips and keeps the last one.
class Tippgenerator {
  public:
    // A tip for the game selectors' types (0 = "--", else 2..10) from the candidates of
    // the strategy over the class sets. Games of the same type are drawn again until they
    // differ. Throws Error with kKeinSpielMeldung when no selector has a type, and when
    // the candidates cannot give as many different games of a type as are chosen;
    // nothing changes then.
    TippErgebnis generieren(const TKlassenMengen& mengen, int strategie,
                            const std::array<int, kTippSpiele>& typen, QRandomGenerator& zufall);

    int zaehler() const { return zaehler_; }
    // The last generated tip; no game before the first.
    const Spieltipps& spieltipps() const { return spieltipps_; }

  private:
    int zaehler_ = 0;
    Spieltipps spieltipps_;
};

} // namespace talvo::logic

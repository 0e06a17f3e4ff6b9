#pragma once

#include "logic/core/number_set.h"

#include <QString>
#include <QStringList>
#include <array>

class QRandomGenerator;

namespace talvo::logic {

struct ClassSets;

inline constexpr int kTipGames = 5;

inline constexpr char kNoGameMessage[] =
    "Bitte wählen Sie mindestens für ein Spiel einen KENO-Typ. Ich muss leider abbrechen.";

struct TipGame {
    int kenoType = 0; // 0: no game at this position
    NumberSet numbers;
    bool completed = false; // its last draw completed the candidates with random numbers
    bool operator==(const TipGame&) const = default;
};

// A tip: games 1..5 numbered without gaps, those with a type first.
struct Tip {
    std::array<TipGame, kTipGames> games{};

    int gameCount() const; // games with a type
    bool operator==(const Tip&) const = default;
};

struct TipResult {
    int number = 0; // the tip counter after this tip: 1 for the first
    int strategy = 0;
    Tip tip;

    // The text of the tip's output tab: "Tipp-Nr.: n", the strategy's name, an empty line
    // and one "KENO-Typ t: ..." line per game.
    QStringList text() const;
};

// Whether any game selector has a type; without one no tip can be generated.
bool anyGameChosen(const std::array<int, kTipGames>& kenoTypes);

// The tip generator of a running program: it numbers the tips and keeps the last one.
class TipGenerator {
  public:
    // A tip for the game selectors' types (0 = "--", else 2..10) from the candidates of
    // the strategy over the class sets. Games of the same type are drawn again until they
    // differ. Throws Error with kNoGameMessage when no selector has a type, and when
    // the candidates cannot give as many different games of a type as are chosen;
    // nothing changes then.
    TipResult generate(const ClassSets& classSets, int strategy, const std::array<int, kTipGames>& kenoTypes,
                       QRandomGenerator& rng);

    int counter() const { return counter_; }
    // The last generated tip; no game before the first.
    const Tip& tip() const { return lastTip_; }

  private:
    int counter_ = 0;
    Tip lastTip_;
};

} // namespace talvo::logic

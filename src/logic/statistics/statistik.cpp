#include "logic/statistics/statistik.h"

#include "logic/core/program_state.h"
#include "logic/statistics/number_statistics.h"

namespace talvo::logic {

Statistik::Statistik(ProgramState& state, QObject* parent) : QObject(parent), state_(state) {
    connect(&state_, &ProgramState::historyChanged, this, &Statistik::historyChanged);
    historyChanged();
}

void Statistik::historyChanged() {
    mengen_ = ZiehungsMengen(state_.history());
    abwesenheiten_ = StatAusgeblieben(mengen_);
    emit abwesenheitenBerechnet();
}

void Statistik::HaeufigkeitenBerechnen(int n) {
    if (mengen_.empty())
        return;
    state_.KlassenMengen.clear();
    for (StatArt art : {StatArt::Zahlen, StatArt::Endzahlen, StatArt::Zehner})
        ergebnisse_[static_cast<std::size_t>(art) - 1] =
            frequencyStatistic(art, state_.history(), n, state_.KlassenMengen);
    zahlenAnzahl_ = ergebnisse_[0]->anzahl;
    emit haeufigkeitenBerechnet();
}

const std::optional<StatErgebnis>& Statistik::ergebnis(StatArt art) const {
    return ergebnisse_[static_cast<std::size_t>(art) - 1];
}

std::vector<int> Statistik::haeufigkeitsOrdnung() const {
    return logic::haeufigkeitsOrdnung(zahlenAnzahl_);
}

} // namespace talvo::logic

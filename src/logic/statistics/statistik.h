#pragma once

#include "logic/statistics/absences.h"
#include "logic/statistics/stat_ergebnis.h"

#include <QObject>
#include <optional>

namespace talvo::logic {

class ProgramState;

// The statistics of the running program over the shared draw history: the results of the
// last frequency statistics (whoever asked for them), the draw sets and the absences.
// Draw sets and absences follow every change of the history, so no view and no search
// ever works on a history that has since changed.
class Statistik : public QObject {
    Q_OBJECT
  public:
    explicit Statistik(ProgramState& state, QObject* parent = nullptr);

    // Empties the class sets and runs the three frequency statistics over the last n
    // draws (n = 0: all). Nothing happens without a real draw.
    void HaeufigkeitenBerechnen(int n);

    // The last result of a kind; empty before the first run.
    const std::optional<StatErgebnis>& ergebnis(StatArt art) const;
    // The numbers by ascending count of the last numbers statistic.
    std::vector<int> haeufigkeitsOrdnung() const;

    const ZiehungsMengenListe& ziehungsMengen() const { return mengen_; }
    const Abwesenheiten& abwesenheiten() const { return abwesenheiten_; }
    int ziehungen() const { return static_cast<int>(mengen_.size()); }

  signals:
    void haeufigkeitenBerechnet();
    void abwesenheitenBerechnet();

  private:
    void historyChanged();

    ProgramState& state_;
    std::array<std::optional<StatErgebnis>, 3> ergebnisse_;
    std::vector<int> zahlenAnzahl_ = std::vector<int>(70, 0);
    ZiehungsMengenListe mengen_;
    Abwesenheiten abwesenheiten_;
};

} // namespace talvo::logic

#pragma once

#include "logic/tips/tipp.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QTabWidget;

namespace talvo::logic {
class ProgramState;
class Statistik;
struct AppPaths;
struct TGetippt;
} // namespace talvo::logic

namespace talvo::ui {

class CellStrip;

// What the tip centre reaches in other windows.
struct TippcenterVerbindungen {
    // Gives the statistics window the same draw-count choice.
    std::function<void(int anzahlIndex)> statistikAuswahl;
    // Opens a new slip from the record in the slip centre and shows that window.
    std::function<void(const logic::TGetippt& record)> scheinLaden;
};

// "Tippcenter": proposes numbers for up to five games of a slip, drawn from the numbers
// the frequency statistics single out over a chosen number of draws.
class TFTipp1 : public QWidget {
    Q_OBJECT
  public:
    // statistik: the statistics of the statistics window, whose class sets the tips use.
    TFTipp1(logic::ProgramState& state, const logic::AppPaths& paths, logic::Statistik& statistik,
            TippcenterVerbindungen verbindungen, QWidget* parent = nullptr);
    ~TFTipp1() override;

    // The creation step at program start: takes over the games and the strategy from the
    // options and the statistics window's draw-count choice (-1: none).
    void FormCreate(int statistikAnzahlIndex);

    // Selects a draw-count choice from code; its handler runs when the choice changes.
    void setAnzahlIndex(int index);
    int anzahlIndex() const;
    // The draw-count choice changed (or is to be applied again).
    void RGAnzahlClick();

    void TippGenerieren();
    void TippSchreiben();
    void TippSchliessen();
    void AlleTippsSchliessen();

    // 0 for "--", else the KENO type of game selector 1..5.
    std::array<int, logic::kTippSpiele> typen() const;
    void setTyp(int spiel, int typ);
    int strategie() const;
    void setStrategie(int strategie);
    const logic::Tippgenerator& generator() const { return generator_; }

    // The output tabs and the lines of the text in tab i.
    int ausgaben() const;
    QStringList ausgabeText(int i) const;

  private:
    QWidget* buildToolBar();
    QWidget* buildChoices();
    QWidget* buildClassRows();
    QWidget* buildTipRows();
    QWidget* buildOutput();
    void showKlassen();
    void showTipp(const logic::Spieltipps& tipp);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    logic::Statistik& statistik_;
    TippcenterVerbindungen verbindungen_;
    logic::Tippgenerator generator_;
    std::array<QComboBox*, logic::kTippSpiele> spiele_{};
    QButtonGroup* RGBereich = nullptr;
    QButtonGroup* RGAnzahl = nullptr;
    std::array<CellStrip*, 6> klassen_{};
    std::array<QLabel*, logic::kTippSpiele> tippTitel_{};
    std::array<CellStrip*, logic::kTippSpiele> tippZahlen_{};
    std::array<QLabel*, logic::kTippSpiele> ergaenzt_{};
    QTabWidget* PCTipps = nullptr;
};

} // namespace talvo::ui

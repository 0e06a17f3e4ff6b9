#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QLabel;
class QTabWidget;

namespace talvo::logic {
class ExportTabelle;
class ProgramState;
class Statistik;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class BestCombinationsPage;
class ClassLegend;
class FreeSearchPage;
class ItemRows;
class NumberBoard;

// What the statistics window reaches in the tip centre once that exists: the tip centre
// follows the draw-count choice.
struct TippcenterKopplung {
    std::function<void(int anzahlIndex)> auswahlUebernehmen;
};

// "Statistische Auswertungen": frequencies, absences and combinations of the drawn numbers
// over all or the latest draws.
class TFStatistik1 : public QWidget {
    Q_OBJECT
  public:
    TFStatistik1(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~TFStatistik1() override;

    // The creation step at program start: shows the absences.
    void FormCreate();
    // The draw-count choice changed (or is to be applied again).
    void RG1Click();
    // Selects a draw-count choice from code; its handler runs when the choice changes.
    void setAnzahlIndex(int index);
    // Applies a stored draw-count choice: selects it and computes its statistics once,
    // whether or not the choice changes.
    void anzahlAnwenden(int index);
    // -1 while nothing is chosen.
    int anzahlIndex() const;
    // N of the choice: 0 for "Alle" or no choice.
    int anzahl() const;
    void setRegister(int index);
    QStringList registerNamen() const;

    // Ties the window to the tip centre: from now on the draw-count choice also runs the
    // frequency statistics and is passed on.
    void tippcenterKoppeln(TippcenterKopplung kopplung);

    logic::Statistik& statistik() { return *statistik_; }

    void numbersNeuSortieren();
    void absencesNeuSortieren();
    // The table of an "Excel-Export" button of the tabs 1 to 4 as it is sent.
    logic::ExportTabelle exportTable(int tab) const;

  private:
    QWidget* buildToolBar();
    QWidget* buildNumbersPage();
    QWidget* buildItemPage(int kind);
    QWidget* buildAbsencePage();
    void showFrequencies();
    void showNumbers();
    void showAbsences();
    void exportTab(int tab);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    std::unique_ptr<logic::Statistik> statistik_;
    TippcenterKopplung tippcenter_;
    QButtonGroup* RG1 = nullptr;
    QTabWidget* PC1 = nullptr;
    std::array<QLabel*, 3> headings_{};
    std::array<ClassLegend*, 3> legends_{};
    NumberBoard* numbers_ = nullptr;
    std::array<ItemRows*, 2> itemRows_{};
    NumberBoard* absences_ = nullptr;
    FreeSearchPage* freeSearch_ = nullptr;
    BestCombinationsPage* bestCombinations_ = nullptr;
    // The number each cell of the numbers board shows; natural order to begin with.
    std::array<int, 70> numberInCell_{};
    bool numbersSorted_ = false;
    bool absencesNatural_ = true;
};

} // namespace talvo::ui

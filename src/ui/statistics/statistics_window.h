#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QLabel;
class QTabWidget;

namespace talvo::logic {
class ExportTable;
class ProgramState;
class Statistics;
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
struct StatisticsTipCentreLink {
    std::function<void(int drawCountIndex)> followDrawCountChoice;
};

// "Statistische Auswertungen": frequencies, absences and combinations of the drawn numbers
// over all or the latest draws.
class StatisticsWindow : public QWidget {
    Q_OBJECT
  public:
    StatisticsWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    // The creation step at program start: shows the absences.
    void setUpAtStart();
    // The draw-count choice changed (or is to be applied again).
    void applyDrawCountChoice();
    // Selects a draw-count choice from code; its handler runs when the choice changes.
    void setDrawCountIndex(int index);
    // Applies a stored draw-count choice: selects it and computes its statistics once,
    // whether or not the choice changes.
    void applyDrawCountIndex(int index);
    // -1 while nothing is chosen.
    int drawCountIndex() const;
    // N of the choice: 0 for "Alle" or no choice.
    int selectedDrawCount() const;
    void setTab(int index);
    QStringList tabNames() const;

    // Ties the window to the tip centre: from now on the draw-count choice also runs the
    // frequency statistics and is passed on.
    void linkTipCentre(StatisticsTipCentreLink link);

    logic::Statistics& statistics() { return *statistics_; }

    void toggleNumbersOrder();
    void toggleAbsencesOrder();
    // The table of an "Excel-Export" button of the tabs 1 to 4 as it is sent.
    logic::ExportTable exportTable(int tab) const;

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
    std::unique_ptr<logic::Statistics> statistics_;
    StatisticsTipCentreLink tipCentreLink_;
    QButtonGroup* drawCountChoice_ = nullptr;
    QTabWidget* tabs_ = nullptr;
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

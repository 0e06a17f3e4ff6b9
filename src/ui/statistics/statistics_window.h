#pragma once

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QTabWidget;

namespace talvo::logic {
class ExportTable;
class ProgramState;
class Statistics;
class StatisticsSelection;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class BestCombinationsPage;
class ClassLegend;
class FreeSearchPage;
class ItemRows;
class NumberBoard;

// "Statistische Auswertungen": frequencies, absences and combinations of the drawn numbers
// over all or the latest draws. The draw-count choice is the shared selection's: the
// window shows it and changes it there.
class StatisticsWindow : public QWidget {
    Q_OBJECT
  public:
    StatisticsWindow(logic::ProgramState& state, logic::StatisticsSelection& selection,
                     const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    // The creation step at program start: shows the absences.
    void setUpAtStart();
    // Chooses a draw count as a click on its button does.
    void setDrawCountIndex(int index);
    // The choice the window shows; -1 while nothing is chosen.
    int drawCountIndex() const;
    void setTab(int index);
    QStringList tabNames() const;

    logic::Statistics& statistics();

    void toggleNumbersOrder();
    void toggleAbsencesOrder();
    // The table of an "Excel-Export" button of the tabs 1 to 4 as it is sent.
    logic::ExportTable exportTable(int tab) const;

  private:
    QWidget* buildToolBar();
    QWidget* buildNumbersPage();
    QWidget* buildItemPage(int kind);
    QWidget* buildAbsencePage();
    void showDrawCountChoice(int index);
    void showFrequencies();
    void showNumbers();
    void showAbsences();
    void exportTab(int tab);

    logic::ProgramState& state_;
    logic::StatisticsSelection& selection_;
    logic::Statistics& statistics_;
    const logic::AppPaths& paths_;
    QButtonGroup* drawCountChoice_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::array<QLabel*, 3> headings_{};
    std::array<ClassLegend*, 3> legends_{};
    NumberBoard* numbers_ = nullptr;
    QLabel* testLabel_ = nullptr; // whether the numbers' counts are more uneven than chance
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

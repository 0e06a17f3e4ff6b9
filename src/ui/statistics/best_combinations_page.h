#pragma once

#include <QElapsedTimer>
#include <QThreadPool>
#include <QWidget>

#include <functional>
#include <memory>

class QButtonGroup;
class QLabel;
class QProgressBar;
class QPushButton;

namespace talvo::logic {
class ExportTable;
class Statistics;
} // namespace talvo::logic

namespace talvo::ui {

class CombinationSearchWorker;
class ResultGrid;

// "Beste Kombis": the 1000 most and least frequent combinations of 2, 3 or 4 numbers.
// The search runs in the background; the page stays usable and can stop it.
class BestCombinationsPage : public QWidget {
    Q_OBJECT
  public:
    // drawCount gives N of the window's draw-count choice (0 = all).
    BestCombinationsPage(const logic::Statistics& statistics, std::function<int()> drawCount,
                         QString exportFolder, QWidget* parent = nullptr);
    ~BestCombinationsPage() override;

    // The expected-value labels for the current size and draw-count choice.
    void updateLabels();
    void chooseCombinationSize(int index);
    void startSearch();
    void stopSearch();
    bool searching() const { return worker_ != nullptr; }
    int combinationSize() const { return combinationSize_; }
    // The table of one result grid as the export builds it.
    logic::ExportTable exportTable(const ResultGrid& grid) const;

  signals:
    void searchFinished();

  private:
    void finishSearch();
    void showLists();

    const logic::Statistics& statistics_;
    std::function<int()> drawCount_;
    QString exportFolder_;
    int combinationSize_ = 2;
    int listedSize_ = 0; // size of the combinations in the grids, 0 before any search
    QButtonGroup* sizeChoice_ = nullptr;
    QLabel* expectedValueLabel_ = nullptr;
    QLabel* checkCountLabel_ = nullptr;
    QLabel* durationLabel_ = nullptr;
    QLabel* startedLabel_ = nullptr;
    QLabel* chanceLabel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    ResultGrid* topGrid_ = nullptr;
    ResultGrid* flopGrid_ = nullptr;
    QThreadPool pool_;
    std::unique_ptr<CombinationSearchWorker> worker_;
    QElapsedTimer started_;
    bool searchTimed_ = false; // the duration of the running search is shown already
};

} // namespace talvo::ui

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
class ExportTabelle;
class Statistik;
} // namespace talvo::logic

namespace talvo::ui {

class KombiWorker;
class ResultGrid;

// "Beste Kombis": the 1000 most and least frequent combinations of 2, 3 or 4 numbers.
// The search runs in the background; the page stays usable and can stop it.
class BestCombinationsPage : public QWidget {
    Q_OBJECT
  public:
    // drawCount gives N of the window's draw-count choice (0 = all).
    BestCombinationsPage(const logic::Statistik& statistik, std::function<int()> drawCount,
                         QString exportFolder, QWidget* parent = nullptr);
    ~BestCombinationsPage() override;

    // The expected-value labels for the current size and draw-count choice.
    void updateLabels();
    void RGKombiClick(int index);
    void BStart2Click();
    void BStopClick();
    bool searching() const { return worker_ != nullptr; }
    int kombinationsGroesse() const { return k_; }
    // The table of one result grid as the export builds it.
    logic::ExportTabelle exportTable(const ResultGrid& grid) const;

  signals:
    void searchFinished();

  private:
    void finishSearch();
    void showLists();

    const logic::Statistik& statistik_;
    std::function<int()> drawCount_;
    QString exportFolder_;
    int k_ = 2;
    int listK_ = 0; // size of the combinations in the grids, 0 before any search
    QButtonGroup* RGKombi = nullptr;
    QLabel* LD = nullptr;
    QLabel* LKombis = nullptr;
    QLabel* LDauer = nullptr;
    QLabel* LGestartet = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QPushButton* BStart2 = nullptr;
    QPushButton* BStop = nullptr;
    ResultGrid* gk1 = nullptr;
    ResultGrid* GK2 = nullptr;
    QThreadPool pool_;
    std::unique_ptr<KombiWorker> worker_;
    QElapsedTimer started_;
};

} // namespace talvo::ui

#pragma once

#include "logic/tips/strategie_test.h"

#include <QThreadPool>
#include <QWidget>
#include <memory>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QTableView;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class OddsPanel;
class StrategieTestModel;
class StrategieTestWorker;

// The choices the window starts with: those of the tip centre.
struct StrategieTestVorgabe {
    int strategie = 0;
    int typ = 2;
    int anzahlIndex = 0; // into the draw-count table
    int einsatzIndex = 0;
};

// "Strategie-Test": what a strategy's tips would have won on the stored draws, each draw
// played with a tip from the draws before it only, beside random tips and the odds.
class TFStrategieTest : public QWidget {
    Q_OBJECT
  public:
    TFStrategieTest(logic::ProgramState& state, const logic::AppPaths& paths,
                    const StrategieTestVorgabe& vorgabe, QWidget* parent = nullptr);
    ~TFStrategieTest() override;

    // Runs the test off the window's thread; refused while one runs.
    void Start();
    void Stop();
    bool laeuft() const { return worker_ != nullptr; }
    void Exportieren();

    // The test the controls describe; the seed is set at each start.
    logic::StrategieTestParameter parameter() const;
    // The last finished test.
    const logic::StrategieTestErgebnis& ergebnis() const { return ergebnis_; }

  signals:
    void testBeendet();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildParameters();
    void finishTest();
    void showResult();
    void setRunning(bool running);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    QThreadPool pool_;
    std::unique_ptr<StrategieTestWorker> worker_;
    logic::StrategieTestParameter laufend_;
    logic::StrategieTestErgebnis ergebnis_;
    QComboBox* strategie_ = nullptr;
    QComboBox* typ_ = nullptr;
    QComboBox* anzahl_ = nullptr;
    QComboBox* einsatz_ = nullptr;
    QDateEdit* von_ = nullptr;
    QDateEdit* bis_ = nullptr;
    QAction* start_ = nullptr;
    QAction* stop_ = nullptr;
    QAction* export_ = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QLabel* ergebnisText_ = nullptr;
    QLabel* details_ = nullptr;
    QLabel* hinweis_ = nullptr;
    QChartView* verlauf_ = nullptr;
    QChartView* treffer_ = nullptr;
    QTableView* tabelle_ = nullptr;
    StrategieTestModel* model_ = nullptr;
    OddsPanel* quoten_ = nullptr;
};

} // namespace talvo::ui

#pragma once

#include "logic/core/dates.h"
#include "logic/core/slip_file.h"

#include <QWidget>
#include <memory>

class QStackedWidget;
class QTabWidget;
class QTableWidget;

namespace talvo::logic {
class ProgramState;
class SlipCentre;
class SlipEditor;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class SlipEditorFrame;

// "Spielscheincenter": one tab per open slip, the table of transferred slips below,
// and the play-slip files they are opened from and saved to.
class SlipCentreWindow : public QWidget {
    Q_OBJECT
  public:
    SlipCentreWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~SlipCentreWindow() override;

    // A new slip on a new tab, which becomes the active one. fieldCount below 4 gives 5.
    SlipEditorFrame* createSlip(int fieldCount, const QString& name);
    // A new slip built from a stored record; also used by the tip centre.
    SlipEditorFrame* loadSlip(const logic::SlipRecord& record);

    // The toolbar actions.
    void newSlip();
    void openSlipFile();
    void saveSlipFile();
    // Closes the active slip ("Bgruenx", or "Schließen" on the tab strip).
    void closeSlip();

    // How many open slips hold something that no file holds, and would be lost at the end.
    int slipsOnlyInMemory() const;

    const logic::SlipCentre& centre() const { return *centre_; }
    // The slips transferred into the slip table.
    const logic::SlipList& transferredSlips() const { return transferredRecords_; }
    SlipEditorFrame* activeSlipFrame();
    // The editor on tab `index`, built when it is first asked for; nullptr without that tab.
    SlipEditorFrame* slipFrame(int index);

    QSize sizeHint() const override { return {800, 600}; }

  private:
    QWidget* buildHints();
    // A tab for the slip; its editor is built only once the tab is shown or asked for.
    int addSlipTab(logic::SlipEditor& editor, bool makeCurrent);
    logic::DaySerial today() const;
    void transferSlip(int slipNumber);
    void showSlipTable();
    void fitTableFont();

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    // The records the slip centre keeps of transferred slips.
    logic::SlipList transferredRecords_;
    std::unique_ptr<logic::SlipCentre> centre_;
    QStackedWidget* stack_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* slipTable_ = nullptr;
};

} // namespace talvo::ui

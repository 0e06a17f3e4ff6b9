#pragma once

#include "logic/evaluation/evaluation.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
struct NumberSet;
} // namespace talvo::logic

namespace talvo::ui {

class DateField;
class EmptyHistoryPage;
class HelpPanel;
class OverviewWindow;
class PasteWindow;
class SlipFileFrame;
class WinningNumberBoard;

// The central window "TALVO - Zentrale"; closing it ends the program. On the left the
// board with the draw lists, on the right the play-slip files loaded for evaluation.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The creation step run during start-up: loads the draw history when its file exists.
    void setUpAtStart();

    // Rebuilds the draw lists of both pages from the history and shows the newest draw.
    void fillDrawLists();
    // Shows history position p on the board and in the plus 5 field.
    void showDraw(int p);
    // After an update merge the entry page stands on the viewing page's draw, the last
    // stored one, instead of the proposed next date.
    void alignEntryWithViewing();
    // Loads a play-slip file for evaluation into a file tab of its own.
    void loadEvaluationFile(const QString& path);

    // The evaluation buttons and the file-tab buttons.
    void evaluateMarkedNumbers();
    void evaluateOverRunTime();
    void evaluateDateRange();
    void loadDemoSlip();
    void openEvaluationFile();
    void closeFileTab();
    void closeAllFileTabs();
    // The draw-set export behind the caption "Wählen Sie die Ausspielung...".
    void exportDrawSets();

    // Toggles number n on the board, as a click on it does.
    void toggleBoardNumber(int n);
    // Clear the board; the board and the plus 5 field; the plus 5 field.
    void clearBoard();
    void clearBoardAndPlus5();
    void clearPlus5();
    // "Speichern" of the entry page: the board's numbers as the draw of the chosen date.
    void saveEnteredDraw();
    // Asks before a stored draw is overwritten by different numbers; true when it may be.
    bool confirmOverwrite(const logic::DrawHistory& history, int p, const logic::NumberSet& selection,
                          const QString& plus5);
    // "Einfügen..." leads to it; it toggles the board's numbers and stays until the program ends.
    PasteWindow* pasteWindow() const { return pasteWindow_; }

    // The overview of the last range or running-time evaluation; null before the first.
    OverviewWindow* overviewWindow() const { return overview_; }

    int fileTabCount() const;
    SlipFileFrame* fileFrame(int index) const;
    SlipFileFrame* activeFileFrame() const;

    // Asked before the window closes and the program ends; false keeps it open.
    void setCloseCheck(std::function<bool()> check) { closeCheck_ = std::move(check); }

  signals:
    void closed();
    // A draw archive (.csv) was dropped on the window.
    void archiveDropped(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildLeftColumn();
    QWidget* buildDrawPages();
    QWidget* buildEvaluationArea();

    // Selects position p in both lists of the viewing page; `show` puts the draw on the board.
    void selectViewingPosition(int p, bool show);
    // Selects position p in both lists of the entry page and shows it on the board.
    void selectEntryPosition(int p);
    void pageChanged(int page);
    void rangeFromChanged();
    void rangeToChanged();
    void presetDateRange();
    void showResults(logic::ResultTables& tables);
    // Without file tabs: the help panel, or while no draw is stored, how to get draws.
    void showIdleArea();
    // Shows the tables kept and the overview of a range or running-time evaluation, which
    // `evaluate` runs over the slips it is given; returns what `evaluate` returned.
    using SlipEvaluation = std::function<int(std::span<const logic::SlipRecord>, logic::ResultSink&)>;
    int evaluateWithOverview(const QString& title, const SlipEvaluation& evaluate);
    std::span<const logic::SlipRecord> activeSlips() const;
    bool needsFileTab();

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;

    // Running numbers of file tabs and result tabs; never reused.
    int nextFileTab_ = 1;
    int nextResultTab_ = 1;

    QTabWidget* drawPages_ = nullptr;
    QComboBox* drawNumberCombo_ = nullptr;
    QComboBox* drawDateCombo_ = nullptr;
    QPushButton* showDrawButton_ = nullptr;
    QComboBox* entryNumberCombo_ = nullptr;
    QComboBox* entryDateCombo_ = nullptr;
    QCheckBox* clearAfterSaveCheck_ = nullptr;
    QWidget* clearBoardButton_ = nullptr;
    QWidget* clearPlus5Button_ = nullptr;
    PasteWindow* pasteWindow_ = nullptr;
    int shownPage_ = 0;
    WinningNumberBoard* board_ = nullptr;
    QProgressBar* markedCountBar_ = nullptr;
    QLineEdit* plus5Edit_ = nullptr;
    QPushButton* evaluateMarkedButton_ = nullptr;
    DateField* firstDrawDateEdit_ = nullptr; // the date of the first draw, while none is stored
    DateField* rangeFromEdit_ = nullptr;
    DateField* rangeToEdit_ = nullptr;
    QStackedWidget* area_ = nullptr;
    QTabWidget* fileTabs_ = nullptr;
    HelpPanel* helpPanel_ = nullptr;
    EmptyHistoryPage* emptyHistoryPage_ = nullptr;
    OverviewWindow* overview_ = nullptr;
    std::function<bool()> closeCheck_;
};

} // namespace talvo::ui

#pragma once

#include "logic/core/slip_file.h"
#include "logic/evaluation/evaluation.h"
#include "ui/evaluation/help_panel.h"

#include <QDate>
#include <QWidget>
#include <functional>
#include <span>
#include <utility>

class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
struct NumberSet;
} // namespace talvo::logic

namespace talvo::ui {

class DateField;
class EmptyHistoryPage;
class OverviewWindow;
class SlipFileFrame;

// The main window's right side: the play-slip files loaded for evaluation, each in a file
// tab with its listing and result tabs, the three evaluations and the overview of the last
// range or running-time evaluation. Without a file it shows the help panel, or, while no
// draw is stored, how to get draws.
class EvaluationArea : public QWidget {
    Q_OBJECT
  public:
    EvaluationArea(const logic::ProgramState& state, const logic::AppPaths& paths,
                   const HelpPanel::Actions& actions, QWidget* parent = nullptr);
    ~EvaluationArea() override;

    // Loads a play-slip file for evaluation into a file tab of its own.
    void loadEvaluationFile(const QString& path);
    void loadDemoSlip();
    void openEvaluationFile();
    void closeFileTab();
    void closeAllFileTabs();

    // The slips of the active file tab against the given numbers ("Markierte Zahlen").
    void evaluateMarkedNumbers(const logic::NumberSet& numbers, const QString& plus5);
    void evaluateOverRunTime();
    void evaluateDateRange();
    // The caption of "Markierte Zahlen": the date of the draw the board shows.
    void setMarkedCaption(const QString& dateText);

    // Every slip of every file loaded, in load order; a file tab covers a stretch of them.
    const logic::SlipList& evaluationSlips() const { return slips_; }
    // The overview of the last range or running-time evaluation; null before the first.
    OverviewWindow* overviewWindow() const { return overview_; }
    int fileTabCount() const;
    SlipFileFrame* fileFrame(int index) const;
    SlipFileFrame* activeFileFrame() const;

  signals:
    // "Markierte Zahlen" was clicked.
    void markedEvaluationRequested();
    // A draw of a result was picked: the board is to show history position p.
    void drawChosen(int position);
    // The empty-history page asks for the entry of a draw.
    void entryRequested();

  private:
    QLayout* buildButtonRow();
    void historyChanged();
    void presetDateRange();
    void rangeFromChanged();
    void rangeToChanged();
    void showResults(logic::ResultTables& tables);
    // Without file tabs: the help panel, or while no draw is stored, how to get draws.
    void showIdleArea();
    // Shows the tables kept and the overview of a range or running-time evaluation, which
    // `evaluate` runs over the slips it is given; returns what `evaluate` returned.
    using SlipEvaluation = std::function<int(std::span<const logic::SlipRecord>, logic::ResultSink&)>;
    int evaluateWithOverview(const QString& title, const SlipEvaluation& evaluate);
    std::span<const logic::SlipRecord> activeSlips() const;
    bool needsFileTab();

    const logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    logic::SlipList slips_;
    // Running numbers of file tabs and result tabs; never reused.
    int nextFileTab_ = 1;
    int nextResultTab_ = 1;
    // The range last set from the history; a range the user changed stays as it is.
    std::pair<QDate, QDate> presetRange_;

    DateField* rangeFromEdit_ = nullptr;
    DateField* rangeToEdit_ = nullptr;
    QPushButton* evaluateMarkedButton_ = nullptr;
    QStackedWidget* area_ = nullptr;
    QTabWidget* fileTabs_ = nullptr;
    HelpPanel* helpPanel_ = nullptr;
    EmptyHistoryPage* emptyHistoryPage_ = nullptr;
    OverviewWindow* overview_ = nullptr;
};

} // namespace talvo::ui

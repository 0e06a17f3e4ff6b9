#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
struct OptionsRecord;
} // namespace talvo::logic

namespace talvo::ui {

// What the options window reaches in the windows created before it. A missing window
// leaves its part empty.
struct OptionsHooks {
    // The captions of the statistics window's tabs.
    QStringList statisticsTabs;
    // Sets the statistics window's draw-count choice (running its handler) and tab.
    std::function<void(int drawCountIndex, int tabIndex)> setUpStatistics;
    // The main window's loader of a play-slip file for evaluation.
    std::function<void(const QString& path)> loadEvaluation;
};

// "Optionen - Programmeinstellungen": shows and saves the options record.
class OptionsWindow : public QWidget {
    Q_OBJECT
  public:
    OptionsWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);

    // The creation step at program start: reads optionen.kop, shows it, sets up the
    // statistics window and opens the start file for evaluation.
    void setUpAtStart(const OptionsHooks& hooks);

    // "&Speichern".
    void save();
    // "Spielschein-Datei jetzt öffnen".
    void openStartFileNow();
    // The browse button: puts the chosen file into startFileEdit.
    void browseStartFile();

  private:
    QWidget* buildSlipGroup();
    QWidget* buildStartFileGroup();
    QWidget* buildTipGroup();
    QWidget* buildStatisticsGroup();
    QComboBox* makeTypeCombo(const QString& name);
    void showOptions(const logic::OptionsRecord& e);
    void applyColourScheme(int index);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    OptionsHooks hooks_;

    std::array<QComboBox*, 5> slipTypeCombos{}; // combo21..combo25
    std::array<QComboBox*, 5> tipTypeCombos{};   // combo1..combo5
    QButtonGroup* colourSchemeGroup = nullptr;
    QComboBox* stakeCombo = nullptr;
    QCheckBox* plus5Check = nullptr;
    QComboBox* durationCombo = nullptr;
    QLineEdit* startFileEdit = nullptr;
    QComboBox* tipRangeCombo = nullptr;
    QComboBox* statisticsTabCombo = nullptr;
    QComboBox* statisticsDrawCountCombo = nullptr;
};

} // namespace talvo::ui

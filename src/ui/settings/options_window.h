#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace talvo::logic {
class ProgramState;
class StatisticsSelection;
struct AppPaths;
struct OptionsRecord;
} // namespace talvo::logic

namespace talvo::ui {

// "Optionen - Programmeinstellungen": shows and saves the options record.
class OptionsWindow : public QWidget {
    Q_OBJECT
  public:
    OptionsWindow(logic::ProgramState& state, logic::StatisticsSelection& selection,
                  const logic::AppPaths& paths, QWidget* parent = nullptr);

    // The captions of the statistics window's tabs, in place of the built-in ones.
    void setStatisticsTabNames(const QStringList& names);

    // The creation step at program start: reads optionen.kop, shows it, chooses the stored
    // statistics draw count and tab and asks for the start file's evaluation.
    void setUpAtStart();

    // "&Speichern".
    void save();
    // "Spielschein-Datei jetzt öffnen".
    void openStartFileNow();
    // The browse button: puts the chosen file into startFileEdit.
    void browseStartFile();

  signals:
    // The stored statistics tab, to be brought to the front.
    void statisticsTabChosen(int tabIndex);
    // A play-slip file to be loaded for evaluation.
    void evaluationFileRequested(const QString& path);

  private:
    QWidget* buildSlipGroup();
    QWidget* buildStartFileGroup();
    QWidget* buildTipGroup();
    QWidget* buildStatisticsGroup();
    QComboBox* makeTypeCombo(const QString& name);
    void showOptions(const logic::OptionsRecord& e);
    void applyColourScheme(int index);

    logic::ProgramState& state_;
    logic::StatisticsSelection& selection_;
    const logic::AppPaths& paths_;

    std::array<QComboBox*, 5> slipTypeCombos{}; // combo21..combo25
    std::array<QComboBox*, 5> tipTypeCombos{};  // combo1..combo5
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

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
struct TEinstellungen;
} // namespace talvo::logic

namespace talvo::ui {

// What the options window reaches in the windows created before it. A missing window
// leaves its part empty.
struct OptionenKopplung {
    // The captions of the statistics window's tabs.
    QStringList statistikRegister;
    // Sets the statistics window's draw-count choice (running its handler) and tab.
    std::function<void(int anzahlIndex, int registerIndex)> statistikEinstellen;
    // The main window's loader of a play-slip file for evaluation.
    std::function<void(const QString& path)> auswertungLaden;
};

// "Optionen - Programmeinstellungen": shows and saves the options record.
class TFOptionen : public QWidget {
    Q_OBJECT
  public:
    TFOptionen(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);

    // The creation step at program start: reads optionen.kop, shows it, sets up the
    // statistics window and opens the start file for evaluation.
    void FormCreate(const OptionenKopplung& kopplung);

    // "&Speichern".
    void Speichern();
    // "Spielschein-Datei jetzt öffnen".
    void JetztOeffnen();
    // The browse button: puts the chosen file into EFile.
    void Durchsuchen();

  private:
    QWidget* buildSlipGroup();
    QWidget* buildStartFileGroup();
    QWidget* buildTipGroup();
    QWidget* buildStatisticsGroup();
    QComboBox* typListe(const QString& name);
    void anzeigen(const logic::TEinstellungen& e);
    void RG3Click(int index);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    OptionenKopplung kopplung_;

    std::array<QComboBox*, 5> comboSchein{}; // combo21..combo25
    std::array<QComboBox*, 5> comboTipp{};   // combo1..combo5
    QButtonGroup* RG3 = nullptr;
    QComboBox* ComboEinsatz = nullptr;
    QCheckBox* cbPlus5 = nullptr;
    QComboBox* comboLaufzeit = nullptr;
    QLineEdit* EFile = nullptr;
    QComboBox* ComboTipps = nullptr;
    QComboBox* ComboStat2 = nullptr;
    QComboBox* ComboStat1 = nullptr;
};

} // namespace talvo::ui

#pragma once

#include <QWidget>
#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace talvo::logic {
class ProgramState;
class SlipEditor;
} // namespace talvo::logic

namespace talvo::ui {

class DateField;
class NumberCell;

// The editor of one play slip: its fields side by side, each a board of 70 numbers
// above its gauge and "KENO-Typ" selector, and the slip-wide choices in a strip below.
// It shows and drives a logic::SlipEditor.
class TFrSschein : public QWidget {
    Q_OBJECT
  public:
    TFrSschein(logic::SlipEditor& editor, logic::ProgramState& state, QWidget* parent = nullptr);

    logic::SlipEditor& editor() const { return editor_; }
    int nummer() const;

    // The cell of a number, the gauge and the type selector of a field.
    NumberCell* zelle(int feld, int zahl) const;
    QProgressBar* gauge(int feld) const;
    QButtonGroup* typen(int feld) const;

    // Shows the slip's state anew, after it was changed from outside the controls.
    void refresh();

    // The handlers bound to the controls; tests call them as a click would.
    void LLClick(int key);
    void cbSysClick(int key, int auswahl);
    void date1Exit();
    void BDelClick();

  signals:
    // "BGo": the slip is to be checked and transferred.
    void uebertragenGewuenscht(int nummer);

  private:
    struct Feld {
        QFrame* rahmen = nullptr;
        std::vector<NumberCell*> zellen; // index number − 1
        QProgressBar* gauge = nullptr;
        QButtonGroup* typen = nullptr;
    };

    QWidget* buildField(int feld);
    QWidget* buildStrip();
    void showField(int feld);
    void showSlipChoices();
    void applyColours();

    logic::SlipEditor& editor_;
    logic::ProgramState& state_;
    std::array<Feld, 5> felder_{};
    QLineEdit* E77 = nullptr;
    QCheckBox* cbPlus = nullptr;
    QButtonGroup* RGEins = nullptr;
    QComboBox* comboDauer = nullptr;
    DateField* date1 = nullptr;
    QComboBox* ComboTG = nullptr;
    QLineEdit* EName = nullptr;
    QPushButton* BGo = nullptr;
    QPushButton* BDel = nullptr;
};

} // namespace talvo::ui

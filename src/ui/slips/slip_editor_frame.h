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
class SlipEditorFrame : public QWidget {
    Q_OBJECT
  public:
    SlipEditorFrame(logic::SlipEditor& editor, logic::ProgramState& state, QWidget* parent = nullptr);

    logic::SlipEditor& editor() const { return editor_; }
    int slipNumber() const;

    // The cell of a number, the gauge and the type selector of a field.
    NumberCell* numberCell(int field, int number) const;
    QProgressBar* gauge(int field) const;
    QButtonGroup* typeButtons(int field) const;

    // Shows the slip's state anew, after it was changed from outside the controls.
    void refresh();

    // The handlers bound to the controls; tests call them as a click would.
    void toggleNumber(int key);
    void selectType(int key, int typeChoice);
    void checkStartDate();
    void clearSlip();

  signals:
    // "BGo": the slip is to be checked and transferred.
    void transferRequested(int slipNumber);

  private:
    struct Field {
        QFrame* frame = nullptr;
        std::vector<NumberCell*> cells; // index number − 1
        QProgressBar* gauge = nullptr;
        QButtonGroup* typeButtons = nullptr;
    };

    QWidget* buildField(int field);
    QWidget* buildStrip();
    void showField(int field);
    void showSlipChoices();
    void applyColours();

    logic::SlipEditor& editor_;
    logic::ProgramState& state_;
    std::array<Field, 5> fields_{};
    QLineEdit* plus5Edit_ = nullptr;
    QCheckBox* plus5Check_ = nullptr;
    QButtonGroup* stakeButtons_ = nullptr;
    QComboBox* durationCombo_ = nullptr;
    DateField* startDateEdit_ = nullptr;
    QComboBox* syndicateCombo_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QPushButton* transferButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
};

} // namespace talvo::ui

#pragma once

#include <QDate>
#include <QWidget>
#include <utility>

class QButtonGroup;
class QDate;
class QGroupBox;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class DateField;

// "Excel-Export": hands the stored draws of a date range to the spreadsheet program, with
// the winning numbers, the plus 5 numbers or both.
class DrawExportWindow : public QWidget {
    Q_OBJECT
  public:
    DrawExportWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);

    // At program start, once the history is loaded: the choices and the range from the
    // first KENO draw to the last stored one. While no draw is stored, the first stored
    // draw sets them up. The range follows every change of the history until the user
    // changes it; then it stays as the user leaves it.
    void setUpAtStart();
    // "Excel-Export...".
    void exportToSpreadsheet();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void setUp();
    void fromDateChanged();
    void toDateChanged();
    void setRange(const QDate& from, const QDate& to);
    void historyChanged();
    std::pair<QDate, QDate> defaultRange() const;

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    QGroupBox* choices_ = nullptr;
    QButtonGroup* choiceGroup = nullptr;
    QGroupBox* range_ = nullptr;
    DateField* fromDateField = nullptr;
    DateField* toDateField = nullptr;
    // The range last set from the history.
    std::pair<QDate, QDate> shownDefault_;
};

} // namespace talvo::ui

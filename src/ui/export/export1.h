#pragma once

#include <QMetaObject>
#include <QWidget>

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
class TFExport1 : public QWidget {
    Q_OBJECT
  public:
    TFExport1(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);

    // At program start, once the history is loaded: the choices and the range from the
    // first KENO draw to the last stored one. While no draw is stored, the first stored
    // draw sets them up; afterwards they stay as the user leaves them.
    void FormCreate();
    // "Excel-Export...".
    void BExcel1Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void setUp();
    void DateVChange();
    void DateBChange();
    void setRange(const QDate& von, const QDate& bis);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    QGroupBox* choices_ = nullptr;
    QButtonGroup* RG1 = nullptr;
    QGroupBox* range_ = nullptr;
    DateField* DateV = nullptr;
    DateField* DateB = nullptr;
    QMetaObject::Connection waitingForDraw_;
};

} // namespace talvo::ui

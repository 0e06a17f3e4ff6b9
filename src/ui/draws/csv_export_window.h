#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class DateField;

// "Ziehungen als CSV exportieren": saves the draws, optionally of a date range, in the
// columns of the lottery's archive, so spreadsheets read them and the import takes them
// back.
class CsvExportWindow : public QWidget {
    Q_OBJECT
  public:
    CsvExportWindow(const logic::ProgramState& state, const logic::AppPaths& paths,
                    QWidget* parent = nullptr);

    // "Exportieren...": asks for the file and writes it.
    void exportDraws();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString csv() const;
    void showCount();

    const logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    QCheckBox* rangeCheck = nullptr;
    DateField* fromDateField = nullptr;
    DateField* toDateField = nullptr;
    QLabel* countLabel_ = nullptr;
};

} // namespace talvo::ui

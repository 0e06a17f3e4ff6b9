#pragma once

#include <QAbstractTableModel>

namespace talvo::logic {
class ExportTable;
struct StrategyTestResult;
} // namespace talvo::logic

namespace talvo::ui {

// The tested draws as table rows: date, tip, hits, prize and balance of the strategy,
// then hits, prize and balance of the random tips. Amounts in whole euro.
class StrategyTestModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setResult(const logic::StrategyTestResult* result);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString cellText(int row, int column) const;
    // The whole table with its header row, as the spreadsheet gets it.
    logic::ExportTable exportTable() const;

  private:
    const logic::StrategyTestResult* result_ = nullptr;
};

} // namespace talvo::ui

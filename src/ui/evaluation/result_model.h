#pragma once

#include <QAbstractTableModel>

namespace talvo::logic {
struct ResultTable;
}

namespace talvo::ui {

// Shows one result table; the tabs of a file switch the table it shows, so a single
// view serves thousands of tables.
class ResultModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // The table must outlive its showing; nullptr shows nothing.
    void setTable(const logic::ResultTable* table);
    const logic::ResultTable* table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const logic::ResultTable* table_ = nullptr;
};

} // namespace talvo::ui

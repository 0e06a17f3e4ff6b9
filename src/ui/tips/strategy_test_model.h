#pragma once

#include <QAbstractTableModel>

namespace talvo::logic {
class ExportTabelle;
struct StrategieTestErgebnis;
} // namespace talvo::logic

namespace talvo::ui {

// The tested draws as table rows: date, tip, hits, prize and balance of the strategy,
// then hits, prize and balance of the random tips. Amounts in whole euro.
class StrategieTestModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setErgebnis(const logic::StrategieTestErgebnis* ergebnis);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString cellText(int row, int column) const;
    // The whole table with its header row, as the spreadsheet gets it.
    logic::ExportTabelle exportTable() const;

  private:
    const logic::StrategieTestErgebnis* ergebnis_ = nullptr;
};

} // namespace talvo::ui

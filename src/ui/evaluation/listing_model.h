#pragma once

#include "logic/evaluation/slip_listing.h"

#include <QAbstractTableModel>

namespace talvo::ui {

// The listing of a file's slips, one row per listed field.
class ListingModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    ListingModel(std::vector<logic::ListingRow> rows, QObject* parent = nullptr)
        : QAbstractTableModel(parent), rows_(std::move(rows)) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : logic::kListingColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<logic::ListingRow> rows_;
};

} // namespace talvo::ui

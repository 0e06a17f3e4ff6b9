#include "ui/evaluation/result_model.h"

#include "logic/evaluation/result_table.h"

namespace talvo::ui {

void ResultModel::setTable(const logic::ResultTable* table) {
    beginResetModel();
    table_ = table;
    endResetModel();
}

int ResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : static_cast<int>(table_->rows.size());
}

int ResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : logic::ResultTable::kColumns;
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !table_ || !index.isValid())
        return {};
    return table_->cell(static_cast<std::size_t>(index.row()), index.column());
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return logic::ResultTable::header(section);
}

} // namespace talvo::ui

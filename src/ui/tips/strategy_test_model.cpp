#include "ui/tips/strategy_test_model.h"

#include "logic/core/dates.h"
#include "logic/core/format.h"
#include "logic/export/export_table.h"
#include "logic/statistics/free_search.h"
#include "logic/tips/strategy_test.h"

#include <array>

namespace talvo::ui {

namespace {
const std::array<const char*, 8> kHeader = {"Datum", "Tipp",           "Treffer",       "Gewinn",
                                            "Stand", "Zufall Treffer", "Zufall Gewinn", "Zufall Stand"};
}

void StrategyTestModel::setResult(const logic::StrategyTestResult* result) {
    beginResetModel();
    result_ = result;
    endResetModel();
}

int StrategyTestModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !result_ ? 0 : static_cast<int>(result_->draws.size());
}

int StrategyTestModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kHeader.size());
}

QString StrategyTestModel::cellText(int row, int column) const {
    const logic::TestedDraw& z = result_->draws[static_cast<std::size_t>(row)];
    switch (column) {
    case 0:
        return logic::serialToText(z.date);
    case 1:
        return logic::numbersText(z.tip);
    case 2:
        return QString::number(z.hitCount);
    case 3:
        return logic::formatInteger(z.winnings);
    case 4:
        return logic::formatInteger(z.balance);
    case 5:
        return QString::number(z.randomHitCount);
    case 6:
        return logic::formatInteger(z.randomWinnings);
    case 7:
        return logic::formatInteger(z.randomBalance);
    default:
        return {};
    }
}

QVariant StrategyTestModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !result_)
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>((index.column() == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

QVariant StrategyTestModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(kHeader.size()))
        return QString::fromUtf8(kHeader[static_cast<std::size_t>(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

logic::ExportTable StrategyTestModel::exportTable() const {
    logic::ExportTable table(columnCount(), rowCount() + 1);
    for (int c = 0; c < columnCount(); ++c) {
        table.setCell(c, 0, QString::fromUtf8(kHeader[static_cast<std::size_t>(c)]));
        for (int r = 0; r < rowCount(); ++r)
            table.setCell(c, r + 1, cellText(r, c));
    }
    return table;
}

} // namespace talvo::ui

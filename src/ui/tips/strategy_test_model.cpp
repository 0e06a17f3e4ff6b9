#include "ui/tips/strategy_test_model.h"

#include "logic/core/dates.h"
#include "logic/core/format.h"
#include "logic/export/export_tabelle.h"
#include "logic/statistics/free_search.h"
#include "logic/tips/strategie_test.h"

#include <array>

namespace talvo::ui {

namespace {
const std::array<const char*, 8> kKopf = {"Datum", "Tipp",           "Treffer",       "Gewinn",
                                          "Stand", "Zufall Treffer", "Zufall Gewinn", "Zufall Stand"};
}

void StrategieTestModel::setErgebnis(const logic::StrategieTestErgebnis* ergebnis) {
    beginResetModel();
    ergebnis_ = ergebnis;
    endResetModel();
}

int StrategieTestModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !ergebnis_ ? 0 : static_cast<int>(ergebnis_->ziehungen.size());
}

int StrategieTestModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kKopf.size());
}

QString StrategieTestModel::cellText(int row, int column) const {
    const logic::GetesteteZiehung& z = ergebnis_->ziehungen[static_cast<std::size_t>(row)];
    switch (column) {
    case 0:
        return logic::serialToText(z.datum);
    case 1:
        return logic::zahlenText(z.tipp);
    case 2:
        return QString::number(z.treffer);
    case 3:
        return logic::formatInteger(z.gewinn);
    case 4:
        return logic::formatInteger(z.stand);
    case 5:
        return QString::number(z.zufallTreffer);
    case 6:
        return logic::formatInteger(z.zufallGewinn);
    case 7:
        return logic::formatInteger(z.zufallStand);
    default:
        return {};
    }
}

QVariant StrategieTestModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !ergebnis_)
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>((index.column() == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

QVariant StrategieTestModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(kKopf.size()))
        return QString::fromUtf8(kKopf[static_cast<std::size_t>(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

logic::ExportTabelle StrategieTestModel::exportTable() const {
    logic::ExportTabelle table(columnCount(), rowCount() + 1);
    for (int c = 0; c < columnCount(); ++c) {
        table.setZelle(c, 0, QString::fromUtf8(kKopf[static_cast<std::size_t>(c)]));
        for (int r = 0; r < rowCount(); ++r)
            table.setZelle(c, r + 1, cellText(r, c));
    }
    return table;
}

} // namespace talvo::ui

#include "logic/export/export_table.h"

#include <algorithm>

namespace talvo::logic {

ExportTable::ExportTable(int columnCount, int rowCount)
    : columnCount_(std::clamp(columnCount, 0, kMaxColumns)), rowCount_(std::max(rowCount, 0)),
      cells_(static_cast<std::size_t>(columnCount_) * static_cast<std::size_t>(rowCount_)) {}

const QString& ExportTable::cell(int column, int row) const {
    static const QString empty;
    if (column < 0 || column >= columnCount_ || row < 0 || row >= rowCount_)
        return empty;
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_) +
                  static_cast<std::size_t>(column)];
}

void ExportTable::setCell(int column, int row, const QString& text) {
    if (column < 0 || column >= columnCount_ || row < 0 || row >= rowCount_)
        return;
    cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_) +
           static_cast<std::size_t>(column)] = text;
}

} // namespace talvo::logic

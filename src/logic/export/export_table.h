#pragma once

#include <QString>
#include <vector>

namespace talvo::logic {

// A rectangular table of texts handed to the spreadsheet export; row 0 holds the column
// headers. At most 26 columns (A to Z).
class ExportTable {
  public:
    static constexpr int kMaxColumns = 26;

    ExportTable(int columnCount, int rowCount);

    int columnCount() const { return columnCount_; }
    int rowCount() const { return rowCount_; }
    const QString& cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

  private:
    int columnCount_;
    int rowCount_;
    std::vector<QString> cells_; // row by row
};

} // namespace talvo::logic

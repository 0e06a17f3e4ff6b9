#pragma once

#include <QTableWidget>

namespace talvo::ui {

// A grid addressed like a spreadsheet: cell (column, row) with row 0 the header row and
// column 0 a fixed column drawn like the header. Data cells are centred on white.
class ResultGrid : public QTableWidget {
    Q_OBJECT
  public:
    ResultGrid(const QString& name, const QStringList& header, int dataRows, QWidget* parent = nullptr);

    QString cellText(int column, int row) const;
    void setCellText(int column, int row, const QString& text);
    // Rows below the header; new rows come with empty cells.
    void setDataRows(int rows);
    void setColumns(int columns);
    int dataRows() const { return rowCount(); }

  private:
    QTableWidgetItem* makeItem(int column) const;
};

} // namespace talvo::ui

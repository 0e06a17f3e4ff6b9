#include "ui/statistics/result_grid.h"

#include <QHeaderView>

namespace talvo::ui {

ResultGrid::ResultGrid(const QString& name, const QStringList& header, int dataRows, QWidget* parent)
    : QTableWidget(parent) {
    setObjectName(name);
    setColumns(static_cast<int>(header.size()));
    for (int c = 0; c < header.size(); ++c)
        setCellText(c, 0, header[c]);
    setDataRows(dataRows);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setAlternatingRowColors(false);
    setWordWrap(false);
}

QTableWidgetItem* ResultGrid::makeItem(int column) const {
    auto* item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled);
    if (column == 0) {
        item->setBackground(palette().button());
        item->setForeground(palette().buttonText());
    } else {
        item->setBackground(Qt::white);
        item->setForeground(Qt::black);
    }
    return item;
}

QString ResultGrid::cellText(int column, int row) const {
    const QTableWidgetItem* item = row == 0 ? horizontalHeaderItem(column) : this->item(row - 1, column);
    return item ? item->text() : QString();
}

void ResultGrid::setCellText(int column, int row, const QString& text) {
    if (column < 0 || column >= columnCount() || row < 0 || row > rowCount())
        return;
    if (row == 0) {
        QTableWidgetItem* h = horizontalHeaderItem(column);
        if (!h) {
            h = new QTableWidgetItem;
            setHorizontalHeaderItem(column, h);
        }
        h->setText(text);
        return;
    }
    item(row - 1, column)->setText(text);
}

void ResultGrid::setDataRows(int rows) {
    const int old = rowCount();
    setRowCount(rows);
    for (int r = old; r < rows; ++r)
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, makeItem(c));
}

void ResultGrid::setColumns(int columns) {
    const int old = columnCount();
    setColumnCount(columns);
    for (int c = old; c < columns; ++c)
        for (int r = 0; r < rowCount(); ++r)
            setItem(r, c, makeItem(c));
}

} // namespace talvo::ui

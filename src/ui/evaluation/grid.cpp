#include "ui/evaluation/grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>

namespace talvo::ui {

namespace {

// Body cells are white with their text centred 2 pixels below the top; no cell is
// coloured by its content and the selection is not shown. The first column keeps the
// look of the header, as a fixed column does.
class GridCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect r = option.rect;
        painter->save();
        if (index.column() == 0) {
            painter->fillRect(r, option.palette.color(QPalette::Button));
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(r.topRight(), r.bottomRight());
            painter->drawLine(r.bottomLeft(), r.bottomRight());
            painter->setPen(option.palette.color(QPalette::ButtonText));
            painter->drawText(r.adjusted(4, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop, text);
        } else {
            painter->fillRect(r, Qt::white);
            painter->setPen(option.palette.color(QPalette::Text));
            // A text wider than its cell keeps its beginning in sight.
            const QRect textRect = r.adjusted(2, 2, -2, 0);
            const bool fits = option.fontMetrics.horizontalAdvance(text) <= textRect.width();
            painter->drawText(textRect, (fits ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop, text);
        }
        painter->restore();
    }
};

} // namespace

void setUpGrid(QTableView* view, std::span<const int> widths, int defaultWidth) {
    view->setItemDelegate(new GridCellDelegate(view));
    // The narrow columns of the grids are made for a small font.
    QFont small = view->font();
    small.setPixelSize(11);
    view->setFont(small);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFocusPolicy(Qt::NoFocus);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    QHeaderView* header = view->horizontalHeader();
    header->setFont(small);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultSectionSize(defaultWidth);
    header->setMinimumSectionSize(10);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setFixedHeight(kGridRowHeight + 2);
    for (std::size_t c = 0; c < widths.size(); ++c)
        header->resizeSection(static_cast<int>(c), widths[c]);
}

} // namespace talvo::ui

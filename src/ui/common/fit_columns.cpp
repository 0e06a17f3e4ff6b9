#include "ui/common/fit_columns.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace talvo::ui {

void fitColumnsToContent(QTableView* view, std::initializer_list<int> columns) {
    QHeaderView* header = view->horizontalHeader();
    // The view's own measure of its cells (margins, grid line and the style's padding
    // included); reached through the base class, where it is public.
    const QAbstractItemView* cells = view;
    for (int c : columns) {
        const int needed = std::max(header->sectionSizeHint(c), cells->sizeHintForColumn(c));
        header->resizeSection(c, std::max(header->sectionSize(c), needed));
    }
}

} // namespace talvo::ui

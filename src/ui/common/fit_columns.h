#pragma once

#include <initializer_list>

class QTableView;

namespace talvo::ui {

// Widens the given columns of a view so that their header and every cell show their
// whole text; a column never becomes narrower than it is.
void fitColumnsToContent(QTableView* view, std::initializer_list<int> columns);

} // namespace talvo::ui

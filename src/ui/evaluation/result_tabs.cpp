#include "ui/evaluation/result_tabs.h"

#include "ui/evaluation/grid.h"
#include "ui/evaluation/result_model.h"
#include "ui/evaluation/result_tab_strip.h"

#include <QTableView>
#include <QVBoxLayout>
#include <array>

namespace talvo::ui {

namespace {
constexpr std::array<int, 9> kWidths = {35, 30, 45, 45, 45, 50, 40, 90, 70};
constexpr int kDefaultWidth = 40;
} // namespace

ResultTabs::ResultTabs(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PCG2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    bar_ = new ResultTabStrip(this);
    bar_->setObjectName(QStringLiteral("PCG2Tabs"));
    layout->addWidget(bar_);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("g2"));
    model_ = new ResultModel(this);
    grid_->setModel(model_);
    setUpGrid(grid_, kWidths, kDefaultWidth);
    grid_->setProperty("tag", 0);
    layout->addWidget(grid_, 1);

    connect(bar_, &ResultTabStrip::currentChanged, this, &ResultTabs::showTable);
    // PCG2Change: only the user's choice of a tab selects its draw in the main window.
    connect(bar_, &ResultTabStrip::tabActivated, this, [this](int index) {
        const int position =
            index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)].table.position : -1;
        // A table of the current-draw mode belongs to no draw and changes no selection.
        if (position >= 0)
            emit drawChosen(position);
    });
}

ResultTabs::~ResultTabs() = default;

void ResultTabs::addTables(logic::ResultTables tables, int& counter) {
    if (tables.empty())
        return;
    QStringList captions;
    captions.reserve(static_cast<qsizetype>(tables.size()));
    for (logic::ResultTable& table : tables) {
        captions << table.caption;
        tabs_.push_back({counter++, std::move(table)});
    }
    bar_->addTabs(captions);
    bar_->setCurrentIndex(count() - 1);
}

void ResultTabs::closeCurrent() {
    const int index = currentIndex();
    if (index < 0)
        return;
    // The grid must not point at a table that is about to go.
    model_->setTable(nullptr);
    tabs_.erase(tabs_.begin() + index);
    bar_->removeTab(index);
    showTable(currentIndex());
}

void ResultTabs::closeAll() {
    model_->setTable(nullptr);
    // From the last to the first, as the tabs were opened.
    while (!tabs_.empty())
        tabs_.pop_back();
    bar_->clear();
    showTable(-1);
}

int ResultTabs::currentIndex() const {
    return bar_->currentIndex();
}

QString ResultTabs::tabName(int index) const {
    return QStringLiteral("TabG%1").arg(tabTag(index));
}

int ResultTabs::tabTag(int index) const {
    return index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)].tag : 0;
}

const logic::ResultTable& ResultTabs::table(int index) const {
    return tabs_.at(static_cast<std::size_t>(index)).table;
}

void ResultTabs::showTable(int index) {
    const logic::ResultTable* t =
        index >= 0 && index < count() ? &tabs_[static_cast<std::size_t>(index)].table : nullptr;
    if (model_->table() == t)
        return;
    model_->setTable(t);
    // The grid keeps the draw position of its table; a table of the current-draw mode has none.
    grid_->setProperty("tag", t && t->position >= 0 ? t->position : 0);
    grid_->scrollToTop();
}

} // namespace talvo::ui

#include "ui/statistics/free_search_page.h"

#include "logic/state/program_state.h"
#include "logic/statistics/free_search.h"
#include "ui/common/standard_icon.h"
#include "ui/common/user_action.h"
#include "ui/statistics/result_grid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace talvo::ui {

FreeSearchPage::FreeSearchPage(const logic::ProgramState& state, std::function<int()> drawCount,
                               QWidget* parent)
    : QWidget(parent), state_(state), drawCount_(std::move(drawCount)) {
    auto* page = new QHBoxLayout(this);

    auto* pickBox = new QGroupBox(QStringLiteral("Gesuchte Kombination"), this);
    auto* pick = new QVBoxLayout(pickBox);
    auto* hint =
        new QLabel(QStringLiteral("Wählen Sie maximal 10 Zahlen für die zu suchende Kombination"), pickBox);
    hint->setWordWrap(true);
    pick->addWidget(hint);
    auto* board = new QGridLayout;
    board->setSpacing(2);
    for (int n = 1; n <= 70; ++n) {
        auto* b = new QPushButton(QString::number(n), pickBox);
        b->setObjectName(QStringLiteral("lot%1").arg(n));
        b->setProperty("tag", n);
        b->setCheckable(true);
        b->setFixedSize(34, 26);
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QStringLiteral("QPushButton:checked { background: rgb(0, 64, 128); color: white; "
                                        "font-weight: bold; border: 1px solid rgb(0, 40, 90); }"));
        connect(b, &QPushButton::clicked, this,
                [this, n] { runAction(this, [this, n] { toggleNumber(n); }); });
        board->addWidget(b, (n - 1) / 7, (n - 1) % 7);
        numberButtons_[static_cast<std::size_t>(n)] = b;
    }
    pick->addLayout(board);
    auto* pickButtons = new QHBoxLayout;
    auto* clearButton = new QPushButton(QStringLiteral("&Löschen"), pickBox);
    clearButton->setObjectName(QStringLiteral("BDel"));
    clearButton->setIcon(standardIcon(style(), QStyle::SP_DialogResetButton));
    connect(clearButton, &QPushButton::clicked, this, [this] { runAction(this, [this] { clearPicked(); }); });
    auto* start = new QPushButton(QStringLiteral("&Start"), pickBox);
    start->setObjectName(QStringLiteral("BStart"));
    start->setIcon(standardIcon(style(), QStyle::SP_MediaPlay));
    connect(start, &QPushButton::clicked, this, [this] { runAction(this, [this] { runSearch(); }); });
    pickButtons->addWidget(clearButton);
    pickButtons->addStretch(1);
    pickButtons->addWidget(start);
    pick->addLayout(pickButtons);
    pick->addStretch(1);
    page->addWidget(pickBox);

    auto* results = new QVBoxLayout;
    resultHeading_ = new QLabel(this);
    resultHeading_->setObjectName(QStringLiteral("PKombiTop"));
    resultHeading_->setAlignment(Qt::AlignCenter);
    resultHeading_->setFrameShape(QFrame::StyledPanel);
    resultHeading_->setMinimumHeight(26);
    QFont bold = resultHeading_->font();
    bold.setBold(true);
    resultHeading_->setFont(bold);
    results->addWidget(resultHeading_);

    detailBox_ = new QGroupBox(QStringLiteral("Such-Ergebnis im Detail"), this);
    detailBox_->setObjectName(QStringLiteral("GR2"));
    auto* detail = new QVBoxLayout(detailBox_);
    hitGrid_ = new ResultGrid(QStringLiteral("g1"),
                              {QStringLiteral("Nr."), QStringLiteral("Ausspielung"), QStringLiteral("Datum")},
                              1, detailBox_);
    hitGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    detail->addWidget(hitGrid_);
    results->addWidget(detailBox_, 3);

    auto* totalBox = new QGroupBox(QStringLiteral("Such-Ergebnisse gesamt"), this);
    auto* total = new QVBoxLayout(totalBox);
    const auto& rows = logic::summaryRowLabels();
    summaryGrid_ =
        new ResultGrid(QStringLiteral("g2"), {rows[0]}, static_cast<int>(rows.size()) - 1, totalBox);
    for (int r = 1; r < static_cast<int>(rows.size()); ++r)
        summaryGrid_->setCellText(0, r, rows[static_cast<std::size_t>(r)]);
    summaryGrid_->setColumnWidth(0, 110);
    summaryGrid_->setMinimumHeight(summaryGrid_->verticalHeader()->defaultSectionSize() * 6 + 30);
    total->addWidget(summaryGrid_);
    results->addWidget(totalBox, 2);
    page->addLayout(results, 1);
}

void FreeSearchPage::toggleNumber(int number) {
    logic::togglePick(picked_, number);
    showPicked();
}

void FreeSearchPage::clearPicked() {
    picked_ = {};
    showPicked();
}

void FreeSearchPage::showPicked() {
    for (int n = 1; n <= 70; ++n)
        numberButtons_[static_cast<std::size_t>(n)]->setChecked(picked_.contains(n));
}

void FreeSearchPage::runSearch() {
    // Without a picked number every draw would be a hit and there are no odds to compare.
    if (picked_.empty())
        return;
    const logic::FreeSearchResult r = logic::freeSearch(state_.history(), picked_, drawCount_());
    resultHeading_->setText(QStringLiteral("Auswertung für %1 Ziehungen").arg(r.drawCount));
    hitGrid_->setDataRows(0);
    hitGrid_->setDataRows(std::max<int>(1, static_cast<int>(r.hits.size())));
    for (std::size_t h = 0; h < r.hits.size(); ++h) {
        const int row = static_cast<int>(h) + 1;
        hitGrid_->setCellText(0, row, QString::number(row));
        hitGrid_->setCellText(1, row, QString::number(r.hits[h].position + 1));
        hitGrid_->setCellText(2, row, logic::serialToText(r.hits[h].date));
    }
    detailBox_->setTitle(QStringLiteral("Such-Ergebnis im Detail (%1)").arg(r.hits.size()));
    ++searches_;
    const auto column = logic::summaryColumn(searches_, picked_, r);
    summaryGrid_->setColumns(searches_ + 1);
    for (std::size_t row = 0; row < column.size(); ++row)
        summaryGrid_->setCellText(searches_, static_cast<int>(row), column[row]);
    summaryGrid_->scrollToItem(summaryGrid_->item(0, searches_));
}

} // namespace talvo::ui

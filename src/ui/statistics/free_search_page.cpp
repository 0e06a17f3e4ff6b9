#include "ui/statistics/free_search_page.h"

#include "logic/core/program_state.h"
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
                [this, n] { runAction(this, [this, n] { BLotUrClick(n); }); });
        board->addWidget(b, (n - 1) / 7, (n - 1) % 7);
        lot_[static_cast<std::size_t>(n)] = b;
    }
    pick->addLayout(board);
    auto* pickButtons = new QHBoxLayout;
    auto* del = new QPushButton(QStringLiteral("&Löschen"), pickBox);
    del->setObjectName(QStringLiteral("BDel"));
    del->setIcon(standardIcon(style(), QStyle::SP_DialogResetButton));
    connect(del, &QPushButton::clicked, this, [this] { runAction(this, [this] { BDelClick(); }); });
    auto* start = new QPushButton(QStringLiteral("&Start"), pickBox);
    start->setObjectName(QStringLiteral("BStart"));
    start->setIcon(standardIcon(style(), QStyle::SP_MediaPlay));
    connect(start, &QPushButton::clicked, this, [this] { runAction(this, [this] { BStartClick(); }); });
    pickButtons->addWidget(del);
    pickButtons->addStretch(1);
    pickButtons->addWidget(start);
    pick->addLayout(pickButtons);
    pick->addStretch(1);
    page->addWidget(pickBox);

    auto* results = new QVBoxLayout;
    PKombiTop = new QLabel(this);
    PKombiTop->setObjectName(QStringLiteral("PKombiTop"));
    PKombiTop->setAlignment(Qt::AlignCenter);
    PKombiTop->setFrameShape(QFrame::StyledPanel);
    PKombiTop->setMinimumHeight(26);
    QFont bold = PKombiTop->font();
    bold.setBold(true);
    PKombiTop->setFont(bold);
    results->addWidget(PKombiTop);

    GR2 = new QGroupBox(QStringLiteral("Such-Ergebnis im Detail"), this);
    GR2->setObjectName(QStringLiteral("GR2"));
    auto* detail = new QVBoxLayout(GR2);
    g1 = new ResultGrid(QStringLiteral("g1"),
                        {QStringLiteral("Nr."), QStringLiteral("Ausspielung"), QStringLiteral("Datum")}, 1,
                        GR2);
    g1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    detail->addWidget(g1);
    results->addWidget(GR2, 3);

    auto* totalBox = new QGroupBox(QStringLiteral("Such-Ergebnisse gesamt"), this);
    auto* total = new QVBoxLayout(totalBox);
    const auto& rows = logic::zusammenfassungsZeilen();
    g2 = new ResultGrid(QStringLiteral("g2"), {rows[0]}, static_cast<int>(rows.size()) - 1, totalBox);
    for (int r = 1; r < static_cast<int>(rows.size()); ++r)
        g2->setCellText(0, r, rows[static_cast<std::size_t>(r)]);
    g2->setColumnWidth(0, 110);
    g2->setMinimumHeight(g2->verticalHeader()->defaultSectionSize() * 6 + 30);
    total->addWidget(g2);
    results->addWidget(totalBox, 2);
    page->addLayout(results, 1);
}

void FreeSearchPage::BLotUrClick(int number) {
    logic::auswahlUmschalten(picked_, number);
    showPicked();
}

void FreeSearchPage::BDelClick() {
    picked_ = {};
    showPicked();
}

void FreeSearchPage::showPicked() {
    for (int n = 1; n <= 70; ++n)
        lot_[static_cast<std::size_t>(n)]->setChecked(picked_.contains(n));
}

void FreeSearchPage::BStartClick() {
    // Without a picked number every draw would be a hit and there are no odds to compare.
    if (picked_.empty())
        return;
    const logic::FreieSucheErgebnis r = logic::FreieSuche(state_.history(), picked_, drawCount_());
    PKombiTop->setText(QStringLiteral("Auswertung für %1 Ziehungen").arg(r.W));
    g1->setDataRows(0);
    g1->setDataRows(std::max<int>(1, static_cast<int>(r.treffer.size())));
    for (std::size_t h = 0; h < r.treffer.size(); ++h) {
        const int row = static_cast<int>(h) + 1;
        g1->setCellText(0, row, QString::number(row));
        g1->setCellText(1, row, QString::number(r.treffer[h].position + 1));
        g1->setCellText(2, row, logic::serialToText(r.treffer[h].datum));
    }
    GR2->setTitle(QStringLiteral("Such-Ergebnis im Detail (%1)").arg(r.treffer.size()));
    ++searches_;
    const auto column = logic::zusammenfassung(searches_, picked_, r);
    g2->setColumns(searches_ + 1);
    for (std::size_t row = 0; row < column.size(); ++row)
        g2->setCellText(searches_, static_cast<int>(row), column[row]);
    g2->scrollToItem(g2->item(0, searches_));
}

} // namespace talvo::ui

#include "ui/evaluation/slip_file_frame.h"

#include "ui/common/fit_columns.h"
#include "ui/common/standard_icon.h"
#include "ui/evaluation/grid.h"
#include "ui/evaluation/listing_model.h"
#include "ui/evaluation/result_tabs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {
// The listing's columns of the slip name and the start date.
constexpr int kListingSlipColumn = 1;
constexpr int kListingStartColumn = 16;

QToolButton* iconButton(QWidget* parent, const QString& name, QStyle::StandardPixmap icon,
                        const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(standardIcon(parent->style(), icon));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}
} // namespace

SlipFileFrame::SlipFileFrame(int n, int first, int last, std::span<const logic::SlipRecord> slips,
                             QWidget* parent)
    : QWidget(parent), first_(first), last_(last) {
    setObjectName(QStringLiteral("Ausw%1").arg(n));
    setProperty("tag", first);

    listing_ = new QTableView(this);
    listing_->setObjectName(QStringLiteral("g1"));
    listing_->setModel(new ListingModel(logic::buildSlipListing(slips), listing_));
    setUpGrid(listing_, logic::listingColumnWidths(), 20);
    fitColumnsToContent(listing_, {kListingSlipColumn, kListingStartColumn});
    listing_->setProperty("tag", last);

    auto* lower = new QWidget(this);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(2, 2, 2, 0);
    bar->setSpacing(2);
    auto* title = new QLabel(QStringLiteral("Ergebnisse"), lower);
    title->setObjectName(QStringLiteral("resultsTitle"));
    bar->addWidget(title);
    bar->addStretch();
    QToolButton* closeOne = iconButton(lower, QStringLiteral("closeResultTab"), QStyle::SP_DialogCloseButton,
                                       QStringLiteral("Aktuelles Ergebnis schließen"));
    QToolButton* closeAll =
        iconButton(lower, QStringLiteral("closeAllResultTabs"), QStyle::SP_DialogDiscardButton,
                   QStringLiteral("Alle Ergebnisse schließen"));
    bar->addWidget(closeOne);
    bar->addWidget(closeAll);

    results_ = new ResultTabs(lower);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(2);
    lowerLayout->addLayout(bar);
    lowerLayout->addWidget(results_, 1);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(listing_);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(closeOne, &QToolButton::clicked, results_, &ResultTabs::closeCurrent);
    connect(closeAll, &QToolButton::clicked, results_, &ResultTabs::closeAll);
    connect(results_, &ResultTabs::drawChosen, this, &SlipFileFrame::drawChosen);
}

void SlipFileFrame::addResults(logic::ResultTables tables, int& counter) {
    results_->addTables(std::move(tables), counter);
}

} // namespace talvo::ui

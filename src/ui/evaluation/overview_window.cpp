#include "ui/evaluation/overview_window.h"

#include "logic/core/dates.h"
#include "logic/core/format.h"
#include "ui/evaluation/overview_chart.h"

#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

QString euro(double value) {
    return logic::formatNumber(value, 2);
}

QString count(long long value) {
    return QLocale(QLocale::German).toString(value);
}

QTableWidgetItem* cell(const QString& text, bool number = true) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

void fillRow(QTableWidget* table, int row, const logic::SlipSummary& s) {
    const QStringList texts = {
        QString(),
        count(s.evaluations),
        euro(static_cast<double>(s.stakeCents) / 100.0),
        euro(static_cast<double>(s.gamePrize)),
        euro(static_cast<double>(s.plus5Prize)),
        euro(static_cast<double>(s.balanceCents()) / 100.0),
        euro(s.expectedBalance()),
        s.largestPrize > 0 ? euro(static_cast<double>(s.largestPrize)) : QString(),
        s.largestPrize > 0 && s.largestPrizeDate > 0 ? logic::serialToText(s.largestPrizeDate) : QString()};
    for (int c = 1; c < texts.size(); ++c)
        table->setItem(row, c, cell(texts[c]));
}

} // namespace

OverviewWindow::OverviewWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FUebersicht"));
    setWindowTitle(QStringLiteral("Übersicht der Auswertung"));
    resize(980, 680);
    auto* layout = new QVBoxLayout(this);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("LTitel"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    layout->addWidget(title_);
    capNote_ = new QLabel(this);
    capNote_->setObjectName(QStringLiteral("LKappe"));
    capNote_->setWordWrap(true);
    capNote_->hide();
    layout->addWidget(capNote_);

    auto* split = new QSplitter(Qt::Vertical, this);
    summaryTable_ = new QTableWidget(0, 9, split);
    summaryTable_->setObjectName(QStringLiteral("TUebersicht"));
    summaryTable_->setHorizontalHeaderLabels(
        {QStringLiteral("Schein"), QStringLiteral("Auswertungen"), QStringLiteral("Einsatz"),
         QStringLiteral("Gewinn"), QStringLiteral("plus 5"), QStringLiteral("Saldo"),
         QStringLiteral("Erwarteter Saldo"), QStringLiteral("Größter Gewinn"), QStringLiteral("am")});
    summaryTable_->verticalHeader()->hide();
    summaryTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    summaryTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    summaryTable_->setToolTip(
        QStringLiteral("Haken setzen, um den Saldo eines Scheins im Diagramm zu zeigen"));

    auto* lower = new QSplitter(Qt::Horizontal, split);
    hitsTable_ = new QTableWidget(0, 4, lower);
    hitsTable_->setObjectName(QStringLiteral("TTrefferklassen"));
    hitsTable_->setHorizontalHeaderLabels({QStringLiteral("Spiel"), QStringLiteral("Treffer"),
                                           QStringLiteral("Anzahl"), QStringLiteral("Erwartet")});
    hitsTable_->verticalHeader()->hide();
    chart_ = overviewChart(lower);
    lower->setStretchFactor(1, 2);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    connect(summaryTable_, &QTableWidget::currentCellChanged, this, [this](int row) { showHitsOf(row); });
    connect(summaryTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == 0 && (item->flags() & Qt::ItemIsUserCheckable))
            redrawChart();
    });
}

void OverviewWindow::showSummary(const logic::EvaluationSummary& summary, const QString& title,
                                 SlipBalance slipBalance) {
    slips_ = summary.slips();
    slipIndexes_.clear();
    for (std::size_t i = 0; i < slips_.size(); ++i)
        slipIndexes_.push_back(summary.slipIndex(i));
    total_ = summary.total();
    totalBalance_ = summary.balanceSeries();
    slipBalance_ = std::move(slipBalance);
    title_->setText(title);
    capNote_->setVisible(summary.tablesCapped());
    capNote_->setText(
        QStringLiteral("Diese Auswertung ergab mehr Ergebnistabellen, als Reiter gezeigt werden: "
                       "Reiter gibt es für die ersten %1 Tabellen. Die Übersicht umfasst alle.")
            .arg(count(static_cast<long long>(logic::kMaxResultTables))));

    const QSignalBlocker block(summaryTable_);
    summaryTable_->clearContents();
    summaryTable_->setRowCount(static_cast<int>(slips_.size()) + 1);
    for (int r = 0; r < static_cast<int>(slips_.size()); ++r) {
        auto* name = new QTableWidgetItem(slips_[static_cast<std::size_t>(r)].name);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        name->setCheckState(Qt::Unchecked);
        summaryTable_->setItem(r, 0, name);
        fillRow(summaryTable_, r, slips_[static_cast<std::size_t>(r)]);
    }
    const int last = static_cast<int>(slips_.size());
    summaryTable_->setItem(last, 0, cell(QStringLiteral("Summe"), false));
    fillRow(summaryTable_, last, total_);
    QFont bold = summaryTable_->font();
    bold.setBold(true);
    for (int c = 0; c < summaryTable_->columnCount(); ++c)
        summaryTable_->item(last, c)->setFont(bold);
    summaryTable_->resizeColumnsToContents();
    summaryTable_->setCurrentCell(last, 0);
    showHitsOf(last);
    redrawChart();
}

void OverviewWindow::showHitsOf(int row) {
    const logic::SlipSummary& s =
        row >= 0 && row < static_cast<int>(slips_.size()) ? slips_[static_cast<std::size_t>(row)] : total_;
    hitsTable_->clearContents();
    hitsTable_->setRowCount(0);
    const auto addRow = [this](const QString& game, int hits, long long observed, double expected) {
        const int r = hitsTable_->rowCount();
        hitsTable_->insertRow(r);
        hitsTable_->setItem(r, 0, cell(game, false));
        hitsTable_->setItem(r, 1, cell(QString::number(hits)));
        hitsTable_->setItem(r, 2, cell(count(observed)));
        hitsTable_->setItem(r, 3, cell(logic::formatNumber(expected, 1)));
    };
    for (int t = 2; t < static_cast<int>(s.fieldsOfType.size()); ++t) {
        if (s.fieldsOfType[static_cast<std::size_t>(t)] == 0)
            continue;
        for (int h = 0; h <= t; ++h)
            addRow(QStringLiteral("Typ %1").arg(t), h,
                   s.hits[static_cast<std::size_t>(t)][static_cast<std::size_t>(h)], s.expectedHits(t, h));
    }
    if (s.plus5Plays > 0) {
        for (int d = 0; d < static_cast<int>(s.plus5Hits.size()); ++d)
            addRow(QStringLiteral("plus 5"), d, s.plus5Hits[static_cast<std::size_t>(d)],
                   s.expectedPlus5Hits(d));
    }
    hitsTable_->resizeColumnsToContents();
}

void OverviewWindow::redrawChart() {
    std::vector<BalanceLine> lines;
    lines.push_back({QStringLiteral("Alle Scheine"), totalBalance_});
    for (int r = 0; r < static_cast<int>(slips_.size()); ++r) {
        const QTableWidgetItem* name = summaryTable_->item(r, 0);
        if (name && name->checkState() == Qt::Checked && slipBalance_)
            lines.push_back({slips_[static_cast<std::size_t>(r)].name,
                             slipBalance_(slipIndexes_[static_cast<std::size_t>(r)])});
    }
    showBalanceLines(chart_, lines);
}

} // namespace talvo::ui

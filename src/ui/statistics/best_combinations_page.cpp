#include "ui/statistics/best_combinations_page.h"

#include "logic/export/export_table.h"
#include "logic/state/statistics.h"
#include "logic/statistics/combination_chance.h"
#include "logic/statistics/combination_values.h"
#include "logic/statistics/free_search.h"
#include "platform/spreadsheet.h"
#include "ui/common/standard_icon.h"
#include "ui/common/table_export.h"
#include "ui/common/user_action.h"
#include "ui/statistics/combination_search_worker.h"
#include "ui/statistics/result_grid.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

ResultGrid* listGrid(const QString& name, QWidget* parent) {
    auto* grid = new ResultGrid(
        name, {QStringLiteral("Pos."), QStringLiteral("Kombination"), QStringLiteral("Häufigk.")},
        logic::kCombinationListLength, parent);
    for (int r = 1; r <= logic::kCombinationListLength; ++r)
        grid->setCellText(0, r, QString::number(r));
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
    grid->setColumnWidth(0, 52);
    grid->setColumnWidth(2, 72);
    return grid;
}

QWidget* titled(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(content);
    return box;
}

} // namespace

BestCombinationsPage::BestCombinationsPage(const logic::Statistics& statistics,
                                           std::function<int()> drawCount, QString exportFolder,
                                           QWidget* parent)
    : QWidget(parent), statistics_(statistics), drawCount_(std::move(drawCount)),
      exportFolder_(std::move(exportFolder)) {
    pool_.setMaxThreadCount(1);
    auto* page = new QHBoxLayout(this);

    auto* side = new QVBoxLayout;
    auto* sizeBox = new QGroupBox(QStringLiteral("Kombinationen aus..."), this);
    sizeBox->setObjectName(QStringLiteral("RGKombi"));
    auto* sizeLayout = new QVBoxLayout(sizeBox);
    sizeChoice_ = new QButtonGroup(this);
    const QStringList sizes = {QStringLiteral("2 oder"), QStringLiteral("3 oder"),
                               QStringLiteral("4 Zahlen")};
    for (int i = 0; i < sizes.size(); ++i) {
        auto* radio = new QRadioButton(sizes[i], sizeBox);
        radio->setObjectName(QStringLiteral("RGKombi%1").arg(i));
        sizeChoice_->addButton(radio, i);
        sizeLayout->addWidget(radio);
    }
    sizeChoice_->button(0)->setChecked(true);
    connect(sizeChoice_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            runAction(this, [this, id] { chooseCombinationSize(id); });
    });
    side->addWidget(sizeBox);

    auto label = [this, side](const QString& name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        side->addWidget(l);
        return l;
    };
    expectedValueLabel_ = label(QStringLiteral("LD"), QStringLiteral("Erwartungswert: "));
    checkCountLabel_ = label(QStringLiteral("LKombis"), QString());
    durationLabel_ = label(QStringLiteral("LDauer"), QStringLiteral("Dauer: "));
    startedLabel_ = label(QStringLiteral("LGestartet"), QStringLiteral("gestartet..."));
    startedLabel_->setStyleSheet(QStringLiteral("color: #9a2a00; font-weight: bold;"));
    startedLabel_->hide();

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("Gauge1"));
    progressBar_->setRange(0, static_cast<int>(logic::combinationsOf70(2)));
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    side->addWidget(progressBar_);

    auto* buttons = new QHBoxLayout;
    startButton_ = new QPushButton(QStringLiteral("&Start"), this);
    startButton_->setObjectName(QStringLiteral("BStart2"));
    startButton_->setIcon(standardIcon(style(), QStyle::SP_MediaPlay));
    connect(startButton_, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { startSearch(); }); });
    stopButton_ = new QPushButton(this);
    stopButton_->setObjectName(QStringLiteral("BStop"));
    stopButton_->setIcon(standardIcon(style(), QStyle::SP_MediaStop));
    stopButton_->setToolTip(QStringLiteral("Suche anhalten"));
    stopButton_->setEnabled(false);
    connect(stopButton_, &QPushButton::clicked, this, [this] { stopSearch(); });
    buttons->addWidget(startButton_, 1);
    buttons->addWidget(stopButton_);
    side->addLayout(buttons);
    chanceLabel_ = label(QStringLiteral("LZufall"), QString());
    chanceLabel_->setWordWrap(true);
    chanceLabel_->setMaximumWidth(260);
    side->addStretch(1);

    auto* excel = new QPushButton(QStringLiteral("Excel-Export"), this);
    excel->setObjectName(QStringLiteral("BExcel5"));
    connect(excel, &QPushButton::clicked, this, [this] {
        runAction(this, [this] {
            const logic::ExportTable tops = exportTable(*topGrid_);
            const logic::ExportTable flops = exportTable(*flopGrid_);
            exportTables(this,
                         {{tops, QStringLiteral("Tops"), platform::kModeStatistics},
                          {flops, QStringLiteral("Flops"), platform::kModeStatistics}},
                         exportFolder_);
        });
    });
    side->addWidget(excel);

    topGrid_ = listGrid(QStringLiteral("gk1"), this);
    flopGrid_ = listGrid(QStringLiteral("GK2"), this);
    auto* sideWidget = new QWidget(this);
    sideWidget->setLayout(side);
    sideWidget->setMinimumWidth(210);
    side->setContentsMargins(0, 0, 0, 0);
    page->addWidget(sideWidget);
    page->addWidget(titled(QStringLiteral("Die 1000 TOP-Kombinationen"), topGrid_, this), 1);
    page->addWidget(titled(QStringLiteral("Die 1000 FLOP-Kombinationen"), flopGrid_, this), 1);
}

BestCombinationsPage::~BestCombinationsPage() {
    if (worker_)
        worker_->stop();
    pool_.waitForDone();
}

void BestCombinationsPage::updateLabels() {
    int w = drawCount_();
    if (w <= 0 || w > statistics_.drawCount())
        w = statistics_.drawCount();
    expectedValueLabel_->setText(logic::expectedValueText(combinationSize_, w));
    checkCountLabel_->setText(logic::checkCountText(combinationSize_, w));
}

void BestCombinationsPage::chooseCombinationSize(int index) {
    combinationSize_ = index + 2;
    updateLabels();
}

void BestCombinationsPage::startSearch() {
    // One search at a time; the button is disabled meanwhile, this guards a queued click.
    if (worker_ || statistics_.drawSets().empty())
        return;
    const logic::DrawSetList window = logic::lastDrawSets(statistics_.drawSets(), drawCount_());
    started_.start();
    for (ResultGrid* grid : {topGrid_, flopGrid_})
        for (int r = 1; r <= logic::kCombinationListLength; ++r) {
            grid->setCellText(1, r, QString());
            grid->setCellText(2, r, QString());
        }
    startedLabel_->setText(QStringLiteral("gestartet..."));
    startedLabel_->show();
    searchTimed_ = false;
    chanceLabel_->clear();
    expectedValueLabel_->setText(logic::expectedValueText(combinationSize_, static_cast<int>(window.size())));
    checkCountLabel_->setText(logic::checkCountText(combinationSize_, static_cast<int>(window.size())));
    progressBar_->setRange(0, static_cast<int>(logic::combinationsOf70(combinationSize_)));
    progressBar_->setValue(0);
    startButton_->setEnabled(false);
    stopButton_->setEnabled(true);
    worker_ = std::make_unique<CombinationSearchWorker>(window, combinationSize_);
    connect(worker_.get(), &CombinationSearchWorker::progress, this,
            [this](qint64 taken) { progressBar_->setValue(static_cast<int>(taken)); });
    connect(worker_.get(), &CombinationSearchWorker::simulationStarted, this, [this](int runs) {
        // The duration is the search's, without the comparison.
        if (!searchTimed_)
            durationLabel_->setText(logic::durationText(started_.elapsed()));
        searchTimed_ = true;
        startedLabel_->setText(QStringLiteral("Vergleich mit Zufallsziehungen..."));
        progressBar_->setRange(0, runs);
        progressBar_->setValue(0);
    });
    connect(worker_.get(), &CombinationSearchWorker::simulated, this,
            [this](int runs) { progressBar_->setValue(runs); });
    connect(worker_.get(), &CombinationSearchWorker::finished, this, &BestCombinationsPage::finishSearch);
    worker_->start(pool_);
}

void BestCombinationsPage::stopSearch() {
    if (worker_)
        worker_->stop();
}

void BestCombinationsPage::finishSearch() {
    pool_.waitForDone();
    progressBar_->setRange(0, static_cast<int>(logic::combinationsOf70(worker_->result().k)));
    progressBar_->setValue(static_cast<int>(worker_->result().combinationsTaken));
    startedLabel_->hide();
    const logic::CombinationChance& chance = worker_->chance();
    if (chance.runs > 0)
        chanceLabel_->setText(logic::highCombinationSentence(chance) + QStringLiteral("\n\n") +
                              logic::lowCombinationSentence(chance));
    if (!searchTimed_)
        durationLabel_->setText(logic::durationText(started_.elapsed()));
    showLists();
    worker_.reset();
    startButton_->setEnabled(true);
    stopButton_->setEnabled(false);
    emit searchFinished();
}

void BestCombinationsPage::showLists() {
    const logic::CombinationSearchResult& r = worker_->result();
    listedSize_ = r.k;
    const auto fill = [](ResultGrid* grid, const std::vector<logic::CombinationEntry>& list) {
        for (std::size_t p = 0; p < list.size(); ++p) {
            const int row = static_cast<int>(p) + 1;
            grid->setCellText(1, row,
                              list[p].occupied() ? logic::numbersText(list[p].combination) : QString());
            grid->setCellText(2, row, list[p].occupied() ? QString::number(list[p].occurrences) : QString());
        }
    };
    fill(topGrid_, r.topCombinations);
    fill(flopGrid_, r.flopCombinations);
}

logic::ExportTable BestCombinationsPage::exportTable(const ResultGrid& grid) const {
    // The columns follow the combinations in the grids, whatever size is chosen now.
    const int k = listedSize_ > 0 ? listedSize_ : combinationSize_;
    logic::ExportTable t(k + 2, logic::kCombinationListLength + 1);
    t.setCell(0, 0, QStringLiteral("Position"));
    for (int i = 1; i <= k; ++i)
        t.setCell(i, 0, QStringLiteral("K%1").arg(i));
    t.setCell(k + 1, 0, QStringLiteral("Häufigkeit"));
    for (int r = 1; r <= logic::kCombinationListLength; ++r) {
        t.setCell(0, r, grid.cellText(0, r));
        const QString combination = grid.cellText(1, r);
        if (combination.isEmpty())
            break;
        const QStringList numbers = combination.split(QLatin1Char(' '));
        for (int i = 0; i < k && i < numbers.size(); ++i)
            t.setCell(i + 1, r, numbers[i]);
        t.setCell(k + 1, r, grid.cellText(2, r));
    }
    return t;
}

} // namespace talvo::ui

#include "ui/statistics/best_combinations_page.h"

#include "logic/export/export_tabelle.h"
#include "logic/statistics/free_search.h"
#include "logic/statistics/kombi_werte.h"
#include "logic/statistics/statistik.h"
#include "platform/spreadsheet.h"
#include "ui/common/standard_icon.h"
#include "ui/common/table_export.h"
#include "ui/common/user_action.h"
#include "ui/statistics/kombi_worker.h"
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
        logic::kKombiListenLaenge, parent);
    for (int r = 1; r <= logic::kKombiListenLaenge; ++r)
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

BestCombinationsPage::BestCombinationsPage(const logic::Statistik& statistik, std::function<int()> drawCount,
                                           QString exportFolder, QWidget* parent)
    : QWidget(parent), statistik_(statistik), drawCount_(std::move(drawCount)),
      exportFolder_(std::move(exportFolder)) {
    pool_.setMaxThreadCount(1);
    auto* page = new QHBoxLayout(this);

    auto* side = new QVBoxLayout;
    auto* sizeBox = new QGroupBox(QStringLiteral("Kombinationen aus..."), this);
    sizeBox->setObjectName(QStringLiteral("RGKombi"));
    auto* sizeLayout = new QVBoxLayout(sizeBox);
    RGKombi = new QButtonGroup(this);
    const QStringList sizes = {QStringLiteral("2 oder"), QStringLiteral("3 oder"),
                               QStringLiteral("4 Zahlen")};
    for (int i = 0; i < sizes.size(); ++i) {
        auto* radio = new QRadioButton(sizes[i], sizeBox);
        radio->setObjectName(QStringLiteral("RGKombi%1").arg(i));
        RGKombi->addButton(radio, i);
        sizeLayout->addWidget(radio);
    }
    RGKombi->button(0)->setChecked(true);
    connect(RGKombi, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            runAction(this, [this, id] { RGKombiClick(id); });
    });
    side->addWidget(sizeBox);

    auto label = [this, side](const QString& name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        side->addWidget(l);
        return l;
    };
    LD = label(QStringLiteral("LD"), QStringLiteral("Erwartungswert: "));
    LKombis = label(QStringLiteral("LKombis"), QString());
    LDauer = label(QStringLiteral("LDauer"), QStringLiteral("Dauer: "));
    LGestartet = label(QStringLiteral("LGestartet"), QStringLiteral("gestartet..."));
    LGestartet->setStyleSheet(QStringLiteral("color: #9a2a00; font-weight: bold;"));
    LGestartet->hide();

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setRange(0, static_cast<int>(logic::kombinationenAus70(2)));
    Gauge1->setValue(0);
    Gauge1->setTextVisible(false);
    side->addWidget(Gauge1);

    auto* buttons = new QHBoxLayout;
    BStart2 = new QPushButton(QStringLiteral("&Start"), this);
    BStart2->setObjectName(QStringLiteral("BStart2"));
    BStart2->setIcon(standardIcon(style(), QStyle::SP_MediaPlay));
    connect(BStart2, &QPushButton::clicked, this, [this] { runAction(this, [this] { BStart2Click(); }); });
    BStop = new QPushButton(this);
    BStop->setObjectName(QStringLiteral("BStop"));
    BStop->setIcon(standardIcon(style(), QStyle::SP_MediaStop));
    BStop->setToolTip(QStringLiteral("Suche anhalten"));
    BStop->setEnabled(false);
    connect(BStop, &QPushButton::clicked, this, [this] { BStopClick(); });
    buttons->addWidget(BStart2, 1);
    buttons->addWidget(BStop);
    side->addLayout(buttons);
    side->addStretch(1);

    auto* excel = new QPushButton(QStringLiteral("Excel-Export"), this);
    excel->setObjectName(QStringLiteral("BExcel5"));
    connect(excel, &QPushButton::clicked, this, [this] {
        runAction(this, [this] {
            const logic::ExportTabelle tops = exportTable(*gk1);
            const logic::ExportTabelle flops = exportTable(*GK2);
            TabellenExport(this,
                           {{tops, QStringLiteral("Tops"), platform::kModusStatistik},
                            {flops, QStringLiteral("Flops"), platform::kModusStatistik}},
                           exportFolder_);
        });
    });
    side->addWidget(excel);

    gk1 = listGrid(QStringLiteral("gk1"), this);
    GK2 = listGrid(QStringLiteral("GK2"), this);
    auto* sideWidget = new QWidget(this);
    sideWidget->setLayout(side);
    sideWidget->setMinimumWidth(210);
    side->setContentsMargins(0, 0, 0, 0);
    page->addWidget(sideWidget);
    page->addWidget(titled(QStringLiteral("Die 1000 TOP-Kombinationen"), gk1, this), 1);
    page->addWidget(titled(QStringLiteral("Die 1000 FLOP-Kombinationen"), GK2, this), 1);
}

BestCombinationsPage::~BestCombinationsPage() {
    if (worker_)
        worker_->stop();
    pool_.waitForDone();
}

void BestCombinationsPage::updateLabels() {
    int w = drawCount_();
    if (w <= 0 || w > statistik_.ziehungen())
        w = statistik_.ziehungen();
    LD->setText(logic::erwartungswertText(k_, w));
    LKombis->setText(logic::pruefroutinenText(k_, w));
}

void BestCombinationsPage::RGKombiClick(int index) {
    k_ = index + 2;
    updateLabels();
}

void BestCombinationsPage::BStart2Click() {
    // One search at a time; the button is disabled meanwhile, this guards a queued click.
    if (worker_ || statistik_.ziehungsMengen().empty())
        return;
    const logic::ZiehungsMengenListe window = logic::kombiFenster(statistik_.ziehungsMengen(), drawCount_());
    started_.start();
    for (ResultGrid* grid : {gk1, GK2})
        for (int r = 1; r <= logic::kKombiListenLaenge; ++r) {
            grid->setCellText(1, r, QString());
            grid->setCellText(2, r, QString());
        }
    LGestartet->show();
    LD->setText(logic::erwartungswertText(k_, static_cast<int>(window.size())));
    LKombis->setText(logic::pruefroutinenText(k_, static_cast<int>(window.size())));
    Gauge1->setRange(0, static_cast<int>(logic::kombinationenAus70(k_)));
    Gauge1->setValue(0);
    BStart2->setEnabled(false);
    BStop->setEnabled(true);
    worker_ = std::make_unique<KombiWorker>(window, k_);
    connect(worker_.get(), &KombiWorker::progress, this,
            [this](qint64 taken) { Gauge1->setValue(static_cast<int>(taken)); });
    connect(worker_.get(), &KombiWorker::finished, this, &BestCombinationsPage::finishSearch);
    worker_->start(pool_);
}

void BestCombinationsPage::BStopClick() {
    if (worker_)
        worker_->stop();
}

void BestCombinationsPage::finishSearch() {
    pool_.waitForDone();
    Gauge1->setValue(static_cast<int>(worker_->result().genommen));
    LGestartet->hide();
    LDauer->setText(logic::dauerText(started_.elapsed()));
    showLists();
    worker_.reset();
    BStart2->setEnabled(true);
    BStop->setEnabled(false);
    emit searchFinished();
}

void BestCombinationsPage::showLists() {
    const logic::KombiErgebnis& r = worker_->result();
    listK_ = r.k;
    const auto fill = [](ResultGrid* grid, const std::vector<logic::KombiEintrag>& list) {
        for (std::size_t p = 0; p < list.size(); ++p) {
            const int row = static_cast<int>(p) + 1;
            grid->setCellText(1, row, list[p].belegt() ? logic::zahlenText(list[p].kombination) : QString());
            grid->setCellText(2, row, list[p].belegt() ? QString::number(list[p].anzahl) : QString());
        }
    };
    fill(gk1, r.TopKombis);
    fill(GK2, r.FlopKombis);
}

logic::ExportTabelle BestCombinationsPage::exportTable(const ResultGrid& grid) const {
    // The columns follow the combinations in the grids, whatever size is chosen now.
    const int k = listK_ > 0 ? listK_ : k_;
    logic::ExportTabelle t(k + 2, logic::kKombiListenLaenge + 1);
    t.setZelle(0, 0, QStringLiteral("Position"));
    for (int i = 1; i <= k; ++i)
        t.setZelle(i, 0, QStringLiteral("K%1").arg(i));
    t.setZelle(k + 1, 0, QStringLiteral("Häufigkeit"));
    for (int r = 1; r <= logic::kKombiListenLaenge; ++r) {
        t.setZelle(0, r, grid.cellText(0, r));
        const QString combination = grid.cellText(1, r);
        if (combination.isEmpty())
            break;
        const QStringList numbers = combination.split(QLatin1Char(' '));
        for (int i = 0; i < k && i < numbers.size(); ++i)
            t.setZelle(i + 1, r, numbers[i]);
        t.setZelle(k + 1, r, grid.cellText(2, r));
    }
    return t;
}

} // namespace talvo::ui

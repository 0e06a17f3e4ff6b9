#include "ui/tips/strategy_test_window.h"

#include "logic/core/dates.h"
#include "logic/core/format.h"
#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/tables.h"
#include "logic/core/type_odds.h"
#include "logic/export/export_table.h"
#include "logic/settings/options_file.h"
#include "logic/state/program_state.h"
#include "logic/statistics/draw_window.h"
#include "logic/tips/candidate_list.h"
#include "logic/tips/return_difference.h"
#include "platform/spreadsheet.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/common/table_export.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"
#include "ui/navigation/navigator.h"
#include "ui/tips/odds_panel.h"
#include "ui/tips/strategy_charts.h"
#include "ui/tips/strategy_test_model.h"
#include "ui/tips/strategy_test_worker.h"

#include <QAction>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

constexpr int kHelpContext = 120;

QComboBox* combo(const QString& name, const QStringList& items, int current, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    c->setCurrentIndex(current >= 0 && current < c->count() ? current : 0);
    return c;
}

QDateEdit* dateEdit(const QString& name, QWidget* parent) {
    auto* d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    d->setCalendarPopup(true);
    return d;
}

QString percent(double value) {
    return logic::formatNumber(value, 1) + QStringLiteral(" %");
}

QString euro(long long amount) {
    return logic::formatNumber(static_cast<double>(amount), 2) + QStringLiteral(" €");
}

} // namespace

StrategyTestWindow::StrategyTestWindow(logic::ProgramState& state, const logic::AppPaths& paths,
                                       const StrategyTestPreset& preset, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), paths_(paths) {
    setObjectName(QStringLiteral("FStrategieTest"));
    setWindowTitle(QStringLiteral("Strategie-Test"));
    setHelpContext(this, kHelpContext);
    pool_.setMaxThreadCount(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolBar* bar = makeToolBar(this);
    const auto add = [this, bar](QStyle::StandardPixmap icon, const QString& text, const QString& name,
                                 std::function<void()> handler) {
        return addToolAction(bar, style()->standardIcon(icon), text, name, std::move(handler));
    };
    start_ = add(QStyle::SP_MediaPlay, QStringLiteral("&Start"), QStringLiteral("BStart"),
                 [this] { startTest(); });
    stop_ =
        add(QStyle::SP_MediaStop, QStringLiteral("Sto&p"), QStringLiteral("BStop"), [this] { stopTest(); });
    export_ = add(QStyle::SP_DialogSaveButton, QStringLiteral("Excel-Export"), QStringLiteral("BExcel"),
                  [this] { exportResult(); });
    bar->addSeparator();
    add(QStyle::SP_DialogCloseButton, QStringLiteral("Sch&ließen"), QStringLiteral("BSchliessen"),
        [this] { close(); });
    helpFor(add(QStyle::SP_DialogHelpButton, QStringLiteral("&Hilfe"), QStringLiteral("BHilfe"), {}),
            kHelpContext);
    layout->addWidget(bar);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(6);
    body->addWidget(buildParameters());
    // Strategy, type and draw count as the tip centre has them.
    strategyCombo_->setCurrentIndex(logic::listEntryFor(preset.strategy, logic::kTipStrategyCount));
    typeCombo_->setCurrentIndex(
        preset.kenoType >= 2 && preset.kenoType <= logic::kMaxType ? preset.kenoType - 2 : 0);
    drawCountCombo_->setCurrentIndex(
        logic::listEntryFor(preset.drawCountIndex, static_cast<int>(logic::kDrawCounts.size())));
    stakeCombo_->setCurrentIndex(
        logic::listEntryFor(preset.stakeIndex, static_cast<int>(logic::kStakeEuro.size())));

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("Gauge1"));
    progressBar_->setRange(0, 1);
    progressBar_->setValue(0);
    body->addWidget(progressBar_);

    resultLabel_ = new QLabel(this);
    resultLabel_->setObjectName(QStringLiteral("LErgebnis"));
    QFont big = resultLabel_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    resultLabel_->setFont(big);
    body->addWidget(resultLabel_);
    details_ = new QLabel(this);
    details_->setObjectName(QStringLiteral("LDetails"));
    details_->setWordWrap(true);
    body->addWidget(details_);
    chanceLabel_ = new QLabel(this);
    chanceLabel_->setObjectName(QStringLiteral("LZufallsvergleich"));
    chanceLabel_->setWordWrap(true);
    body->addWidget(chanceLabel_);
    noteLabel_ = new QLabel(this);
    noteLabel_->setObjectName(QStringLiteral("LHinweis"));
    noteLabel_->setWordWrap(true);
    body->addWidget(noteLabel_);

    auto* charts = new QSplitter(Qt::Horizontal, this);
    balanceView_ = balanceChart(charts);
    hitsView_ = hitsChart(charts);
    charts->addWidget(balanceView_);
    charts->addWidget(hitsView_);
    charts->setStretchFactor(0, 3);
    charts->setStretchFactor(1, 2);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PCErgebnis"));
    drawTable_ = new QTableView(tabs);
    drawTable_->setObjectName(QStringLiteral("GZiehungen"));
    model_ = new StrategyTestModel(drawTable_);
    drawTable_->setModel(model_);
    // Tab leaves the thousands of rows for the next control; the arrows move inside.
    drawTable_->setTabKeyNavigation(false);
    drawTable_->verticalHeader()->hide();
    drawTable_->verticalHeader()->setDefaultSectionSize(20);
    drawTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    drawTable_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tabs->addTab(drawTable_, QStringLiteral("Ziehungen"));
    oddsPanel_ = new OddsPanel(tabs);
    oddsPanel_->setKenoType(parameter().kenoType);
    tabs->addTab(oddsPanel_, QStringLiteral("Quoten"));
    connect(typeCombo_, &QComboBox::currentIndexChanged, this,
            [this] { oddsPanel_->setKenoType(parameter().kenoType); });

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(charts);
    split->addWidget(tabs);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    body->addWidget(split, 1);
    layout->addLayout(body, 1);

    setRunning(false);
    resize(1100, 900);
}

StrategyTestWindow::~StrategyTestWindow() {
    if (worker_)
        worker_->stop();
    pool_.waitForDone();
}

QWidget* StrategyTestWindow::buildParameters() {
    auto* box = new QGroupBox(QStringLiteral("Was getestet wird"), this);
    box->setObjectName(QStringLiteral("GBParameter"));
    auto* grid = new QGridLayout(box);
    QStringList strategyNames;
    for (const char* name : logic::kTipPools)
        strategyNames << QString::fromUtf8(name);
    strategyCombo_ = combo(QStringLiteral("CBStrategie"), strategyNames, 0, box);
    QStringList typeNames;
    for (int t = 2; t <= logic::kMaxType; ++t)
        typeNames << QString::number(t);
    typeCombo_ = combo(QStringLiteral("CBTyp"), typeNames, 0, box);
    QStringList drawCountNames;
    for (int n : logic::kDrawCounts)
        drawCountNames << (n == 0 ? QStringLiteral("Alle früheren")
                                  : QStringLiteral("Die letzten %1").arg(n));
    drawCountCombo_ = combo(QStringLiteral("CBAnzahl"), drawCountNames, 0, box);
    QStringList stakeNames;
    for (int e : logic::kStakeEuro)
        stakeNames << QStringLiteral("%1 €").arg(e);
    stakeCombo_ = combo(QStringLiteral("CBEinsatz"), stakeNames, 0, box);
    fromDate_ = dateEdit(QStringLiteral("DEVon"), box);
    toDate_ = dateEdit(QStringLiteral("DEBis"), box);
    const logic::DrawHistory& history = state_.history();
    const auto first = std::find_if(history.begin(), history.end(), logic::isRealDraw);
    const auto last = std::find_if(history.rbegin(), history.rend(), logic::isRealDraw);
    fromDate_->setDate(first != history.end() ? logic::serialToDate(first->datum) : QDate(2004, 2, 2));
    toDate_->setDate(last != history.rend() ? logic::serialToDate(last->datum) : currentDateTime().date());

    const auto label = [box](const QString& text) { return new QLabel(text, box); };
    grid->addWidget(label(QStringLiteral("Strategie:")), 0, 0);
    grid->addWidget(strategyCombo_, 0, 1);
    grid->addWidget(label(QStringLiteral("KENO-Typ:")), 0, 2);
    grid->addWidget(typeCombo_, 0, 3);
    grid->addWidget(label(QStringLiteral("Einsatz je Ziehung:")), 0, 4);
    grid->addWidget(stakeCombo_, 0, 5);
    grid->addWidget(label(QStringLiteral("Tipp aus den Ziehungen davor:")), 1, 0);
    grid->addWidget(drawCountCombo_, 1, 1);
    grid->addWidget(label(QStringLiteral("Getestet vom")), 1, 2);
    grid->addWidget(fromDate_, 1, 3);
    grid->addWidget(label(QStringLiteral("bis")), 1, 4);
    grid->addWidget(toDate_, 1, 5);
    grid->setColumnStretch(6, 1);
    return box;
}

logic::StrategyTestParameters StrategyTestWindow::parameter() const {
    logic::StrategyTestParameters p;
    p.strategy = strategyCombo_->currentIndex();
    p.kenoType = typeCombo_->currentIndex() + 2;
    p.windowSize = logic::kDrawCounts[static_cast<std::size_t>(drawCountCombo_->currentIndex())];
    p.stake = logic::kStakeEuro[static_cast<std::size_t>(stakeCombo_->currentIndex())];
    p.from = logic::wholeDay(logic::dateToSerial(fromDate_->date()));
    p.to = logic::wholeDay(logic::dateToSerial(toDate_->date()));
    return p;
}

void StrategyTestWindow::startTest() {
    if (isRunning()) {
        showMessage(this,
                    QStringLiteral("Ein Test läuft bereits. Warten Sie sein Ende ab oder halten Sie ihn an."),
                    MessageIcon::Information);
        return;
    }
    if (fromDate_->date() > toDate_->date()) {
        showMessage(
            this, QStringLiteral("Der Zeitraum endet vor seinem Beginn. Bitte prüfen Sie die beiden Daten."),
            MessageIcon::Information);
        return;
    }
    runParameters_ = parameter();
    runParameters_.seed = static_cast<quint64>(currentDateTime().toMSecsSinceEpoch());
    worker_ = std::make_unique<StrategyTestWorker>(state_.history(), runParameters_);
    connect(worker_.get(), &StrategyTestWorker::progress, this, [this](int done, int total) {
        progressBar_->setRange(0, std::max(total, 1));
        progressBar_->setValue(done);
    });
    connect(worker_.get(), &StrategyTestWorker::finished, this, &StrategyTestWindow::finishTest,
            Qt::QueuedConnection);
    progressBar_->setValue(0);
    setRunning(true);
    worker_->start(pool_);
}

void StrategyTestWindow::stopTest() {
    if (worker_)
        worker_->stop();
}

void StrategyTestWindow::finishTest() {
    if (!worker_)
        return;
    pool_.waitForDone();
    const QString errorText = worker_->error();
    logic::StrategyTestResult result = worker_->result();
    worker_.reset();
    setRunning(false);
    if (!errorText.isEmpty()) {
        showMessage(this, errorText, MessageIcon::Error);
    } else if (result.draws.empty() && !result.stopped) {
        showMessage(this, QString::fromUtf8(logic::kNoTestDrawMessage), MessageIcon::Information);
    } else if (!result.draws.empty()) {
        model_->setResult(nullptr);
        result_ = std::move(result);
        showResult();
    }
    emit testFinished();
}

void StrategyTestWindow::showResult() {
    const logic::StrategyTestResult& r = result_;
    const auto n = static_cast<long long>(r.draws.size());
    resultLabel_->setText(QStringLiteral("Ihre Strategie: %1 zurück — Zufall: %2")
                              .arg(percent(r.returnRate()), percent(r.randomReturnRate())));
    const double expectedReturn = 100.0 * logic::oddsOfType(runParameters_.kenoType).returnRate();
    QString details =
        QStringLiteral("%1 Ziehungen vom %2 bis %3 mit KENO-Typ %4 gespielt%5: Einsatz %6, Gewinn %7, "
                       "tiefster Stand %8. %9 Ziehungen mit Gewinn, die längste Serie ohne Gewinn: %10 "
                       "Ziehungen. Nach den Quoten zu erwarten: %11 zurück.")
            .arg(logic::formatNumber(static_cast<double>(n), 0), logic::serialToText(r.draws.front().date),
                 logic::serialToText(r.draws.back().date), QString::number(runParameters_.kenoType),
                 r.stopped ? QStringLiteral(" (angehalten)") : QString(), euro(r.stake), euro(r.winnings),
                 euro(r.lowestBalance), logic::formatNumber(r.winningDraws, 0))
            .arg(logic::formatNumber(r.longestLosingStreak, 0), percent(expectedReturn));
    details_->setText(details + QLatin1Char(' ') + plus5ReturnText() + QLatin1Char('.'));
    chanceLabel_->setText(
        logic::returnDifferenceSentence(logic::returnDifference(r, runParameters_.kenoType)));
    noteLabel_->setText(
        runParameters_.windowSize > 0
            ? QStringLiteral(
                  "Jede Ziehung wurde nur mit den Ziehungen davor gespielt: ihr Tipp entstand aus den "
                  "%1 Ziehungen vor ihr, ohne Kenntnis dieser oder späterer Ziehungen.")
                  .arg(runParameters_.windowSize)
            : QStringLiteral(
                  "Jede Ziehung wurde nur mit den Ziehungen davor gespielt: ihr Tipp entstand aus allen "
                  "Ziehungen vor ihr, ohne Kenntnis dieser oder späterer Ziehungen."));
    showBalance(balanceView_, r);
    showHits(hitsView_, r);
    model_->setResult(&result_);
    export_->setEnabled(true);
}

void StrategyTestWindow::setRunning(bool running) {
    start_->setEnabled(!running);
    stop_->setEnabled(running);
    export_->setEnabled(!running && !result_.draws.empty());
    for (QWidget* w : std::initializer_list<QWidget*>{strategyCombo_, typeCombo_, drawCountCombo_,
                                                      stakeCombo_, fromDate_, toDate_})
        w->setEnabled(!running);
}

void StrategyTestWindow::exportResult() {
    if (result_.draws.empty())
        return;
    const logic::ExportTable table = model_->exportTable();
    exportTables(this, {{table, QStringLiteral("Strategie-Test"), platform::kModeStatistics}},
                 paths_.dataDir);
}

void StrategyTestWindow::closeEvent(QCloseEvent* event) {
    // A closed window has no one to show the result to.
    stopTest();
    QWidget::closeEvent(event);
}

} // namespace talvo::ui

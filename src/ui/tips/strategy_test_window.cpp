#include "ui/tips/strategy_test_window.h"

#include "logic/core/dates.h"
#include "logic/core/format.h"
#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/core/tables.h"
#include "logic/export/export_tabelle.h"
#include "logic/settings/einstellungen.h"
#include "logic/statistics/draw_window.h"
#include "logic/tips/kandidatenliste.h"
#include "logic/tips/quoten.h"
#include "platform/spreadsheet.h"
#include "ui/app/navigator.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/common/table_export.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"
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

TFStrategieTest::TFStrategieTest(logic::ProgramState& state, const logic::AppPaths& paths,
                                 const StrategieTestVorgabe& vorgabe, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), state_(state), paths_(paths) {
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
    start_ =
        add(QStyle::SP_MediaPlay, QStringLiteral("&Start"), QStringLiteral("BStart"), [this] { Start(); });
    stop_ = add(QStyle::SP_MediaStop, QStringLiteral("Sto&p"), QStringLiteral("BStop"), [this] { Stop(); });
    export_ = add(QStyle::SP_DialogSaveButton, QStringLiteral("Excel-Export"), QStringLiteral("BExcel"),
                  [this] { Exportieren(); });
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
    strategie_->setCurrentIndex(logic::listenAuswahl(vorgabe.strategie, logic::kTippStrategien));
    typ_->setCurrentIndex(vorgabe.typ >= 2 && vorgabe.typ <= logic::kMaxTyp ? vorgabe.typ - 2 : 0);
    anzahl_->setCurrentIndex(
        logic::listenAuswahl(vorgabe.anzahlIndex, static_cast<int>(logic::kAnzahlAusspielungen.size())));
    einsatz_->setCurrentIndex(
        logic::listenAuswahl(vorgabe.einsatzIndex, static_cast<int>(logic::kEinsatzEuro.size())));

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setRange(0, 1);
    Gauge1->setValue(0);
    body->addWidget(Gauge1);

    ergebnisText_ = new QLabel(this);
    ergebnisText_->setObjectName(QStringLiteral("LErgebnis"));
    QFont big = ergebnisText_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    ergebnisText_->setFont(big);
    body->addWidget(ergebnisText_);
    details_ = new QLabel(this);
    details_->setObjectName(QStringLiteral("LDetails"));
    details_->setWordWrap(true);
    body->addWidget(details_);
    hinweis_ = new QLabel(this);
    hinweis_->setObjectName(QStringLiteral("LHinweis"));
    hinweis_->setWordWrap(true);
    body->addWidget(hinweis_);

    auto* charts = new QSplitter(Qt::Horizontal, this);
    verlauf_ = balanceChart(charts);
    treffer_ = hitsChart(charts);
    charts->addWidget(verlauf_);
    charts->addWidget(treffer_);
    charts->setStretchFactor(0, 3);
    charts->setStretchFactor(1, 2);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PCErgebnis"));
    tabelle_ = new QTableView(tabs);
    tabelle_->setObjectName(QStringLiteral("GZiehungen"));
    model_ = new StrategieTestModel(tabelle_);
    tabelle_->setModel(model_);
    // Tab leaves the thousands of rows for the next control; the arrows move inside.
    tabelle_->setTabKeyNavigation(false);
    tabelle_->verticalHeader()->hide();
    tabelle_->verticalHeader()->setDefaultSectionSize(20);
    tabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabelle_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tabs->addTab(tabelle_, QStringLiteral("Ziehungen"));
    quoten_ = new OddsPanel(tabs);
    quoten_->setTyp(parameter().typ);
    tabs->addTab(quoten_, QStringLiteral("Quoten"));
    connect(typ_, &QComboBox::currentIndexChanged, this, [this] { quoten_->setTyp(parameter().typ); });

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

TFStrategieTest::~TFStrategieTest() {
    if (worker_)
        worker_->stop();
    pool_.waitForDone();
}

QWidget* TFStrategieTest::buildParameters() {
    auto* box = new QGroupBox(QStringLiteral("Was getestet wird"), this);
    box->setObjectName(QStringLiteral("GBParameter"));
    auto* grid = new QGridLayout(box);
    QStringList strategien;
    for (const char* name : logic::kTippBereiche)
        strategien << QString::fromUtf8(name);
    strategie_ = combo(QStringLiteral("CBStrategie"), strategien, 0, box);
    QStringList typen;
    for (int t = 2; t <= logic::kMaxTyp; ++t)
        typen << QString::number(t);
    typ_ = combo(QStringLiteral("CBTyp"), typen, 0, box);
    QStringList anzahlen;
    for (int n : logic::kAnzahlAusspielungen)
        anzahlen << (n == 0 ? QStringLiteral("Alle früheren") : QStringLiteral("Die letzten %1").arg(n));
    anzahl_ = combo(QStringLiteral("CBAnzahl"), anzahlen, 0, box);
    QStringList einsaetze;
    for (int e : logic::kEinsatzEuro)
        einsaetze << QStringLiteral("%1 €").arg(e);
    einsatz_ = combo(QStringLiteral("CBEinsatz"), einsaetze, 0, box);
    von_ = dateEdit(QStringLiteral("DEVon"), box);
    bis_ = dateEdit(QStringLiteral("DEBis"), box);
    const logic::DrawHistory& history = state_.history();
    const auto first = std::find_if(history.begin(), history.end(), logic::istZiehung);
    const auto last = std::find_if(history.rbegin(), history.rend(), logic::istZiehung);
    von_->setDate(first != history.end() ? logic::serialToDate(first->datum) : QDate(2004, 2, 2));
    bis_->setDate(last != history.rend() ? logic::serialToDate(last->datum) : currentDateTime().date());

    const auto label = [box](const QString& text) { return new QLabel(text, box); };
    grid->addWidget(label(QStringLiteral("Strategie:")), 0, 0);
    grid->addWidget(strategie_, 0, 1);
    grid->addWidget(label(QStringLiteral("KENO-Typ:")), 0, 2);
    grid->addWidget(typ_, 0, 3);
    grid->addWidget(label(QStringLiteral("Einsatz je Ziehung:")), 0, 4);
    grid->addWidget(einsatz_, 0, 5);
    grid->addWidget(label(QStringLiteral("Tipp aus den Ziehungen davor:")), 1, 0);
    grid->addWidget(anzahl_, 1, 1);
    grid->addWidget(label(QStringLiteral("Getestet vom")), 1, 2);
    grid->addWidget(von_, 1, 3);
    grid->addWidget(label(QStringLiteral("bis")), 1, 4);
    grid->addWidget(bis_, 1, 5);
    grid->setColumnStretch(6, 1);
    return box;
}

logic::StrategieTestParameter TFStrategieTest::parameter() const {
    logic::StrategieTestParameter p;
    p.strategie = strategie_->currentIndex();
    p.typ = typ_->currentIndex() + 2;
    p.anzahl = logic::kAnzahlAusspielungen[static_cast<std::size_t>(anzahl_->currentIndex())];
    p.einsatz = logic::kEinsatzEuro[static_cast<std::size_t>(einsatz_->currentIndex())];
    p.von = logic::wholeDay(logic::dateToSerial(von_->date()));
    p.bis = logic::wholeDay(logic::dateToSerial(bis_->date()));
    return p;
}

void TFStrategieTest::Start() {
    if (laeuft()) {
        showMessage(this,
                    QStringLiteral("Ein Test läuft bereits. Warten Sie sein Ende ab oder halten Sie ihn an."),
                    MessageIcon::Information);
        return;
    }
    if (von_->date() > bis_->date()) {
        showMessage(
            this, QStringLiteral("Der Zeitraum endet vor seinem Beginn. Bitte prüfen Sie die beiden Daten."),
            MessageIcon::Information);
        return;
    }
    laufend_ = parameter();
    laufend_.seed = static_cast<quint64>(currentDateTime().toMSecsSinceEpoch());
    worker_ = std::make_unique<StrategieTestWorker>(state_.history(), laufend_);
    connect(worker_.get(), &StrategieTestWorker::progress, this, [this](int done, int total) {
        Gauge1->setRange(0, std::max(total, 1));
        Gauge1->setValue(done);
    });
    connect(worker_.get(), &StrategieTestWorker::finished, this, &TFStrategieTest::finishTest,
            Qt::QueuedConnection);
    Gauge1->setValue(0);
    setRunning(true);
    worker_->start(pool_);
}

void TFStrategieTest::Stop() {
    if (worker_)
        worker_->stop();
}

void TFStrategieTest::finishTest() {
    if (!worker_)
        return;
    pool_.waitForDone();
    const QString fehler = worker_->error();
    logic::StrategieTestErgebnis result = worker_->result();
    worker_.reset();
    setRunning(false);
    if (!fehler.isEmpty()) {
        showMessage(this, fehler, MessageIcon::Error);
    } else if (result.ziehungen.empty() && !result.gestoppt) {
        showMessage(this, QString::fromUtf8(logic::kKeineTestZiehungMeldung), MessageIcon::Information);
    } else if (!result.ziehungen.empty()) {
        model_->setErgebnis(nullptr);
        ergebnis_ = std::move(result);
        showResult();
    }
    emit testBeendet();
}

void TFStrategieTest::showResult() {
    const logic::StrategieTestErgebnis& r = ergebnis_;
    const auto n = static_cast<long long>(r.ziehungen.size());
    ergebnisText_->setText(QStringLiteral("Ihre Strategie: %1 zurück — Zufall: %2")
                               .arg(percent(r.rueckfluss()), percent(r.zufallRueckfluss())));
    const double erwartet = 100.0 * logic::Quoten(laufend_.typ).rueckfluss();
    QString details =
        QStringLiteral("%1 Ziehungen vom %2 bis %3 mit KENO-Typ %4 gespielt%5: Einsatz %6, Gewinn %7, "
                       "tiefster Stand %8. %9 Ziehungen mit Gewinn, die längste Serie ohne Gewinn: %10 "
                       "Ziehungen. Nach den Quoten zu erwarten: %11 zurück.")
            .arg(logic::formatNumber(static_cast<double>(n), 0),
                 logic::serialToText(r.ziehungen.front().datum),
                 logic::serialToText(r.ziehungen.back().datum), QString::number(laufend_.typ),
                 r.gestoppt ? QStringLiteral(" (angehalten)") : QString(), euro(r.einsatz), euro(r.gewinn),
                 euro(r.tiefsterStand), logic::formatNumber(r.ziehungenMitGewinn, 0))
            .arg(logic::formatNumber(r.laengsteSerieOhneGewinn, 0), percent(erwartet));
    details_->setText(details);
    hinweis_->setText(
        laufend_.anzahl > 0
            ? QStringLiteral(
                  "Jede Ziehung wurde nur mit den Ziehungen davor gespielt: ihr Tipp entstand aus den "
                  "%1 Ziehungen vor ihr, ohne Kenntnis dieser oder späterer Ziehungen.")
                  .arg(laufend_.anzahl)
            : QStringLiteral(
                  "Jede Ziehung wurde nur mit den Ziehungen davor gespielt: ihr Tipp entstand aus allen "
                  "Ziehungen vor ihr, ohne Kenntnis dieser oder späterer Ziehungen."));
    showBalance(verlauf_, r);
    showHits(treffer_, r);
    model_->setErgebnis(&ergebnis_);
    export_->setEnabled(true);
}

void TFStrategieTest::setRunning(bool running) {
    start_->setEnabled(!running);
    stop_->setEnabled(running);
    export_->setEnabled(!running && !ergebnis_.ziehungen.empty());
    for (QWidget* w : std::initializer_list<QWidget*>{strategie_, typ_, anzahl_, einsatz_, von_, bis_})
        w->setEnabled(!running);
}

void TFStrategieTest::Exportieren() {
    if (ergebnis_.ziehungen.empty())
        return;
    const logic::ExportTabelle table = model_->exportTable();
    TabellenExport(this, {{table, QStringLiteral("Strategie-Test"), platform::kModusStatistik}},
                   paths_.dataDir);
}

void TFStrategieTest::closeEvent(QCloseEvent* event) {
    // A closed window has no one to show the result to.
    Stop();
    QWidget::closeEvent(event);
}

} // namespace talvo::ui

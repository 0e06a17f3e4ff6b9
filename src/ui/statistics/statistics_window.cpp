#include "ui/statistics/statistics_window.h"

#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/core/tables.h"
#include "logic/export/export_tabelle.h"
#include "logic/statistics/statistik.h"
#include "platform/spreadsheet.h"
#include "ui/app/navigator.h"
#include "ui/common/standard_icon.h"
#include "ui/common/table_export.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"
#include "ui/statistics/best_combinations_page.h"
#include "ui/statistics/boards.h"
#include "ui/statistics/free_search_page.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

constexpr int kHelpContext = 90;

QLabel* headingLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.1);
    label->setFont(f);
    return label;
}

QPushButton* pageButton(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumWidth(130);
    return b;
}

QStringList itemLabels(int kind) {
    QStringList labels;
    if (kind == 2) {
        for (int d = 0; d <= 9; ++d)
            labels << QStringLiteral("Gewinnzahlen mit Endzahl %1:").arg(d);
    } else {
        for (int j = 1; j <= 7; ++j)
            labels << QStringLiteral("Gewinnzahlen von %1 - %2").arg(10 * j - 9).arg(10 * j);
    }
    return labels;
}

} // namespace

TFStatistik1::TFStatistik1(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), state_(state), paths_(paths),
      statistik_(std::make_unique<logic::Statistik>(state)) {
    setObjectName(QStringLiteral("FStatistik1"));
    setWindowTitle(QStringLiteral("Statistische Auswertungen"));
    setHelpContext(this, kHelpContext);
    for (int n = 1; n <= 70; ++n)
        numberInCell_[static_cast<std::size_t>(n - 1)] = n;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolBar());

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(8);
    auto* label1 =
        new QLabel(QStringLiteral("Hier können verschiedene statistische Auswertungen aller oder eines "
                                  "Teils der Ausspielungen vorgenommen werden."),
                   this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    body->addWidget(label1);

    auto* rg1 = new QGroupBox(
        QStringLiteral("Wählen Sie die Anzahl der auszuwertenden Ausspielungen: Alle - oder die letzten..."),
        this);
    rg1->setObjectName(QStringLiteral("RG1"));
    auto* choices = new QHBoxLayout(rg1);
    RG1 = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(logic::kAnzahlAusspielungen.size()); ++i) {
        const int n = logic::kAnzahlAusspielungen[static_cast<std::size_t>(i)];
        auto* radio = new QRadioButton(n == 0 ? QStringLiteral("Alle") : QString::number(n), rg1);
        radio->setObjectName(QStringLiteral("RG1_%1").arg(i));
        RG1->addButton(radio, i);
        choices->addWidget(radio);
    }
    choices->addStretch(1);
    connect(RG1, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            runAction(this, [this] { RG1Click(); });
    });
    body->addWidget(rg1);

    PC1 = new QTabWidget(this);
    PC1->setObjectName(QStringLiteral("PC1"));
    PC1->addTab(buildNumbersPage(), QStringLiteral("Einzelnummern"));
    PC1->addTab(buildItemPage(2), QStringLiteral("Endzahlen"));
    PC1->addTab(buildItemPage(3), QStringLiteral("Zehner"));
    freeSearch_ = new FreeSearchPage(
        state_, [this] { return anzahl(); }, PC1);
    PC1->addTab(freeSearch_, QStringLiteral("Freie Kombis"));
    bestCombinations_ = new BestCombinationsPage(
        *statistik_, [this] { return anzahl(); }, paths_.dataDir, PC1);
    PC1->addTab(bestCombinations_, QStringLiteral("Beste Kombis"));
    PC1->addTab(buildAbsencePage(), QStringLiteral("Ausgeblieben"));
    body->addWidget(PC1, 1);
    layout->addLayout(body, 1);

    connect(statistik_.get(), &logic::Statistik::haeufigkeitenBerechnet, this,
            &TFStatistik1::showFrequencies);
    connect(statistik_.get(), &logic::Statistik::abwesenheitenBerechnet, this, &TFStatistik1::showAbsences);
    resize(960, 760);
}

TFStatistik1::~TFStatistik1() = default;

QWidget* TFStatistik1::buildToolBar() {
    QToolBar* bar = makeToolBar(this);
    const auto add = [this, bar](QStyle::StandardPixmap icon, const QString& text, const QString& name) {
        return addToolAction(bar, standardIcon(style(), icon), text, name, {});
    };
    routeTo(add(QStyle::SP_DialogYesButton, QStringLiteral("Tippcenter"), QStringLiteral("BTipp")),
            Route::Tippcenter);
    bar->addSeparator();
    connect(add(QStyle::SP_DialogCloseButton, QStringLiteral("Sch&ließen"), QStringLiteral("BSchliessen")),
            &QAction::triggered, this, &QWidget::hide);
    helpFor(add(QStyle::SP_DialogHelpButton, QStringLiteral("&Hilfe"), QStringLiteral("BHilfe")),
            kHelpContext);
    return bar;
}

QWidget* TFStatistik1::buildNumbersPage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    headings_[0] = headingLabel(QStringLiteral("LAuswertung1"), page);
    left->addWidget(headings_[0]);
    numbers_ = new NumberBoard(QStringLiteral("PNummer"), QStringLiteral("PNummerWert"), page);
    left->addWidget(numbers_);
    left->addStretch(1);
    row->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    legends_[0] = new ClassLegend(QStringLiteral("PDelta"), QStringLiteral("LLegende1"),
                                  QStringLiteral("LMittel1"), page);
    right->addWidget(legends_[0]);
    right->addStretch(1);
    QPushButton* sort = pageButton(QStringLiteral("Neu sortieren"), QStringLiteral("BSortieren1"), page);
    connect(sort, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { numbersNeuSortieren(); }); });
    right->addWidget(sort);
    QPushButton* excel = pageButton(QStringLiteral("Excel-Export"), QStringLiteral("BExcel1"), page);
    connect(excel, &QPushButton::clicked, this, [this] { exportTab(0); });
    right->addWidget(excel);
    row->addLayout(right);
    return page;
}

QWidget* TFStatistik1::buildItemPage(int kind) {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    headings_[static_cast<std::size_t>(kind - 1)] =
        headingLabel(QStringLiteral("LAuswertung%1").arg(kind), page);
    left->addWidget(headings_[static_cast<std::size_t>(kind - 1)]);
    left->addSpacing(8);
    ItemRows* rows =
        kind == 2
            ? new ItemRows(QStringLiteral("PFinale"), QStringLiteral("PFinaleWert"), itemLabels(2), page)
            : new ItemRows(QStringLiteral("Pdec"), QStringLiteral("PDecWert"), itemLabels(3), page);
    itemRows_[static_cast<std::size_t>(kind - 2)] = rows;
    left->addWidget(rows);
    left->addStretch(1);
    row->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    legends_[static_cast<std::size_t>(kind - 1)] =
        new ClassLegend(QStringLiteral("PDelta%1").arg(kind), QStringLiteral("LLegende%1").arg(kind),
                        QStringLiteral("LMittel%1").arg(kind), page);
    right->addWidget(legends_[static_cast<std::size_t>(kind - 1)]);
    right->addStretch(1);
    QPushButton* excel =
        pageButton(QStringLiteral("Excel-Export"), QStringLiteral("BExcel%1").arg(kind), page);
    connect(excel, &QPushButton::clicked, this, [this, kind] { exportTab(kind - 1); });
    right->addWidget(excel);
    row->addLayout(right);
    return page;
}

QWidget* TFStatistik1::buildAbsencePage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    QLabel* heading = headingLabel(QStringLiteral("LAusgeblieben"), page);
    heading->setText(QStringLiteral("So oft sind Zahlen ausgeblieben (0 = aktuell):"));
    left->addWidget(heading);
    absences_ = new NumberBoard(QStringLiteral("PNummerA"), QStringLiteral("PNummerWertA"), page);
    left->addWidget(absences_);
    left->addStretch(1);
    row->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    auto* bands = new QLabel(QStringLiteral("Ziehungen ohne die Zahl"), page);
    QFont bold = bands->font();
    bold.setBold(true);
    bands->setFont(bold);
    bands->setAlignment(Qt::AlignCenter);
    right->addWidget(bands);
    const std::array<std::pair<int, const char*>, 5> legend = {
        {{0, "0"}, {1, "1 bis 3"}, {4, "4 bis 7"}, {8, "8 bis 13"}, {14, "14 und mehr"}}};
    for (const auto& [absence, text] : legend) {
        auto* band = new QLabel(QString::fromUtf8(text), page);
        band->setAlignment(Qt::AlignCenter);
        band->setAutoFillBackground(true);
        band->setMinimumSize(120, 24);
        const logic::Rgb ground = logic::abwesenheitsFarbe(absence);
        paintLabel(band, ground, absence >= 14 ? logic::Rgb{255, 255, 255} : logic::Rgb{0, 0, 0});
        right->addWidget(band);
    }
    right->addStretch(1);
    QPushButton* sort = pageButton(QStringLiteral("Neu sortieren"), QStringLiteral("BSortieren6"), page);
    connect(sort, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { absencesNeuSortieren(); }); });
    right->addWidget(sort);
    QPushButton* excel = pageButton(QStringLiteral("Excel-Export"), QStringLiteral("BExcel4"), page);
    connect(excel, &QPushButton::clicked, this, [this] { exportTab(3); });
    right->addWidget(excel);
    row->addLayout(right);
    return page;
}

void TFStatistik1::FormCreate() {
    showAbsences();
}

void TFStatistik1::RG1Click() {
    if (statistik_->ziehungen() == 0)
        return;
    // The frequencies are shown whether or not the tip centre exists yet; without this
    // the three frequency tabs would stay empty for a program that has no tip centre.
    statistik_->HaeufigkeitenBerechnen(anzahl());
    if (tippcenter_.auswahlUebernehmen)
        tippcenter_.auswahlUebernehmen(anzahlIndex());
    bestCombinations_->updateLabels();
}

void TFStatistik1::setAnzahlIndex(int index) {
    if (QAbstractButton* b = RG1->button(index))
        b->setChecked(true);
}

void TFStatistik1::anzahlAnwenden(int index) {
    if (index == anzahlIndex())
        RG1Click();
    else
        setAnzahlIndex(index);
}

int TFStatistik1::anzahlIndex() const {
    return RG1->checkedId();
}

int TFStatistik1::anzahl() const {
    const int index = anzahlIndex();
    return index >= 0 && index < static_cast<int>(logic::kAnzahlAusspielungen.size())
               ? logic::kAnzahlAusspielungen[static_cast<std::size_t>(index)]
               : 0;
}

void TFStatistik1::setRegister(int index) {
    if (index >= 0 && index < PC1->count())
        PC1->setCurrentIndex(index);
}

QStringList TFStatistik1::registerNamen() const {
    QStringList names;
    for (int i = 0; i < PC1->count(); ++i)
        names << PC1->tabText(i);
    return names;
}

void TFStatistik1::tippcenterKoppeln(TippcenterKopplung kopplung) {
    tippcenter_ = std::move(kopplung);
}

void TFStatistik1::showFrequencies() {
    for (int kind = 1; kind <= 3; ++kind) {
        const auto& r = statistik_->ergebnis(static_cast<logic::StatArt>(kind));
        if (!r)
            continue;
        headings_[static_cast<std::size_t>(kind - 1)]->setText(r->ueberschrift);
        legends_[static_cast<std::size_t>(kind - 1)]->show(r->legende, r->R, r->mittel);
        if (kind > 1) {
            ItemRows* rows = itemRows_[static_cast<std::size_t>(kind - 2)];
            for (int item = 1; item <= r->items(); ++item) {
                const logic::KlassenFarbe f =
                    logic::KlassenFarben(r->klasse[static_cast<std::size_t>(item - 1)]);
                rows->setValue(item, QString::number(r->anzahl[static_cast<std::size_t>(item - 1)]),
                               f.hintergrund, f.text);
            }
        }
    }
    showNumbers();
}

void TFStatistik1::showNumbers() {
    const auto& r = statistik_->ergebnis(logic::StatArt::Zahlen);
    for (int cell = 1; cell <= 70; ++cell) {
        const int n = numberInCell_[static_cast<std::size_t>(cell - 1)];
        if (!r) {
            numbers_->setCell(cell, QString::number(n), QString(), {246, 246, 246}, {32, 32, 32});
            continue;
        }
        const logic::KlassenFarbe f = logic::KlassenFarben(r->klasse[static_cast<std::size_t>(n - 1)]);
        numbers_->setCell(cell, QString::number(n),
                          QString::number(r->anzahl[static_cast<std::size_t>(n - 1)]), f.hintergrund, f.text);
    }
}

void TFStatistik1::showAbsences() {
    const logic::Abwesenheiten& a = statistik_->abwesenheiten();
    for (int cell = 1; cell <= 70; ++cell) {
        int n = cell;
        if (!absencesNatural_)
            n = cell <= static_cast<int>(a.ordnung.size()) ? a.ordnung[static_cast<std::size_t>(cell - 1)]
                                                           : 0;
        if (n == 0) {
            // Numbers away for more than 1000 draws have no place in the order.
            absences_->setCell(cell, QString(), QString(), {246, 246, 246}, {32, 32, 32});
            continue;
        }
        const int absence = a.seit[static_cast<std::size_t>(n)];
        absences_->setCell(cell, QString::number(n), QString::number(absence),
                           logic::abwesenheitsFarbe(absence),
                           absence >= 14 ? logic::Rgb{255, 255, 255} : logic::Rgb{0, 0, 0});
    }
}

void TFStatistik1::numbersNeuSortieren() {
    if (statistik_->ziehungen() == 0)
        return;
    numbersSorted_ = !numbersSorted_;
    if (numbersSorted_) {
        const std::vector<int> order = statistik_->haeufigkeitsOrdnung();
        std::copy_n(order.begin(), std::min<std::size_t>(order.size(), 70), numberInCell_.begin());
    } else {
        for (int n = 1; n <= 70; ++n)
            numberInCell_[static_cast<std::size_t>(n - 1)] = n;
    }
    showNumbers();
}

void TFStatistik1::absencesNeuSortieren() {
    absencesNatural_ = !absencesNatural_;
    showAbsences();
}

logic::ExportTabelle TFStatistik1::exportTable(int tab) const {
    switch (tab) {
    case 0: {
        logic::ExportTabelle t(2, 71);
        t.setZelle(0, 0, QStringLiteral("Zahl"));
        t.setZelle(1, 0, QStringLiteral("Häufigkeit"));
        for (int cell = 1; cell <= 70; ++cell) {
            const int n = numberInCell_[static_cast<std::size_t>(cell - 1)];
            t.setZelle(0, n, numbers_->numberText(cell));
            t.setZelle(1, n, numbers_->valueText(cell));
        }
        return t;
    }
    case 1:
    case 2: {
        ItemRows* rows = itemRows_[static_cast<std::size_t>(tab - 1)];
        // The final digits go out in a table of 71 rows, like the numbers.
        logic::ExportTabelle t(2, tab == 1 ? 71 : rows->items() + 1);
        t.setZelle(0, 0, tab == 1 ? QStringLiteral("Endnummer") : QStringLiteral("Zehner"));
        t.setZelle(1, 0, QStringLiteral("Häufigkeit"));
        for (int item = 1; item <= rows->items(); ++item) {
            t.setZelle(0, item, rows->labelText(item));
            t.setZelle(1, item, rows->valueText(item));
        }
        return t;
    }
    default: {
        logic::ExportTabelle t(2, 71);
        t.setZelle(0, 0, QStringLiteral("Zahl"));
        t.setZelle(1, 0, QStringLiteral("Seit Ziehungen..."));
        for (int cell = 1; cell <= 70; ++cell) {
            t.setZelle(0, cell, absences_->numberText(cell));
            t.setZelle(1, cell, absences_->valueText(cell));
        }
        return t;
    }
    }
}

void TFStatistik1::exportTab(int tab) {
    static const std::array<QString, 4> titles = {QStringLiteral("Einzelnummern"),
                                                  QStringLiteral("Endzahlen"), QStringLiteral("Zehner"),
                                                  QStringLiteral("Ausgeblieben")};
    runAction(this, [this, tab] {
        const logic::ExportTabelle table = exportTable(tab);
        TabellenExport(this, {{table, titles[static_cast<std::size_t>(tab)], platform::kModusStatistik}},
                       paths_.dataDir);
    });
}

} // namespace talvo::ui

#include "ui/statistics/statistics_window.h"

#include "logic/core/format.h"
#include "logic/core/paths.h"
#include "logic/core/tables.h"
#include "logic/export/export_table.h"
#include "logic/export/statistics_export_table.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics_selection.h"
#include "logic/statistics/item_labels.h"
#include "logic/statistics/number_frequency_test.h"
#include "platform/spreadsheet.h"
#include "ui/common/standard_icon.h"
#include "ui/common/table_export.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"
#include "ui/navigation/navigator.h"
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

} // namespace

StatisticsWindow::StatisticsWindow(logic::ProgramState& state, logic::StatisticsSelection& selection,
                                   const logic::AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), selection_(selection), statistics_(selection.statistics()),
      paths_(paths) {
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
    auto* introLabel =
        new QLabel(QStringLiteral("Hier können verschiedene statistische Auswertungen aller oder eines "
                                  "Teils der Ausspielungen vorgenommen werden."),
                   this);
    introLabel->setObjectName(QStringLiteral("Label1"));
    introLabel->setWordWrap(true);
    body->addWidget(introLabel);

    auto* drawCountBox = new QGroupBox(
        QStringLiteral("Wählen Sie die Anzahl der auszuwertenden Ausspielungen: Alle - oder die letzten..."),
        this);
    drawCountBox->setObjectName(QStringLiteral("RG1"));
    auto* choices = new QHBoxLayout(drawCountBox);
    drawCountChoice_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(logic::kDrawCounts.size()); ++i) {
        const int n = logic::kDrawCounts[static_cast<std::size_t>(i)];
        auto* radio = new QRadioButton(n == 0 ? QStringLiteral("Alle") : QString::number(n), drawCountBox);
        radio->setObjectName(QStringLiteral("RG1_%1").arg(i));
        drawCountChoice_->addButton(radio, i);
        choices->addWidget(radio);
    }
    choices->addStretch(1);
    connect(drawCountChoice_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            runAction(this, [this, index] { selection_.setDrawCountIndex(index); });
    });
    body->addWidget(drawCountBox);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PC1"));
    tabs_->addTab(buildNumbersPage(), QStringLiteral("Einzelnummern"));
    tabs_->addTab(buildItemPage(2), QStringLiteral("Endzahlen"));
    tabs_->addTab(buildItemPage(3), QStringLiteral("Zehner"));
    freeSearch_ = new FreeSearchPage(
        state_, [this] { return selection_.drawCount(); }, tabs_);
    tabs_->addTab(freeSearch_, QStringLiteral("Freie Kombis"));
    bestCombinations_ = new BestCombinationsPage(
        statistics_, [this] { return selection_.drawCount(); }, paths_.dataDir, tabs_);
    tabs_->addTab(bestCombinations_, QStringLiteral("Beste Kombis"));
    tabs_->addTab(buildAbsencePage(), QStringLiteral("Ausgeblieben"));
    body->addWidget(tabs_, 1);
    layout->addLayout(body, 1);

    // The window shows every choice, also one made before there are draws to compute it
    // over; the tip centre follows only computed choices.
    connect(&selection_, &logic::StatisticsSelection::drawCountChosen, this,
            &StatisticsWindow::showDrawCountChoice);
    connect(&statistics_, &logic::Statistics::frequenciesComputed, this, &StatisticsWindow::showFrequencies);
    connect(&statistics_, &logic::Statistics::absencesComputed, this, &StatisticsWindow::showAbsences);
    showDrawCountChoice(selection_.drawCountIndex());
    resize(960, 760);
}

StatisticsWindow::~StatisticsWindow() = default;

QWidget* StatisticsWindow::buildToolBar() {
    QToolBar* bar = makeToolBar(this);
    const auto add = [this, bar](QStyle::StandardPixmap icon, const QString& text, const QString& name) {
        return addToolAction(bar, standardIcon(style(), icon), text, name, {});
    };
    routeTo(add(QStyle::SP_DialogYesButton, QStringLiteral("Tippcenter"), QStringLiteral("BTipp")),
            Route::TipCentre);
    bar->addSeparator();
    connect(add(QStyle::SP_DialogCloseButton, QStringLiteral("Sch&ließen"), QStringLiteral("BSchliessen")),
            &QAction::triggered, this, &QWidget::hide);
    helpFor(add(QStyle::SP_DialogHelpButton, QStringLiteral("&Hilfe"), QStringLiteral("BHilfe")),
            kHelpContext);
    return bar;
}

QWidget* StatisticsWindow::buildNumbersPage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    headings_[0] = headingLabel(QStringLiteral("LAuswertung1"), page);
    left->addWidget(headings_[0]);
    numbers_ = new NumberBoard(QStringLiteral("PNummer"), QStringLiteral("PNummerWert"), page);
    left->addWidget(numbers_);
    testLabel_ = new QLabel(page);
    testLabel_->setObjectName(QStringLiteral("LTest1"));
    testLabel_->setWordWrap(true);
    left->addWidget(testLabel_);
    left->addStretch(1);
    row->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    legends_[0] = new ClassLegend(QStringLiteral("PDelta"), QStringLiteral("LLegende1"),
                                  QStringLiteral("LMittel1"), page);
    right->addWidget(legends_[0]);
    right->addStretch(1);
    QPushButton* sort = pageButton(QStringLiteral("Neu sortieren"), QStringLiteral("BSortieren1"), page);
    connect(sort, &QPushButton::clicked, this, [this] { runAction(this, [this] { toggleNumbersOrder(); }); });
    right->addWidget(sort);
    QPushButton* excel = pageButton(QStringLiteral("Excel-Export"), QStringLiteral("BExcel1"), page);
    connect(excel, &QPushButton::clicked, this, [this] { exportTab(0); });
    right->addWidget(excel);
    row->addLayout(right);
    return page;
}

QWidget* StatisticsWindow::buildItemPage(int kind) {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    headings_[static_cast<std::size_t>(kind - 1)] =
        headingLabel(QStringLiteral("LAuswertung%1").arg(kind), page);
    left->addWidget(headings_[static_cast<std::size_t>(kind - 1)]);
    left->addSpacing(8);
    ItemRows* rows = kind == 2
                         ? new ItemRows(QStringLiteral("PFinale"), QStringLiteral("PFinaleWert"),
                                        logic::statisticItemLabels(logic::StatisticKind::FinalDigits), page)
                         : new ItemRows(QStringLiteral("Pdec"), QStringLiteral("PDecWert"),
                                        logic::statisticItemLabels(logic::StatisticKind::Tens), page);
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

QWidget* StatisticsWindow::buildAbsencePage() {
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
        const logic::Rgb ground = logic::absenceColour(absence);
        paintLabel(band, ground, absence >= 14 ? logic::Rgb{255, 255, 255} : logic::Rgb{0, 0, 0});
        right->addWidget(band);
    }
    right->addStretch(1);
    QPushButton* sort = pageButton(QStringLiteral("Neu sortieren"), QStringLiteral("BSortieren6"), page);
    connect(sort, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { toggleAbsencesOrder(); }); });
    right->addWidget(sort);
    QPushButton* excel = pageButton(QStringLiteral("Excel-Export"), QStringLiteral("BExcel4"), page);
    connect(excel, &QPushButton::clicked, this, [this] { exportTab(3); });
    right->addWidget(excel);
    row->addLayout(right);
    return page;
}

void StatisticsWindow::setUpAtStart() {
    showAbsences();
}

logic::Statistics& StatisticsWindow::statistics() {
    return statistics_;
}

void StatisticsWindow::setDrawCountIndex(int index) {
    // Checking the button runs its handler, as a click does.
    showDrawCountChoice(index);
}

// For a choice from the selection the button's handler finds it made already.
void StatisticsWindow::showDrawCountChoice(int index) {
    if (QAbstractButton* b = drawCountChoice_->button(index))
        b->setChecked(true);
}

int StatisticsWindow::drawCountIndex() const {
    return drawCountChoice_->checkedId();
}

void StatisticsWindow::setTab(int index) {
    if (index >= 0 && index < tabs_->count())
        tabs_->setCurrentIndex(index);
}

QStringList StatisticsWindow::tabNames() const {
    QStringList names;
    for (int i = 0; i < tabs_->count(); ++i)
        names << tabs_->tabText(i);
    return names;
}

void StatisticsWindow::showFrequencies() {
    bestCombinations_->updateLabels();
    for (int kind = 1; kind <= 3; ++kind) {
        const auto& r = statistics_.result(static_cast<logic::StatisticKind>(kind));
        if (!r)
            continue;
        headings_[static_cast<std::size_t>(kind - 1)]->setText(r->heading);
        legends_[static_cast<std::size_t>(kind - 1)]->show(r->legend, r->legendTexts, r->meanText);
        if (kind > 1) {
            ItemRows* rows = itemRows_[static_cast<std::size_t>(kind - 2)];
            for (int item = 1; item <= r->items(); ++item) {
                const logic::ClassColour f =
                    logic::classColour(r->itemClass[static_cast<std::size_t>(item - 1)]);
                rows->setValue(item, QString::number(r->occurrences[static_cast<std::size_t>(item - 1)]),
                               f.background, f.text);
            }
        }
    }
    showNumbers();
}

void StatisticsWindow::showNumbers() {
    const auto& r = statistics_.result(logic::StatisticKind::Numbers);
    std::vector<double> zScores;
    if (r) {
        const logic::NumberFrequencyTest test = logic::testNumberFrequencies(r->occurrences, r->drawCount);
        testLabel_->setText(logic::numberFrequencyTestSentence(test) + QLatin1Char(' ') +
                            logic::unusualNumbersSentence(test));
        zScores = test.zScores;
    }
    for (int cell = 1; cell <= 70; ++cell) {
        const int n = numberInCell_[static_cast<std::size_t>(cell - 1)];
        if (!r) {
            numbers_->setCell(cell, QString::number(n), QString(), {246, 246, 246}, {32, 32, 32});
            numbers_->setRemark(cell, QString());
            continue;
        }
        const logic::ClassColour f = logic::classColour(r->itemClass[static_cast<std::size_t>(n - 1)]);
        numbers_->setCell(cell, QString::number(n),
                          QString::number(r->occurrences[static_cast<std::size_t>(n - 1)]), f.background,
                          f.text);
        const double z = zScores[static_cast<std::size_t>(n - 1)];
        numbers_->setRemark(cell, logic::isUnusualNumber(z)
                                      ? QStringLiteral("auffällig: z = %1").arg(logic::formatNumber(z, 2))
                                      : QString());
    }
}

void StatisticsWindow::showAbsences() {
    const logic::Absences& a = statistics_.absences();
    for (int cell = 1; cell <= 70; ++cell) {
        int n = cell;
        if (!absencesNatural_)
            n = cell <= static_cast<int>(a.ranking.size()) ? a.ranking[static_cast<std::size_t>(cell - 1)]
                                                           : 0;
        if (n == 0) {
            // Numbers away for more than 1000 draws have no place in the order.
            absences_->setCell(cell, QString(), QString(), {246, 246, 246}, {32, 32, 32});
            continue;
        }
        const int absence = a.drawsSince[static_cast<std::size_t>(n)];
        absences_->setCell(cell, QString::number(n), QString::number(absence), logic::absenceColour(absence),
                           absence >= 14 ? logic::Rgb{255, 255, 255} : logic::Rgb{0, 0, 0});
    }
}

void StatisticsWindow::toggleNumbersOrder() {
    if (statistics_.drawCount() == 0)
        return;
    numbersSorted_ = !numbersSorted_;
    if (numbersSorted_) {
        const std::vector<int> order = statistics_.frequencyOrder();
        std::copy_n(order.begin(), std::min<std::size_t>(order.size(), 70), numberInCell_.begin());
    } else {
        for (int n = 1; n <= 70; ++n)
            numberInCell_[static_cast<std::size_t>(n - 1)] = n;
    }
    showNumbers();
}

void StatisticsWindow::toggleAbsencesOrder() {
    absencesNatural_ = !absencesNatural_;
    showAbsences();
}

logic::ExportTable StatisticsWindow::exportTable(int tab) const {
    switch (tab) {
    case 0:
        return logic::buildNumbersExportTable(statistics_.result(logic::StatisticKind::Numbers));
    case 1:
        return logic::buildItemsExportTable(logic::StatisticKind::FinalDigits,
                                            statistics_.result(logic::StatisticKind::FinalDigits));
    case 2:
        return logic::buildItemsExportTable(logic::StatisticKind::Tens,
                                            statistics_.result(logic::StatisticKind::Tens));
    default:
        return logic::buildAbsencesExportTable(statistics_.absences(), absencesNatural_
                                                                           ? logic::AbsenceOrder::ByNumber
                                                                           : logic::AbsenceOrder::ByAbsence);
    }
}

void StatisticsWindow::exportTab(int tab) {
    static const std::array<QString, 4> titles = {QStringLiteral("Einzelnummern"),
                                                  QStringLiteral("Endzahlen"), QStringLiteral("Zehner"),
                                                  QStringLiteral("Ausgeblieben")};
    runAction(this, [this, tab] {
        const logic::ExportTable table = exportTable(tab);
        exportTables(this, {{table, titles[static_cast<std::size_t>(tab)], platform::kModeStatistics}},
                     paths_.dataDir);
    });
}

} // namespace talvo::ui

#include "ui/tips/odds_panel.h"

#include "logic/core/format.h"
#include "logic/core/plus5_odds.h"
#include "logic/core/tables.h"
#include "logic/core/type_odds.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

QTableWidget* table(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setTabKeyNavigation(false);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->verticalHeader()->setDefaultSectionSize(20);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return t;
}

void setRow(QTableWidget* t, int row, const QStringList& cells) {
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t->setItem(row, c, item);
    }
}

QString percent(double share) {
    return logic::formatNumber(100.0 * share, 2) + QStringLiteral(" %");
}

} // namespace

QString chanceText(double probability) {
    if (probability <= 0)
        return QStringLiteral("–");
    const double x = 1.0 / probability;
    return QStringLiteral("1 zu ") + logic::formatNumber(x, x < 10 ? 2 : x < 1000 ? 1 : 0);
}

QString plus5ReturnText() {
    return QStringLiteral("plus 5: erwarteter Rückfluss %1 € je %2 € Einsatz (%3), für jede Zahl gleich")
        .arg(logic::formatNumber(logic::plus5ExpectedPrize(), 3), logic::formatNumber(logic::kPlus5Stake, 2),
             percent(logic::plus5ReturnRate()));
}

OddsPanel::OddsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PQuoten"));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    allTypesCheck_ = new QCheckBox(QStringLiteral("Alle KENO-Typen zeigen"), this);
    allTypesCheck_->setObjectName(QStringLiteral("CBAlleTypen"));
    choices->addWidget(allTypesCheck_);
    choices->addStretch(1);
    choices->addWidget(new QLabel(QStringLiteral("Mindestens ein Gewinn in"), this));
    drawCountSpin_ = new QSpinBox(this);
    drawCountSpin_->setObjectName(QStringLiteral("SEZiehungen"));
    drawCountSpin_->setRange(1, 10000);
    drawCountSpin_->setValue(30);
    choices->addWidget(drawCountSpin_);
    choices->addWidget(new QLabel(QStringLiteral("Ziehungen"), this));
    layout->addLayout(choices);

    hitsTable_ = table(QStringLiteral("GQuoten"),
                       {QStringLiteral("KENO-Typ"), QStringLiteral("Treffer"), QStringLiteral("Chance"),
                        QStringLiteral("Faktor"), QStringLiteral("Anteil am Rückfluss")},
                       this);
    layout->addWidget(hitsTable_, 3);
    typesTable_ = table(QStringLiteral("GTypen"),
                        {QStringLiteral("KENO-Typ"), QStringLiteral("Erwarteter Rückfluss"),
                         QStringLiteral("Chance auf einen Gewinn"), QString()},
                        this);
    layout->addWidget(typesTable_, 1);
    plus5Label_ = new QLabel(plus5ReturnText(), this);
    plus5Label_->setObjectName(QStringLiteral("LPlus5Rueckfluss"));
    layout->addWidget(plus5Label_);

    connect(allTypesCheck_, &QCheckBox::toggled, this, &OddsPanel::refresh);
    connect(drawCountSpin_, &QSpinBox::valueChanged, this, &OddsPanel::refresh);
    refresh();
}

void OddsPanel::setKenoType(int kenoType) {
    kenoType_ = kenoType;
    refresh();
}

void OddsPanel::refresh() {
    const int first = allTypesCheck_->isChecked() ? 2 : kenoType_;
    const int last = allTypesCheck_->isChecked() ? logic::kMaxType : kenoType_;
    const int n = drawCountSpin_->value();
    hitsTable_->setRowCount(0);
    typesTable_->setRowCount(last - first + 1);
    typesTable_->setHorizontalHeaderItem(
        3, new QTableWidgetItem(QStringLiteral("Mindestens ein Gewinn in %1 Ziehungen").arg(n)));
    for (int t = first; t <= last; ++t) {
        const logic::TypeOdds q = logic::oddsOfType(t);
        for (int h = t; h >= 0; --h) {
            const double p = q.probability(h);
            const int factors = q.factors[static_cast<std::size_t>(h)];
            const int row = hitsTable_->rowCount();
            hitsTable_->insertRow(row);
            setRow(hitsTable_, row,
                   {QString::number(t), QString::number(h), chanceText(p), QString::number(factors),
                    percent(p * factors)});
        }
        setRow(typesTable_, t - first,
               {QString::number(t), percent(q.returnRate()), chanceText(q.winChance()),
                percent(q.winChanceIn(n))});
    }
}

} // namespace talvo::ui

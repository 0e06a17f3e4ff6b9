#include "ui/tips/odds_panel.h"

#include "logic/core/format.h"
#include "logic/core/tables.h"
#include "logic/tips/quoten.h"

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

OddsPanel::OddsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PQuoten"));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    alleTypen_ = new QCheckBox(QStringLiteral("Alle KENO-Typen zeigen"), this);
    alleTypen_->setObjectName(QStringLiteral("CBAlleTypen"));
    choices->addWidget(alleTypen_);
    choices->addStretch(1);
    choices->addWidget(new QLabel(QStringLiteral("Mindestens ein Gewinn in"), this));
    ziehungen_ = new QSpinBox(this);
    ziehungen_->setObjectName(QStringLiteral("SEZiehungen"));
    ziehungen_->setRange(1, 10000);
    ziehungen_->setValue(30);
    choices->addWidget(ziehungen_);
    choices->addWidget(new QLabel(QStringLiteral("Ziehungen"), this));
    layout->addLayout(choices);

    treffer_ = table(QStringLiteral("GQuoten"),
                     {QStringLiteral("KENO-Typ"), QStringLiteral("Treffer"), QStringLiteral("Chance"),
                      QStringLiteral("Faktor"), QStringLiteral("Anteil am Rückfluss")},
                     this);
    layout->addWidget(treffer_, 3);
    typen_ = table(QStringLiteral("GTypen"),
                   {QStringLiteral("KENO-Typ"), QStringLiteral("Erwarteter Rückfluss"),
                    QStringLiteral("Chance auf einen Gewinn"), QString()},
                   this);
    layout->addWidget(typen_, 1);

    connect(alleTypen_, &QCheckBox::toggled, this, &OddsPanel::refresh);
    connect(ziehungen_, &QSpinBox::valueChanged, this, &OddsPanel::refresh);
    refresh();
}

void OddsPanel::setTyp(int typ) {
    typ_ = typ;
    refresh();
}

void OddsPanel::refresh() {
    const int first = alleTypen_->isChecked() ? 2 : typ_;
    const int last = alleTypen_->isChecked() ? logic::kMaxTyp : typ_;
    const int n = ziehungen_->value();
    treffer_->setRowCount(0);
    typen_->setRowCount(last - first + 1);
    typen_->setHorizontalHeaderItem(
        3, new QTableWidgetItem(QStringLiteral("Mindestens ein Gewinn in %1 Ziehungen").arg(n)));
    for (int t = first; t <= last; ++t) {
        const logic::TypQuoten q = logic::Quoten(t);
        for (int h = t; h >= 0; --h) {
            const double p = q.wahrscheinlichkeit(h);
            const int faktor = q.faktor[static_cast<std::size_t>(h)];
            const int row = treffer_->rowCount();
            treffer_->insertRow(row);
            setRow(treffer_, row,
                   {QString::number(t), QString::number(h), chanceText(p), QString::number(faktor),
                    percent(p * faktor)});
        }
        setRow(typen_, t - first,
               {QString::number(t), percent(q.rueckfluss()), chanceText(q.gewinnchance()),
                percent(q.gewinnchanceIn(n))});
    }
}

} // namespace talvo::ui

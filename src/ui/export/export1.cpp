#include "ui/export/export1.h"

#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/export/ziehungs_tabelle.h"
#include "ui/app/navigator.h"
#include "ui/common/clock.h"
#include "ui/common/date_field.h"
#include "ui/common/table_export.h"
#include "ui/common/user_action.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

bool holdsDraw(const logic::ProgramState& state) {
    return logic::letzterZiehungstag(state.history()).isValid();
}

DateField* dateField(const QString& name, QWidget* parent) {
    auto* edit = new DateField(parent);
    edit->setObjectName(name);
    // The range rules apply to a finished date, not to every digit typed; a typed date
    // beyond a bound is pulled back to it, as a chosen one is.
    edit->setKeyboardTracking(false);
    edit->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return edit;
}

} // namespace

TFExport1::TFExport1(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), paths_(paths) {
    setObjectName(QStringLiteral("FExport1"));
    setWindowTitle(QStringLiteral("Excel-Export"));
    setHelpContext(this, 130);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    auto* intro = new QLabel(
        QStringLiteral("Bitte wählen Sie, welche Daten exportiert werden sollen und aus welchem Zeitraum."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    choices_ = new QGroupBox(QStringLiteral("Export für..."), this);
    choices_->setObjectName(QStringLiteral("RG1"));
    new QVBoxLayout(choices_);
    RG1 = new QButtonGroup(this);
    layout->addWidget(choices_);

    range_ = new QGroupBox(QStringLiteral("... und diesen  Zeitraum..."), this);
    auto* grid = new QGridLayout(range_);
    DateV = dateField(QStringLiteral("DateV"), range_);
    DateB = dateField(QStringLiteral("DateB"), range_);
    const auto addDate = [&](int row, const QString& text, QDateEdit* edit) {
        auto* label = new QLabel(text, range_);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
    };
    addDate(0, QStringLiteral("&von"), DateV);
    addDate(1, QStringLiteral("&bis"), DateB);
    grid->setColumnStretch(2, 1);
    setRange(logic::ersterExportTag(), currentDateTime().date());
    range_->setEnabled(false); // until a draw is stored
    connect(DateV, &QDateEdit::dateChanged, this, &TFExport1::DateVChange);
    connect(DateB, &QDateEdit::dateChanged, this, &TFExport1::DateBChange);
    layout->addWidget(range_);

    auto* buttons = new QHBoxLayout;
    auto* excel = new QPushButton(QStringLiteral("Excel-Export..."), this);
    excel->setObjectName(QStringLiteral("BExcel1"));
    excel->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Sch&ließen"), this);
    close->setObjectName(QStringLiteral("BSchliessen"));
    buttons->addStretch();
    buttons->addWidget(excel);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(excel, &QPushButton::clicked, this, [this] { runAction(this, [this] { BExcel1Click(); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setFixedWidth(360);
}

void TFExport1::FormCreate() {
    if (holdsDraw(state_)) {
        setUp();
        return;
    }
    // Set up by the first draw that arrives (an import, an update or a stored draw), not
    // left without choices until the next start.
    waitingForDraw_ = connect(&state_, &logic::ProgramState::historyChanged, this, [this] {
        if (!holdsDraw(state_))
            return;
        disconnect(waitingForDraw_);
        setUp();
    });
}

void TFExport1::setUp() {
    for (int wahl = 0; wahl < logic::kZiehungsExportWahlen; ++wahl) {
        auto* radio = new QRadioButton(logic::ziehungsExportText(wahl), choices_);
        radio->setObjectName(QStringLiteral("RG1_%1").arg(wahl));
        RG1->addButton(radio, wahl);
        choices_->layout()->addWidget(radio);
    }
    RG1->button(logic::kGewinnzahlenUndPlus5)->setChecked(true);
    const QDate ende = logic::letzterZiehungstag(state_.history());
    setRange(logic::ersterExportTag(),
             logic::bisGeaendert(logic::ersterExportTag(), ende, currentDateTime().date()));
    range_->setEnabled(true);
}

void TFExport1::DateVChange() {
    setRange(logic::vonGeaendert(DateV->date(), DateB->date()), DateB->date());
}

void TFExport1::DateBChange() {
    setRange(DateV->date(), logic::bisGeaendert(DateV->date(), DateB->date(), currentDateTime().date()));
}

void TFExport1::setRange(const QDate& von, const QDate& bis) {
    // The calendars offer only days inside the bounds.
    const QSignalBlocker blockV(DateV);
    const QSignalBlocker blockB(DateB);
    DateV->setDateRange(logic::ersterExportTag(), bis);
    DateB->setDateRange(von, currentDateTime().date());
    DateV->setDate(von);
    DateB->setDate(bis);
}

void TFExport1::showEvent(QShowEvent* event) {
    // Today may have moved on since the window was last open.
    DateBChange();
    QWidget::showEvent(event);
}

void TFExport1::BExcel1Click() {
    // A date typed but not yet confirmed is the range the user sees.
    DateV->commitTyping();
    DateB->commitTyping();
    const logic::DrawHistory& history = state_.history();
    const logic::ExportBereich bereich = logic::ziehungsBereich(history, DateV->date(), DateB->date());
    const int wahl = RG1->checkedId();
    if (wahl < 0)
        return; // FormCreate has not run
    const logic::ExportTabelle tabelle = logic::ZiehungsTabelle(history, wahl, bereich.erste, bereich.letzte);
    // The choice's index is the export's format mode: the plus 5 column stays text.
    TabellenExport(this, {{tabelle, logic::ziehungsExportText(wahl), wahl}}, paths_.dataDir);
}

} // namespace talvo::ui

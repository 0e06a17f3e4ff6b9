#include "ui/export/draw_export_window.h"

#include "logic/core/paths.h"
#include "logic/export/draw_export_table.h"
#include "logic/state/program_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_field.h"
#include "ui/common/table_export.h"
#include "ui/common/user_action.h"
#include "ui/navigation/navigator.h"

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
    return logic::lastDrawDate(state.history()).isValid();
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

DrawExportWindow::DrawExportWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
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
    choiceGroup = new QButtonGroup(this);
    layout->addWidget(choices_);

    range_ = new QGroupBox(QStringLiteral("... und diesen Zeitraum..."), this);
    auto* grid = new QGridLayout(range_);
    fromDateField = dateField(QStringLiteral("DateV"), range_);
    toDateField = dateField(QStringLiteral("DateB"), range_);
    const auto addDate = [&](int row, const QString& text, QDateEdit* edit) {
        auto* label = new QLabel(text, range_);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
    };
    addDate(0, QStringLiteral("&von"), fromDateField);
    addDate(1, QStringLiteral("&bis"), toDateField);
    grid->setColumnStretch(2, 1);
    setRange(logic::firstExportDate(), currentDateTime().date());
    range_->setEnabled(false); // until a draw is stored
    connect(fromDateField, &QDateEdit::dateChanged, this, &DrawExportWindow::fromDateChanged);
    connect(toDateField, &QDateEdit::dateChanged, this, &DrawExportWindow::toDateChanged);
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
    connect(excel, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { exportToSpreadsheet(); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setFixedWidth(360);
}

void DrawExportWindow::setUpAtStart() {
    // Set up by the first draw that arrives (an import, an update or a stored draw), not
    // left without choices until the next start.
    connect(&state_, &logic::ProgramState::historyChanged, this, &DrawExportWindow::historyChanged);
    historyChanged();
}

void DrawExportWindow::historyChanged() {
    if (!holdsDraw(state_))
        return;
    if (choiceGroup->buttons().isEmpty()) {
        setUp();
        return;
    }
    // The help promises all stored draws: a draw stored since is taken in, unless the user
    // chose a range of their own.
    if (std::pair(fromDateField->date(), toDateField->date()) != shownDefault_)
        return;
    shownDefault_ = defaultRange();
    setRange(shownDefault_.first, shownDefault_.second);
}

std::pair<QDate, QDate> DrawExportWindow::defaultRange() const {
    const QDate lastDrawDay = logic::lastDrawDate(state_.history());
    return {logic::firstExportDate(),
            logic::adjustedEndDate(logic::firstExportDate(), lastDrawDay, currentDateTime().date())};
}

void DrawExportWindow::setUp() {
    for (int choice = 0; choice < logic::kDrawExportChoices; ++choice) {
        auto* radio = new QRadioButton(logic::drawExportChoiceText(choice), choices_);
        radio->setObjectName(QStringLiteral("RG1_%1").arg(choice));
        choiceGroup->addButton(radio, choice);
        choices_->layout()->addWidget(radio);
    }
    choiceGroup->button(logic::kNumbersAndPlus5)->setChecked(true);
    shownDefault_ = defaultRange();
    setRange(shownDefault_.first, shownDefault_.second);
    range_->setEnabled(true);
}

void DrawExportWindow::fromDateChanged() {
    setRange(logic::adjustedStartDate(fromDateField->date(), toDateField->date()), toDateField->date());
}

void DrawExportWindow::toDateChanged() {
    setRange(fromDateField->date(),
             logic::adjustedEndDate(fromDateField->date(), toDateField->date(), currentDateTime().date()));
}

void DrawExportWindow::setRange(const QDate& from, const QDate& to) {
    // The calendars offer only days inside the bounds.
    const QSignalBlocker blockFrom(fromDateField);
    const QSignalBlocker blockTo(toDateField);
    fromDateField->setDateRange(logic::firstExportDate(), to);
    toDateField->setDateRange(from, currentDateTime().date());
    fromDateField->setDate(from);
    toDateField->setDate(to);
}

void DrawExportWindow::showEvent(QShowEvent* event) {
    // Today may have moved on since the window was last open.
    const bool onDefault = std::pair(fromDateField->date(), toDateField->date()) == shownDefault_;
    toDateChanged();
    if (onDefault)
        shownDefault_ = {fromDateField->date(), toDateField->date()};
    QWidget::showEvent(event);
}

void DrawExportWindow::exportToSpreadsheet() {
    // A date typed but not yet confirmed is the range the user sees.
    fromDateField->commitTyping();
    toDateField->commitTyping();
    const logic::DrawHistory& history = state_.history();
    const logic::ExportRange range =
        logic::findExportRange(history, fromDateField->date(), toDateField->date());
    const int choice = choiceGroup->checkedId();
    if (choice < 0)
        return; // setUpAtStart has not run
    const logic::ExportTable table = logic::buildDrawExportTable(history, choice, range.first, range.last);
    // The choice's index is the export's format mode: the plus 5 column stays text.
    exportTables(this, {{table, logic::drawExportChoiceText(choice), choice}}, paths_.dataDir);
}

} // namespace talvo::ui

#include "ui/slips/slip_editor_frame.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/tables.h"
#include "logic/settings/colour_scheme.h"
#include "logic/slips/slip_editor.h"
#include "logic/state/program_state.h"
#include "platform/sound.h"
#include "ui/common/board_keys.h"
#include "ui/common/date_field.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/slips/number_cell.h"
#include "ui/slips/slip_message_box.h"
#include "ui/slips/transfer_icon.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

QColor rgb(std::uint32_t value) {
    return QColor::fromRgb(static_cast<QRgb>(value));
}

const QColor kTooManyColour(0xD9, 0x30, 0x25);

} // namespace

SlipEditorFrame::SlipEditorFrame(logic::SlipEditor& editor, logic::ProgramState& state, QWidget* parent)
    : QWidget(parent), editor_(editor), state_(state) {
    setObjectName(QStringLiteral("frSschein%1").arg(editor.slipNumber()));
    setProperty("tag", editor.slipNumber());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    auto* fields = new QHBoxLayout;
    fields->setSpacing(4);
    for (int f = 1; f <= editor_.fieldCount(); ++f)
        fields->addWidget(buildField(f), 1);
    // A four-field slip keeps the width of its fields; the room of the fifth stays empty.
    if (editor_.fieldCount() < 5)
        fields->addStretch(1);
    layout->addLayout(fields, 1);
    layout->addWidget(buildStrip());

    connect(&state_, &logic::ProgramState::colourSchemeChanged, this, &SlipEditorFrame::applyColours);
    applyColours();
    showSlipChoices();
}

void SlipEditorFrame::refresh() {
    for (int f = 1; f <= editor_.fieldCount(); ++f)
        showField(f);
    showSlipChoices();
}

int SlipEditorFrame::slipNumber() const {
    return editor_.slipNumber();
}

NumberCell* SlipEditorFrame::numberCell(int field, int number) const {
    return fields_[field - 1].cells[number - 1];
}
QProgressBar* SlipEditorFrame::gauge(int field) const {
    return fields_[field - 1].gauge;
}
QButtonGroup* SlipEditorFrame::typeButtons(int field) const {
    return fields_[field - 1].typeButtons;
}

QWidget* SlipEditorFrame::buildField(int field) {
    Field& f = fields_[field - 1];
    const int key = logic::cellKey(slipNumber(), field);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Feld%1").arg(key));
    f.frame = frame;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(5, 4, 5, 5);
    layout->setSpacing(4);

    auto* title = new QLabel(QStringLiteral("Spiel %1").arg(field), frame);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    auto* board = new QGridLayout;
    board->setSpacing(2);
    QFont numbers = font();
    numbers.setPixelSize(10);
    for (int number = 1; number <= 70; ++number) {
        auto* cell = new NumberCell(number, frame);
        cell->setObjectName(QStringLiteral("LL%1").arg(key + number));
        cell->setProperty("tag", key + number);
        cell->setFont(numbers);
        connect(cell, &NumberCell::clicked, this, [this, k = key + number] { toggleNumber(k); });
        board->addWidget(cell, (number - 1) / kBoardColumns, (number - 1) % kBoardColumns);
        f.cells.push_back(cell);
    }
    layout->addLayout(board, 1);

    f.gauge = new QProgressBar(frame);
    f.gauge->setObjectName(QStringLiteral("PB%1").arg(key));
    f.gauge->setProperty("tag", key);
    f.gauge->setTextVisible(false);
    f.gauge->setFixedHeight(8);
    layout->addWidget(f.gauge);

    auto* typeTitle = new QLabel(QStringLiteral("KENO-Typ"), frame);
    layout->addWidget(typeTitle);
    auto* typeBox = new QWidget(frame);
    typeBox->setObjectName(QStringLiteral("cbSys%1").arg(key));
    typeBox->setProperty("tag", key);
    auto* typeGrid = new QGridLayout(typeBox);
    typeGrid->setContentsMargins(0, 0, 0, 0);
    typeGrid->setHorizontalSpacing(2);
    typeGrid->setVerticalSpacing(0);
    f.typeButtons = new QButtonGroup(typeBox);
    for (int i = 0; i < 9; ++i) {
        auto* radio = new QRadioButton(QString::number(i + 2), typeBox);
        radio->setObjectName(QStringLiteral("cbSys%1_%2").arg(key).arg(i + 2));
        f.typeButtons->addButton(radio, i);
        // Three columns filled top to bottom: 2 3 4 | 5 6 7 | 8 9 10.
        typeGrid->addWidget(radio, i % 3, i / 3);
    }
    connect(f.typeButtons, &QButtonGroup::idClicked, this, [this, key](int id) { selectType(key, id); });
    layout->addWidget(typeBox);
    return frame;
}

QWidget* SlipEditorFrame::buildStrip() {
    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);

    auto* plusBox = new QGroupBox(QStringLiteral("Zahl für plus 5"), strip);
    auto* plusRow = new QHBoxLayout(plusBox);
    plusRow->setContentsMargins(6, 4, 6, 4);
    plus5Edit_ = new QLineEdit(plusBox);
    plus5Edit_->setObjectName(QStringLiteral("E77"));
    plus5Edit_->setMaxLength(5);
    plus5Edit_->setFixedWidth(plus5Edit_->fontMetrics().horizontalAdvance(QStringLiteral("888888")) + 12);
    plus5Check_ = new QCheckBox(QStringLiteral("ja"), plusBox);
    plus5Check_->setObjectName(QStringLiteral("cbPlus"));
    plusRow->addWidget(plus5Edit_);
    plusRow->addWidget(plus5Check_);
    row->addWidget(plusBox);

    auto* stakeBox = new QGroupBox(QStringLiteral("Einsatz je Spiel und Ziehung in €"), strip);
    stakeBox->setObjectName(QStringLiteral("RGEins"));
    auto* stakeRow = new QHBoxLayout(stakeBox);
    stakeRow->setContentsMargins(6, 4, 6, 4);
    stakeRow->setSpacing(4);
    stakeButtons_ = new QButtonGroup(stakeBox);
    for (int i = 0; i < static_cast<int>(logic::kStakeEuro.size()); ++i) {
        auto* radio = new QRadioButton(QString::number(logic::kStakeEuro[i]), stakeBox);
        radio->setObjectName(QStringLiteral("RGEins_%1").arg(i));
        stakeButtons_->addButton(radio, i);
        stakeRow->addWidget(radio);
    }
    row->addWidget(stakeBox);

    auto* durationBox = new QGroupBox(QStringLiteral("Anzahl der Ziehungen"), strip);
    auto* durationGrid = new QGridLayout(durationBox);
    durationGrid->setContentsMargins(6, 4, 6, 4);
    durationGrid->setVerticalSpacing(2);
    durationCombo_ = new QComboBox(durationBox);
    durationCombo_->setObjectName(QStringLiteral("comboDauer"));
    for (int draws : logic::kDurationDraws)
        durationCombo_->addItem(QString::number(draws));
    auto* note = new QLabel(QStringLiteral("0 = Dauerspiel"), durationBox);
    note->setEnabled(false);
    startDateEdit_ = new DateField(durationBox);
    startDateEdit_->setObjectName(QStringLiteral("date1"));
    durationGrid->addWidget(durationCombo_, 0, 0);
    durationGrid->addWidget(new QLabel(QStringLiteral("ab:"), durationBox), 0, 1, Qt::AlignRight);
    durationGrid->addWidget(startDateEdit_, 0, 2);
    durationGrid->addWidget(note, 1, 0, 1, 3);
    row->addWidget(durationBox);

    auto* slipBox = new QWidget(strip);
    auto* slipGrid = new QGridLayout(slipBox);
    slipGrid->setContentsMargins(0, 6, 0, 0);
    slipGrid->setVerticalSpacing(3);
    syndicateCombo_ = new QComboBox(slipBox);
    syndicateCombo_->setObjectName(QStringLiteral("ComboTG"));
    syndicateCombo_->setPlaceholderText(QStringLiteral("keine"));
    syndicateCombo_->setEnabled(false);
    nameEdit_ = new QLineEdit(slipBox);
    nameEdit_->setObjectName(QStringLiteral("EName"));
    nameEdit_->setMaxLength(20);
    slipGrid->addWidget(new QLabel(QStringLiteral("Tippgemeinschaft"), slipBox), 0, 0);
    slipGrid->addWidget(syndicateCombo_, 0, 1);
    slipGrid->addWidget(new QLabel(QStringLiteral("Scheinname"), slipBox), 1, 0);
    slipGrid->addWidget(nameEdit_, 1, 1);
    row->addWidget(slipBox, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);
    transferButton_ = new QPushButton(transferIcon(), QString(), strip);
    transferButton_->setObjectName(QStringLiteral("BGo"));
    transferButton_->setToolTip(QStringLiteral("Schein prüfen und in die Tabelle übertragen"));
    transferButton_->setIconSize({22, 22});
    transferButton_->setFixedSize(38, 30);
    clearButton_ = new QPushButton(standardIcon(style(), QStyle::SP_DialogResetButton), QString(), strip);
    clearButton_->setObjectName(QStringLiteral("BDel"));
    clearButton_->setToolTip(QStringLiteral("Alle Zahlen des Scheins löschen"));
    clearButton_->setFixedSize(38, 26);
    buttons->addWidget(transferButton_);
    buttons->addWidget(clearButton_);
    row->addLayout(buttons);

    logic::SlipChoices& a = editor_.choices;
    connect(plus5Edit_, &QLineEdit::textChanged, this, [&a](const QString& t) { a.plus5Number = t; });
    connect(plus5Check_, &QCheckBox::toggled, this, [&a](bool on) { a.plus5 = on; });
    connect(stakeButtons_, &QButtonGroup::idClicked, this, [&a](int id) { a.stakeIndex = id; });
    connect(durationCombo_, &QComboBox::currentIndexChanged, this, [&a](int i) { a.durationIndex = i; });
    connect(startDateEdit_, &QDateEdit::dateChanged, this,
            [&a](const QDate& d) { a.startDay = logic::dateToSerial(d); });
    connect(startDateEdit_, &QDateEdit::editingFinished, this, &SlipEditorFrame::checkStartDate);
    connect(nameEdit_, &QLineEdit::textChanged, this, [&a](const QString& t) { a.name = t; });
    connect(transferButton_, &QPushButton::clicked, this, [this] {
        startDateEdit_->commitTyping(); // a start date typed without Enter counts as shown
        emit transferRequested(slipNumber());
    });
    connect(clearButton_, &QPushButton::clicked, this, &SlipEditorFrame::clearSlip);
    return strip;
}

void SlipEditorFrame::toggleNumber(int key) {
    const logic::CellLocation location = logic::cellLocation(key);
    switch (editor_.toggleNumber(location.field, location.number)) {
    case logic::TickResult::NoType:
        showMessage(this, QStringLiteral("Bitte wählen Sie erst einen KENO-Typ."), MessageIcon::Information);
        return;
    case logic::TickResult::Full:
        return;
    case logic::TickResult::Ticked:
        platform::playClick();
        break;
    case logic::TickResult::Removed:
        break;
    }
    showField(location.field);
}

void SlipEditorFrame::selectType(int key, int typeChoice) {
    const int field = logic::cellLocation(key).field;
    editor_.selectType(field, typeChoice);
    showField(field);
}

void SlipEditorFrame::checkStartDate() {
    if (const auto m = editor_.checkStartDate(logic::DrawCalendar(state_.history()))) {
        showSlipChoices();
        showSlipMessage(this, *m);
    }
}

void SlipEditorFrame::clearSlip() {
    editor_.clearSlip();
    for (int f = 1; f <= editor_.fieldCount(); ++f)
        showField(f);
}

void SlipEditorFrame::showField(int field) {
    const Field& f = fields_[field - 1];
    for (int number = 1; number <= 70; ++number)
        f.cells[number - 1]->setMarked(editor_.isTicked(field, number));

    const int range = editor_.gaugeRange(field);
    f.gauge->setRange(0, range);
    f.gauge->setValue(std::min(editor_.gaugePosition(field), range));
    const logic::ColourScheme& s = logic::schemeColours(state_.colourScheme());
    const QColor bar = editor_.tooMany(field) ? kTooManyColour : rgb(s.tickedNumberCell);
    f.gauge->setStyleSheet(
        QStringLiteral("QProgressBar { background: %1; border: 1px solid %2; border-radius: 3px; }"
                       "QProgressBar::chunk { background: %3; border-radius: 2px; }")
            .arg(rgb(s.numberCell).name(), rgb(s.numberCell).darker(135).name(), bar.name()));
    f.gauge->setProperty("zuHoch", editor_.tooMany(field));

    const int typeChoice = editor_.typeEntryFor(field);
    if (typeChoice < 0) {
        f.typeButtons->setExclusive(false);
        for (QAbstractButton* b : f.typeButtons->buttons())
            b->setChecked(false);
        f.typeButtons->setExclusive(true);
    } else {
        f.typeButtons->button(typeChoice)->setChecked(true);
    }
}

void SlipEditorFrame::showSlipChoices() {
    const logic::SlipChoices a = editor_.choices;
    plus5Edit_->setText(a.plus5Number);
    plus5Check_->setChecked(a.plus5);
    if (QAbstractButton* b = stakeButtons_->button(a.stakeIndex))
        b->setChecked(true);
    durationCombo_->setCurrentIndex(a.durationIndex);
    startDateEdit_->setDate(logic::serialToDate(a.startDay));
    syndicateCombo_->setCurrentIndex(a.syndicate);
    nameEdit_->setText(a.name);
}

void SlipEditorFrame::applyColours() {
    const logic::ColourScheme& s = logic::schemeColours(state_.colourScheme());
    const QColor panel = rgb(s.fieldBackground);
    for (int f = 1; f <= editor_.fieldCount(); ++f) {
        QFrame* frame = fields_[f - 1].frame;
        frame->setStyleSheet(
            QStringLiteral("QFrame#%1 { background: %2; border: 1px solid %3; border-radius: 6px; }")
                .arg(frame->objectName(), panel.name(), panel.darker(125).name()));
        for (NumberCell* cell : fields_[f - 1].cells)
            cell->setColours(rgb(s.numberCell), rgb(s.tickedNumberCell));
        showField(f);
    }
    for (QWidget* w : {static_cast<QWidget*>(startDateEdit_), static_cast<QWidget*>(durationCombo_)}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, rgb(s.fieldBackground));
        pal.setColor(QPalette::Button, rgb(s.fieldBackground));
        w->setPalette(pal);
    }
}

} // namespace talvo::ui

#include "ui/slips/slip_editor_widget.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/program_state.h"
#include "logic/core/tables.h"
#include "logic/settings/farbschema.h"
#include "logic/slips/slip_editor.h"
#include "platform/sound.h"
#include "ui/common/board_keys.h"
#include "ui/common/date_field.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/slips/meldung_box.h"
#include "ui/slips/number_cell.h"
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

const QColor kZuHoch(0xD9, 0x30, 0x25);

} // namespace

TFrSschein::TFrSschein(logic::SlipEditor& editor, logic::ProgramState& state, QWidget* parent)
    : QWidget(parent), editor_(editor), state_(state) {
    setObjectName(QStringLiteral("frSschein%1").arg(editor.nummer()));
    setProperty("tag", editor.nummer());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    auto* fields = new QHBoxLayout;
    fields->setSpacing(4);
    for (int f = 1; f <= editor_.felder(); ++f)
        fields->addWidget(buildField(f), 1);
    // A four-field slip keeps the width of its fields; the room of the fifth stays empty.
    if (editor_.felder() < 5)
        fields->addStretch(1);
    layout->addLayout(fields, 1);
    layout->addWidget(buildStrip());

    connect(&state_, &logic::ProgramState::farbschemaChanged, this, &TFrSschein::applyColours);
    applyColours();
    showSlipChoices();
}

void TFrSschein::refresh() {
    for (int f = 1; f <= editor_.felder(); ++f)
        showField(f);
    showSlipChoices();
}

int TFrSschein::nummer() const {
    return editor_.nummer();
}

NumberCell* TFrSschein::zelle(int feld, int zahl) const {
    return felder_[feld - 1].zellen[zahl - 1];
}
QProgressBar* TFrSschein::gauge(int feld) const {
    return felder_[feld - 1].gauge;
}
QButtonGroup* TFrSschein::typen(int feld) const {
    return felder_[feld - 1].typen;
}

QWidget* TFrSschein::buildField(int feld) {
    Feld& f = felder_[feld - 1];
    const int key = logic::zellenSchluessel(nummer(), feld);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Feld%1").arg(key));
    f.rahmen = frame;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(5, 4, 5, 5);
    layout->setSpacing(4);

    auto* title = new QLabel(QStringLiteral("Spiel %1").arg(feld), frame);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    auto* board = new QGridLayout;
    board->setSpacing(2);
    QFont numbers = font();
    numbers.setPixelSize(10);
    for (int zahl = 1; zahl <= 70; ++zahl) {
        auto* cell = new NumberCell(zahl, frame);
        cell->setObjectName(QStringLiteral("LL%1").arg(key + zahl));
        cell->setProperty("tag", key + zahl);
        cell->setFont(numbers);
        connect(cell, &NumberCell::clicked, this, [this, k = key + zahl] { LLClick(k); });
        board->addWidget(cell, (zahl - 1) / kBoardColumns, (zahl - 1) % kBoardColumns);
        f.zellen.push_back(cell);
    }
    layout->addLayout(board, 1);

    f.gauge = new QProgressBar(frame);
    f.gauge->setObjectName(QStringLiteral("PB%1").arg(key));
    f.gauge->setProperty("tag", key);
    f.gauge->setTextVisible(false);
    f.gauge->setFixedHeight(8);
    layout->addWidget(f.gauge);

    auto* typTitle = new QLabel(QStringLiteral("KENO-Typ"), frame);
    layout->addWidget(typTitle);
    auto* typBox = new QWidget(frame);
    typBox->setObjectName(QStringLiteral("cbSys%1").arg(key));
    typBox->setProperty("tag", key);
    auto* typGrid = new QGridLayout(typBox);
    typGrid->setContentsMargins(0, 0, 0, 0);
    typGrid->setHorizontalSpacing(2);
    typGrid->setVerticalSpacing(0);
    f.typen = new QButtonGroup(typBox);
    for (int i = 0; i < 9; ++i) {
        auto* radio = new QRadioButton(QString::number(i + 2), typBox);
        radio->setObjectName(QStringLiteral("cbSys%1_%2").arg(key).arg(i + 2));
        f.typen->addButton(radio, i);
        // Three columns filled top to bottom: 2 3 4 | 5 6 7 | 8 9 10.
        typGrid->addWidget(radio, i % 3, i / 3);
    }
    connect(f.typen, &QButtonGroup::idClicked, this, [this, key](int id) { cbSysClick(key, id); });
    layout->addWidget(typBox);
    return frame;
}

QWidget* TFrSschein::buildStrip() {
    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);

    auto* plusBox = new QGroupBox(QStringLiteral("Zahl für plus 5"), strip);
    auto* plusRow = new QHBoxLayout(plusBox);
    plusRow->setContentsMargins(6, 4, 6, 4);
    E77 = new QLineEdit(plusBox);
    E77->setObjectName(QStringLiteral("E77"));
    E77->setMaxLength(5);
    E77->setFixedWidth(E77->fontMetrics().horizontalAdvance(QStringLiteral("888888")) + 12);
    cbPlus = new QCheckBox(QStringLiteral("ja"), plusBox);
    cbPlus->setObjectName(QStringLiteral("cbPlus"));
    plusRow->addWidget(E77);
    plusRow->addWidget(cbPlus);
    row->addWidget(plusBox);

    auto* einsBox = new QGroupBox(QStringLiteral("Einsatz je Spiel + Ziehung in €"), strip);
    einsBox->setObjectName(QStringLiteral("RGEins"));
    auto* einsRow = new QHBoxLayout(einsBox);
    einsRow->setContentsMargins(6, 4, 6, 4);
    einsRow->setSpacing(4);
    RGEins = new QButtonGroup(einsBox);
    for (int i = 0; i < static_cast<int>(logic::kEinsatzEuro.size()); ++i) {
        auto* radio = new QRadioButton(QString::number(logic::kEinsatzEuro[i]), einsBox);
        radio->setObjectName(QStringLiteral("RGEins_%1").arg(i));
        RGEins->addButton(radio, i);
        einsRow->addWidget(radio);
    }
    row->addWidget(einsBox);

    auto* dauerBox = new QGroupBox(QStringLiteral("Anzahl der Ziehungen"), strip);
    auto* dauerGrid = new QGridLayout(dauerBox);
    dauerGrid->setContentsMargins(6, 4, 6, 4);
    dauerGrid->setVerticalSpacing(2);
    comboDauer = new QComboBox(dauerBox);
    comboDauer->setObjectName(QStringLiteral("comboDauer"));
    for (int draws : logic::kDauerZiehungen)
        comboDauer->addItem(QString::number(draws));
    auto* note = new QLabel(QStringLiteral("0 = Dauerspiel"), dauerBox);
    note->setEnabled(false);
    date1 = new DateField(dauerBox);
    date1->setObjectName(QStringLiteral("date1"));
    dauerGrid->addWidget(comboDauer, 0, 0);
    dauerGrid->addWidget(new QLabel(QStringLiteral("ab:"), dauerBox), 0, 1, Qt::AlignRight);
    dauerGrid->addWidget(date1, 0, 2);
    dauerGrid->addWidget(note, 1, 0, 1, 3);
    row->addWidget(dauerBox);

    auto* slipBox = new QWidget(strip);
    auto* slipGrid = new QGridLayout(slipBox);
    slipGrid->setContentsMargins(0, 6, 0, 0);
    slipGrid->setVerticalSpacing(3);
    ComboTG = new QComboBox(slipBox);
    ComboTG->setObjectName(QStringLiteral("ComboTG"));
    ComboTG->setPlaceholderText(QStringLiteral("keine"));
    ComboTG->setEnabled(false);
    EName = new QLineEdit(slipBox);
    EName->setObjectName(QStringLiteral("EName"));
    EName->setMaxLength(20);
    slipGrid->addWidget(new QLabel(QStringLiteral("Tippgemeinschaft"), slipBox), 0, 0);
    slipGrid->addWidget(ComboTG, 0, 1);
    slipGrid->addWidget(new QLabel(QStringLiteral("Scheinname"), slipBox), 1, 0);
    slipGrid->addWidget(EName, 1, 1);
    row->addWidget(slipBox, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);
    BGo = new QPushButton(transferIcon(), QString(), strip);
    BGo->setObjectName(QStringLiteral("BGo"));
    BGo->setToolTip(QStringLiteral("Schein prüfen und in die Tabelle übertragen"));
    BGo->setIconSize({22, 22});
    BGo->setFixedSize(38, 30);
    BDel = new QPushButton(standardIcon(style(), QStyle::SP_DialogResetButton), QString(), strip);
    BDel->setObjectName(QStringLiteral("BDel"));
    BDel->setToolTip(QStringLiteral("Alle Zahlen des Scheins löschen"));
    BDel->setFixedSize(38, 26);
    buttons->addWidget(BGo);
    buttons->addWidget(BDel);
    row->addLayout(buttons);

    logic::ScheinAngaben& a = editor_.angaben;
    connect(E77, &QLineEdit::textChanged, this, [&a](const QString& t) { a.plus5Zahl = t; });
    connect(cbPlus, &QCheckBox::toggled, this, [&a](bool on) { a.plus5 = on; });
    connect(RGEins, &QButtonGroup::idClicked, this, [&a](int id) { a.einsatz = id; });
    connect(comboDauer, &QComboBox::currentIndexChanged, this, [&a](int i) { a.dauer = i; });
    connect(date1, &QDateEdit::dateChanged, this, [&a](const QDate& d) { a.ab = logic::dateToSerial(d); });
    connect(date1, &QDateEdit::editingFinished, this, &TFrSschein::date1Exit);
    connect(EName, &QLineEdit::textChanged, this, [&a](const QString& t) { a.name = t; });
    connect(BGo, &QPushButton::clicked, this, [this] {
        date1->commitTyping(); // a start date typed without Enter counts as shown
        emit uebertragenGewuenscht(nummer());
    });
    connect(BDel, &QPushButton::clicked, this, &TFrSschein::BDelClick);
    return strip;
}

void TFrSschein::LLClick(int key) {
    const logic::ZellenOrt ort = logic::ausSchluessel(key);
    switch (editor_.LLClick(ort.feld, ort.zahl)) {
    case logic::Klick::KeinTyp:
        showMessage(this, QStringLiteral("Bitte wählen Sie erst einen KENO-Typ."), MessageIcon::Information);
        return;
    case logic::Klick::Voll:
        return;
    case logic::Klick::Markiert:
        platform::playClick();
        break;
    case logic::Klick::Entfernt:
        break;
    }
    showField(ort.feld);
}

void TFrSschein::cbSysClick(int key, int auswahl) {
    const int feld = logic::ausSchluessel(key).feld;
    editor_.cbSysClick(feld, auswahl);
    showField(feld);
}

void TFrSschein::date1Exit() {
    if (const auto m = editor_.date1Exit(logic::DrawCalendar(state_.history()))) {
        showSlipChoices();
        zeigeMeldung(this, *m);
    }
}

void TFrSschein::BDelClick() {
    editor_.BDelClick();
    for (int f = 1; f <= editor_.felder(); ++f)
        showField(f);
}

void TFrSschein::showField(int feld) {
    const Feld& f = felder_[feld - 1];
    for (int zahl = 1; zahl <= 70; ++zahl)
        f.zellen[zahl - 1]->setMarked(editor_.markiert(feld, zahl));

    const int bereich = editor_.gaugeBereich(feld);
    f.gauge->setRange(0, bereich);
    f.gauge->setValue(std::min(editor_.gaugePosition(feld), bereich));
    const logic::Farbschema& s = logic::farbschemaNr(state_.aktFarbschema());
    const QColor bar = editor_.zuHoch(feld) ? kZuHoch : rgb(s.zahlMarkiert);
    f.gauge->setStyleSheet(
        QStringLiteral("QProgressBar { background: %1; border: 1px solid %2; border-radius: 3px; }"
                       "QProgressBar::chunk { background: %3; border-radius: 2px; }")
            .arg(rgb(s.zahlFrei).name(), rgb(s.zahlFrei).darker(135).name(), bar.name()));
    f.gauge->setProperty("zuHoch", editor_.zuHoch(feld));

    const int auswahl = editor_.typAuswahl(feld);
    if (auswahl < 0) {
        f.typen->setExclusive(false);
        for (QAbstractButton* b : f.typen->buttons())
            b->setChecked(false);
        f.typen->setExclusive(true);
    } else {
        f.typen->button(auswahl)->setChecked(true);
    }
}

void TFrSschein::showSlipChoices() {
    const logic::ScheinAngaben a = editor_.angaben;
    E77->setText(a.plus5Zahl);
    cbPlus->setChecked(a.plus5);
    if (QAbstractButton* b = RGEins->button(a.einsatz))
        b->setChecked(true);
    comboDauer->setCurrentIndex(a.dauer);
    date1->setDate(logic::serialToDate(a.ab));
    ComboTG->setCurrentIndex(a.tippgemeinschaft);
    EName->setText(a.name);
}

void TFrSschein::applyColours() {
    const logic::Farbschema& s = logic::farbschemaNr(state_.aktFarbschema());
    const QColor panel = rgb(s.feldHintergrund);
    for (int f = 1; f <= editor_.felder(); ++f) {
        QFrame* frame = felder_[f - 1].rahmen;
        frame->setStyleSheet(
            QStringLiteral("QFrame#%1 { background: %2; border: 1px solid %3; border-radius: 6px; }")
                .arg(frame->objectName(), panel.name(), panel.darker(125).name()));
        for (NumberCell* cell : felder_[f - 1].zellen)
            cell->setColours(rgb(s.zahlFrei), rgb(s.zahlMarkiert));
        showField(f);
    }
    for (QWidget* w : {static_cast<QWidget*>(date1), static_cast<QWidget*>(comboDauer)}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, rgb(s.feldHintergrund));
        pal.setColor(QPalette::Button, rgb(s.feldHintergrund));
        w->setPalette(pal);
    }
}

} // namespace talvo::ui

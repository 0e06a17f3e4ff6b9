#include "ui/settings/options_window.h"

#include "logic/core/paths.h"
#include "logic/core/tables.h"
#include "logic/settings/colour_scheme.h"
#include "logic/settings/options_file.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics_selection.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"
#include "ui/common/user_folders.h"
#include "ui/navigation/navigator.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

// The tabs of the statistics window, for when that window could not be made.
const QStringList kStatisticsTabs = {QStringLiteral("Einzelnummern"), QStringLiteral("Endzahlen"),
                                     QStringLiteral("Zehner"),        QStringLiteral("Freie Kombis"),
                                     QStringLiteral("Beste Kombis"),  QStringLiteral("Ausgeblieben")};

QPixmap colourBar(std::uint32_t colour) {
    QPixmap bar(100, 18);
    bar.fill(Qt::transparent);
    QPainter p(&bar);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = QColor::fromRgb(static_cast<QRgb>(colour));
    p.setPen(c.darker(125));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(0.5, 0.5, 99, 17), 3, 3);
    return bar;
}

QLabel* hintLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::PlaceholderText));
    label->setPalette(pal);
    return label;
}

QLabel* headingLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

int selectedIndex(const QComboBox* combo) {
    return combo->currentIndex();
}

} // namespace

OptionsWindow::OptionsWindow(logic::ProgramState& state, logic::StatisticsSelection& selection,
                             const logic::AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), selection_(selection), paths_(paths) {
    setObjectName(QStringLiteral("FOptionen"));
    setWindowTitle(QStringLiteral("Optionen - Programmeinstellungen"));
    setHelpContext(this, 55);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QToolBar* bar = makeToolBar(this);
    addToolAction(bar, standardIcon(style(), QStyle::SP_DialogSaveButton), QStringLiteral("&Speichern"),
                  QStringLiteral("BSpeichern"), [this] { save(); });
    addToolAction(bar, standardIcon(style(), QStyle::SP_DialogCloseButton), QStringLiteral("Sch&ließen"),
                  QStringLiteral("BSchliessen"), [this] { close(); });
    helpFor(addToolAction(bar, standardIcon(style(), QStyle::SP_DialogHelpButton), QStringLiteral("&Hilfe"),
                          QStringLiteral("BHilfe"), {}),
            55);
    layout->addWidget(bar);

    auto* body = new QGridLayout;
    body->setContentsMargins(12, 10, 12, 12);
    body->setHorizontalSpacing(12);
    body->setVerticalSpacing(10);
    body->addWidget(buildSlipGroup(), 0, 0, 2, 1);
    body->addWidget(buildTipGroup(), 0, 1);
    body->addWidget(buildStatisticsGroup(), 1, 1);
    body->addWidget(buildStartFileGroup(), 2, 0, 1, 2);
    body->setColumnStretch(0, 1);
    body->setColumnStretch(1, 1);
    layout->addLayout(body);

    statisticsTabCombo->addItems(kStatisticsTabs);
    showOptions(logic::OptionsRecord{});
}

QComboBox* OptionsWindow::makeTypeCombo(const QString& name) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->addItem(QStringLiteral("--"));
    for (int t = 2; t <= logic::kMaxType; ++t)
        combo->addItem(QString::number(t));
    combo->setMinimumContentsLength(3);
    return combo;
}

QWidget* OptionsWindow::buildSlipGroup() {
    auto* box = new QGroupBox(QStringLiteral("KENO-Scheine"), this);
    auto* v = new QVBoxLayout(box);
    v->setSpacing(8);
    v->addWidget(
        hintLabel(QStringLiteral("Hier legen Sie fest, wie die KENO-Scheine gestaltet werden."), box));

    auto* top = new QHBoxLayout;
    auto* types = new QGridLayout;
    types->setVerticalSpacing(4);
    types->addWidget(headingLabel(QStringLiteral("KENO-Typ für..."), box), 0, 0, 1, 2);
    for (int i = 0; i < 5; ++i) {
        slipTypeCombos[i] = makeTypeCombo(QStringLiteral("combo2%1").arg(i + 1));
        types->addWidget(new QLabel(QStringLiteral("Spiel %1").arg(i + 1), box), i + 1, 0);
        types->addWidget(slipTypeCombos[i], i + 1, 1);
    }
    types->setRowStretch(6, 1);
    top->addLayout(types);
    top->addSpacing(10);

    auto* schemes = new QGroupBox(QStringLiteral("Farbschema"), box);
    schemes->setObjectName(QStringLiteral("RG3"));
    auto* sv = new QVBoxLayout(schemes);
    sv->setSpacing(3);
    colourSchemeGroup = new QButtonGroup(schemes);
    for (int s = 0; s < static_cast<int>(logic::kColourSchemes.size()); ++s) {
        auto* radio = new QRadioButton(schemes);
        radio->setObjectName(QStringLiteral("RG3_%1").arg(s));
        radio->setIcon(colourBar(logic::kColourSchemes[s].fieldBackground));
        radio->setIconSize({100, 18});
        radio->setToolTip(QStringLiteral("Farbschema %1").arg(s + 1));
        colourSchemeGroup->addButton(radio, s);
        sv->addWidget(radio);
    }
    connect(colourSchemeGroup, &QButtonGroup::idClicked, this, &OptionsWindow::applyColourScheme);
    top->addWidget(schemes);
    top->addStretch(1);
    v->addLayout(top);

    auto* stake = new QGridLayout;
    stake->setVerticalSpacing(4);
    stake->addWidget(headingLabel(QStringLiteral("Einsatz je Spiel und Ziehung in Euro"), box), 0, 0, 1, 2);
    stakeCombo = new QComboBox(box);
    stakeCombo->setObjectName(QStringLiteral("ComboEinsatz"));
    for (int euro : logic::kStakeEuro)
        stakeCombo->addItem(QString::number(euro));
    plus5Check = new QCheckBox(QStringLiteral("plus 5 mitspielen"), box);
    plus5Check->setObjectName(QStringLiteral("cbPlus5"));
    stake->addWidget(stakeCombo, 1, 0);
    stake->addWidget(plus5Check, 1, 1);

    stake->addWidget(headingLabel(QStringLiteral("Laufzeit"), box), 2, 0, 1, 2);
    stake->addWidget(hintLabel(QStringLiteral("Anzahl der Ziehungen bzw. \"Dauerspiel\" wählen."), box), 3, 0,
                     1, 2);
    durationCombo = new QComboBox(box);
    durationCombo->setObjectName(QStringLiteral("comboLaufzeit"));
    durationCombo->addItem(QStringLiteral("Dauerspiel"));
    for (std::size_t i = 1; i < logic::kDurationDraws.size(); ++i)
        durationCombo->addItem(QString::number(logic::kDurationDraws[i]));
    stake->addWidget(durationCombo, 4, 0);
    stake->setColumnStretch(2, 1);
    v->addSpacing(4);
    v->addLayout(stake);
    v->addStretch(1);
    return box;
}

QWidget* OptionsWindow::buildStartFileGroup() {
    auto* box = new QGroupBox(QStringLiteral("Spielschein-Datei mit Programmstart öffnen"), this);
    auto* h = new QHBoxLayout(box);
    startFileEdit = new QLineEdit(box);
    startFileEdit->setObjectName(QStringLiteral("EFile"));
    startFileEdit->setPlaceholderText(QStringLiteral("keine"));
    auto* browse = new QToolButton(box);
    browse->setObjectName(QStringLiteral("BSuchen"));
    browse->setIcon(standardIcon(style(), QStyle::SP_DirOpenIcon));
    browse->setToolTip(QStringLiteral("Spielschein-Datei suchen"));
    auto* clear = new QToolButton(box);
    clear->setObjectName(QStringLiteral("BLeeren"));
    clear->setIcon(standardIcon(style(), QStyle::SP_LineEditClearButton));
    clear->setToolTip(QStringLiteral("Keine Datei beim Programmstart öffnen"));
    auto* now = new QPushButton(QStringLiteral("Spielschein-Datei jetzt öffnen"), box);
    now->setObjectName(QStringLiteral("BJetztOeffnen"));
    h->addWidget(startFileEdit, 1);
    h->addWidget(browse);
    h->addWidget(clear);
    h->addSpacing(8);
    h->addWidget(now);
    connect(browse, &QToolButton::clicked, this, [this] { runAction(this, [this] { browseStartFile(); }); });
    connect(clear, &QToolButton::clicked, startFileEdit, &QLineEdit::clear);
    connect(now, &QPushButton::clicked, this, [this] { runAction(this, [this] { openStartFileNow(); }); });
    return box;
}

QWidget* OptionsWindow::buildTipGroup() {
    auto* box = new QGroupBox(QStringLiteral("Tippcenter mit folgenden Einstellungen starten"), this);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(4);
    g->addWidget(headingLabel(QStringLiteral("Auswahlbereich für die Tipps"), box), 0, 0, 1, 2);
    tipRangeCombo = new QComboBox(box);
    tipRangeCombo->setObjectName(QStringLiteral("ComboTipps"));
    for (const char* text : logic::kTipPools)
        tipRangeCombo->addItem(QString::fromUtf8(text));
    g->addWidget(tipRangeCombo, 1, 0, 1, 2);
    g->addWidget(headingLabel(QStringLiteral("KENO-Typ für..."), box), 2, 0, 1, 2);
    for (int i = 0; i < 5; ++i) {
        tipTypeCombos[i] = makeTypeCombo(QStringLiteral("combo%1").arg(i + 1));
        g->addWidget(new QLabel(QStringLiteral("Spiel %1").arg(i + 1), box), i + 3, 0);
        g->addWidget(tipTypeCombos[i], i + 3, 1, Qt::AlignLeft);
    }
    g->setColumnStretch(1, 1);
    return box;
}

QWidget* OptionsWindow::buildStatisticsGroup() {
    auto* box = new QGroupBox(QStringLiteral("Statistik mit folgenden Einstellungen starten"), this);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(4);
    statisticsTabCombo = new QComboBox(box);
    statisticsTabCombo->setObjectName(QStringLiteral("ComboStat2"));
    statisticsDrawCountCombo = new QComboBox(box);
    statisticsDrawCountCombo->setObjectName(QStringLiteral("ComboStat1"));
    statisticsDrawCountCombo->addItem(QStringLiteral("Alle"));
    for (std::size_t i = 1; i < logic::kDrawCounts.size(); ++i)
        statisticsDrawCountCombo->addItem(QStringLiteral("Die letzten %1").arg(logic::kDrawCounts[i]));
    g->addWidget(new QLabel(QStringLiteral("Zuerst angezeigte Seite"), box), 0, 0);
    g->addWidget(statisticsTabCombo, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Auszuwertende Ausspielungen"), box), 1, 0);
    g->addWidget(statisticsDrawCountCombo, 1, 1);
    g->setColumnStretch(1, 1);
    g->setRowStretch(2, 1);
    return box;
}

void OptionsWindow::setStatisticsTabNames(const QStringList& names) {
    if (names.isEmpty())
        return;
    statisticsTabCombo->clear();
    statisticsTabCombo->addItems(names);
}

void OptionsWindow::setUpAtStart() {
    // An unreadable file is reported; the window then starts from the zero record, as
    // without a file, so the rest of the start-up still gets sane choices.
    logic::OptionsRecord e;
    if (QFileInfo::exists(paths_.optionsFile()))
        runAction(this, [this, &e] { e = logic::loadOptions(paths_.optionsFile()); });
    state_.setOptions(e);
    showOptions(e);

    if (e.statAnzahlIndex >= 0 && e.statAnzahlIndex < static_cast<int>(logic::kDrawCounts.size())) {
        selection_.setDrawCountIndex(e.statAnzahlIndex);
        emit statisticsTabChosen(logic::listEntryFor(e.statRegister, statisticsTabCombo->count()));
    }
    const QString start = e.startDatei.text();
    if (!start.isEmpty() && QFileInfo(start).isFile())
        emit evaluationFileRequested(start);
}

void OptionsWindow::showOptions(const logic::OptionsRecord& e) {
    for (int i = 0; i < 5; ++i) {
        tipTypeCombos[i]->setCurrentIndex(logic::typeEntryFor(e.tippTyp[i], i + 1));
        slipTypeCombos[i]->setCurrentIndex(logic::typeEntryFor(e.scheinTyp[i], i + 1));
    }
    stakeCombo->setCurrentIndex(logic::listEntryFor(e.einsatzIndex, stakeCombo->count()));
    durationCombo->setCurrentIndex(logic::listEntryFor(e.laufzeitIndex, durationCombo->count()));
    statisticsDrawCountCombo->setCurrentIndex(
        logic::listEntryFor(e.statAnzahlIndex, statisticsDrawCountCombo->count()));
    statisticsTabCombo->setCurrentIndex(logic::listEntryFor(e.statRegister, statisticsTabCombo->count()));
    tipRangeCombo->setCurrentIndex(logic::listEntryFor(e.tippBereich, tipRangeCombo->count()));
    const int scheme = logic::listEntryFor(e.farbschema, colourSchemeGroup->buttons().size());
    colourSchemeGroup->button(scheme)->setChecked(true);
    applyColourScheme(scheme);
    plus5Check->setChecked(e.plus5Mitspiel != 0);
    startFileEdit->setText(e.startDatei.text());
}

void OptionsWindow::applyColourScheme(int index) {
    state_.setColourScheme(logic::colourSchemeFor(index));
}

void OptionsWindow::save() {
    // Bytes the window has no control for stay as they were read.
    logic::OptionsRecord e = state_.options();
    e.farbschema = colourSchemeGroup->checkedId();
    e.einsatzIndex = selectedIndex(stakeCombo);
    e.laufzeitIndex = selectedIndex(durationCombo);
    e.statAnzahlIndex = selectedIndex(statisticsDrawCountCombo);
    e.statRegister = selectedIndex(statisticsTabCombo);
    e.tippBereich = selectedIndex(tipRangeCombo);
    e.startDatei.setText(startFileEdit->text());
    e.plus5Mitspiel = plus5Check->isChecked() ? 1 : 0;
    for (int i = 0; i < 5; ++i) {
        e.tippTyp[i] = selectedIndex(tipTypeCombos[i]);
        e.scheinTyp[i] = selectedIndex(slipTypeCombos[i]);
    }
    state_.setOptions(e);
    state_.setColourScheme(logic::colourSchemeFor(e.farbschema));
    logic::saveOptions(paths_.optionsFile(), e);
}

void OptionsWindow::openStartFileNow() {
    const QString path = startFileEdit->text();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        showMessage(this,
                    QStringLiteral("Sie haben keine existierende Spielschein-Datei angegeben.\r\r"
                                   "Ich breche erst einmal ab."),
                    MessageIcon::Information);
        return;
    }
    emit evaluationFileRequested(path);
}

void OptionsWindow::browseStartFile() {
    const QString path =
        chooseSlipFileToOpen(this, QStringLiteral("KENO-Spielschein-Datei wählen"), paths_.dataDir);
    if (path.isEmpty())
        return;
    startFileEdit->setText(path);
}

} // namespace talvo::ui

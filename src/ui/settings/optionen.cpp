#include "ui/settings/optionen.h"

#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/core/tables.h"
#include "logic/settings/einstellungen.h"
#include "logic/settings/farbschema.h"
#include "ui/app/navigator.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"

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
const QStringList kStatistikRegister = {QStringLiteral("Einzelnummern"), QStringLiteral("Endzahlen"),
                                        QStringLiteral("Zehner"),        QStringLiteral("Freie Kombis"),
                                        QStringLiteral("Beste Kombis"),  QStringLiteral("Ausgeblieben")};

QPixmap farbBalken(std::uint32_t colour) {
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

QLabel* hinweis(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::PlaceholderText));
    label->setPalette(pal);
    return label;
}

QLabel* ueberschrift(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

int auswahl(const QComboBox* combo) {
    return combo->currentIndex();
}

} // namespace

TFOptionen::TFOptionen(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), state_(state), paths_(paths) {
    setObjectName(QStringLiteral("FOptionen"));
    setWindowTitle(QStringLiteral("Optionen - Programmeinstellungen"));
    setHelpContext(this, 55);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QToolBar* bar = makeToolBar(this);
    addToolAction(bar, standardIcon(style(), QStyle::SP_DialogSaveButton), QStringLiteral("&Speichern"),
                  QStringLiteral("BSpeichern"), [this] { Speichern(); });
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

    ComboStat2->addItems(kStatistikRegister);
    anzeigen(logic::TEinstellungen{});
}

QComboBox* TFOptionen::typListe(const QString& name) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->addItem(QStringLiteral("--"));
    for (int t = 2; t <= logic::kMaxTyp; ++t)
        combo->addItem(QString::number(t));
    combo->setMinimumContentsLength(3);
    return combo;
}

QWidget* TFOptionen::buildSlipGroup() {
    auto* box = new QGroupBox(QStringLiteral("KENO-Scheine"), this);
    auto* v = new QVBoxLayout(box);
    v->setSpacing(8);
    v->addWidget(hinweis(QStringLiteral("Hier legen Sie fest, wie die KENO-Scheine gestaltet werden."), box));

    auto* top = new QHBoxLayout;
    auto* types = new QGridLayout;
    types->setVerticalSpacing(4);
    types->addWidget(ueberschrift(QStringLiteral("KENO-Typ für..."), box), 0, 0, 1, 2);
    for (int i = 0; i < 5; ++i) {
        comboSchein[i] = typListe(QStringLiteral("combo2%1").arg(i + 1));
        types->addWidget(new QLabel(QStringLiteral("Spiel %1").arg(i + 1), box), i + 1, 0);
        types->addWidget(comboSchein[i], i + 1, 1);
    }
    types->setRowStretch(6, 1);
    top->addLayout(types);
    top->addSpacing(10);

    auto* schemes = new QGroupBox(QStringLiteral("Farbschema"), box);
    schemes->setObjectName(QStringLiteral("RG3"));
    auto* sv = new QVBoxLayout(schemes);
    sv->setSpacing(3);
    RG3 = new QButtonGroup(schemes);
    for (int s = 0; s < static_cast<int>(logic::kFarbschemata.size()); ++s) {
        auto* radio = new QRadioButton(schemes);
        radio->setObjectName(QStringLiteral("RG3_%1").arg(s));
        radio->setIcon(farbBalken(logic::kFarbschemata[s].feldHintergrund));
        radio->setIconSize({100, 18});
        radio->setToolTip(QStringLiteral("Farbschema %1").arg(s + 1));
        RG3->addButton(radio, s);
        sv->addWidget(radio);
    }
    connect(RG3, &QButtonGroup::idClicked, this, &TFOptionen::RG3Click);
    top->addWidget(schemes);
    top->addStretch(1);
    v->addLayout(top);

    auto* stake = new QGridLayout;
    stake->setVerticalSpacing(4);
    stake->addWidget(ueberschrift(QStringLiteral("Einsatz je Spiel + Ziehung in Euro"), box), 0, 0, 1, 2);
    ComboEinsatz = new QComboBox(box);
    ComboEinsatz->setObjectName(QStringLiteral("ComboEinsatz"));
    for (int euro : logic::kEinsatzEuro)
        ComboEinsatz->addItem(QString::number(euro));
    cbPlus5 = new QCheckBox(QStringLiteral("plus 5 Mitspiel"), box);
    cbPlus5->setObjectName(QStringLiteral("cbPlus5"));
    stake->addWidget(ComboEinsatz, 1, 0);
    stake->addWidget(cbPlus5, 1, 1);

    stake->addWidget(ueberschrift(QStringLiteral("Laufzeit"), box), 2, 0, 1, 2);
    stake->addWidget(hinweis(QStringLiteral("Anzahl der Ziehungen bzw. \"Dauerspiel\" wählen."), box), 3, 0,
                     1, 2);
    comboLaufzeit = new QComboBox(box);
    comboLaufzeit->setObjectName(QStringLiteral("comboLaufzeit"));
    comboLaufzeit->addItem(QStringLiteral("Dauerspiel"));
    for (std::size_t i = 1; i < logic::kDauerZiehungen.size(); ++i)
        comboLaufzeit->addItem(QString::number(logic::kDauerZiehungen[i]));
    stake->addWidget(comboLaufzeit, 4, 0);
    stake->setColumnStretch(2, 1);
    v->addSpacing(4);
    v->addLayout(stake);
    v->addStretch(1);
    return box;
}

QWidget* TFOptionen::buildStartFileGroup() {
    auto* box = new QGroupBox(QStringLiteral("Spielschein-Datei mit Programmstart öffnen"), this);
    auto* h = new QHBoxLayout(box);
    EFile = new QLineEdit(box);
    EFile->setObjectName(QStringLiteral("EFile"));
    EFile->setPlaceholderText(QStringLiteral("keine"));
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
    h->addWidget(EFile, 1);
    h->addWidget(browse);
    h->addWidget(clear);
    h->addSpacing(8);
    h->addWidget(now);
    connect(browse, &QToolButton::clicked, this, [this] { runAction(this, [this] { Durchsuchen(); }); });
    connect(clear, &QToolButton::clicked, EFile, &QLineEdit::clear);
    connect(now, &QPushButton::clicked, this, [this] { runAction(this, [this] { JetztOeffnen(); }); });
    return box;
}

QWidget* TFOptionen::buildTipGroup() {
    auto* box = new QGroupBox(QStringLiteral("Tippcenter mit folgenden Einstellungen starten"), this);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(4);
    g->addWidget(ueberschrift(QStringLiteral("Auswahlbereich für die Tipps"), box), 0, 0, 1, 2);
    ComboTipps = new QComboBox(box);
    ComboTipps->setObjectName(QStringLiteral("ComboTipps"));
    for (const char* text : logic::kTippBereiche)
        ComboTipps->addItem(QString::fromUtf8(text));
    g->addWidget(ComboTipps, 1, 0, 1, 2);
    g->addWidget(ueberschrift(QStringLiteral("KENO-Typ für..."), box), 2, 0, 1, 2);
    for (int i = 0; i < 5; ++i) {
        comboTipp[i] = typListe(QStringLiteral("combo%1").arg(i + 1));
        g->addWidget(new QLabel(QStringLiteral("Spiel %1").arg(i + 1), box), i + 3, 0);
        g->addWidget(comboTipp[i], i + 3, 1, Qt::AlignLeft);
    }
    g->setColumnStretch(1, 1);
    return box;
}

QWidget* TFOptionen::buildStatisticsGroup() {
    auto* box = new QGroupBox(QStringLiteral("Statistik mit folgenden Einstellungen starten"), this);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(4);
    ComboStat2 = new QComboBox(box);
    ComboStat2->setObjectName(QStringLiteral("ComboStat2"));
    ComboStat1 = new QComboBox(box);
    ComboStat1->setObjectName(QStringLiteral("ComboStat1"));
    ComboStat1->addItem(QStringLiteral("Alle"));
    for (std::size_t i = 1; i < logic::kAnzahlAusspielungen.size(); ++i)
        ComboStat1->addItem(QStringLiteral("Die letzten %1").arg(logic::kAnzahlAusspielungen[i]));
    g->addWidget(new QLabel(QStringLiteral("Aktiv (Register in Front)"), box), 0, 0);
    g->addWidget(ComboStat2, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Auszuwertende Ausspielungen"), box), 1, 0);
    g->addWidget(ComboStat1, 1, 1);
    g->setColumnStretch(1, 1);
    g->setRowStretch(2, 1);
    return box;
}

void TFOptionen::FormCreate(const OptionenKopplung& kopplung) {
    kopplung_ = kopplung;
    if (!kopplung_.statistikRegister.isEmpty()) {
        ComboStat2->clear();
        ComboStat2->addItems(kopplung_.statistikRegister);
    }
    // An unreadable file is reported; the window then starts from the zero record, as
    // without a file, so the rest of the start-up still gets sane choices.
    logic::TEinstellungen e;
    if (QFileInfo::exists(paths_.optionsFile()))
        runAction(this, [this, &e] { e = logic::EinstellungenLesen(paths_.optionsFile()); });
    state_.Einstellungen = e;
    anzeigen(e);

    if (e.statAnzahlIndex >= 0 && e.statAnzahlIndex < static_cast<int>(logic::kAnzahlAusspielungen.size()) &&
        kopplung_.statistikEinstellen)
        kopplung_.statistikEinstellen(e.statAnzahlIndex,
                                      logic::listenAuswahl(e.statRegister, ComboStat2->count()));
    const QString start = e.startDatei.text();
    if (!start.isEmpty() && QFileInfo(start).isFile() && kopplung_.auswertungLaden)
        kopplung_.auswertungLaden(start);
}

void TFOptionen::anzeigen(const logic::TEinstellungen& e) {
    for (int i = 0; i < 5; ++i) {
        comboTipp[i]->setCurrentIndex(logic::typAuswahl(e.tippTyp[i], i + 1));
        comboSchein[i]->setCurrentIndex(logic::typAuswahl(e.scheinTyp[i], i + 1));
    }
    ComboEinsatz->setCurrentIndex(logic::listenAuswahl(e.einsatzIndex, ComboEinsatz->count()));
    comboLaufzeit->setCurrentIndex(logic::listenAuswahl(e.laufzeitIndex, comboLaufzeit->count()));
    ComboStat1->setCurrentIndex(logic::listenAuswahl(e.statAnzahlIndex, ComboStat1->count()));
    ComboStat2->setCurrentIndex(logic::listenAuswahl(e.statRegister, ComboStat2->count()));
    ComboTipps->setCurrentIndex(logic::listenAuswahl(e.tippBereich, ComboTipps->count()));
    const int scheme = logic::listenAuswahl(e.farbschema, RG3->buttons().size());
    RG3->button(scheme)->setChecked(true);
    RG3Click(scheme);
    cbPlus5->setChecked(e.plus5Mitspiel != 0);
    EFile->setText(e.startDatei.text());
}

void TFOptionen::RG3Click(int index) {
    state_.setAktFarbschema(logic::aktFarbschemaFuer(index));
}

void TFOptionen::Speichern() {
    // Bytes the window has no control for stay as they were read.
    logic::TEinstellungen e = state_.Einstellungen;
    e.farbschema = RG3->checkedId();
    e.einsatzIndex = auswahl(ComboEinsatz);
    e.laufzeitIndex = auswahl(comboLaufzeit);
    e.statAnzahlIndex = auswahl(ComboStat1);
    e.statRegister = auswahl(ComboStat2);
    e.tippBereich = auswahl(ComboTipps);
    e.startDatei.setText(EFile->text());
    e.plus5Mitspiel = cbPlus5->isChecked() ? 1 : 0;
    for (int i = 0; i < 5; ++i) {
        e.tippTyp[i] = auswahl(comboTipp[i]);
        e.scheinTyp[i] = auswahl(comboSchein[i]);
    }
    state_.Einstellungen = e;
    state_.setAktFarbschema(logic::aktFarbschemaFuer(e.farbschema));
    logic::EinstellungenSchreiben(paths_.optionsFile(), e);
}

void TFOptionen::JetztOeffnen() {
    const QString path = EFile->text();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        showMessage(this,
                    QStringLiteral("Sie haben keine existierende Spielschein-Datei angegeben.\r\r"
                                   "Ich breche erst einmal ab."),
                    MessageIcon::Information);
        return;
    }
    if (kopplung_.auswertungLaden)
        kopplung_.auswertungLaden(path);
}

void TFOptionen::Durchsuchen() {
    const QString path = chooseOpenFile(this, QStringLiteral("Suche Keno-Spielschein-Dateien"),
                                        QStringLiteral("Keno-Spielschein-Dateien|*.tix"), paths_.dataDir);
    if (!path.isEmpty())
        EFile->setText(path);
}

} // namespace talvo::ui

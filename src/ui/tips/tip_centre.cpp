#include "ui/tips/tip_centre.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/statistics/statistik.h"
#include "logic/tips/kandidatenliste.h"
#include "logic/tips/klassen_zeilen.h"
#include "logic/tips/schein_aus_tipp.h"
#include "logic/tips/spiel_ziehen.h"
#include "ui/app/navigator.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"
#include "ui/export/text_frame.h"
#include "ui/tips/cell_strip.h"
#include "ui/tips/completion_mark.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

constexpr int kHelpContext = 100;
const QColor kTippGrund(224, 255, 255); // light cyan

QColor farbe(const logic::Rgb& c) {
    return {c.r, c.g, c.b};
}

QGroupBox* group(const QString& title, const QString& name, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

QToolButton* smallButton(QStyle::StandardPixmap icon, const QString& hint, const QString& name,
                         QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setIconSize({14, 14});
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}

} // namespace

TFTipp1::TFTipp1(logic::ProgramState& state, const logic::AppPaths& paths, logic::Statistik& statistik,
                 TippcenterVerbindungen verbindungen, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), state_(state), paths_(paths),
      statistik_(statistik), verbindungen_(std::move(verbindungen)) {
    setObjectName(QStringLiteral("FTipp1"));
    setWindowTitle(QStringLiteral("Tippcenter"));
    setHelpContext(this, kHelpContext);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolBar());

    // On a small screen the window is lower than its content, which then scrolls below the
    // tool bar.
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* content = new QWidget(scroller);
    auto* body = new QVBoxLayout(content);
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(8);
    auto* beschreibung = new QLabel(
        QStringLiteral(
            "Tipps für Ihren KENO-Schein: Sie bestimmen auf welcher Grundlage, d. h. wie viele "
            "Ausspielungen ausgewertet werden und ob Restanten, Favoriten, ein Mischung von beidem "
            "oder der Zufall die Basiszahlen liefern."),
        this);
    beschreibung->setObjectName(QStringLiteral("LBeschreibung"));
    beschreibung->setWordWrap(true);
    body->addWidget(beschreibung);
    body->addWidget(buildChoices());
    body->addWidget(buildClassRows());
    body->addWidget(buildTipRows());
    body->addWidget(buildOutput(), 1);
    scroller->setWidget(content);
    layout->addWidget(scroller, 1);

    connect(&statistik_, &logic::Statistik::haeufigkeitenBerechnet, this, &TFTipp1::showKlassen);
    showKlassen();
    resize(880, 860);
}

TFTipp1::~TFTipp1() = default;

QWidget* TFTipp1::buildToolBar() {
    QToolBar* bar = makeToolBar(this);
    const auto add = [this, bar](QStyle::StandardPixmap icon, const QString& text, const QString& name,
                                 std::function<void()> handler) {
        return addToolAction(bar, style()->standardIcon(icon), text, name, std::move(handler));
    };
    add(QStyle::SP_MediaPlay, QStringLiteral("Tipp generieren"), QStringLiteral("BGenerieren"),
        [this] { TippGenerieren(); });
    add(QStyle::SP_ArrowForward, QStringLiteral("Tipp in Spielschein schreiben"),
        QStringLiteral("BSchreiben"), [this] { TippSchreiben(); });
    routeTo(
        add(QStyle::SP_FileDialogContentsView, QStringLiteral("Statistik"), QStringLiteral("BStatistik"), {}),
        Route::Statistik);
    routeTo(add(QStyle::SP_FileDialogDetailedView, QStringLiteral("Strategie-Test"),
                QStringLiteral("BStrategieTest"), {}),
            Route::Strategietest);
    bar->addSeparator();
    QAction* schliessen = add(QStyle::SP_DialogCloseButton, QStringLiteral("Schließen"),
                              QStringLiteral("BSchliessen"), [this] { close(); });
    schliessen->setToolTip(QStringLiteral("Beenden"));
    helpFor(add(QStyle::SP_DialogHelpButton, QStringLiteral("&Hilfe"), QStringLiteral("BHilfe"), {}),
            kHelpContext);
    return bar;
}

QWidget* TFTipp1::buildChoices() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    QGroupBox* typen = group(QStringLiteral("KENO-Typ für..."), QStringLiteral("GBTyp"), row);
    auto* grid = new QGridLayout(typen);
    QStringList choices{QStringLiteral("--")};
    for (int t = 2; t <= logic::kMaxTyp; ++t)
        choices << QString::number(t);
    for (int i = 0; i < logic::kTippSpiele; ++i) {
        grid->addWidget(new QLabel(QStringLiteral("Spiel %1").arg(i + 1), typen), i, 0);
        auto* combo = new QComboBox(typen);
        combo->setObjectName(QStringLiteral("CBSpiel%1").arg(i + 1));
        combo->addItems(choices);
        grid->addWidget(combo, i, 1);
        spiele_[static_cast<std::size_t>(i)] = combo;
    }
    layout->addWidget(typen);

    auto* right = new QVBoxLayout;
    QGroupBox* bereich =
        group(QStringLiteral("Auswahlbereich für die Tipps"), QStringLiteral("RGBereich"), row);
    auto* bereichGrid = new QGridLayout(bereich);
    RGBereich = new QButtonGroup(this);
    for (int i = 0; i < logic::kTippStrategien; ++i) {
        auto* radio =
            new QRadioButton(QString::fromUtf8(logic::kTippBereiche[static_cast<std::size_t>(i)]), bereich);
        radio->setObjectName(QStringLiteral("RGBereich_%1").arg(i));
        RGBereich->addButton(radio, i);
        bereichGrid->addWidget(radio, i / 2, i % 2);
    }
    right->addWidget(bereich);

    QGroupBox* anzahl =
        group(QStringLiteral("Anzahl der auszuwertenden Ausspielungen"), QStringLiteral("RGAnzahl"), row);
    auto* anzahlGrid = new QGridLayout(anzahl);
    RGAnzahl = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(logic::kAnzahlAusspielungen.size()); ++i) {
        const int n = logic::kAnzahlAusspielungen[static_cast<std::size_t>(i)];
        auto* radio = new QRadioButton(n == 0 ? QStringLiteral("Alle") : QString::number(n), anzahl);
        radio->setObjectName(QStringLiteral("RGAnzahl_%1").arg(i));
        RGAnzahl->addButton(radio, i);
        anzahlGrid->addWidget(radio, i / 5, i % 5);
    }
    connect(RGAnzahl, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            runAction(this, [this] { RGAnzahlClick(); });
    });
    right->addWidget(anzahl);
    layout->addLayout(right, 1);
    return row;
}

QWidget* TFTipp1::buildClassRows() {
    QGroupBox* box = group(QStringLiteral("Restanten und Favoriten"), QStringLiteral("GBKlassen"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    const auto zeilen = logic::klassenZeilen({});
    for (int row = 0; row < 6; ++row) {
        auto* titel = new QLabel(zeilen[static_cast<std::size_t>(row)].titel, box);
        grid->addWidget(titel, row, 0, Qt::AlignTop);
        auto* strip = new CellStrip({18, 18}, false, box);
        strip->setObjectName(QStringLiteral("PKlasse%1").arg(row + 1));
        grid->addWidget(strip, row, 1);
        klassen_[static_cast<std::size_t>(row)] = strip;
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* TFTipp1::buildTipRows() {
    QGroupBox* box = group(QStringLiteral("Ihr Tipp"), QStringLiteral("GBTipp"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < logic::kTippSpiele; ++i) {
        const auto k = static_cast<std::size_t>(i);
        tippTitel_[k] = new QLabel(QStringLiteral("--"), box);
        tippTitel_[k]->setObjectName(QStringLiteral("LSpiel%1").arg(i + 1));
        tippTitel_[k]->setMinimumWidth(60);
        grid->addWidget(tippTitel_[k], i, 0);
        tippZahlen_[k] = new CellStrip({20, 18}, true, box);
        tippZahlen_[k]->setObjectName(QStringLiteral("PTipp%1").arg(i + 1));
        tippZahlen_[k]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        grid->addWidget(tippZahlen_[k], i, 1);
        ergaenzt_[k] = new QLabel(box);
        ergaenzt_[k]->setObjectName(QStringLiteral("IErgaenzt%1").arg(i + 1));
        ergaenzt_[k]->setPixmap(completionMark(16));
        ergaenzt_[k]->setToolTip(QStringLiteral("Der Auswahlbereich wurde um Zufallszahlen ergänzt."));
        ergaenzt_[k]->hide();
        grid->addWidget(ergaenzt_[k], i, 2);
    }
    auto* legende = new QHBoxLayout;
    auto* zeichen = new QLabel(box);
    zeichen->setPixmap(completionMark(16));
    legende->addWidget(zeichen);
    auto* text = new QLabel(QStringLiteral("= der Auswahlbereich wurde um Zufallszahlen ergänzt"), box);
    text->setObjectName(QStringLiteral("LLegende"));
    legende->addWidget(text);
    legende->addStretch(1);
    grid->addLayout(legende, logic::kTippSpiele, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* TFTipp1::buildOutput() {
    QGroupBox* box = group(QStringLiteral("Ihre Tipps"), QStringLiteral("GBAusgabe"), this);
    auto* layout = new QVBoxLayout(box);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(1);
    buttons->addStretch(1);
    QToolButton* einen = smallButton(QStyle::SP_DialogCloseButton, QStringLiteral("Diesen Tipp schließen"),
                                     QStringLiteral("BTippSchliessen"), box);
    connect(einen, &QToolButton::clicked, this, [this] { runAction(this, [this] { TippSchliessen(); }); });
    buttons->addWidget(einen);
    QToolButton* alle = smallButton(QStyle::SP_DialogDiscardButton, QStringLiteral("Alle Tipps schließen"),
                                    QStringLiteral("BAlleSchliessen"), box);
    connect(alle, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { AlleTippsSchliessen(); }); });
    buttons->addWidget(alle);
    layout->addLayout(buttons);
    PCTipps = new QTabWidget(box);
    PCTipps->setObjectName(QStringLiteral("PCTipps"));
    PCTipps->setMinimumHeight(150);
    layout->addWidget(PCTipps, 1);
    return box;
}

void TFTipp1::FormCreate(int statistikAnzahlIndex) {
    const logic::TEinstellungen& e = state_.Einstellungen;
    for (int i = 0; i < logic::kTippSpiele; ++i)
        spiele_[static_cast<std::size_t>(i)]->setCurrentIndex(
            logic::typAuswahl(e.tippTyp[static_cast<std::size_t>(i)], i + 1));
    setStrategie(logic::listenAuswahl(e.tippBereich, logic::kTippStrategien));
    setAnzahlIndex(statistikAnzahlIndex);
}

void TFTipp1::setAnzahlIndex(int index) {
    // Only shows a choice whose frequencies the caller has computed already.
    const QSignalBlocker quiet(RGAnzahl);
    if (QAbstractButton* b = RGAnzahl->button(index))
        b->setChecked(true);
}

int TFTipp1::anzahlIndex() const {
    return RGAnzahl->checkedId();
}

void TFTipp1::RGAnzahlClick() {
    const int index = anzahlIndex();
    if (index < 0)
        return;
    // With the statistics window coupled, its choice computes the frequencies both windows
    // share; computing here as well would do the work twice.
    if (verbindungen_.statistikAuswahl)
        verbindungen_.statistikAuswahl(index);
    else
        statistik_.HaeufigkeitenBerechnen(logic::kAnzahlAusspielungen[static_cast<std::size_t>(index)]);
}

std::array<int, logic::kTippSpiele> TFTipp1::typen() const {
    std::array<int, logic::kTippSpiele> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int choice = spiele_[i]->currentIndex();
        t[i] = choice > 0 ? choice + 1 : 0;
    }
    return t;
}

void TFTipp1::setTyp(int spiel, int typ) {
    spiele_[static_cast<std::size_t>(spiel - 1)]->setCurrentIndex(typ >= 2 ? typ - 1 : 0);
}

int TFTipp1::strategie() const {
    return std::max(0, RGBereich->checkedId());
}

void TFTipp1::setStrategie(int strategie) {
    if (QAbstractButton* b = RGBereich->button(strategie))
        b->setChecked(true);
}

void TFTipp1::showKlassen() {
    const auto zeilen = logic::klassenZeilen(state_.KlassenMengen);
    for (std::size_t row = 0; row < zeilen.size(); ++row) {
        std::vector<CellStrip::Cell> cells;
        for (const logic::KlassenZelle& z : zeilen[row].zellen) {
            const logic::KlassenFarbe f = logic::KlassenFarben(z.klasse);
            cells.push_back({QString::number(z.zahl), farbe(f.hintergrund), farbe(f.text)});
        }
        if (cells.empty())
            cells.push_back({QStringLiteral("Keine"), farbe(logic::kKeineFarbe), Qt::black});
        klassen_[row]->setCells(std::move(cells));
    }
}

void TFTipp1::TippGenerieren() {
    for (QLabel* marke : ergaenzt_)
        marke->hide();
    const auto t = typen();
    if (!logic::spielGewaehlt(t)) {
        showMessage(this, QString::fromUtf8(logic::kKeinSpielMeldung), MessageIcon::Information);
        return;
    }
    QRandomGenerator zufall = logic::tippZufall(static_cast<quint64>(currentDateTime().toMSecsSinceEpoch()));
    const logic::TippErgebnis tipp = generator_.generieren(state_.KlassenMengen, strategie(), t, zufall);
    showTipp(tipp.spieltipps);

    // Each tip in a text frame of its own, to be edited, saved and printed.
    auto* frame = new TFrMemo1(paths_.dataDir, PCTipps);
    frame->setLines(tipp.text());
    PCTipps->setCurrentIndex(PCTipps->addTab(frame, QStringLiteral("Tipp %1").arg(tipp.nummer)));
}

void TFTipp1::showTipp(const logic::Spieltipps& tipp) {
    for (std::size_t k = 0; k < tipp.spiele.size(); ++k) {
        const logic::TippSpiel& spiel = tipp.spiele[k];
        std::vector<CellStrip::Cell> cells;
        for (auto n : logic::MengeZuListe(spiel.zahlen, spiel.typ, 70))
            cells.push_back({QString::number(n), kTippGrund, Qt::black});
        tippZahlen_[k]->setCells(std::move(cells));
        tippZahlen_[k]->setFixedSize(tippZahlen_[k]->sizeHint());
        tippZahlen_[k]->setVisible(spiel.typ > 0);
        tippTitel_[k]->setText(spiel.typ > 0 ? QStringLiteral("Spiel %1: ").arg(k + 1)
                                             : QStringLiteral("--"));
        ergaenzt_[k]->setVisible(spiel.typ > 0 && spiel.ergaenzt);
    }
}

void TFTipp1::TippSchreiben() {
    const int heute = logic::wholeDay(logic::dateToSerial(currentDateTime().date()));
    const logic::TGetippt record = logic::ScheinAusTipp(generator_.spieltipps(), state_.Einstellungen, heute,
                                                        logic::DrawCalendar(state_.history()));
    if (verbindungen_.scheinLaden)
        verbindungen_.scheinLaden(record);
}

void TFTipp1::TippSchliessen() {
    if (QWidget* page = PCTipps->currentWidget()) {
        PCTipps->removeTab(PCTipps->currentIndex());
        delete page;
    }
}

void TFTipp1::AlleTippsSchliessen() {
    while (PCTipps->count() > 0)
        TippSchliessen();
}

QStringList TFTipp1::ausgabeText(int i) const {
    auto* frame = qobject_cast<TFrMemo1*>(PCTipps->widget(i));
    return frame ? frame->lines() : QStringList();
}

int TFTipp1::ausgaben() const {
    return PCTipps->count();
}

} // namespace talvo::ui

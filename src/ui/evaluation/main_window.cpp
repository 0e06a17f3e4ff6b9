#include "ui/evaluation/main_window.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/core/slip_file.h"
#include "logic/draws/gz_klick.h"
#include "logic/draws/history_backup.h"
#include "logic/draws/ziehung_speichern.h"
#include "logic/draws/ziehungssaetze.h"
#include "logic/evaluation/meldungen.h"
#include "logic/evaluation/range_preset.h"
#include "platform/sound.h"
#include "ui/app/form_offen.h"
#include "ui/app/navigator.h"
#include "ui/common/clock.h"
#include "ui/common/date_field.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/links.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/common/user_action.h"
#include "ui/draws/paste_window.h"
#include "ui/evaluation/board.h"
#include "ui/evaluation/file_view.h"
#include "ui/evaluation/help_panel.h"
#include "ui/evaluation/picture_link.h"
#include "ui/evaluation/tool_icons.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QStringListModel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

const QDate kFirstDrawDate(2004, 2, 2);

// A caption that reacts to a click.
class ClickableLabel : public QLabel {
  public:
    ClickableLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), onClick_(std::move(onClick)) {}

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        onClick_();
    }

  private:
    std::function<void()> onClick_;
};

// While the slips are evaluated and their tabs are built.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

DateField* dateField(const QString& name, QWidget* parent) {
    auto* edit = new DateField(parent);
    edit->setObjectName(name);
    // The rules on the dates apply to finished entries, not to every typed digit.
    edit->setKeyboardTracking(false);
    edit->setDate(currentDateTime().date());
    return edit;
}

// The file name without folder and without the text from its last dot on.
QString fileCaption(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

} // namespace

TFAuswertung::TFAuswertung(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
    : QMainWindow(parent), state_(state), paths_(paths) {
    setObjectName(QStringLiteral("FAuswertung"));
    setHelpContext(this, 40);
    setWindowTitle(QStringLiteral("%1 - Zentrale").arg(QLatin1String(logic::kProductName)));
    resize(800, 600);
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(8);
    layout->addWidget(buildLeftColumn());
    layout->addWidget(buildEvaluationArea(), 1);
    setCentralWidget(central);

    connect(&state_, &logic::ProgramState::historyChanged, this, &TFAuswertung::ZiehungslistenFuellen);
}

TFAuswertung::~TFAuswertung() = default;

void TFAuswertung::FormCreate() {
    if (QFileInfo::exists(paths_.historyFile())) {
        // Filling the lists follows the new history (historyChanged).
        state_.setHistory(logic::KenoZahlenLaden(paths_.historyFile()));
        presetDateRange();
    } else {
        ZiehungslistenFuellen(); // only the entry page's proposal for the first draw
    }
    PC0->setCurrentIndex(0);
}

// ---------------------------------------------------------------- left column

QWidget* TFAuswertung::buildLeftColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("leftColumn"));
    column->setFixedWidth(250);
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);

    auto* caption = new ClickableLabel(QStringLiteral("Wählen Sie die Ausspielung..."), column,
                                       [this] { ZiehungssaetzeExportieren(); });
    caption->setObjectName(QStringLiteral("LAuswahl"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    v->addWidget(caption);
    v->addWidget(buildDrawPages());

    board_ = new ZahlenBrett(column);
    connect(board_, &ZahlenBrett::numberClicked, this, &TFAuswertung::GZKlick);
    auto* bDel = new QToolButton(board_);
    bDel->setObjectName(QStringLiteral("BDel"));
    bDel->setIcon(standardIcon(style(), QStyle::SP_DialogResetButton));
    bDel->setToolTip(QStringLiteral("Alle Markierungen löschen"));
    bDel->setAutoRaise(true);
    bDel->setVisible(false);
    board_->setCornerButton(bDel);
    connect(bDel, &QToolButton::clicked, this, &TFAuswertung::BDelClick);
    BDel = bDel;
    v->addWidget(board_);

    auto* values = new QWidget(column);
    auto* grid = new QGridLayout(values);
    grid->setContentsMargins(2, 0, 2, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    gauge1 = new QProgressBar(values);
    gauge1->setObjectName(QStringLiteral("gauge1"));
    gauge1->setRange(0, 20);
    gauge1->setValue(0);
    gauge1->setFormat(QStringLiteral("%v von 20"));
    gauge1->setMaximumHeight(16);
    auto* plus5 = new QLabel(QStringLiteral("plus 5"), values);
    E77 = new QLineEdit(values);
    E77->setObjectName(QStringLiteral("E77"));
    E77->setFixedWidth(64);
    // Digits and blanks only, from the keyboard and from the clipboard alike; the blanks
    // are taken out again at once.
    E77->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]*")), E77));
    connect(E77, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.contains(QLatin1Char(' '))) {
            const int cursor = E77->cursorPosition() -
                               static_cast<int>(text.left(E77->cursorPosition()).count(QLatin1Char(' ')));
            E77->setText(QString(text).remove(QLatin1Char(' ')));
            E77->setCursorPosition(cursor);
        }
    });
    plus5->setBuddy(E77);
    auto* bDel2 = new QToolButton(values);
    bDel2->setObjectName(QStringLiteral("BDel2"));
    bDel2->setIcon(standardIcon(style(), QStyle::SP_LineEditClearButton));
    bDel2->setToolTip(QStringLiteral("plus 5 löschen"));
    bDel2->setAutoRaise(true);
    bDel2->setVisible(false);
    connect(bDel2, &QToolButton::clicked, this, &TFAuswertung::BDel2Click);
    BDel2 = bDel2;
    auto* excel = new QPushButton(QStringLiteral("Excel-Export..."), values);
    excel->setObjectName(QStringLiteral("BExcel"));
    routeTo(excel, Route::Ziehungsexport);
    grid->addWidget(gauge1, 0, 0, 1, 4);
    grid->addWidget(plus5, 1, 0);
    grid->addWidget(E77, 1, 1);
    grid->addWidget(bDel2, 1, 2);
    grid->addWidget(excel, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(3, 1);
    v->addWidget(values);

    v->addStretch(1);
    auto* picture = new PictureLink(column);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setToolTip(QString::fromLatin1(kKenoWebPage));
    routeTo(picture, Route::Webseite);
    v->addWidget(picture);
    return column;
}

QWidget* TFAuswertung::buildDrawPages() {
    PC0 = new QTabWidget(this);
    PC0->setObjectName(QStringLiteral("PC0"));
    setHelpContext(PC0, 60);

    auto* viewing = new QWidget(PC0);
    viewing->setObjectName(QStringLiteral("TabBisherige"));
    auto* g = new QGridLayout(viewing);
    g->setContentsMargins(6, 6, 6, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    comboNr = new QComboBox(viewing);
    comboNr->setObjectName(QStringLiteral("comboNr"));
    comboDatum = new QComboBox(viewing);
    comboDatum->setObjectName(QStringLiteral("comboDatum"));
    for (QComboBox* c : {comboNr, comboDatum}) {
        // A list of texts fills in one step what an item model builds item by item: with
        // thousands of draws that is most of the start-up.
        c->setModel(new QStringListModel(c));
        c->setMaxVisibleItems(20);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    BGo = new QPushButton(viewing);
    BGo->setObjectName(QStringLiteral("BGo"));
    BGo->setIcon(standardIcon(style(), QStyle::SP_ArrowRight));
    BGo->setToolTip(QStringLiteral("Ziehung anzeigen"));
    BGo->setFixedWidth(32);
    g->addWidget(new QLabel(QStringLiteral("Nummer"), viewing), 0, 0);
    g->addWidget(comboNr, 0, 1);
    g->addWidget(BGo, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Datum"), viewing), 1, 0);
    g->addWidget(comboDatum, 1, 1, 1, 2);
    auto* hier = new QLabel(QStringLiteral("Neue Zahlen geben Sie ein. <a href=\"hier\">hier</a>"), viewing);
    hier->setObjectName(QStringLiteral("LHier"));
    hier->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    g->addWidget(hier, 2, 0, 1, 3);
    g->setColumnStretch(1, 1);
    g->setRowStretch(3, 1);

    connect(comboNr, &QComboBox::activated, this, [this](int i) { selectViewingPosition(i, true); });
    connect(comboDatum, &QComboBox::activated, this, [this](int i) {
        // The board follows when the number list changes with it.
        selectViewingPosition(i, i != comboNr->currentIndex());
    });
    connect(BGo, &QPushButton::clicked, this,
            [this] { selectViewingPosition(comboNr->currentIndex(), true); });
    connect(hier, &QLabel::linkActivated, this, [this] { PC0->setCurrentIndex(1); });

    auto* entry = new QWidget(PC0);
    entry->setObjectName(QStringLiteral("TabNeu"));
    auto* e = new QGridLayout(entry);
    e->setContentsMargins(6, 6, 6, 4);
    e->setHorizontalSpacing(6);
    e->setVerticalSpacing(4);
    comboNr2 = new QComboBox(entry);
    comboNr2->setObjectName(QStringLiteral("comboNr2"));
    combo2 = new QComboBox(entry);
    combo2->setObjectName(QStringLiteral("combo2"));
    for (QComboBox* c : {comboNr2, combo2}) {
        c->setModel(new QStringListModel(c));
        c->setMaxVisibleItems(20);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    auto* speichern = new QPushButton(QStringLiteral("Speichern"), entry);
    speichern->setObjectName(QStringLiteral("BSpeichern1"));
    auto* copyPaste = new QPushButton(QStringLiteral("copy paste"), entry);
    copyPaste->setObjectName(QStringLiteral("BCopyPaste"));
    copyPaste->setToolTip(QStringLiteral("Gewinnzahlen aus einer Webseite übernehmen"));
    cbDel = new QCheckBox(QStringLiteral("nach \"Speichern\" Angaben löschen"), entry);
    cbDel->setObjectName(QStringLiteral("cbDel"));
    e->addWidget(new QLabel(QStringLiteral("Nummer"), entry), 0, 0);
    e->addWidget(comboNr2, 0, 1, 1, 2);
    // With no stored draw the first one may be of any day since the first draw.
    DateErste = new DateField(entry);
    DateErste->setObjectName(QStringLiteral("DateErste"));
    DateErste->setMinimumDate(kFirstDrawDate);
    DateErste->setToolTip(QStringLiteral("Datum der ersten Ziehung, die Sie eingeben"));
    DateErste->hide();
    e->addWidget(new QLabel(QStringLiteral("Datum"), entry), 1, 0);
    e->addWidget(combo2, 1, 1, 1, 2);
    e->addWidget(DateErste, 1, 1, 1, 2);
    e->addWidget(speichern, 2, 1);
    e->addWidget(copyPaste, 2, 2);
    e->addWidget(cbDel, 3, 0, 1, 3);
    auto* archiv = new QLabel(QStringLiteral("<a href=\"import\">Ziehungen importieren...</a>"), entry);
    archiv->setToolTip(QStringLiteral("Die Gewinnzahlen aus dem Archiv der Lotterie übernehmen"));
    archiv->setObjectName(QStringLiteral("LImport"));
    archiv->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    routeTo(archiv, Route::Archivimport);
    e->addWidget(archiv, 4, 0, 1, 3);
    e->setColumnStretch(1, 1);
    e->setColumnStretch(2, 1);

    connect(DateErste, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (!state_.history().empty() || combo2->count() != 1)
            return;
        combo2->setItemText(0, date.toString(QStringLiteral("dd.MM.yyyy")));
        if (pasteWindow_ && FormOffen(QStringLiteral("FGewinnzahlen")))
            pasteWindow_->setHinweis(combo2->currentText());
    });
    connect(comboNr2, &QComboBox::activated, this, &TFAuswertung::selectEntryPosition);
    connect(combo2, &QComboBox::activated, this, &TFAuswertung::selectEntryPosition);
    connect(speichern, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { BSpeichern1Click(); }); });
    connect(copyPaste, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { copyPasteClick(); }); });

    PC0->addTab(viewing, QStringLiteral("bisherige"));
    PC0->addTab(entry, QStringLiteral("neu/ändern..."));
    connect(PC0, &QTabWidget::currentChanged, this, &TFAuswertung::pageChanged);
    return PC0;
}

void TFAuswertung::ZiehungslistenFuellen() {
    const logic::DrawHistory& history = state_.history();
    const int n = static_cast<int>(history.size());
    QStringList numbers;
    QStringList dates;
    numbers.reserve(n + 1);
    dates.reserve(n + 1);
    for (int p = 0; p < n; ++p) {
        numbers << QString::number(p + 1);
        dates << logic::serialToText(history[static_cast<std::size_t>(p)].datum);
    }
    const auto fill = [](QComboBox* c, const QStringList& texts) {
        const QSignalBlocker block(c);
        static_cast<QStringListModel*>(c->model())->setStringList(texts);
    };
    combo2->setVisible(n > 0);
    DateErste->setVisible(n == 0);
    if (n == 0) {
        // The very first draw: proposed for today, any day since the first draw may be chosen.
        const QDate proposal = logic::serialToDate(
            logic::ersterVorschlag(static_cast<int>(logic::dateToSerial(currentDateTime().date()))));
        fill(comboNr, {});
        fill(comboDatum, {});
        fill(comboNr2, {QStringLiteral("1")});
        fill(combo2, {logic::serialToText(logic::dateToSerial(proposal))});
        const QSignalBlocker blockErste(DateErste);
        DateErste->setMaximumDate(std::max(proposal, kFirstDrawDate));
        DateErste->setDate(proposal);
        return;
    }
    fill(comboNr, numbers);
    fill(comboDatum, dates);
    selectViewingPosition(n - 1, false);
    numbers << QString::number(n + 1);
    dates << logic::serialToText(logic::wholeDay(history.back().datum) + 1);
    fill(comboNr2, numbers);
    fill(combo2, dates);
    {
        const QSignalBlocker blockNr(comboNr2);
        const QSignalBlocker blockDatum(combo2);
        comboNr2->setCurrentIndex(n);
        combo2->setCurrentIndex(n);
    }
    ZiehungZeigen(n - 1);
}

void TFAuswertung::selectViewingPosition(int p, bool show) {
    if (p < 0 || p >= comboNr->count() || p >= comboDatum->count())
        return;
    {
        const QSignalBlocker blockNr(comboNr);
        const QSignalBlocker blockDatum(comboDatum);
        comboNr->setCurrentIndex(p);
        comboDatum->setCurrentIndex(p);
    }
    Baktuell->setText(comboDatum->itemText(p));
    if (show)
        ZiehungZeigen(p);
}

void TFAuswertung::selectEntryPosition(int p) {
    if (p < 0 || p >= comboNr2->count() || p >= combo2->count())
        return;
    {
        const QSignalBlocker blockNr(comboNr2);
        const QSignalBlocker blockDatum(combo2);
        comboNr2->setCurrentIndex(p);
        combo2->setCurrentIndex(p);
    }
    // A stored draw is shown; the proposed new date starts from an empty board.
    if (p < static_cast<int>(state_.history().size()))
        ZiehungZeigen(p);
    else
        BDelallClick();
}

void TFAuswertung::EintragWieAnzeige() {
    selectEntryPosition(comboNr->currentIndex());
}

void TFAuswertung::pageChanged(int page) {
    const int previous = shownPage_;
    shownPage_ = page;
    const bool entry = page == 1;
    BDel->setVisible(entry);
    BDel2->setVisible(entry);
    if (entry) {
        if (comboNr->currentIndex() < combo2->currentIndex())
            BDelallClick();
    } else if (previous == 1) {
        ZiehungZeigen(comboNr->currentIndex());
    }
}

void TFAuswertung::GZKlick(int n) {
    const logic::GZKlickErgebnis result = logic::GZKlick(state_.GZAuswahl, n);
    if (result == logic::GZKlickErgebnis::Unveraendert)
        return;
    if (result == logic::GZKlickErgebnis::Hinzugefuegt)
        platform::playClick();
    board_->setMarked(n, result == logic::GZKlickErgebnis::Hinzugefuegt);
    gauge1->setValue(state_.gzAnzahl());
    board_->setFocus();
}

void TFAuswertung::BDelClick() {
    state_.GZAuswahl = {};
    board_->showNumbers(state_.GZAuswahl);
    gauge1->setValue(0);
}

void TFAuswertung::BDelallClick() {
    BDelClick();
    E77->clear();
}

void TFAuswertung::BDel2Click() {
    E77->clear();
}

void TFAuswertung::BSpeichern1Click() {
    if (state_.history().empty())
        DateErste->commitTyping();
    const int p = combo2->currentIndex();
    logic::DaySerial datum = 0;
    if (p < 0 || !logic::textToSerial(combo2->itemText(p), datum))
        return;
    logic::DrawHistory history = state_.history();
    if (!logic::ZiehungSpeichern(history, p, datum, state_.GZAuswahl, E77->text()))
        return;
    // The lists follow the new history; the file is written last, so a failed write
    // leaves the change in memory as the lists show it.
    state_.setHistory(std::move(history));
    logic::writeHistoryKeepingBackup(paths_.historyFile(), state_.history());
    if (p + 1 < combo2->count())
        selectEntryPosition(p + 1);
    if (cbDel->isChecked() && combo2->count() > comboDatum->count())
        BDelallClick();
    if (pasteWindow_ && FormOffen(QStringLiteral("FGewinnzahlen")))
        pasteWindow_->setHinweis(combo2->currentText());
}

void TFAuswertung::copyPasteClick() {
    if (!pasteWindow_) {
        pasteWindow_ = new TFGewinnzahlen(this);
        connect(pasteWindow_, &TFGewinnzahlen::zahlUebertragen, this, &TFAuswertung::GZKlick);
        pasteWindow_->adjustSize();
        pasteWindow_->move(geometry().center() - pasteWindow_->rect().center());
    }
    pasteWindow_->setHinweis(combo2->currentText());
    pasteWindow_->setWindowState(pasteWindow_->windowState() & ~Qt::WindowMinimized);
    pasteWindow_->show();
    pasteWindow_->raise();
    pasteWindow_->activateWindow();
}

void TFAuswertung::ZiehungZeigen(int p) {
    const logic::DrawHistory& history = state_.history();
    if (p < 0 || p >= static_cast<int>(history.size()))
        return;
    const logic::TKenoZahlen& draw = history[static_cast<std::size_t>(p)];
    state_.GZAuswahl = {};
    if (draw.datum >= logic::kFirstDrawSerial) {
        for (std::uint8_t number : draw.GZ) {
            if (number >= 1 && number <= 70)
                state_.GZAuswahl.insert(number);
        }
        E77->setText(draw.plus5.text());
    } else {
        E77->clear();
    }
    board_->showNumbers(state_.GZAuswahl);
    gauge1->setValue(state_.gzAnzahl());
}

void TFAuswertung::ZiehungssaetzeExportieren() {
    runAction(this, [this] { logic::ZiehungssaetzeSchreiben(state_.history(), paths_.dataDir); });
}

// ----------------------------------------------------------- evaluation area

QWidget* TFAuswertung::buildEvaluationArea() {
    auto* area = new QWidget(this);
    auto* v = new QVBoxLayout(area);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    auto* range = new QGroupBox(QStringLiteral("Für den Zeitraum..."), area);
    range->setObjectName(QStringLiteral("GBZeitraum"));
    auto* r = new QGridLayout(range);
    r->setContentsMargins(8, 6, 8, 6);
    r->setHorizontalSpacing(6);
    r->setVerticalSpacing(4);
    DateV = dateField(QStringLiteral("DateV"), range);
    DateB = dateField(QStringLiteral("DateB"), range);
    auto* rangeButton = new QToolButton(range);
    rangeButton->setObjectName(QStringLiteral("BZeitraum"));
    rangeButton->setIcon(standardIcon(style(), QStyle::SP_MediaPlay));
    rangeButton->setIconSize(QSize(20, 20));
    rangeButton->setToolTip(QStringLiteral("Alle Scheine für den Zeitraum auswerten"));
    rangeButton->setFixedSize(34, 34);
    r->addWidget(new QLabel(QStringLiteral("von"), range), 0, 0);
    r->addWidget(DateV, 0, 1);
    r->addWidget(new QLabel(QStringLiteral("bis"), range), 1, 0);
    r->addWidget(DateB, 1, 1);
    r->addWidget(rangeButton, 0, 2, 2, 1, Qt::AlignVCenter);
    top->addWidget(range);

    auto* evaluate = new QGroupBox(QStringLiteral("Werten Sie Ihre Tipps aus..."), area);
    evaluate->setObjectName(QStringLiteral("GBAuswerten"));
    auto* ev = new QGridLayout(evaluate);
    ev->setContentsMargins(8, 6, 8, 6);
    ev->setHorizontalSpacing(6);
    Baktuell = new QPushButton(QStringLiteral("Markierte Zahlen"), evaluate);
    Baktuell->setObjectName(QStringLiteral("Baktuell"));
    Baktuell->setToolTip(QStringLiteral("Alle Scheine gegen die markierten Gewinnzahlen auswerten"));
    auto* laufzeit = new QPushButton(QStringLiteral("Laufzeit"), evaluate);
    laufzeit->setObjectName(QStringLiteral("BLaufzeit"));
    laufzeit->setToolTip(QStringLiteral("Jeden Schein über seine Laufzeit auswerten"));
    Baktuell->setMinimumSize(104, 34);
    laufzeit->setMinimumSize(104, 34);
    ev->addWidget(Baktuell, 0, 0);
    ev->addWidget(laufzeit, 0, 1);
    top->addWidget(evaluate);
    top->addStretch();

    auto* fileButtons = new QVBoxLayout;
    fileButtons->setSpacing(2);
    auto* closeOne = new QToolButton(area);
    closeOne->setObjectName(QStringLiteral("closeFileTab"));
    closeOne->setIcon(standardIcon(style(), QStyle::SP_DialogCloseButton));
    closeOne->setToolTip(QStringLiteral("Spielschein-Datei schließen"));
    auto* closeAll = new QToolButton(area);
    closeAll->setObjectName(QStringLiteral("closeAllFileTabs"));
    closeAll->setIcon(standardIcon(style(), QStyle::SP_DialogDiscardButton));
    closeAll->setToolTip(QStringLiteral("Alle Spielschein-Dateien schließen"));
    for (QToolButton* b : {closeOne, closeAll}) {
        b->setAutoRaise(true);
        fileButtons->addWidget(b);
    }
    fileButtons->addStretch();
    top->addLayout(fileButtons);
    v->addLayout(top);

    PC2 = new QTabWidget(area);
    PC2->setObjectName(QStringLiteral("PC2"));
    PC2->setDocumentMode(true);
    PC2->setUsesScrollButtons(true);
    auto* einstieg = new QAction(toolIcon(ToolIcon::Hilfe), QString(), this);
    einstieg->setObjectName(QStringLiteral("PHilfe"));
    einstieg->setToolTip(QStringLiteral("Hilfe"));
    helpFor(einstieg, 0);
    // The panel's buttons share the tool bar's entries.
    const auto tool = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    p100 = new HelpPanel({einstieg, tool("TStatistik"), tool("TAktualisierung"), tool("TSpielscheincenter"),
                          tool("TTippcenter")},
                         area);
    area_ = new QStackedWidget(area);
    area_->setObjectName(QStringLiteral("evaluationArea"));
    area_->addWidget(p100);
    area_->addWidget(PC2);
    area_->setCurrentWidget(p100);
    v->addWidget(area_, 1);

    connect(p100, &HelpPanel::demoRequested, this, [this] { runAction(this, [this] { DemoClick(); }); });
    connect(Baktuell, &QPushButton::clicked, this, [this] { runAction(this, [this] { BaktuellClick(); }); });
    connect(laufzeit, &QPushButton::clicked, this, [this] { runAction(this, [this] { LaufzeitClick(); }); });
    connect(rangeButton, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { ZeitraumClick(); }); });
    connect(closeOne, &QToolButton::clicked, this, &TFAuswertung::closeFileTab);
    connect(closeAll, &QToolButton::clicked, this, &TFAuswertung::closeAllFileTabs);
    connect(DateV, &QDateEdit::dateChanged, this, &TFAuswertung::dateVChanged);
    connect(DateB, &QDateEdit::dateChanged, this, &TFAuswertung::dateBChanged);
    return area;
}

void TFAuswertung::dateVChanged() {
    const QSignalBlocker block(DateV);
    if (DateV->date() < kFirstDrawDate)
        DateV->setDate(kFirstDrawDate);
}

void TFAuswertung::dateBChanged() {
    // Each rule applies once: with von in the future, "not before von" and "not after
    // today" would otherwise undo each other without end.
    const QSignalBlocker block(DateB);
    if (DateV->date() > DateB->date())
        DateB->setDate(DateV->date());
    const QDate today = currentDateTime().date();
    if (DateB->date() > today)
        DateB->setDate(today);
}

void TFAuswertung::presetDateRange() {
    const logic::DrawHistory& history = state_.history();
    if (history.empty())
        return;
    const logic::DateRange r =
        logic::presetRange(logic::wholeDay(history.back().datum), logic::DrawCalendar(history));
    DateV->setDate(logic::serialToDate(r.von));
    DateB->setDate(logic::serialToDate(r.bis));
}

void TFAuswertung::AuswertungLaden(const QString& path) {
    logic::SlipList slips = logic::ScheinDateiLesen(path);
    logic::SlipList& all = state_.AuswertScheine;
    const int first = static_cast<int>(all.size());
    const int count = static_cast<int>(slips.size());
    all.insert(all.end(), slips.begin(), slips.end());

    const int n = nextFileTab_++;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabAusw%1").arg(n));
    page->setProperty("tag", n);
    auto* view = new TFrameAuswertung(n, first, first + count - 1, std::span(slips), page);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(view);
    connect(view, &TFrameAuswertung::drawChosen, this, [this](int position) {
        // As when the user picks that date: the lists follow when the selection changes.
        if (position != comboDatum->currentIndex())
            selectViewingPosition(position, true);
    });
    PC2->addTab(page, fileCaption(path));
    PC2->setCurrentWidget(page);
    area_->setCurrentWidget(PC2);
}

int TFAuswertung::fileTabCount() const {
    return PC2->count();
}

TFrameAuswertung* TFAuswertung::fileView(int index) const {
    QWidget* page = PC2->widget(index);
    return page ? page->findChild<TFrameAuswertung*>() : nullptr;
}

TFrameAuswertung* TFAuswertung::activeFileView() const {
    return fileView(PC2->currentIndex());
}

std::span<const logic::TGetippt> TFAuswertung::activeSlips() const {
    const TFrameAuswertung* view = activeFileView();
    const logic::SlipList& all = state_.AuswertScheine;
    if (!view || view->last() < view->first() || view->last() >= static_cast<int>(all.size()))
        return {};
    return std::span(all).subspan(static_cast<std::size_t>(view->first()),
                                  static_cast<std::size_t>(view->last() - view->first() + 1));
}

bool TFAuswertung::needsFileTab() {
    if (PC2->count() > 0)
        return false;
    showMessage(this, logic::keinSpielscheinMeldung(), MessageIcon::Information);
    return true;
}

void TFAuswertung::showResults(logic::Ergebnisse& tables) {
    if (TFrameAuswertung* view = activeFileView())
        view->addResults(std::move(tables), nextResultTab_);
}

void TFAuswertung::BaktuellClick() {
    if (needsFileTab())
        return;
    if (state_.GZAuswahl.empty()) {
        showMessage(this, logic::keineGewinnzahlenMeldung(), MessageIcon::Error);
        return;
    }
    logic::Ergebnisse tables;
    try {
        logic::ZiehungAuswerten(activeSlips(), state_.GZAuswahl, E77->text().left(5), Baktuell->text(),
                                tables);
    } catch (...) {
        showResults(tables);
        throw;
    }
    showResults(tables);
}

void TFAuswertung::LaufzeitClick() {
    if (needsFileTab())
        return;
    const std::span<const logic::TGetippt> slips = activeSlips();
    logic::Ergebnisse tables;
    int ohneDaten = 0;
    {
        const BusyCursor busy;
        try {
            ohneDaten = logic::LaufzeitAuswerten(slips, state_.history(),
                                                 logic::dateTimeToSerial(currentDateTime()), tables);
        } catch (...) {
            showResults(tables);
            throw;
        }
        showResults(tables);
    }
    const QString message = logic::LaufzeitMeldung(static_cast<int>(slips.size()), ohneDaten);
    if (!message.isEmpty())
        showMessage(this, message, MessageIcon::Information);
}

void TFAuswertung::ZeitraumClick() {
    if (needsFileTab())
        return;
    // A date typed without Enter counts as it stands on the screen.
    DateV->commitTyping();
    DateB->commitTyping();
    if (DateV->date() > DateB->date()) {
        showMessage(
            this,
            QStringLiteral("Das Datum \"von\" liegt nach dem Datum \"bis\". Bitte den Zeitraum berichtigen."),
            MessageIcon::Information);
        return;
    }
    logic::Ergebnisse tables;
    const BusyCursor busy;
    try {
        logic::ZeitraumAuswerten(activeSlips(), logic::dateToSerial(DateV->date()),
                                 logic::dateToSerial(DateB->date()), state_.history(),
                                 logic::dateTimeToSerial(currentDateTime()), tables);
    } catch (...) {
        showResults(tables);
        throw;
    }
    showResults(tables);
}

void TFAuswertung::DemoClick() {
    const QString path = paths_.demoFile();
    if (!QFileInfo::exists(path)) {
        showMessage(this,
                    QStringLiteral(
                        "Die Datei mit dem Demo-Spielschein \"Demo.tix\" wurde nicht gefunden.\r\rIch muss "
                        "abbrechen."),
                    MessageIcon::Error);
        return;
    }
    AuswertungLaden(path);
}

void TFAuswertung::OeffnenClick() {
    const QString path = chooseOpenFile(this, QStringLiteral("Öffne Keno-Spielschein-Dateien"),
                                        QStringLiteral("Keno-Spielschein-Dateien|*.tix"), paths_.dataDir);
    if (!path.isEmpty())
        AuswertungLaden(path);
}

void TFAuswertung::closeFileTab() {
    if (PC2->count() > 0) {
        QWidget* page = PC2->currentWidget();
        PC2->removeTab(PC2->currentIndex());
        delete page;
    }
    if (PC2->count() == 0)
        area_->setCurrentWidget(p100);
}

void TFAuswertung::closeAllFileTabs() {
    for (int i = PC2->count() - 1; i >= 0; --i) {
        QWidget* page = PC2->widget(i);
        PC2->removeTab(i);
        delete page;
    }
    area_->setCurrentWidget(p100);
}

void TFAuswertung::closeEvent(QCloseEvent* event) {
    if (closeCheck_ && !closeCheck_()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace talvo::ui

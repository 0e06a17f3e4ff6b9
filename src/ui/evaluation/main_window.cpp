#include "ui/evaluation/main_window.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/slip_file.h"
#include "logic/draws/board_number_toggle.h"
#include "logic/draws/change_text.h"
#include "logic/draws/draw_sets.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/history_sync.h"
#include "logic/draws/store_draw.h"
#include "logic/draws/undo_history.h"
#include "logic/evaluation/evaluation_messages.h"
#include "logic/evaluation/evaluation_summary.h"
#include "logic/evaluation/range_preset.h"
#include "logic/state/program_state.h"
#include "platform/sound.h"
#include "ui/common/clock.h"
#include "ui/common/date_field.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/links.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/common/tool_icons.h"
#include "ui/common/user_action.h"
#include "ui/common/user_folders.h"
#include "ui/draws/paste_window.h"
#include "ui/evaluation/empty_history_page.h"
#include "ui/evaluation/help_panel.h"
#include "ui/evaluation/overview_window.h"
#include "ui/evaluation/picture_link.h"
#include "ui/evaluation/slip_file_frame.h"
#include "ui/evaluation/winning_number_board.h"
#include "ui/navigation/navigator.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QStatusBar>
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

// The one local .csv file a drag carries; empty for anything else.
QString droppedArchive(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

// The file name without folder and without the text from its last dot on.
QString fileCaption(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

} // namespace

MainWindow::MainWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
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

    connect(&state_, &logic::ProgramState::historyChanged, this, &MainWindow::fillDrawLists);
    connect(&state_, &logic::ProgramState::historyChanged, this, &MainWindow::showIdleArea);
    setAcceptDrops(true);

    // Built last: the window's own controls come first when they are looked up by name.
    pasteWindow_ = new PasteWindow(this);
    connect(pasteWindow_, &PasteWindow::numberTransferred, this, &MainWindow::toggleBoardNumber);
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpAtStart() {
    if (QFileInfo::exists(paths_.historyFile())) {
        // Filling the lists follows the new history (historyChanged).
        state_.setHistory(logic::loadDrawHistory(paths_.historyFile()));
        presetDateRange();
    } else {
        fillDrawLists(); // only the entry page's proposal for the first draw
    }
    drawPages_->setCurrentIndex(0);
    showIdleArea();
}

void MainWindow::showIdleArea() {
    if (fileTabs_->count() > 0)
        return;
    area_->setCurrentWidget(state_.history().empty() ? static_cast<QWidget*>(emptyHistoryPage_) : helpPanel_);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedArchive(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QMainWindow::dragEnterEvent(event);
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedArchive(event->mimeData());
    if (path.isEmpty()) {
        QMainWindow::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    emit archiveDropped(path);
}

// ---------------------------------------------------------------- left column

QWidget* MainWindow::buildLeftColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("leftColumn"));
    column->setFixedWidth(250);
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);

    auto* caption = new ClickableLabel(QStringLiteral("Wählen Sie die Ausspielung..."), column,
                                       [this] { exportDrawSets(); });
    caption->setObjectName(QStringLiteral("LAuswahl"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    v->addWidget(caption);
    v->addWidget(buildDrawPages());

    board_ = new WinningNumberBoard(column);
    connect(board_, &WinningNumberBoard::numberClicked, this, &MainWindow::toggleBoardNumber);
    auto* bDel = new QToolButton(board_);
    bDel->setObjectName(QStringLiteral("BDel"));
    bDel->setIcon(standardIcon(style(), QStyle::SP_DialogResetButton));
    bDel->setToolTip(QStringLiteral("Alle Markierungen löschen"));
    bDel->setAutoRaise(true);
    bDel->setVisible(false);
    board_->setCornerButton(bDel);
    connect(bDel, &QToolButton::clicked, this, &MainWindow::clearBoard);
    clearBoardButton_ = bDel;
    v->addWidget(board_);

    auto* values = new QWidget(column);
    auto* grid = new QGridLayout(values);
    grid->setContentsMargins(2, 0, 2, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    markedCountBar_ = new QProgressBar(values);
    markedCountBar_->setObjectName(QStringLiteral("gauge1"));
    markedCountBar_->setRange(0, 20);
    markedCountBar_->setValue(0);
    markedCountBar_->setFormat(QStringLiteral("%v von 20"));
    markedCountBar_->setMaximumHeight(16);
    auto* plus5 = new QLabel(QStringLiteral("plus 5"), values);
    plus5Edit_ = new QLineEdit(values);
    plus5Edit_->setObjectName(QStringLiteral("E77"));
    plus5Edit_->setFixedWidth(64);
    // Digits and blanks only, from the keyboard and from the clipboard alike; the blanks
    // are taken out again at once.
    plus5Edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]*")), plus5Edit_));
    connect(plus5Edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.contains(QLatin1Char(' '))) {
            const int cursor =
                plus5Edit_->cursorPosition() -
                static_cast<int>(text.left(plus5Edit_->cursorPosition()).count(QLatin1Char(' ')));
            plus5Edit_->setText(QString(text).remove(QLatin1Char(' ')));
            plus5Edit_->setCursorPosition(cursor);
        }
    });
    plus5->setBuddy(plus5Edit_);
    auto* clearPlus5Button = new QToolButton(values);
    clearPlus5Button->setObjectName(QStringLiteral("BDel2"));
    clearPlus5Button->setIcon(standardIcon(style(), QStyle::SP_LineEditClearButton));
    clearPlus5Button->setToolTip(QStringLiteral("plus 5 löschen"));
    clearPlus5Button->setAutoRaise(true);
    clearPlus5Button->setVisible(false);
    connect(clearPlus5Button, &QToolButton::clicked, this, &MainWindow::clearPlus5);
    clearPlus5Button_ = clearPlus5Button;
    auto* excel = new QPushButton(QStringLiteral("Excel-Export..."), values);
    excel->setObjectName(QStringLiteral("BExcel"));
    routeTo(excel, Route::DrawExport);
    grid->addWidget(markedCountBar_, 0, 0, 1, 4);
    grid->addWidget(plus5, 1, 0);
    grid->addWidget(plus5Edit_, 1, 1);
    grid->addWidget(clearPlus5Button, 1, 2);
    grid->addWidget(excel, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(3, 1);
    v->addWidget(values);

    v->addStretch(1);
    auto* picture = new PictureLink(column);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setToolTip(QString::fromLatin1(kKenoWebPage));
    routeTo(picture, Route::WebSite);
    v->addWidget(picture);
    return column;
}

QWidget* MainWindow::buildDrawPages() {
    drawPages_ = new QTabWidget(this);
    drawPages_->setObjectName(QStringLiteral("PC0"));
    setHelpContext(drawPages_, 60);

    auto* viewing = new QWidget(drawPages_);
    viewing->setObjectName(QStringLiteral("TabBisherige"));
    auto* g = new QGridLayout(viewing);
    g->setContentsMargins(6, 6, 6, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    drawNumberCombo_ = new QComboBox(viewing);
    drawNumberCombo_->setObjectName(QStringLiteral("comboNr"));
    drawDateCombo_ = new QComboBox(viewing);
    drawDateCombo_->setObjectName(QStringLiteral("comboDatum"));
    for (QComboBox* c : {drawNumberCombo_, drawDateCombo_}) {
        // A list of texts fills in one step what an item model builds item by item: with
        // thousands of draws that is most of the start-up.
        c->setModel(new QStringListModel(c));
        c->setMaxVisibleItems(20);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    showDrawButton_ = new QPushButton(viewing);
    showDrawButton_->setObjectName(QStringLiteral("BGo"));
    showDrawButton_->setIcon(standardIcon(style(), QStyle::SP_ArrowRight));
    showDrawButton_->setToolTip(QStringLiteral("Ziehung anzeigen"));
    showDrawButton_->setFixedWidth(32);
    g->addWidget(new QLabel(QStringLiteral("Nummer"), viewing), 0, 0);
    g->addWidget(drawNumberCombo_, 0, 1);
    g->addWidget(showDrawButton_, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Datum"), viewing), 1, 0);
    g->addWidget(drawDateCombo_, 1, 1, 1, 2);
    auto* hereLink =
        new QLabel(QStringLiteral("Neue Zahlen geben Sie <a href=\"hier\">hier</a> ein."), viewing);
    hereLink->setObjectName(QStringLiteral("LHier"));
    hereLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    g->addWidget(hereLink, 2, 0, 1, 3);
    g->setColumnStretch(1, 1);
    g->setRowStretch(3, 1);

    connect(drawNumberCombo_, &QComboBox::activated, this, [this](int i) { selectViewingPosition(i, true); });
    connect(drawDateCombo_, &QComboBox::activated, this, [this](int i) {
        // The board follows when the number list changes with it.
        selectViewingPosition(i, i != drawNumberCombo_->currentIndex());
    });
    connect(showDrawButton_, &QPushButton::clicked, this,
            [this] { selectViewingPosition(drawNumberCombo_->currentIndex(), true); });
    connect(hereLink, &QLabel::linkActivated, this, [this] { drawPages_->setCurrentIndex(1); });

    auto* entry = new QWidget(drawPages_);
    entry->setObjectName(QStringLiteral("TabNeu"));
    auto* e = new QGridLayout(entry);
    e->setContentsMargins(6, 6, 6, 4);
    e->setHorizontalSpacing(6);
    e->setVerticalSpacing(4);
    entryNumberCombo_ = new QComboBox(entry);
    entryNumberCombo_->setObjectName(QStringLiteral("comboNr2"));
    entryDateCombo_ = new QComboBox(entry);
    entryDateCombo_->setObjectName(QStringLiteral("combo2"));
    for (QComboBox* c : {entryNumberCombo_, entryDateCombo_}) {
        c->setModel(new QStringListModel(c));
        c->setMaxVisibleItems(20);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    auto* saveButton = new QPushButton(QStringLiteral("Speichern"), entry);
    saveButton->setObjectName(QStringLiteral("BSpeichern1"));
    auto* copyPaste = new QPushButton(QStringLiteral("Einfügen..."), entry);
    copyPaste->setObjectName(QStringLiteral("BCopyPaste"));
    copyPaste->setToolTip(QStringLiteral("Gewinnzahlen aus einer Webseite übernehmen"));
    routeTo(copyPaste, Route::PasteNumbers);
    clearAfterSaveCheck_ = new QCheckBox(QStringLiteral("Nach dem Speichern leeren"), entry);
    clearAfterSaveCheck_->setObjectName(QStringLiteral("cbDel"));
    e->addWidget(new QLabel(QStringLiteral("Nummer"), entry), 0, 0);
    e->addWidget(entryNumberCombo_, 0, 1, 1, 2);
    // With no stored draw the first one may be of any day since the first draw.
    firstDrawDateEdit_ = new DateField(entry);
    firstDrawDateEdit_->setObjectName(QStringLiteral("DateErste"));
    firstDrawDateEdit_->setMinimumDate(kFirstDrawDate);
    firstDrawDateEdit_->setToolTip(QStringLiteral("Datum der ersten Ziehung, die Sie eingeben"));
    firstDrawDateEdit_->hide();
    e->addWidget(new QLabel(QStringLiteral("Datum"), entry), 1, 0);
    e->addWidget(entryDateCombo_, 1, 1, 1, 2);
    e->addWidget(firstDrawDateEdit_, 1, 1, 1, 2);
    e->addWidget(saveButton, 2, 1);
    e->addWidget(copyPaste, 2, 2);
    e->addWidget(clearAfterSaveCheck_, 3, 0, 1, 3);
    auto* importLink = new QLabel(QStringLiteral("<a href=\"import\">Ziehungen importieren...</a>"), entry);
    importLink->setToolTip(QStringLiteral("Die Gewinnzahlen aus dem Archiv der Lotterie übernehmen"));
    importLink->setObjectName(QStringLiteral("LImport"));
    importLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    routeTo(importLink, Route::ArchiveImport);
    e->addWidget(importLink, 4, 0, 1, 3);
    e->setColumnStretch(1, 1);
    e->setColumnStretch(2, 1);

    connect(firstDrawDateEdit_, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (!state_.history().empty() || entryDateCombo_->count() != 1)
            return;
        entryDateCombo_->setItemText(0, date.toString(QStringLiteral("dd.MM.yyyy")));
        pasteWindow_->setDateNote(entryDateCombo_->currentText());
    });
    connect(entryNumberCombo_, &QComboBox::activated, this, &MainWindow::selectEntryPosition);
    connect(entryDateCombo_, &QComboBox::activated, this, &MainWindow::selectEntryPosition);
    connect(saveButton, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { saveEnteredDraw(); }); });
    // The note names the date the entry page stands on when the window is asked for.
    connect(copyPaste, &QPushButton::clicked, this,
            [this] { pasteWindow_->setDateNote(entryDateCombo_->currentText()); });

    drawPages_->addTab(viewing, QStringLiteral("bisherige"));
    drawPages_->addTab(entry, QStringLiteral("neu/ändern..."));
    connect(drawPages_, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);
    return drawPages_;
}

void MainWindow::fillDrawLists() {
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
    entryDateCombo_->setVisible(n > 0);
    firstDrawDateEdit_->setVisible(n == 0);
    if (n == 0) {
        // The very first draw: proposed for today, any day since the first draw may be chosen.
        const QDate proposal = logic::serialToDate(
            logic::proposedFirstDrawDay(static_cast<int>(logic::dateToSerial(currentDateTime().date()))));
        fill(drawNumberCombo_, {});
        fill(drawDateCombo_, {});
        fill(entryNumberCombo_, {QStringLiteral("1")});
        fill(entryDateCombo_, {logic::serialToText(logic::dateToSerial(proposal))});
        const QSignalBlocker blockFirstDate(firstDrawDateEdit_);
        firstDrawDateEdit_->setMaximumDate(std::max(proposal, kFirstDrawDate));
        firstDrawDateEdit_->setDate(proposal);
        // Nothing stored is left to show (an undo took back the only draw).
        clearBoardAndPlus5();
        return;
    }
    fill(drawNumberCombo_, numbers);
    fill(drawDateCombo_, dates);
    selectViewingPosition(n - 1, false);
    numbers << QString::number(n + 1);
    dates << logic::serialToText(logic::wholeDay(history.back().datum) + 1);
    fill(entryNumberCombo_, numbers);
    fill(entryDateCombo_, dates);
    {
        const QSignalBlocker blockNumber(entryNumberCombo_);
        const QSignalBlocker blockDate(entryDateCombo_);
        entryNumberCombo_->setCurrentIndex(n);
        entryDateCombo_->setCurrentIndex(n);
    }
    showDraw(n - 1);
}

void MainWindow::selectViewingPosition(int p, bool show) {
    if (p < 0 || p >= drawNumberCombo_->count() || p >= drawDateCombo_->count())
        return;
    {
        const QSignalBlocker blockNumber(drawNumberCombo_);
        const QSignalBlocker blockDate(drawDateCombo_);
        drawNumberCombo_->setCurrentIndex(p);
        drawDateCombo_->setCurrentIndex(p);
    }
    evaluateMarkedButton_->setText(drawDateCombo_->itemText(p));
    if (show)
        showDraw(p);
}

void MainWindow::selectEntryPosition(int p) {
    if (p < 0 || p >= entryNumberCombo_->count() || p >= entryDateCombo_->count())
        return;
    {
        const QSignalBlocker blockNumber(entryNumberCombo_);
        const QSignalBlocker blockDate(entryDateCombo_);
        entryNumberCombo_->setCurrentIndex(p);
        entryDateCombo_->setCurrentIndex(p);
    }
    // A stored draw is shown; the proposed new date starts from an empty board.
    if (p < static_cast<int>(state_.history().size()))
        showDraw(p);
    else
        clearBoardAndPlus5();
}

void MainWindow::alignEntryWithViewing() {
    selectEntryPosition(drawNumberCombo_->currentIndex());
}

void MainWindow::pageChanged(int page) {
    const int previous = shownPage_;
    shownPage_ = page;
    const bool entry = page == 1;
    clearBoardButton_->setVisible(entry);
    clearPlus5Button_->setVisible(entry);
    if (entry) {
        if (drawNumberCombo_->currentIndex() < entryDateCombo_->currentIndex())
            clearBoardAndPlus5();
    } else if (previous == 1) {
        showDraw(drawNumberCombo_->currentIndex());
    }
}

void MainWindow::toggleBoardNumber(int n) {
    logic::NumberSet marked = state_.boardSelection();
    const logic::BoardClickResult result = logic::toggleBoardNumber(marked, n);
    if (result == logic::BoardClickResult::Unchanged)
        return;
    state_.setBoardSelection(marked);
    if (result == logic::BoardClickResult::Added)
        platform::playClick();
    board_->setMarked(n, result == logic::BoardClickResult::Added);
    markedCountBar_->setValue(state_.boardSelectionCount());
    board_->setFocus();
}

void MainWindow::clearBoard() {
    state_.setBoardSelection({});
    board_->showNumbers(state_.boardSelection());
    markedCountBar_->setValue(0);
}

void MainWindow::clearBoardAndPlus5() {
    clearBoard();
    plus5Edit_->clear();
}

void MainWindow::clearPlus5() {
    plus5Edit_->clear();
}

void MainWindow::saveEnteredDraw() {
    if (state_.history().empty())
        firstDrawDateEdit_->commitTyping();
    int p = entryDateCombo_->currentIndex();
    logic::DaySerial datum = 0;
    if (p < 0 || !logic::textToSerial(entryDateCombo_->itemText(p), datum))
        return;
    // Taken before anything is reloaded: a reload shows the last draw on the board.
    const logic::NumberSet selection = state_.boardSelection();
    const QString plus5 = plus5Edit_->text();
    if (selection.count() != 20)
        return;
    const QString path = paths_.historyFile();
    if (logic::reloadChangedHistory(state_, path)) {
        statusBar()->showMessage(QStringLiteral("Ein anderes Programm hat die Ziehungen inzwischen geändert; "
                                                "sie sind neu geladen."));
        p = logic::positionForDate(state_.history(), datum);
    }
    logic::DrawHistory history = state_.history();
    if (!confirmOverwrite(history, p, selection, plus5))
        return;
    const logic::DaySerial today = logic::dateTimeToSerial(currentDateTime());
    if (!logic::storeDraw(history, p, datum, selection, plus5, today))
        return;
    {
        const logic::HistoryLock lock(path);
        // Changed again while the question was open: nothing is stored over it unseen.
        if (logic::reloadChangedHistory(state_, path)) {
            statusBar()->showMessage(QStringLiteral("Ein anderes Programm hat die Ziehungen eben geändert; "
                                                    "sie sind neu geladen. Bitte noch einmal speichern."));
            return;
        }
        // The file first: when it cannot be written, memory and disk still agree.
        logic::writeHistoryWithUndo(lock, path, history, logic::storedDrawText(datum), currentDateTime());
    }
    state_.setHistory(std::move(history));
    // The page stays on the draw just stored, so the user sees what was saved.
    selectEntryPosition(p);
    if (clearAfterSaveCheck_->isChecked() && entryDateCombo_->count() > drawDateCombo_->count())
        clearBoardAndPlus5();
    pasteWindow_->setDateNote(entryDateCombo_->currentText());
}

bool MainWindow::confirmOverwrite(const logic::DrawHistory& history, int p, const logic::NumberSet& selection,
                                  const QString& plus5) {
    if (p < 0 || p >= static_cast<int>(history.size()))
        return true;
    const logic::DrawRecord& stored = history[static_cast<std::size_t>(p)];
    if (stored.isPlaceholder())
        return true;
    if (stored.numberSet() == selection && stored.plus5.text() == plus5.left(5))
        return true;
    return askYesNo(this, QStringLiteral("Für den %1 ist bereits eine Ziehung gespeichert, die von Ihrer "
                                         "Eingabe abweicht.\r\rSoll sie ersetzt werden?")
                              .arg(logic::serialToText(stored.datum)));
}

void MainWindow::showDraw(int p) {
    const logic::DrawHistory& history = state_.history();
    if (p < 0 || p >= static_cast<int>(history.size()))
        return;
    const logic::DrawRecord& draw = history[static_cast<std::size_t>(p)];
    logic::NumberSet marked;
    if (draw.datum >= logic::kFirstDrawSerial) {
        for (std::uint8_t number : draw.GZ) {
            if (number >= 1 && number <= 70)
                marked.insert(number);
        }
        plus5Edit_->setText(draw.plus5.text());
    } else {
        plus5Edit_->clear();
    }
    state_.setBoardSelection(marked);
    board_->showNumbers(state_.boardSelection());
    markedCountBar_->setValue(state_.boardSelectionCount());
}

void MainWindow::exportDrawSets() {
    runAction(this, [this] { logic::writeDrawSets(state_.history(), paths_.dataDir); });
}

// ----------------------------------------------------------- evaluation area

QWidget* MainWindow::buildEvaluationArea() {
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
    rangeFromEdit_ = dateField(QStringLiteral("DateV"), range);
    rangeToEdit_ = dateField(QStringLiteral("DateB"), range);
    auto* rangeButton = new QToolButton(range);
    rangeButton->setObjectName(QStringLiteral("BZeitraum"));
    rangeButton->setIcon(standardIcon(style(), QStyle::SP_MediaPlay));
    rangeButton->setIconSize(QSize(20, 20));
    rangeButton->setToolTip(QStringLiteral("Alle Scheine für den Zeitraum auswerten"));
    rangeButton->setFixedSize(34, 34);
    r->addWidget(new QLabel(QStringLiteral("von"), range), 0, 0);
    r->addWidget(rangeFromEdit_, 0, 1);
    r->addWidget(new QLabel(QStringLiteral("bis"), range), 1, 0);
    r->addWidget(rangeToEdit_, 1, 1);
    r->addWidget(rangeButton, 0, 2, 2, 1, Qt::AlignVCenter);
    top->addWidget(range);

    auto* evaluate = new QGroupBox(QStringLiteral("Werten Sie Ihre Tipps aus..."), area);
    evaluate->setObjectName(QStringLiteral("GBAuswerten"));
    auto* ev = new QGridLayout(evaluate);
    ev->setContentsMargins(8, 6, 8, 6);
    ev->setHorizontalSpacing(6);
    evaluateMarkedButton_ = new QPushButton(QStringLiteral("Markierte Zahlen"), evaluate);
    evaluateMarkedButton_->setObjectName(QStringLiteral("Baktuell"));
    evaluateMarkedButton_->setToolTip(
        QStringLiteral("Alle Scheine gegen die markierten Gewinnzahlen auswerten"));
    auto* runTimeButton = new QPushButton(QStringLiteral("Laufzeit"), evaluate);
    runTimeButton->setObjectName(QStringLiteral("BLaufzeit"));
    runTimeButton->setToolTip(QStringLiteral("Jeden Schein über seine Laufzeit auswerten"));
    evaluateMarkedButton_->setMinimumSize(104, 34);
    runTimeButton->setMinimumSize(104, 34);
    ev->addWidget(evaluateMarkedButton_, 0, 0);
    ev->addWidget(runTimeButton, 0, 1);
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

    fileTabs_ = new QTabWidget(area);
    fileTabs_->setObjectName(QStringLiteral("PC2"));
    fileTabs_->setDocumentMode(true);
    fileTabs_->setUsesScrollButtons(true);
    auto* helpAction = new QAction(toolIcon(ToolIcon::Help), QString(), this);
    helpAction->setObjectName(QStringLiteral("PHilfe"));
    helpAction->setToolTip(QStringLiteral("Hilfe"));
    helpFor(helpAction, 0);
    // The panel's buttons share the tool bar's entries.
    const auto tool = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    helpPanel_ = new HelpPanel({helpAction, tool("TStatistik"), tool("TAktualisierung"),
                                tool("TSpielscheincenter"), tool("TTippcenter")},
                               area);
    area_ = new QStackedWidget(area);
    area_->setObjectName(QStringLiteral("evaluationArea"));
    emptyHistoryPage_ = new EmptyHistoryPage(area);
    area_->addWidget(helpPanel_);
    area_->addWidget(emptyHistoryPage_);
    area_->addWidget(fileTabs_);
    area_->setCurrentWidget(helpPanel_);
    connect(emptyHistoryPage_, &EmptyHistoryPage::entryRequested, this, [this] {
        drawPages_->setCurrentIndex(1);
        board_->setFocus();
    });
    v->addWidget(area_, 1);

    connect(helpPanel_, &HelpPanel::demoRequested, this,
            [this] { runAction(this, [this] { loadDemoSlip(); }); });
    connect(evaluateMarkedButton_, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { evaluateMarkedNumbers(); }); });
    connect(runTimeButton, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { evaluateOverRunTime(); }); });
    connect(rangeButton, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { evaluateDateRange(); }); });
    connect(closeOne, &QToolButton::clicked, this, &MainWindow::closeFileTab);
    connect(closeAll, &QToolButton::clicked, this, &MainWindow::closeAllFileTabs);
    connect(rangeFromEdit_, &QDateEdit::dateChanged, this, &MainWindow::rangeFromChanged);
    connect(rangeToEdit_, &QDateEdit::dateChanged, this, &MainWindow::rangeToChanged);
    return area;
}

void MainWindow::rangeFromChanged() {
    const QSignalBlocker block(rangeFromEdit_);
    if (rangeFromEdit_->date() < kFirstDrawDate)
        rangeFromEdit_->setDate(kFirstDrawDate);
}

void MainWindow::rangeToChanged() {
    // Each rule applies once: with from in the future, "not before von" and "not after
    // today" would otherwise undo each other without end.
    const QSignalBlocker block(rangeToEdit_);
    if (rangeFromEdit_->date() > rangeToEdit_->date())
        rangeToEdit_->setDate(rangeFromEdit_->date());
    const QDate today = currentDateTime().date();
    if (rangeToEdit_->date() > today)
        rangeToEdit_->setDate(today);
}

void MainWindow::presetDateRange() {
    const logic::DrawHistory& history = state_.history();
    if (history.empty())
        return;
    const logic::DateRange r =
        logic::presetRange(logic::wholeDay(history.back().datum), logic::DrawCalendar(history));
    rangeFromEdit_->setDate(logic::serialToDate(r.from));
    rangeToEdit_->setDate(logic::serialToDate(r.to));
}

void MainWindow::loadEvaluationFile(const QString& path) {
    logic::SlipList slips = logic::loadSlips(path);
    const int first = static_cast<int>(state_.evaluationSlips().size());
    const int count = static_cast<int>(slips.size());
    state_.appendEvaluationSlips(slips);

    const int n = nextFileTab_++;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabAusw%1").arg(n));
    page->setProperty("tag", n);
    auto* view = new SlipFileFrame(n, first, first + count - 1, std::span(slips), page);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(view);
    connect(view, &SlipFileFrame::drawChosen, this, [this](int position) {
        // As when the user picks that date: the lists follow when the selection changes.
        if (position != drawDateCombo_->currentIndex())
            selectViewingPosition(position, true);
    });
    fileTabs_->addTab(page, fileCaption(path));
    fileTabs_->setCurrentWidget(page);
    area_->setCurrentWidget(fileTabs_);
}

int MainWindow::fileTabCount() const {
    return fileTabs_->count();
}

SlipFileFrame* MainWindow::fileFrame(int index) const {
    QWidget* page = fileTabs_->widget(index);
    return page ? page->findChild<SlipFileFrame*>() : nullptr;
}

SlipFileFrame* MainWindow::activeFileFrame() const {
    return fileFrame(fileTabs_->currentIndex());
}

std::span<const logic::SlipRecord> MainWindow::activeSlips() const {
    const SlipFileFrame* view = activeFileFrame();
    const logic::SlipList& all = state_.evaluationSlips();
    if (!view || view->last() < view->first() || view->last() >= static_cast<int>(all.size()))
        return {};
    return std::span(all).subspan(static_cast<std::size_t>(view->first()),
                                  static_cast<std::size_t>(view->last() - view->first() + 1));
}

bool MainWindow::needsFileTab() {
    if (fileTabs_->count() > 0)
        return false;
    showMessage(this, logic::noSlipMessage(), MessageIcon::Information);
    return true;
}

void MainWindow::showResults(logic::ResultTables& tables) {
    if (SlipFileFrame* view = activeFileFrame())
        view->addResults(std::move(tables), nextResultTab_);
}

void MainWindow::evaluateMarkedNumbers() {
    if (needsFileTab())
        return;
    if (state_.boardSelection().empty()) {
        showMessage(this, logic::noWinningNumbersMessage(), MessageIcon::Error);
        return;
    }
    logic::ResultTables tables;
    try {
        logic::evaluateDraw(activeSlips(), state_.boardSelection(), plus5Edit_->text().left(5),
                            evaluateMarkedButton_->text(), tables);
    } catch (...) {
        showResults(tables);
        throw;
    }
    showResults(tables);
}

int MainWindow::evaluateWithOverview(const QString& title, const SlipEvaluation& evaluate) {
    const std::span<const logic::SlipRecord> slips = activeSlips();
    logic::ResultTables tables;
    logic::EvaluationSummary summary({&tables, logic::kMaxResultTables, true});
    // A slip's own balance is worked out again when the user picks it for the chart, from
    // copies of what this evaluation saw.
    const auto slipBalance = [evaluate, copies = std::vector<logic::SlipRecord>(slips.begin(), slips.end())](
                                 int slipIndex) {
        logic::EvaluationSummary one({nullptr, 0, true});
        evaluate(std::span<const logic::SlipRecord>(copies).subspan(static_cast<std::size_t>(slipIndex), 1),
                 one);
        return one.balanceSeries();
    };
    const auto show = [&] {
        showResults(tables);
        if (!overview_)
            overview_ = new OverviewWindow(this);
        overview_->showSummary(summary, title, slipBalance);
        overview_->show();
        overview_->raise();
    };
    const BusyCursor busy;
    int result = 0;
    try {
        result = evaluate(slips, summary);
    } catch (...) {
        show();
        throw;
    }
    show();
    return result;
}

void MainWindow::evaluateOverRunTime() {
    if (needsFileTab())
        return;
    const std::span<const logic::SlipRecord> slips = activeSlips();
    // The history and the clock as they are now, also for a slip picked later.
    const int slipsWithoutDraws =
        evaluateWithOverview(QStringLiteral("Auswertung über die Laufzeit der Scheine"),
                             [history = state_.history(), now = logic::dateTimeToSerial(currentDateTime())](
                                 std::span<const logic::SlipRecord> some, logic::ResultSink& out) {
                                 return logic::evaluateRunningTimes(some, history, now, out);
                             });
    const QString message = logic::runningTimeMessage(static_cast<int>(slips.size()), slipsWithoutDraws);
    if (!message.isEmpty())
        showMessage(this, message, MessageIcon::Information);
}

void MainWindow::evaluateDateRange() {
    if (needsFileTab())
        return;
    // A date typed without Enter counts as it stands on the screen.
    rangeFromEdit_->commitTyping();
    rangeToEdit_->commitTyping();
    if (rangeFromEdit_->date() > rangeToEdit_->date()) {
        showMessage(
            this,
            QStringLiteral("Das Datum \"von\" liegt nach dem Datum \"bis\". Bitte den Zeitraum berichtigen."),
            MessageIcon::Information);
        return;
    }
    const logic::DaySerial from = logic::dateToSerial(rangeFromEdit_->date());
    const logic::DaySerial until = logic::dateToSerial(rangeToEdit_->date());
    evaluateWithOverview(
        QStringLiteral("Auswertung vom %1 bis %2").arg(logic::serialToText(from), logic::serialToText(until)),
        [from, until, history = state_.history(), now = logic::dateTimeToSerial(currentDateTime())](
            std::span<const logic::SlipRecord> some, logic::ResultSink& out) {
            logic::evaluateRange(some, from, until, history, now, out);
            return 0;
        });
}

void MainWindow::loadDemoSlip() {
    const QString path = paths_.demoFile();
    if (!QFileInfo::exists(path)) {
        showMessage(this,
                    QStringLiteral(
                        "Die Datei mit dem Demo-Spielschein \"Demo.tix\" wurde nicht gefunden.\r\rIch muss "
                        "abbrechen."),
                    MessageIcon::Error);
        return;
    }
    loadEvaluationFile(path);
}

void MainWindow::openEvaluationFile() {
    const QString path =
        chooseSlipFileToOpen(this, QStringLiteral("KENO-Spielschein-Datei öffnen"), paths_.dataDir);
    if (path.isEmpty())
        return;
    loadEvaluationFile(path);
}

void MainWindow::closeFileTab() {
    if (fileTabs_->count() > 0) {
        QWidget* page = fileTabs_->currentWidget();
        fileTabs_->removeTab(fileTabs_->currentIndex());
        delete page;
    }
    showIdleArea();
}

void MainWindow::closeAllFileTabs() {
    for (int i = fileTabs_->count() - 1; i >= 0; --i) {
        QWidget* page = fileTabs_->widget(i);
        fileTabs_->removeTab(i);
        delete page;
    }
    showIdleArea();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeCheck_ && !closeCheck_()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace talvo::ui

#include "ui/draws/draw_panel.h"

#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/draws/board_number_toggle.h"
#include "logic/draws/draw_entry.h"
#include "logic/draws/draw_sets.h"
#include "logic/draws/history_sync.h"
#include "logic/draws/store_draw.h"
#include "logic/draws/store_draw_in_history.h"
#include "logic/state/program_state.h"
#include "platform/sound.h"
#include "ui/common/clock.h"
#include "ui/common/links.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_link.h"
#include "ui/common/standard_icon.h"
#include "ui/common/user_action.h"
#include "ui/draws/draw_list_pages.h"
#include "ui/draws/paste_window.h"
#include "ui/draws/winning_number_board.h"
#include "ui/navigation/navigator.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

namespace talvo::ui {

namespace {

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

QToolButton* cornerButton(const QString& name, const QIcon& icon, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(icon);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setVisible(false);
    return b;
}

} // namespace

DrawPanel::DrawPanel(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
    : QWidget(parent), state_(state), paths_(paths) {
    setObjectName(QStringLiteral("leftColumn"));
    setFixedWidth(250);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);

    auto* caption = new ClickableLabel(QStringLiteral("Wählen Sie die Ausspielung..."), this,
                                       [this] { exportDrawSets(); });
    caption->setObjectName(QStringLiteral("LAuswahl"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    v->addWidget(caption);
    pages_ = new DrawListPages(this);
    v->addWidget(pages_);

    board_ = new WinningNumberBoard(this);
    connect(board_, &WinningNumberBoard::numberClicked, this, &DrawPanel::toggleBoardNumber);
    auto* bDel = cornerButton(QStringLiteral("BDel"), standardIcon(style(), QStyle::SP_DialogResetButton),
                              QStringLiteral("Alle Markierungen löschen"), board_);
    board_->setCornerButton(bDel);
    connect(bDel, &QToolButton::clicked, this, &DrawPanel::clearBoard);
    clearBoardButton_ = bDel;
    v->addWidget(board_);
    v->addWidget(buildBoardValues());

    v->addStretch(1);
    auto* picture = new PictureLink(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setToolTip(QString::fromLatin1(kKenoWebPage));
    routeTo(picture, Route::WebSite);
    v->addWidget(picture);

    connect(pages_, &DrawListPages::viewingDrawChosen, this, &DrawPanel::showDraw);
    connect(pages_, &DrawListPages::viewingDateChanged, this, &DrawPanel::viewingDateChanged);
    connect(pages_, &DrawListPages::entryChosen, this, &DrawPanel::entryChosen);
    connect(pages_, &DrawListPages::pageSwitched, this, &DrawPanel::pageSwitched);
    connect(pages_, &DrawListPages::saveRequested, this,
            [this] { runAction(this, [this] { saveEnteredDraw(); }); });
    connect(&state_, &logic::ProgramState::historyChanged, this, &DrawPanel::fillDrawLists);

    // Built last: the panel's own controls come first when they are looked up by name.
    pasteWindow_ = new PasteWindow(this);
    connect(pasteWindow_, &PasteWindow::drawPasted, this, &DrawPanel::takePastedDraw);
    connect(pages_, &DrawListPages::entryDateChanged, pasteWindow_, &PasteWindow::setDateNote);
}

DrawPanel::~DrawPanel() = default;

QWidget* DrawPanel::buildBoardValues() {
    auto* values = new QWidget(this);
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
    auto* clearPlus5Button =
        cornerButton(QStringLiteral("BDel2"), standardIcon(style(), QStyle::SP_LineEditClearButton),
                     QStringLiteral("plus 5 löschen"), values);
    connect(clearPlus5Button, &QToolButton::clicked, this, &DrawPanel::clearPlus5);
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
    return values;
}

void DrawPanel::loadHistoryAtStart() {
    if (QFileInfo::exists(paths_.historyFile()))
        state_.setHistory(logic::loadDrawHistory(paths_.historyFile()));
    else
        fillDrawLists(); // only the entry page's proposal for the first draw
    pages_->setCurrentIndex(0);
}

QString DrawPanel::plus5Text() const {
    return plus5Edit_->text();
}

void DrawPanel::fillDrawLists() {
    const logic::DrawHistory& history = state_.history();
    const int nextDay =
        history.empty()
            ? logic::proposedFirstDrawDay(static_cast<int>(logic::dateToSerial(currentDateTime().date())))
            : logic::proposedNextDrawDay(history);
    pages_->fill(history, nextDay);
    if (history.empty())
        clearBoardAndPlus5(); // nothing stored is left to show (an undo took back the only draw)
    else
        showDraw(static_cast<int>(history.size()) - 1);
}

void DrawPanel::showDraw(int p) {
    const logic::DrawHistory& history = state_.history();
    if (p < 0 || p >= static_cast<int>(history.size()))
        return;
    const logic::DrawRecord& draw = history[static_cast<std::size_t>(p)];
    logic::NumberSet numbers;
    if (draw.datum >= logic::kFirstDrawSerial) {
        for (std::uint8_t number : draw.GZ) {
            if (number >= 1 && number <= 70)
                numbers.insert(number);
        }
        plus5Edit_->setText(draw.plus5.text());
    } else {
        plus5Edit_->clear();
    }
    setMarked(numbers);
}

void DrawPanel::setMarked(const logic::NumberSet& numbers) {
    marked_ = numbers;
    board_->showNumbers(marked_);
    markedCountBar_->setValue(marked_.count());
}

void DrawPanel::showViewingPosition(int p) {
    // As when the user picks that date: the board follows when the selection changes.
    if (p == pages_->viewingPosition())
        return;
    pages_->selectViewingPosition(p);
    showDraw(p);
}

void DrawPanel::startEntry() {
    pages_->showEntryPage();
    board_->setFocus();
}

void DrawPanel::alignEntryWithViewing() {
    entryChosen(pages_->viewingPosition());
}

void DrawPanel::entryChosen(int p) {
    pages_->selectEntryPosition(p);
    // A stored draw is shown; the next draw day starts from an empty board.
    if (pages_->entryOnStoredDraw())
        showDraw(p);
    else
        clearBoardAndPlus5();
}

void DrawPanel::pageSwitched(int page, int previous) {
    const bool entry = page == 1;
    clearBoardButton_->setVisible(entry);
    clearPlus5Button_->setVisible(entry);
    if (entry) {
        if (pages_->viewingPosition() < pages_->entryPosition())
            clearBoardAndPlus5();
    } else if (previous == 1) {
        showDraw(pages_->viewingPosition());
    }
}

void DrawPanel::toggleBoardNumber(int n) {
    logic::NumberSet numbers = marked_;
    const logic::BoardClickResult result = logic::toggleBoardNumber(numbers, n);
    if (result == logic::BoardClickResult::Unchanged)
        return;
    marked_ = numbers;
    if (result == logic::BoardClickResult::Added)
        platform::playClick();
    board_->setMarked(n, result == logic::BoardClickResult::Added);
    markedCountBar_->setValue(marked_.count());
    board_->setFocus();
}

void DrawPanel::clearBoard() {
    setMarked({});
}

void DrawPanel::clearBoardAndPlus5() {
    clearBoard();
    plus5Edit_->clear();
}

void DrawPanel::clearPlus5() {
    plus5Edit_->clear();
}

void DrawPanel::saveEnteredDraw() {
    const std::optional<int> day = pages_->entryDay();
    if (!day)
        return;
    if (const QString m = logic::markedCountMessage(marked_.count()); !m.isEmpty()) {
        showMessage(this, m, MessageIcon::Information);
        return;
    }
    const QString plus5 = plus5Edit_->text();
    if (const QString m = logic::plus5EntryMessage(plus5); !m.isEmpty()) {
        showMessage(this, m, MessageIcon::Information);
        plus5Edit_->setFocus();
        return;
    }
    // Kept apart from the board: a history reloaded meanwhile refills the lists and the board.
    const logic::DrawEntry entry{*day, marked_, plus5};
    const QDateTime now = currentDateTime();
    const logic::StoreResult result = logic::storeDrawInHistory(
        paths_.historyFile(), state_.history(), entry, std::nullopt, logic::dateTimeToSerial(now), now,
        [this](const logic::DrawRecord& stored) {
            return askYesNo(this, QStringLiteral("Für den %1 ist bereits eine Ziehung gespeichert, die von "
                                                 "Ihrer Eingabe abweicht.\r\rSoll sie ersetzt werden?")
                                      .arg(logic::serialToText(stored.datum)));
        });
    if (!logic::sameHistoryBytes(result.history, state_.history()))
        state_.setHistory(result.history);
    pages_->showEntryPage();
    pages_->selectEntryDay(*day);
    QString status;
    if (result.outcome == logic::StoreOutcome::Declined) {
        // The player keeps the stored draw, and what they entered stays to be corrected.
        setMarked(entry.numbers);
        plus5Edit_->setText(entry.plus5);
        status = QStringLiteral("Die Ziehung vom %1 bleibt, wie sie gespeichert ist.")
                     .arg(logic::serialToText(*day));
    } else {
        // The page stays on the draw just stored, so the player sees what was saved.
        showDraw(result.position);
        status = result.outcome == logic::StoreOutcome::Stored
                     ? QStringLiteral("Die Ziehung vom %1 ist gespeichert.").arg(logic::serialToText(*day))
                     : QStringLiteral("Die Ziehung vom %1 war schon so gespeichert.")
                           .arg(logic::serialToText(*day));
        if (pages_->clearAfterSave())
            clearBoardAndPlus5();
    }
    if (result.reloaded)
        status = QStringLiteral("Ein anderes Programm hat die Ziehungen inzwischen geändert; sie sind neu "
                                "geladen. ") +
                 status;
    emit statusMessage(status);
}

void DrawPanel::takePastedDraw(const logic::NumberSet& numbers, std::optional<int> day) {
    if (!pages_->onEntryPage())
        pages_->showEntryPage();
    QString dayNote;
    if (day && *day != pages_->entryDay()) {
        if (pages_->selectEntryDay(*day))
            plus5Edit_->clear(); // the plus 5 shown belonged to another day
        else
            dayNote = QStringLiteral("Der eingefügte Text nennt den %1, für den sich keine Ziehung eingeben "
                                     "lässt. Die Zahlen stehen auf dem Spielfeld; \"Speichern\" legt sie als "
                                     "Ziehung vom %2 ab. Bitte prüfen Sie vorher das Datum.")
                          .arg(logic::serialToText(*day), pages_->entryDateText());
    }
    setMarked(numbers);
    platform::playClick();
    if (!dayNote.isEmpty())
        showMessage(pasteWindow_, dayNote, MessageIcon::Information);
}

void DrawPanel::exportDrawSets() {
    runAction(this, [this] { logic::writeDrawSets(state_.history(), paths_.dataDir); });
}

} // namespace talvo::ui

#include "ui/tips/tip_centre_window.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/paths.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics_selection.h"
#include "logic/tips/candidate_list.h"
#include "logic/tips/class_rows.h"
#include "logic/tips/game_draw.h"
#include "logic/tips/slip_from_tip.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/common/text_frame.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"
#include "ui/navigation/navigator.h"
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
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

constexpr int kHelpContext = 100;
const QColor kTipGround(224, 255, 255); // light cyan

QColor toQColor(const logic::Rgb& c) {
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

TipCentreWindow::TipCentreWindow(logic::ProgramState& state, logic::StatisticsSelection& selection,
                                 const logic::AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), selection_(selection), paths_(paths) {
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
    auto* description = new QLabel(
        QStringLiteral(
            "Tipps für Ihren KENO-Schein: Sie bestimmen, auf welcher Grundlage, d. h. wie viele "
            "Ausspielungen ausgewertet werden und ob Restanten, Favoriten, eine Mischung von beidem "
            "oder der Zufall die Basiszahlen liefern."),
        this);
    description->setObjectName(QStringLiteral("LBeschreibung"));
    description->setWordWrap(true);
    body->addWidget(description);
    body->addWidget(buildChoices());
    body->addWidget(buildClassRows());
    body->addWidget(buildTipRows());
    body->addWidget(buildOutput(), 1);
    scroller->setWidget(content);
    layout->addWidget(scroller, 1);

    connect(&selection_, &logic::StatisticsSelection::drawCountApplied, this,
            &TipCentreWindow::showDrawCountChoice);
    connect(&selection_.statistics(), &logic::Statistics::classSetsChanged, this,
            &TipCentreWindow::showClassRows);
    showDrawCountChoice(selection_.drawCountIndex());
    showClassRows();
    resize(880, 860);
}

TipCentreWindow::~TipCentreWindow() = default;

QWidget* TipCentreWindow::buildToolBar() {
    QToolBar* bar = makeToolBar(this);
    const auto add = [this, bar](QStyle::StandardPixmap icon, const QString& text, const QString& name,
                                 std::function<void()> handler) {
        return addToolAction(bar, style()->standardIcon(icon), text, name, std::move(handler));
    };
    add(QStyle::SP_MediaPlay, QStringLiteral("Tipp generieren"), QStringLiteral("BGenerieren"),
        [this] { generateTip(); });
    add(QStyle::SP_ArrowForward, QStringLiteral("Tipp in Spielschein schreiben"),
        QStringLiteral("BSchreiben"), [this] { writeTipToSlip(); });
    routeTo(
        add(QStyle::SP_FileDialogContentsView, QStringLiteral("Statistik"), QStringLiteral("BStatistik"), {}),
        Route::Statistics);
    routeTo(add(QStyle::SP_FileDialogDetailedView, QStringLiteral("Strategie-Test"),
                QStringLiteral("BStrategieTest"), {}),
            Route::StrategyTest);
    bar->addSeparator();
    QAction* closeAction = add(QStyle::SP_DialogCloseButton, QStringLiteral("Schließen"),
                               QStringLiteral("BSchliessen"), [this] { close(); });
    closeAction->setToolTip(QStringLiteral("Beenden"));
    helpFor(add(QStyle::SP_DialogHelpButton, QStringLiteral("&Hilfe"), QStringLiteral("BHilfe"), {}),
            kHelpContext);
    return bar;
}

QWidget* TipCentreWindow::buildChoices() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    QGroupBox* gameTypes = group(QStringLiteral("KENO-Typ für..."), QStringLiteral("GBTyp"), row);
    auto* grid = new QGridLayout(gameTypes);
    QStringList choices{QStringLiteral("--")};
    for (int t = 2; t <= logic::kMaxType; ++t)
        choices << QString::number(t);
    for (int i = 0; i < logic::kTipGames; ++i) {
        grid->addWidget(new QLabel(QStringLiteral("Spiel %1").arg(i + 1), gameTypes), i, 0);
        auto* combo = new QComboBox(gameTypes);
        combo->setObjectName(QStringLiteral("CBSpiel%1").arg(i + 1));
        combo->addItems(choices);
        grid->addWidget(combo, i, 1);
        typeCombos_[static_cast<std::size_t>(i)] = combo;
    }
    layout->addWidget(gameTypes);

    auto* right = new QVBoxLayout;
    QGroupBox* strategyBox =
        group(QStringLiteral("Auswahlbereich für die Tipps"), QStringLiteral("RGBereich"), row);
    auto* strategyGrid = new QGridLayout(strategyBox);
    strategyChoice_ = new QButtonGroup(this);
    for (int i = 0; i < logic::kTipStrategyCount; ++i) {
        auto* radio =
            new QRadioButton(QString::fromUtf8(logic::kTipPools[static_cast<std::size_t>(i)]), strategyBox);
        radio->setObjectName(QStringLiteral("RGBereich_%1").arg(i));
        strategyChoice_->addButton(radio, i);
        strategyGrid->addWidget(radio, i / 2, i % 2);
    }
    right->addWidget(strategyBox);

    QGroupBox* drawCountBox =
        group(QStringLiteral("Anzahl der auszuwertenden Ausspielungen"), QStringLiteral("RGAnzahl"), row);
    auto* drawCountGrid = new QGridLayout(drawCountBox);
    drawCountChoice_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(logic::kDrawCounts.size()); ++i) {
        const int n = logic::kDrawCounts[static_cast<std::size_t>(i)];
        auto* radio = new QRadioButton(n == 0 ? QStringLiteral("Alle") : QString::number(n), drawCountBox);
        radio->setObjectName(QStringLiteral("RGAnzahl_%1").arg(i));
        drawCountChoice_->addButton(radio, i);
        drawCountGrid->addWidget(radio, i / 5, i % 5);
    }
    connect(drawCountChoice_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            runAction(this, [this, index] { selection_.setDrawCountIndex(index); });
    });
    right->addWidget(drawCountBox);
    layout->addLayout(right, 1);
    return row;
}

QWidget* TipCentreWindow::buildClassRows() {
    QGroupBox* box = group(QStringLiteral("Restanten und Favoriten"), QStringLiteral("GBKlassen"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    const auto classRows = logic::classRows({});
    for (int row = 0; row < 6; ++row) {
        auto* title = new QLabel(classRows[static_cast<std::size_t>(row)].title, box);
        grid->addWidget(title, row, 0, Qt::AlignTop);
        auto* strip = new CellStrip({18, 18}, false, box);
        strip->setObjectName(QStringLiteral("PKlasse%1").arg(row + 1));
        grid->addWidget(strip, row, 1);
        classStrips_[static_cast<std::size_t>(row)] = strip;
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* TipCentreWindow::buildTipRows() {
    QGroupBox* box = group(QStringLiteral("Ihr Tipp"), QStringLiteral("GBTipp"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < logic::kTipGames; ++i) {
        const auto k = static_cast<std::size_t>(i);
        gameLabels_[k] = new QLabel(QStringLiteral("--"), box);
        gameLabels_[k]->setObjectName(QStringLiteral("LSpiel%1").arg(i + 1));
        gameLabels_[k]->setMinimumWidth(60);
        grid->addWidget(gameLabels_[k], i, 0);
        tipStrips_[k] = new CellStrip({20, 18}, true, box);
        tipStrips_[k]->setObjectName(QStringLiteral("PTipp%1").arg(i + 1));
        tipStrips_[k]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        grid->addWidget(tipStrips_[k], i, 1);
        completedMarks_[k] = new QLabel(box);
        completedMarks_[k]->setObjectName(QStringLiteral("IErgaenzt%1").arg(i + 1));
        completedMarks_[k]->setPixmap(completionMark(16));
        completedMarks_[k]->setToolTip(QStringLiteral("Der Auswahlbereich wurde um Zufallszahlen ergänzt."));
        completedMarks_[k]->hide();
        grid->addWidget(completedMarks_[k], i, 2);
    }
    auto* legendRow = new QHBoxLayout;
    auto* markLabel = new QLabel(box);
    markLabel->setPixmap(completionMark(16));
    legendRow->addWidget(markLabel);
    auto* text = new QLabel(QStringLiteral("= der Auswahlbereich wurde um Zufallszahlen ergänzt"), box);
    text->setObjectName(QStringLiteral("LLegende"));
    legendRow->addWidget(text);
    legendRow->addStretch(1);
    grid->addLayout(legendRow, logic::kTipGames, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* TipCentreWindow::buildOutput() {
    QGroupBox* box = group(QStringLiteral("Ihre Tipps"), QStringLiteral("GBAusgabe"), this);
    auto* layout = new QVBoxLayout(box);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(1);
    buttons->addStretch(1);
    QToolButton* closeOneButton =
        smallButton(QStyle::SP_DialogCloseButton, QStringLiteral("Diesen Tipp schließen"),
                    QStringLiteral("BTippSchliessen"), box);
    connect(closeOneButton, &QToolButton::clicked, this, [this] { runAction(this, [this] { closeTip(); }); });
    buttons->addWidget(closeOneButton);
    QToolButton* closeAllButton =
        smallButton(QStyle::SP_DialogDiscardButton, QStringLiteral("Alle Tipps schließen"),
                    QStringLiteral("BAlleSchliessen"), box);
    connect(closeAllButton, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { closeAllTips(); }); });
    buttons->addWidget(closeAllButton);
    layout->addLayout(buttons);
    tipTabs_ = new QTabWidget(box);
    tipTabs_->setObjectName(QStringLiteral("PCTipps"));
    tipTabs_->setMinimumHeight(150);
    layout->addWidget(tipTabs_, 1);
    return box;
}

void TipCentreWindow::setUpAtStart() {
    const logic::OptionsRecord& e = state_.options();
    for (int i = 0; i < logic::kTipGames; ++i)
        typeCombos_[static_cast<std::size_t>(i)]->setCurrentIndex(
            logic::typeEntryFor(e.tippTyp[static_cast<std::size_t>(i)], i + 1));
    setStrategy(logic::listEntryFor(e.tippBereich, logic::kTipStrategyCount));
}

// The button's handler finds the choice made already.
void TipCentreWindow::showDrawCountChoice(int index) {
    if (QAbstractButton* b = drawCountChoice_->button(index))
        b->setChecked(true);
}

int TipCentreWindow::drawCountIndex() const {
    return drawCountChoice_->checkedId();
}

std::array<int, logic::kTipGames> TipCentreWindow::gameTypes() const {
    std::array<int, logic::kTipGames> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int choice = typeCombos_[i]->currentIndex();
        t[i] = choice > 0 ? choice + 1 : 0;
    }
    return t;
}

void TipCentreWindow::setKenoType(int game, int typ) {
    typeCombos_[static_cast<std::size_t>(game - 1)]->setCurrentIndex(typ >= 2 ? typ - 1 : 0);
}

int TipCentreWindow::strategy() const {
    return std::max(0, strategyChoice_->checkedId());
}

void TipCentreWindow::setStrategy(int strategy) {
    if (QAbstractButton* b = strategyChoice_->button(strategy))
        b->setChecked(true);
}

void TipCentreWindow::showClassRows() {
    const auto classRows = logic::classRows(selection_.statistics().classSets());
    for (std::size_t row = 0; row < classRows.size(); ++row) {
        std::vector<CellStrip::Cell> cells;
        for (const logic::ClassCell& z : classRows[row].numberCells) {
            const logic::ClassColour f = logic::classColour(z.itemClass);
            cells.push_back({QString::number(z.number), toQColor(f.background), toQColor(f.text)});
        }
        if (cells.empty())
            cells.push_back({QStringLiteral("Keine"), toQColor(logic::kNoneColour), Qt::black});
        classStrips_[row]->setCells(std::move(cells));
    }
}

void TipCentreWindow::generateTip() {
    for (QLabel* mark : completedMarks_)
        mark->hide();
    const auto t = gameTypes();
    if (!logic::anyGameChosen(t)) {
        showMessage(this, QString::fromUtf8(logic::kNoGameMessage), MessageIcon::Information);
        return;
    }
    QRandomGenerator randomGenerator =
        logic::tipRandomGenerator(static_cast<quint64>(currentDateTime().toMSecsSinceEpoch()));
    const logic::TipResult tip =
        generator_.generate(selection_.statistics().classSets(), strategy(), t, randomGenerator);
    showTip(tip.tip);

    // Each tip in a text frame of its own, to be edited, saved and printed.
    auto* frame = new TextFrame(paths_.dataDir, tipTabs_);
    frame->setLines(tip.text());
    tipTabs_->setCurrentIndex(tipTabs_->addTab(frame, QStringLiteral("Tipp %1").arg(tip.number)));
}

void TipCentreWindow::showTip(const logic::Tip& tip) {
    for (std::size_t k = 0; k < tip.games.size(); ++k) {
        const logic::TipGame& game = tip.games[k];
        std::vector<CellStrip::Cell> cells;
        for (auto n : logic::toNumberList(game.numbers, game.kenoType, 70))
            cells.push_back({QString::number(n), kTipGround, Qt::black});
        tipStrips_[k]->setCells(std::move(cells));
        tipStrips_[k]->setFixedSize(tipStrips_[k]->sizeHint());
        tipStrips_[k]->setVisible(game.kenoType > 0);
        gameLabels_[k]->setText(game.kenoType > 0 ? QStringLiteral("Spiel %1: ").arg(k + 1)
                                                  : QStringLiteral("--"));
        completedMarks_[k]->setVisible(game.kenoType > 0 && game.completed);
    }
}

void TipCentreWindow::writeTipToSlip() {
    const int today = logic::wholeDay(logic::dateToSerial(currentDateTime().date()));
    emit slipWritten(
        logic::slipFromTip(generator_.tip(), state_.options(), today, logic::DrawCalendar(state_.history())));
}

void TipCentreWindow::closeTip() {
    if (QWidget* page = tipTabs_->currentWidget()) {
        tipTabs_->removeTab(tipTabs_->currentIndex());
        delete page;
    }
}

void TipCentreWindow::closeAllTips() {
    while (tipTabs_->count() > 0)
        closeTip();
}

QStringList TipCentreWindow::tipText(int i) const {
    auto* frame = qobject_cast<TextFrame*>(tipTabs_->widget(i));
    return frame ? frame->lines() : QStringList();
}

int TipCentreWindow::tipTabCount() const {
    return tipTabs_->count();
}

} // namespace talvo::ui

#include "ui/evaluation/evaluation_area.h"

#include "logic/core/dates.h"
#include "logic/core/draw_calendar.h"
#include "logic/core/paths.h"
#include "logic/evaluation/date_range_check.h"
#include "logic/evaluation/evaluation_messages.h"
#include "logic/evaluation/evaluation_summary.h"
#include "logic/evaluation/range_preset.h"
#include "logic/state/program_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_field.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/common/user_action.h"
#include "ui/common/user_folders.h"
#include "ui/evaluation/empty_history_page.h"
#include "ui/evaluation/overview_window.h"
#include "ui/evaluation/slip_file_frame.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

// The day of the first KENO draw of all; made when asked for, as the date conversion's own
// constants may not be made yet while this file's are.
QDate firstDrawDate() {
    return logic::serialToDate(logic::kFirstDrawSerial);
}

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

EvaluationArea::EvaluationArea(const logic::ProgramState& state, const logic::AppPaths& paths,
                               const HelpPanel::Actions& actions, QWidget* parent)
    : QWidget(parent), state_(state), paths_(paths) {
    setObjectName(QStringLiteral("evaluationSide"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);
    v->addLayout(buildButtonRow());

    fileTabs_ = new QTabWidget(this);
    fileTabs_->setObjectName(QStringLiteral("PC2"));
    fileTabs_->setDocumentMode(true);
    fileTabs_->setUsesScrollButtons(true);
    helpPanel_ = new HelpPanel(actions, this);
    area_ = new QStackedWidget(this);
    area_->setObjectName(QStringLiteral("evaluationArea"));
    emptyHistoryPage_ = new EmptyHistoryPage(this);
    area_->addWidget(helpPanel_);
    area_->addWidget(emptyHistoryPage_);
    area_->addWidget(fileTabs_);
    area_->setCurrentWidget(helpPanel_);
    connect(emptyHistoryPage_, &EmptyHistoryPage::entryRequested, this, &EvaluationArea::entryRequested);
    connect(helpPanel_, &HelpPanel::demoRequested, this,
            [this] { runAction(this, [this] { loadDemoSlip(); }); });
    v->addWidget(area_, 1);

    presetRange_ = {rangeFromEdit_->date(), rangeToEdit_->date()};
    connect(&state_, &logic::ProgramState::historyChanged, this, &EvaluationArea::historyChanged);
    showIdleArea();
}

EvaluationArea::~EvaluationArea() = default;

QLayout* EvaluationArea::buildButtonRow() {
    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    auto* range = new QGroupBox(QStringLiteral("Für den Zeitraum..."), this);
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

    auto* evaluate = new QGroupBox(QStringLiteral("Werten Sie Ihre Tipps aus..."), this);
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
    auto* closeOne = new QToolButton(this);
    closeOne->setObjectName(QStringLiteral("closeFileTab"));
    closeOne->setIcon(standardIcon(style(), QStyle::SP_DialogCloseButton));
    closeOne->setToolTip(QStringLiteral("Spielschein-Datei schließen"));
    auto* closeAll = new QToolButton(this);
    closeAll->setObjectName(QStringLiteral("closeAllFileTabs"));
    closeAll->setIcon(standardIcon(style(), QStyle::SP_DialogDiscardButton));
    closeAll->setToolTip(QStringLiteral("Alle Spielschein-Dateien schließen"));
    for (QToolButton* b : {closeOne, closeAll}) {
        b->setAutoRaise(true);
        fileButtons->addWidget(b);
    }
    fileButtons->addStretch();
    top->addLayout(fileButtons);

    connect(evaluateMarkedButton_, &QPushButton::clicked, this, &EvaluationArea::markedEvaluationRequested);
    connect(runTimeButton, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { evaluateOverRunTime(); }); });
    connect(rangeButton, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { evaluateDateRange(); }); });
    connect(closeOne, &QToolButton::clicked, this, &EvaluationArea::closeFileTab);
    connect(closeAll, &QToolButton::clicked, this, &EvaluationArea::closeAllFileTabs);
    connect(rangeFromEdit_, &QDateEdit::dateChanged, this, &EvaluationArea::rangeFromChanged);
    connect(rangeToEdit_, &QDateEdit::dateChanged, this, &EvaluationArea::rangeToChanged);
    return top;
}

void EvaluationArea::setMarkedCaption(const QString& dateText) {
    evaluateMarkedButton_->setText(dateText.isEmpty() ? QStringLiteral("Markierte Zahlen") : dateText);
}

void EvaluationArea::historyChanged() {
    showIdleArea();
    presetDateRange();
}

void EvaluationArea::showIdleArea() {
    if (fileTabs_->count() > 0)
        return;
    area_->setCurrentWidget(state_.history().empty() ? static_cast<QWidget*>(emptyHistoryPage_) : helpPanel_);
}

void EvaluationArea::rangeFromChanged() {
    const QSignalBlocker block(rangeFromEdit_);
    if (rangeFromEdit_->date() < firstDrawDate())
        rangeFromEdit_->setDate(firstDrawDate());
}

void EvaluationArea::rangeToChanged() {
    // Each rule applies once: with from in the future, "not before von" and "not after
    // today" would otherwise undo each other without end.
    const QSignalBlocker block(rangeToEdit_);
    if (rangeFromEdit_->date() > rangeToEdit_->date())
        rangeToEdit_->setDate(rangeFromEdit_->date());
    const QDate today = currentDateTime().date();
    if (rangeToEdit_->date() > today)
        rangeToEdit_->setDate(today);
}

void EvaluationArea::presetDateRange() {
    const logic::DrawHistory& history = state_.history();
    // A range the user chose is kept; the preset follows the newest draw.
    if (history.empty() || presetRange_ != std::pair(rangeFromEdit_->date(), rangeToEdit_->date()))
        return;
    const logic::DateRange r =
        logic::presetRange(logic::wholeDay(history.back().datum), logic::DrawCalendar(history));
    rangeFromEdit_->setDate(logic::serialToDate(r.from));
    rangeToEdit_->setDate(logic::serialToDate(r.to));
    presetRange_ = {rangeFromEdit_->date(), rangeToEdit_->date()};
}

void EvaluationArea::loadEvaluationFile(const QString& path) {
    const logic::SlipList slips = logic::loadSlips(path);
    const int first = static_cast<int>(slips_.size());
    const int count = static_cast<int>(slips.size());
    slips_.insert(slips_.end(), slips.begin(), slips.end());

    const int n = nextFileTab_++;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabAusw%1").arg(n));
    page->setProperty("tag", n);
    auto* view = new SlipFileFrame(n, first, first + count - 1, std::span(slips), page);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(view);
    connect(view, &SlipFileFrame::drawChosen, this, &EvaluationArea::drawChosen);
    fileTabs_->addTab(page, fileCaption(path));
    fileTabs_->setCurrentWidget(page);
    area_->setCurrentWidget(fileTabs_);
}

int EvaluationArea::fileTabCount() const {
    return fileTabs_->count();
}

SlipFileFrame* EvaluationArea::fileFrame(int index) const {
    QWidget* page = fileTabs_->widget(index);
    return page ? page->findChild<SlipFileFrame*>() : nullptr;
}

SlipFileFrame* EvaluationArea::activeFileFrame() const {
    return fileFrame(fileTabs_->currentIndex());
}

std::span<const logic::SlipRecord> EvaluationArea::activeSlips() const {
    const SlipFileFrame* view = activeFileFrame();
    if (!view || view->last() < view->first() || view->last() >= static_cast<int>(slips_.size()))
        return {};
    return std::span(slips_).subspan(static_cast<std::size_t>(view->first()),
                                     static_cast<std::size_t>(view->last() - view->first() + 1));
}

bool EvaluationArea::needsFileTab() {
    if (fileTabs_->count() > 0)
        return false;
    showMessage(this, logic::noSlipMessage(), MessageIcon::Information);
    return true;
}

void EvaluationArea::showResults(logic::ResultTables& tables) {
    if (SlipFileFrame* view = activeFileFrame())
        view->addResults(std::move(tables), nextResultTab_);
}

void EvaluationArea::evaluateMarkedNumbers(const logic::NumberSet& numbers, const QString& plus5) {
    if (needsFileTab())
        return;
    if (numbers.empty()) {
        showMessage(this, logic::noWinningNumbersMessage(), MessageIcon::Error);
        return;
    }
    logic::ResultTables tables;
    try {
        logic::evaluateDraw(activeSlips(), numbers, plus5.left(5), evaluateMarkedButton_->text(), tables);
    } catch (...) {
        showResults(tables);
        throw;
    }
    showResults(tables);
}

int EvaluationArea::evaluateWithOverview(const QString& title, const SlipEvaluation& evaluate) {
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
            overview_ = new OverviewWindow(window()); // owned by the main window, in front of it
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

void EvaluationArea::evaluateOverRunTime() {
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

void EvaluationArea::evaluateDateRange() {
    if (needsFileTab())
        return;
    // A date typed without Enter counts as it stands on the screen.
    rangeFromEdit_->commitTyping();
    rangeToEdit_->commitTyping();
    const logic::DaySerial from = logic::dateToSerial(rangeFromEdit_->date());
    const logic::DaySerial until = logic::dateToSerial(rangeToEdit_->date());
    if (const std::optional<QString> problem = logic::checkDateRange(from, until)) {
        showMessage(this, *problem, MessageIcon::Information);
        return;
    }
    evaluateWithOverview(
        QStringLiteral("Auswertung vom %1 bis %2").arg(logic::serialToText(from), logic::serialToText(until)),
        [from, until, history = state_.history(), now = logic::dateTimeToSerial(currentDateTime())](
            std::span<const logic::SlipRecord> some, logic::ResultSink& out) {
            logic::evaluateRange(some, from, until, history, now, out);
            return 0;
        });
}

void EvaluationArea::loadDemoSlip() {
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

void EvaluationArea::openEvaluationFile() {
    const QString path =
        chooseSlipFileToOpen(this, QStringLiteral("KENO-Spielschein-Datei öffnen"), paths_.dataDir);
    if (path.isEmpty())
        return;
    loadEvaluationFile(path);
}

void EvaluationArea::closeFileTab() {
    if (fileTabs_->count() > 0) {
        QWidget* page = fileTabs_->currentWidget();
        fileTabs_->removeTab(fileTabs_->currentIndex());
        delete page;
    }
    showIdleArea();
}

void EvaluationArea::closeAllFileTabs() {
    for (int i = fileTabs_->count() - 1; i >= 0; --i) {
        QWidget* page = fileTabs_->widget(i);
        fileTabs_->removeTab(i);
        delete page;
    }
    showIdleArea();
}

} // namespace talvo::ui

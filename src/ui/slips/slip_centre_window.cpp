#include "ui/slips/slip_centre_window.h"

#include "logic/core/format.h"
#include "logic/core/paths.h"
#include "logic/core/records.h"
#include "logic/core/slip_file.h"
#include "logic/slips/slip_centre.h"
#include "logic/state/program_state.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/fit_columns.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"
#include "ui/common/user_folders.h"
#include "ui/navigation/navigator.h"
#include "ui/slips/slip_editor_frame.h"
#include "ui/slips/slip_message_box.h"
#include "ui/slips/transfer_icon.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

constexpr int kColumnWidths[] = {30, 65, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 40, 55, 95, 65, 65};
constexpr int kRowHeight = 17;

int tabKey(int slipNumber) {
    return slipNumber * 10000 + 2;
}

// The tab strip of the slips. Qt lays out every tab again whenever one is added; with the
// sizes remembered per caption, a file of thousands of slips opens in a moment.
class SlipTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    QSize tabSizeHint(int index) const override {
        return remembered(sizes_, index, [this, index] { return QTabBar::tabSizeHint(index); });
    }
    QSize minimumTabSizeHint(int index) const override {
        return remembered(minimumSizes_, index, [this, index] { return QTabBar::minimumTabSizeHint(index); });
    }
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            sizes_.clear();
            minimumSizes_.clear();
        }
        QTabBar::changeEvent(event);
    }

  private:
    template <class Measure>
    QSize remembered(QHash<QString, QSize>& sizes, int index, Measure measure) const {
        const QString caption = tabText(index);
        auto it = sizes.constFind(caption);
        if (it == sizes.cend())
            it = sizes.insert(caption, measure());
        return *it;
    }

    mutable QHash<QString, QSize> sizes_;
    mutable QHash<QString, QSize> minimumSizes_;
};

// A tab widget with that strip.
class SlipTabs : public QTabWidget {
  public:
    explicit SlipTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new SlipTabBar(this)); }
};

// The page of a slip's tab. A full editor is several hundred controls; it is built the
// first time the tab is shown, so a file of many slips costs only what the user looks at.
class SlipPage : public QWidget {
  public:
    SlipPage(logic::SlipEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
        setProperty("tag", tabKey(editor.slipNumber()));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
    }

    logic::SlipEditor& editor() const { return editor_; }
    SlipEditorFrame* built() const { return editorWidget_; }
    void setBuilt(SlipEditorFrame* widget) {
        editorWidget_ = widget;
        layout()->addWidget(widget);
    }

  private:
    logic::SlipEditor& editor_;
    SlipEditorFrame* editorWidget_ = nullptr;
};

} // namespace

SlipCentreWindow::SlipCentreWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), paths_(paths),
      centre_(std::make_unique<logic::SlipCentre>(transferredRecords_, state.options())) {
    setObjectName(QStringLiteral("FEingabe2"));
    setWindowTitle(QStringLiteral("Spielscheincenter"));
    setHelpContext(this, 70);
    resize(800, 600);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QToolBar* bar = makeToolBar(this);
    const auto add = [this, bar](QStyle::StandardPixmap icon, const QString& text, const QString& name,
                                 std::function<void()> handler) {
        return addToolAction(bar, standardIcon(style(), icon), text, name, std::move(handler));
    };
    // Tool-bar buttons take no keyboard focus; the usual keys reach the file commands.
    add(QStyle::SP_FileIcon, QStringLiteral("Neu"), QStringLiteral("BNeu"), [this] {
        newSlip();
    })->setShortcut(QKeySequence::New);
    routeTo(add(QStyle::SP_FileDialogListView, QStringLiteral("Optionen"), QStringLiteral("BOptionen"), {}),
            Route::Options);
    add(QStyle::SP_DialogOpenButton, QStringLiteral("Öffnen..."), QStringLiteral("BOeffnen"), [this] {
        openSlipFile();
    })->setShortcut(QKeySequence::Open);
    add(QStyle::SP_DialogSaveButton, QStringLiteral("Speichern..."), QStringLiteral("BSpeichern"), [this] {
        saveSlipFile();
    })->setShortcut(QKeySequence::Save);
    bar->addSeparator();
    add(QStyle::SP_DialogCloseButton, QStringLiteral("Sch&ließen"), QStringLiteral("BSchliessen"),
        [this] { close(); });
    helpFor(add(QStyle::SP_DialogHelpButton, QStringLiteral("&Hilfe"), QStringLiteral("BHilfe"), {}), 70);
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    QAction* closeSlipAction =
        addToolAction(bar, closeSlipIcon(), QString(), QStringLiteral("Bgruenx"), [this] { closeSlip(); });
    closeSlipAction->setToolTip(QStringLiteral("Aktiven Spielschein schließen"));
    layout->addWidget(bar);

    tabs_ = new SlipTabs(this);
    tabs_->setObjectName(QStringLiteral("PC1"));
    tabs_->setDocumentMode(true);
    tabs_->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabs_->tabBar(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int index = tabs_->tabBar()->tabAt(at);
        if (index < 0)
            return;
        tabs_->setCurrentIndex(index);
        QMenu menu(this);
        QAction* close = menu.addAction(QStringLiteral("Schließen"));
        close->setObjectName(QStringLiteral("MSchliessen"));
        if (menu.exec(tabs_->tabBar()->mapToGlobal(at)) == close)
            runAction(this, [this] { closeSlip(); });
    });

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { slipFrame(index); });

    stack_ = new QStackedWidget(this);
    stack_->addWidget(buildHints());
    stack_->addWidget(tabs_);

    slipTable_ = new QTableWidget(1, logic::SlipCentre::kColumns, this);
    slipTable_->setObjectName(QStringLiteral("GS"));
    slipTable_->setHorizontalHeaderLabels(logic::SlipCentre::headerRow());
    slipTable_->verticalHeader()->hide();
    slipTable_->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < logic::SlipCentre::kColumns; ++c)
        slipTable_->setColumnWidth(c, kColumnWidths[c]);
    fitTableFont();
    slipTable_->verticalHeader()->setMinimumSectionSize(kRowHeight);
    slipTable_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    slipTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    slipTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A listing: Tab leaves it for the next control, the arrows move inside.
    slipTable_->setTabKeyNavigation(false);
    slipTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    slipTable_->setAlternatingRowColors(true);
    slipTable_->setWordWrap(false);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(stack_);
    split->addWidget(slipTable_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setChildrenCollapsible(false);
    split->setSizes({440, 120});
    layout->addWidget(split, 1);
    showSlipTable();
}

void SlipCentreWindow::fitTableFont() {
    // The column widths are fixed; a narrow face and, if need be, a smaller size make the
    // headers fit them.
    QFont f = slipTable_->font();
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Segoe UI"), QStringLiteral("Arial"),
                   QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), f.family()});
    for (int px = 12; px >= 9; --px) {
        f.setPixelSize(px);
        const QFontMetrics fm(f);
        bool fits = true;
        for (int c = 0; c < logic::SlipCentre::kColumns && fits; ++c)
            fits = fm.horizontalAdvance(logic::SlipCentre::headerRow()[c]) + 6 <= kColumnWidths[c];
        if (fits)
            break;
    }
    slipTable_->setFont(f);
    slipTable_->horizontalHeader()->setFont(f);
}

SlipCentreWindow::~SlipCentreWindow() {
    // The editors show slips the bookkeeping owns: they go first.
    delete tabs_;
    tabs_ = nullptr;
}

QWidget* SlipCentreWindow::buildHints() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("PHinweis"));
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(24, 16, 24, 16);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(12);

    const auto text = [page](const QString& t) {
        auto* label = new QLabel(t, page);
        label->setWordWrap(true);
        return label;
    };
    const auto button = [this, page](QStyle::StandardPixmap icon, const QString& name, const QString& tip,
                                     std::function<void()> handler) {
        auto* b = new QToolButton(page);
        b->setObjectName(name);
        b->setIcon(standardIcon(style(), icon));
        b->setIconSize({24, 24});
        b->setAutoRaise(false);
        b->setToolTip(tip);
        if (handler)
            connect(b, &QToolButton::clicked, this, [this, handler] { runAction(this, handler); });
        return b;
    };

    int row = 0;
    auto* first =
        text(QStringLiteral("Hier sehen Sie so lange nichts, bis Sie einen Spielschein für die Bearbeitung "
                            "geöffnet oder einen neuen, leeren Schein geladen haben."));
    QFont big = first->font();
    big.setPointSizeF(big.pointSizeF() * 1.1);
    big.setBold(true);
    first->setFont(big);
    grid->addWidget(first, row++, 0, 1, 2);
    auto* optionsButton = button(QStyle::SP_FileDialogListView, QStringLiteral("BHinweisOptionen"),
                                 QStringLiteral("Optionen"), {});
    routeTo(optionsButton, Route::Options);
    grid->addWidget(optionsButton, row, 0, Qt::AlignTop);
    grid->addWidget(
        text(QStringLiteral("Im Fenster \"Optionen\" können Sie festlegen, wie ein neuer Schein angelegt "
                            "wird (Farbe, KENO-Typen, Einsatz, plus 5).")),
        row++, 1);
    grid->addWidget(button(QStyle::SP_DialogOpenButton, QStringLiteral("BHinweisOeffnen"),
                           QStringLiteral("Öffnen..."), [this] { openSlipFile(); }),
                    row, 0);
    grid->addWidget(text(QStringLiteral("Hier öffnen Sie gespeicherte Scheine:")), row++, 1);
    grid->addWidget(button(QStyle::SP_FileIcon, QStringLiteral("BHinweisNeu"), QStringLiteral("Neu"),
                           [this] { newSlip(); }),
                    row, 0);
    grid->addWidget(text(QStringLiteral("Hier legen Sie einen neuen Schein an:")), row++, 1);
    auto* picture = new QLabel(page);
    picture->setPixmap(transferIcon().pixmap(24, 24));
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setFixedSize(38, 30);
    grid->addWidget(picture, row, 0, Qt::AlignTop);
    grid->addWidget(
        text(QStringLiteral("Vor dem Speichern muss ein Spielschein mit dem rechts abgebildeten Knopf "
                            "in die Tabelle unten übertragen werden. Dabei werden Ihre Angaben "
                            "geprüft.")),
        row++, 1);
    auto* helpButton =
        button(QStyle::SP_DialogHelpButton, QStringLiteral("BHinweisHilfe"), QStringLiteral("Hilfe"), {});
    helpFor(helpButton, 70);
    grid->addWidget(helpButton, row++, 0);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    outer->addStretch(1);
    return page;
}

logic::DaySerial SlipCentreWindow::today() const {
    return logic::wholeDay(logic::dateTimeToSerial(currentDateTime()));
}

int SlipCentreWindow::addSlipTab(logic::SlipEditor& editor, bool makeCurrent) {
    stack_->setCurrentWidget(tabs_);
    const int index = tabs_->addTab(new SlipPage(editor, tabs_), editor.caption());
    if (makeCurrent)
        tabs_->setCurrentIndex(index);
    return index;
}

SlipEditorFrame* SlipCentreWindow::slipFrame(int index) {
    auto* page = static_cast<SlipPage*>(tabs_->widget(index));
    if (!page)
        return nullptr;
    if (!page->built()) {
        auto* editor = new SlipEditorFrame(page->editor(), state_, page);
        editor->refresh();
        connect(editor, &SlipEditorFrame::transferRequested, this, [this](int slipNumber) {
            runAction(this, [this, slipNumber] { transferSlip(slipNumber); });
        });
        page->setBuilt(editor);
    }
    return page->built();
}

SlipEditorFrame* SlipCentreWindow::createSlip(int fieldCount, const QString& name) {
    return slipFrame(addSlipTab(centre_->createSlip(fieldCount, name, today()), true));
}

SlipEditorFrame* SlipCentreWindow::loadSlip(const logic::SlipRecord& record) {
    return slipFrame(addSlipTab(centre_->loadSlip(record, today()), true));
}

SlipEditorFrame* SlipCentreWindow::activeSlipFrame() {
    return slipFrame(tabs_->currentIndex());
}

void SlipCentreWindow::newSlip() {
    createSlip(5, QString());
}

void SlipCentreWindow::openSlipFile() {
    const QString path =
        chooseSlipFileToOpen(this, QStringLiteral("KENO-Spielschein-Datei öffnen"), paths_.dataDir);
    if (path.isEmpty())
        return;
    // The whole file is read before the first slip is built.
    const logic::SlipList records = logic::loadSlips(path);
    if (records.empty())
        return;
    // Each slip gets a tab, and the tab strip grows slower the more it holds: thousands of
    // slips take seconds, tens of thousands minutes. A file that large is asked about.
    constexpr std::size_t kManySlips = 5000;
    if (records.size() > kManySlips &&
        !askYesNo(this,
                  QStringLiteral("Die Datei \"%1\" enthält %2 Spielscheine. Jeder bekommt eine eigene "
                                 "Registerkarte; das Öffnen kann sehr lange dauern.\r\rTrotzdem öffnen?")
                      .arg(QFileInfo(path).fileName(),
                           logic::formatNumber(static_cast<double>(records.size()), 0))))
        return;
    const logic::DaySerial openDay = today();
    int last = -1;
    for (const logic::SlipRecord& r : records)
        last = addSlipTab(centre_->openStoredSlip(r, openDay), false);
    tabs_->setCurrentIndex(last);
}

void SlipCentreWindow::saveSlipFile() {
    if (centre_->transferredSlips().isEmpty()) {
        showMessage(this,
                    QStringLiteral(
                        "Vor dem Speichern muss ein Spielschein über den Knopf mit dem blauen Pfeil in die "
                        "Tabelle übertragen werden. Auf diese Weise werden Ihre Angaben überprüft.\r\r"
                        "Ich breche erst einmal ab."),
                    MessageIcon::Information);
        return;
    }
    QString path = chooseSaveFile(this, QStringLiteral("KENO-Spielschein-Datei speichern"),
                                  QStringLiteral("KENO-Spielschein-Dateien|*.tix"),
                                  startFolder(paths_.dataDir, logic::RememberedPlace::SlipFolder));
    if (path.isEmpty())
        return;
    rememberFolderOf(paths_.dataDir, logic::RememberedPlace::SlipFolder, path);
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".tix");
    const logic::SlipList records = centre_->recordsToSave();
    // The usual case is saving under the name the slips were opened from: a file that
    // holds more slips than are written loses some, and that is asked about.
    const QFileInfo existing(path);
    const qint64 inFile = existing.isFile() ? existing.size() / logic::SlipRecord::kSize : 0;
    const auto written = static_cast<qint64>(records.size());
    if (inFile > written &&
        !askYesNo(this,
                  QStringLiteral("Die Datei \"%1\" enthält %2 Spielscheine, gespeichert werden nur %3. Die "
                                 "anderen gehen in der Datei verloren.\r\rTrotzdem speichern?")
                      .arg(existing.fileName(), logic::formatNumber(static_cast<double>(inFile), 0),
                           logic::formatNumber(static_cast<double>(written), 0))))
        return;
    logic::saveSlips(path, records);
    centre_->markSaved();
}

int SlipCentreWindow::slipsOnlyInMemory() const {
    return centre_->slipsOnlyInMemory();
}

void SlipCentreWindow::closeSlip() {
    QWidget* page = tabs_->currentWidget();
    if (!page)
        return;
    const int slipNumber = page->property("tag").toInt() / 10000;
    tabs_->removeTab(tabs_->currentIndex());
    delete page;
    centre_->closeSlip(slipNumber);
    showSlipTable();
}

void SlipCentreWindow::transferSlip(int slipNumber) {
    if (const auto m = centre_->transferSlip(slipNumber)) {
        showSlipMessage(this, *m);
        return;
    }
    showSlipTable();
}

void SlipCentreWindow::showSlipTable() {
    const auto& rows = centre_->table();
    slipTable_->setRowCount(static_cast<int>(rows.size()) - 1);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        for (int c = 0; c < logic::SlipCentre::kColumns; ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setTextAlignment(c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            slipTable_->setItem(static_cast<int>(r) - 1, c, item);
        }
    }
    // A long slip name widens its column rather than being cut.
    fitColumnsToContent(slipTable_, {1});
}

} // namespace talvo::ui

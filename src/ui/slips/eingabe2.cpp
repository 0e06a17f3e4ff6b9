#include "ui/slips/eingabe2.h"

#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/core/slip_file.h"
#include "logic/slips/scheincenter.h"
#include "ui/app/navigator.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/common/tool_bar.h"
#include "ui/common/user_action.h"
#include "ui/slips/meldung_box.h"
#include "ui/slips/slip_editor_widget.h"
#include "ui/slips/transfer_icon.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
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

constexpr int kSpaltenBreiten[] = {30, 65, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 40, 55, 95, 65, 65};
constexpr int kZeilenHoehe = 17;
// Each open slip is a full editor of several hundred controls; beyond this many slips
// from one file the user is asked first, so that a stray large file does not stall the
// program or exhaust its memory.
constexpr std::size_t kViele = 100;

int tabSchluessel(int nummer) {
    return nummer * 10000 + 2;
}

} // namespace

TFEingabe2::TFEingabe2(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), state_(state), paths_(paths),
      centre_(std::make_unique<logic::Scheincenter>(state.ScheinListe, state.Einstellungen)) {
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
    add(QStyle::SP_FileIcon, QStringLiteral("Neu"), QStringLiteral("BNeu"), [this] { Neu(); });
    routeTo(add(QStyle::SP_FileDialogListView, QStringLiteral("Optionen"), QStringLiteral("BOptionen"), {}),
            Route::Optionen);
    add(QStyle::SP_DialogOpenButton, QStringLiteral("Öffnen..."), QStringLiteral("BOeffnen"),
        [this] { Oeffnen(); });
    add(QStyle::SP_DialogSaveButton, QStringLiteral("Speichern..."), QStringLiteral("BSpeichern"),
        [this] { Speichern(); });
    bar->addSeparator();
    add(QStyle::SP_DialogCloseButton, QStringLiteral("Sch&ließen"), QStringLiteral("BSchliessen"),
        [this] { close(); });
    helpFor(add(QStyle::SP_DialogHelpButton, QStringLiteral("&Hilfe"), QStringLiteral("BHilfe"), {}), 70);
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    QAction* gruen = addToolAction(bar, closeSlipIcon(), QString(), QStringLiteral("Bgruenx"),
                                   [this] { ScheinSchliessen(); });
    gruen->setToolTip(QStringLiteral("Aktiven Spielschein schließen"));
    layout->addWidget(bar);

    tabs_ = new QTabWidget(this);
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
            runAction(this, [this] { ScheinSchliessen(); });
    });

    stack_ = new QStackedWidget(this);
    stack_->addWidget(buildHints());
    stack_->addWidget(tabs_);

    GS = new QTableWidget(1, logic::Scheincenter::kSpalten, this);
    GS->setObjectName(QStringLiteral("GS"));
    GS->setHorizontalHeaderLabels(logic::Scheincenter::kopfzeile());
    GS->verticalHeader()->hide();
    GS->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < logic::Scheincenter::kSpalten; ++c)
        GS->setColumnWidth(c, kSpaltenBreiten[c]);
    fitTableFont();
    GS->verticalHeader()->setMinimumSectionSize(kZeilenHoehe);
    GS->verticalHeader()->setDefaultSectionSize(kZeilenHoehe);
    GS->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GS->setSelectionBehavior(QAbstractItemView::SelectRows);
    GS->setAlternatingRowColors(true);
    GS->setWordWrap(false);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(stack_);
    split->addWidget(GS);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setChildrenCollapsible(false);
    split->setSizes({440, 120});
    layout->addWidget(split, 1);
    TabelleZeigen();
}

void TFEingabe2::fitTableFont() {
    // The column widths are fixed; a narrow face and, if need be, a smaller size make the
    // headers fit them.
    QFont f = GS->font();
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Segoe UI"), QStringLiteral("Arial"),
                   QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), f.family()});
    for (int px = 12; px >= 9; --px) {
        f.setPixelSize(px);
        const QFontMetrics fm(f);
        bool fits = true;
        for (int c = 0; c < logic::Scheincenter::kSpalten && fits; ++c)
            fits = fm.horizontalAdvance(logic::Scheincenter::kopfzeile()[c]) + 6 <= kSpaltenBreiten[c];
        if (fits)
            break;
    }
    GS->setFont(f);
    GS->horizontalHeader()->setFont(f);
}

TFEingabe2::~TFEingabe2() {
    // The editors show slips the bookkeeping owns: they go first.
    delete tabs_;
    tabs_ = nullptr;
}

QWidget* TFEingabe2::buildHints() {
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
        text(QStringLiteral("Hier sehen Sie solange nichts, bis Sie einen Spielschein für die Bearbeitung "
                            "geöffnet oder einen neuen, leeren Schein geladen haben."));
    QFont big = first->font();
    big.setPointSizeF(big.pointSizeF() * 1.1);
    big.setBold(true);
    first->setFont(big);
    grid->addWidget(first, row++, 0, 1, 2);
    auto* optionen =
        button(QStyle::SP_FileDialogListView, QStringLiteral("BHinweisOptionen"), QStringLiteral("Optionen"), {});
    routeTo(optionen, Route::Optionen);
    grid->addWidget(optionen, row, 0, Qt::AlignTop);
    grid->addWidget(
        text(QStringLiteral("Im Fenster \"Optionen\" können Sie festlegen, wie ein neuer schein geladen "
                            "wird (Farbe, KENO-Typen, Einsatz, Plus 5).")),
        row++, 1);
    grid->addWidget(button(QStyle::SP_DialogOpenButton, QStringLiteral("BHinweisOeffnen"),
                           QStringLiteral("Öffnen..."), [this] { Oeffnen(); }),
                    row, 0);
    grid->addWidget(text(QStringLiteral("Hier laden sie existierende Scheine:")), row++, 1);
    grid->addWidget(
        button(QStyle::SP_FileIcon, QStringLiteral("BHinweisNeu"), QStringLiteral("Neu"), [this] { Neu(); }),
        row, 0);
    grid->addWidget(text(QStringLiteral("Hier laden Sie einen neuen Schein:")), row++, 1);
    auto* picture = new QLabel(page);
    picture->setPixmap(transferIcon().pixmap(24, 24));
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setFixedSize(38, 30);
    grid->addWidget(picture, row, 0, Qt::AlignTop);
    grid->addWidget(
        text(QStringLiteral("Vor dem Speichern eines Spielscheines muss er über den rechts abgebildeten "
                            "Button in die Tabelle unten übertragen werden. Bei der Gelegenheit werden "
                            "die gemachten Angaben überprüft.")),
        row++, 1);
    auto* hilfe =
        button(QStyle::SP_DialogHelpButton, QStringLiteral("BHinweisHilfe"), QStringLiteral("Hilfe"), {});
    helpFor(hilfe, 70);
    grid->addWidget(hilfe, row++, 0);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    outer->addStretch(1);
    return page;
}

TFrSschein* TFEingabe2::ScheinAnlegen(int felder, const QString& name) {
    stack_->setCurrentWidget(tabs_);
    const logic::DaySerial heute = logic::wholeDay(logic::dateTimeToSerial(currentDateTime()));
    logic::SlipEditor& editor = centre_->ScheinAnlegen(felder, name, heute);
    auto* page = new TFrSschein(editor, state_, tabs_);
    page->setProperty("tag", tabSchluessel(editor.nummer()));
    connect(page, &TFrSschein::uebertragenGewuenscht, this,
            [this](int nummer) { runAction(this, [this, nummer] { BGoClick(nummer); }); });
    tabs_->setCurrentIndex(tabs_->addTab(page, editor.caption()));
    return page;
}

TFrSschein* TFEingabe2::ScheinLaden(const logic::TGetippt& record) {
    TFrSschein* page = ScheinAnlegen(record.KastDef, record.name.text());
    page->editor().ausDatensatz(record);
    page->refresh();
    return page;
}

TFrSschein* TFEingabe2::aktiverSchein() const {
    return qobject_cast<TFrSschein*>(tabs_->currentWidget());
}

void TFEingabe2::Neu() {
    ScheinAnlegen(5, QString());
}

void TFEingabe2::Oeffnen() {
    const QString path = chooseOpenFile(this, QStringLiteral("Öffne KENO-Schein-Dateien"),
                                        QStringLiteral("KENO-Schein-Dateien|*.tix"), paths_.dataDir);
    if (path.isEmpty())
        return;
    // The whole file is read before the first slip is built.
    const logic::SlipList records = logic::ScheinDateiLesen(path);
    if (records.size() > kViele &&
        !askYesNo(this,
                  QStringLiteral("Die Datei enthält %1 Spielscheine. Jeder wird auf einer eigenen Seite "
                                 "geöffnet, das kann lange dauern.\r\rSollen alle geöffnet werden?")
                      .arg(records.size())))
        return;
    for (const logic::TGetippt& r : records)
        ScheinLaden(r);
}

void TFEingabe2::Speichern() {
    if (centre_->UebertrageneScheine().isEmpty()) {
        showMessage(this,
                    QStringLiteral(
                        "Vor dem Speichern muss ein Spielschein über den Button mit dem blauen Pfeil in die "
                        "Tabelle übertragen werden. Auf diese Weise werden Ihre Angaben überprüft.\r\r"
                        "Ich breche erst einmal ab."),
                    MessageIcon::Information);
        return;
    }
    QString path = chooseSaveFile(this, QStringLiteral("Speichere KENO-Spielschein-Dateien"),
                                  QStringLiteral("KENO-Spielschein-Dateien|*.tix"), paths_.dataDir);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".tix");
    logic::ScheinDateiSchreiben(path, state_.ScheinListe);
}

void TFEingabe2::ScheinSchliessen() {
    QWidget* page = tabs_->currentWidget();
    if (!page)
        return;
    const int nummer = page->property("tag").toInt() / 10000;
    tabs_->removeTab(tabs_->currentIndex());
    delete page;
    centre_->ScheinSchliessen(nummer);
    TabelleZeigen();
}

void TFEingabe2::BGoClick(int nummer) {
    if (const auto m = centre_->BGoClick(nummer)) {
        zeigeMeldung(this, *m);
        return;
    }
    TabelleZeigen();
}

void TFEingabe2::TabelleZeigen() {
    const auto& rows = centre_->tabelle();
    GS->setRowCount(static_cast<int>(rows.size()) - 1);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        for (int c = 0; c < logic::Scheincenter::kSpalten; ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setTextAlignment(c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            GS->setItem(static_cast<int>(r) - 1, c, item);
        }
    }
}

} // namespace talvo::ui

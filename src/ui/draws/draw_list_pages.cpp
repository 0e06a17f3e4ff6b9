#include "ui/draws/draw_list_pages.h"

#include "logic/core/dates.h"
#include "ui/common/date_field.h"
#include "ui/common/standard_icon.h"
#include "ui/common/user_action.h"
#include "ui/navigation/navigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringListModel>
#include <algorithm>

namespace talvo::ui {

namespace {

// The day of the first KENO draw of all; made when asked for, as the date conversion's own
// constants may not be made yet while this file's are.
QDate firstDrawDate() {
    return logic::serialToDate(logic::kFirstDrawSerial);
}

QComboBox* listBox(const QString& name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    // A list of texts fills in one step what an item model builds item by item: with
    // thousands of draws that is most of the start-up.
    c->setModel(new QStringListModel(c));
    c->setMaxVisibleItems(20);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

void fillList(QComboBox* c, const QStringList& texts) {
    const QSignalBlocker block(c);
    static_cast<QStringListModel*>(c->model())->setStringList(texts);
}

// Selects p in two lists kept on the same position; false when p is in neither.
bool selectBoth(QComboBox* a, QComboBox* b, int p) {
    if (p < 0 || p >= a->count() || p >= b->count())
        return false;
    const QSignalBlocker blockA(a);
    const QSignalBlocker blockB(b);
    a->setCurrentIndex(p);
    b->setCurrentIndex(p);
    return true;
}

} // namespace

DrawListPages::DrawListPages(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("PC0"));
    setHelpContext(this, 60);
    addTab(buildViewingPage(), QStringLiteral("bisherige"));
    addTab(buildEntryPage(), QStringLiteral("neu/ändern..."));
    connect(this, &QTabWidget::currentChanged, this, [this](int page) {
        const int previous = shownPage_;
        shownPage_ = page;
        emit pageSwitched(page, previous);
    });
}

QWidget* DrawListPages::buildViewingPage() {
    auto* viewing = new QWidget(this);
    viewing->setObjectName(QStringLiteral("TabBisherige"));
    auto* g = new QGridLayout(viewing);
    g->setContentsMargins(6, 6, 6, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    drawNumberCombo_ = listBox(QStringLiteral("comboNr"), viewing);
    drawDateCombo_ = listBox(QStringLiteral("comboDatum"), viewing);
    auto* showDrawButton = new QPushButton(viewing);
    showDrawButton->setObjectName(QStringLiteral("BGo"));
    showDrawButton->setIcon(standardIcon(style(), QStyle::SP_ArrowRight));
    showDrawButton->setToolTip(QStringLiteral("Ziehung anzeigen"));
    showDrawButton->setFixedWidth(32);
    g->addWidget(new QLabel(QStringLiteral("Nummer"), viewing), 0, 0);
    g->addWidget(drawNumberCombo_, 0, 1);
    g->addWidget(showDrawButton, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Datum"), viewing), 1, 0);
    g->addWidget(drawDateCombo_, 1, 1, 1, 2);
    auto* hereLink =
        new QLabel(QStringLiteral("Neue Zahlen geben Sie <a href=\"hier\">hier</a> ein."), viewing);
    hereLink->setObjectName(QStringLiteral("LHier"));
    hereLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    g->addWidget(hereLink, 2, 0, 1, 3);
    g->setColumnStretch(1, 1);
    g->setRowStretch(3, 1);

    connect(drawNumberCombo_, &QComboBox::activated, this, [this](int p) {
        selectViewingPosition(p);
        emit viewingDrawChosen(p);
    });
    connect(drawDateCombo_, &QComboBox::activated, this, [this](int p) {
        // The board follows when the number list changes with it.
        const bool moved = p != drawNumberCombo_->currentIndex();
        selectViewingPosition(p);
        if (moved)
            emit viewingDrawChosen(p);
    });
    connect(showDrawButton, &QPushButton::clicked, this,
            [this] { emit viewingDrawChosen(drawNumberCombo_->currentIndex()); });
    connect(hereLink, &QLabel::linkActivated, this, &DrawListPages::showEntryPage);
    return viewing;
}

QWidget* DrawListPages::buildEntryPage() {
    auto* entry = new QWidget(this);
    entry->setObjectName(QStringLiteral("TabNeu"));
    auto* e = new QGridLayout(entry);
    e->setContentsMargins(6, 6, 6, 4);
    e->setHorizontalSpacing(6);
    e->setVerticalSpacing(4);
    entryNumberCombo_ = listBox(QStringLiteral("comboNr2"), entry);
    entryDateCombo_ = listBox(QStringLiteral("combo2"), entry);
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
    firstDrawDateEdit_->setMinimumDate(firstDrawDate());
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
        if (storedCount_ != 0 || entryDays_.size() != 1)
            return;
        entryDays_[0] = static_cast<int>(logic::dateToSerial(date));
        entryDateCombo_->setItemText(0, logic::serialToText(entryDays_[0]));
        emit entryDateChanged(entryDateText());
    });
    const auto choose = [this](int p) {
        selectEntryPosition(p);
        emit entryChosen(p);
    };
    connect(entryNumberCombo_, &QComboBox::activated, this, choose);
    connect(entryDateCombo_, &QComboBox::activated, this, choose);
    connect(saveButton, &QPushButton::clicked, this, &DrawListPages::saveRequested);
    // The paste window names the day the entry page stands on when it is asked for.
    connect(copyPaste, &QPushButton::clicked, this, [this] { emit entryDateChanged(entryDateText()); });
    return entry;
}

void DrawListPages::fill(const logic::DrawHistory& history, int nextDay) {
    const int n = static_cast<int>(history.size());
    storedCount_ = n;
    QStringList numbers;
    QStringList dates;
    numbers.reserve(n + 1);
    dates.reserve(n + 1);
    entryDays_.clear();
    entryDays_.reserve(static_cast<std::size_t>(n) + 1);
    for (int p = 0; p < n; ++p) {
        const int day = logic::wholeDay(history[static_cast<std::size_t>(p)].datum);
        numbers << QString::number(p + 1);
        dates << logic::serialToText(day);
        entryDays_.push_back(day);
    }
    fillList(drawNumberCombo_, numbers);
    fillList(drawDateCombo_, dates);
    entryDateCombo_->setVisible(n > 0);
    firstDrawDateEdit_->setVisible(n == 0);
    if (n == 0) {
        // The very first draw: any day since the first draw up to the proposal may be chosen.
        const QDate proposal = logic::serialToDate(nextDay);
        const QSignalBlocker blockFirstDate(firstDrawDateEdit_);
        firstDrawDateEdit_->setMaximumDate(std::max(proposal, firstDrawDate()));
        firstDrawDateEdit_->setDate(proposal);
    }
    selectViewingPosition(n - 1);
    numbers << QString::number(n + 1);
    dates << logic::serialToText(nextDay);
    entryDays_.push_back(nextDay);
    fillList(entryNumberCombo_, numbers);
    fillList(entryDateCombo_, dates);
    selectEntryPosition(n);
}

int DrawListPages::viewingPosition() const {
    return drawNumberCombo_->currentIndex();
}

void DrawListPages::selectViewingPosition(int p) {
    if (selectBoth(drawNumberCombo_, drawDateCombo_, p))
        emit viewingDateChanged(viewingDateText());
    else if (drawDateCombo_->count() == 0)
        emit viewingDateChanged(QString());
}

QString DrawListPages::viewingDateText() const {
    return drawDateCombo_->currentText();
}

int DrawListPages::entryPosition() const {
    return entryDateCombo_->currentIndex();
}

void DrawListPages::selectEntryPosition(int p) {
    if (selectBoth(entryNumberCombo_, entryDateCombo_, p))
        emit entryDateChanged(entryDateText());
}

bool DrawListPages::selectEntryDay(int day) {
    const auto at = std::find(entryDays_.begin(), entryDays_.end(), day);
    if (at == entryDays_.end())
        return false;
    selectEntryPosition(static_cast<int>(at - entryDays_.begin()));
    return true;
}

std::optional<int> DrawListPages::entryDay() {
    if (storedCount_ == 0)
        firstDrawDateEdit_->commitTyping();
    const int p = entryPosition();
    if (p < 0 || p >= static_cast<int>(entryDays_.size()))
        return std::nullopt;
    return entryDays_[static_cast<std::size_t>(p)];
}

QString DrawListPages::entryDateText() const {
    return entryDateCombo_->currentText();
}

bool DrawListPages::entryOnStoredDraw() const {
    const int p = entryPosition();
    return p >= 0 && p < storedCount_;
}

bool DrawListPages::clearAfterSave() const {
    return clearAfterSaveCheck_->isChecked();
}

} // namespace talvo::ui

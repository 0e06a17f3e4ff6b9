#include "ui/draws/paste_window.h"

#include "logic/core/number_set.h"
#include "logic/core/paths.h"
#include "logic/core/version.h"
#include "logic/draws/pasted_draw.h"
#include "ui/common/links.h"
#include "ui/common/message_box.h"
#include "ui/common/user_action.h"
#include "ui/navigation/navigator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {
const QString kDateNote = QStringLiteral("Gewinnzahlen gelten für ");
// Two results pages of the state lotteries: the current numbers, and the numbers with the odds.
const QString kNumbersLink = QStringLiteral("https://www.lotto.de/keno/gewinnzahlen");
const QString kOddsLink = QStringLiteral("https://www.westlotto.de/keno/gewinnzahlen/gewinnzahlen.html");
} // namespace

PasteWindow::PasteWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FGewinnzahlen"));
    setWindowTitle(
        QStringLiteral("%1 %2 ").arg(QLatin1String(logic::kProductName), QLatin1String(logic::kVersionText)));
    setHelpContext(this, 1017);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);

    auto* top = new QHBoxLayout;
    auto* instructions =
        new QLabel(QStringLiteral("Sie können Gewinnzahlen aus Webseiten kopieren und in das folgende "
                                  "Textfeld einfügen. Das Kopierte kann Buchstaben enthalten, aber keine "
                                  "weiteren Zahlen neben den Gewinnzahlen."),
                   this);
    instructions->setObjectName(QStringLiteral("LAnleitung"));
    instructions->setWordWrap(true);
    top->addWidget(instructions, 1);
    auto* links = new QVBoxLayout;
    auto* numbersLinkButton = new QPushButton(QStringLiteral("Link 1"), this);
    numbersLinkButton->setObjectName(QStringLiteral("BLink1"));
    numbersLinkButton->setToolTip(kNumbersLink);
    auto* oddsLinkButton = new QPushButton(QStringLiteral("Link 2"), this);
    oddsLinkButton->setObjectName(QStringLiteral("BLink2"));
    oddsLinkButton->setToolTip(kOddsLink);
    links->addWidget(numbersLinkButton);
    links->addWidget(oddsLinkButton);
    top->addLayout(links);
    auto* clearButton = new QPushButton(QStringLiteral("Textfeld\nlöschen"), this);
    clearButton->setObjectName(QStringLiteral("BDel"));
    clearButton->setMinimumHeight(48);
    top->addWidget(clearButton);
    layout->addLayout(top);

    pastedTextEdit = new QPlainTextEdit(this);
    pastedTextEdit->setObjectName(QStringLiteral("M1"));
    pastedTextEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pastedTextEdit->setMinimumHeight(150);
    layout->addWidget(pastedTextEdit, 1);

    auto* boxes = new QGridLayout;
    boxes->setSpacing(4);
    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < 20; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("ez%1").arg(i + 1));
        box->setAlignment(Qt::AlignCenter);
        box->setFont(bold);
        box->setFixedWidth(38);
        boxes->addWidget(box, i / 10, i % 10);
        numberBoxes[static_cast<std::size_t>(i)] = box;
        connect(box, &QLineEdit::textEdited, this, [this] { boxesEdited_ = true; });
    }
    auto* filterButton = new QPushButton(QStringLiteral("Zahlen\nfiltern"), this);
    filterButton->setObjectName(QStringLiteral("BParsen"));
    auto* transferButton = new QPushButton(QStringLiteral("Übertragen"), this);
    transferButton->setObjectName(QStringLiteral("BOkay"));
    transferButton->setDefault(true);
    for (QPushButton* b : {filterButton, transferButton})
        b->setMinimumSize(90, 48);
    auto* middle = new QHBoxLayout;
    middle->addLayout(boxes);
    middle->addStretch();
    middle->addWidget(filterButton);
    middle->addWidget(transferButton);
    layout->addLayout(middle);

    auto* bottom = new QHBoxLayout;
    clearAfterTransferCheck = new QCheckBox(QStringLiteral("Nach dem Übertragen Textfeld löschen"), this);
    clearAfterTransferCheck->setObjectName(QStringLiteral("cbDel"));
    clearAfterTransferCheck->setChecked(true);
    dateNoteLabel = new QLabel(kDateNote, this);
    dateNoteLabel->setObjectName(QStringLiteral("LHinweis"));
    dateNoteLabel->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    auto* closeButton = new QPushButton(QStringLiteral("Sch&ließen"), this);
    closeButton->setObjectName(QStringLiteral("BSchliessen"));
    bottom->addWidget(clearAfterTransferCheck);
    bottom->addSpacing(12);
    bottom->addWidget(dateNoteLabel, 1);
    bottom->addWidget(closeButton);
    layout->addLayout(bottom);

    connect(clearButton, &QPushButton::clicked, pastedTextEdit, &QPlainTextEdit::clear);
    connect(filterButton, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { filterNumbers(); }); });
    connect(transferButton, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { transferNumbers(); }); });
    connect(numbersLinkButton, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { openLink(kNumbersLink); }); });
    connect(oddsLinkButton, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { openLink(kOddsLink); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void PasteWindow::setDateNote(const QString& date) {
    dateNoteLabel->setText(kDateNote + date);
}

void PasteWindow::filterNumbers() {
    fillBoxes(logic::readPastedText(pastedTextEdit->toPlainText()).pieces);
}

void PasteWindow::fillBoxes(const QStringList& pieces) {
    for (std::size_t i = 0; i < numberBoxes.size(); ++i)
        numberBoxes[i]->setText(
            i < static_cast<std::size_t>(pieces.size()) ? pieces[static_cast<qsizetype>(i)] : QString());
    boxesEdited_ = false;
}

void PasteWindow::transferNumbers() {
    QStringList pieces;
    std::optional<int> day;
    const QString text = pastedTextEdit->toPlainText();
    if (!boxesEdited_ && !text.trimmed().isEmpty()) {
        const logic::PastedText pasted = logic::readPastedText(text);
        pieces = pasted.pieces;
        day = pasted.day;
        fillBoxes(pieces);
    } else {
        for (const QLineEdit* box : numberBoxes) {
            if (!box->text().trimmed().isEmpty())
                pieces << box->text().trimmed();
        }
    }
    const logic::DrawNumbersCheck check = logic::checkDrawNumbers(pieces);
    if (!check.ok()) {
        showMessage(
            this,
            QString(check.problem).replace(QLatin1Char('\n'), QLatin1Char('\r')) +
                QStringLiteral("\r\rDie Zahlen wurden nicht übertragen; das Spielfeld bleibt, wie es ist."),
            MessageIcon::Information);
        return;
    }
    emit drawPasted(check.numbers, day);
    if (clearAfterTransferCheck->isChecked())
        pastedTextEdit->clear();
}

void PasteWindow::openLink(const QString& address) {
    openWebLink(this, address,
                QStringLiteral("Für den Aufruf des Links muss eine Verbindung zum Internet bestehen."));
}

} // namespace talvo::ui

#include "ui/draws/paste_window.h"

#include "logic/core/paths.h"
#include "logic/core/version.h"
#include "logic/core/zahl_lesen.h"
#include "logic/draws/zahlen_aus_text.h"
#include "ui/app/navigator.h"
#include "ui/common/links.h"
#include "ui/common/message_box.h"
#include "ui/common/user_action.h"

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
const QString kHinweis = QStringLiteral("Gewinnzahlen gelten für ");
// Two results pages of the state lotteries: the current numbers, and the numbers with the odds.
const QString kLink1 = QStringLiteral("https://www.lotto.de/keno/gewinnzahlen");
const QString kLink2 = QStringLiteral("https://www.westlotto.de/keno/gewinnzahlen/gewinnzahlen.html");
} // namespace

TFGewinnzahlen::TFGewinnzahlen(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FGewinnzahlen"));
    setWindowTitle(
        QStringLiteral("%1 %2 ").arg(QLatin1String(logic::kProductName), QLatin1String(logic::kVersionText)));
    setHelpContext(this, 1017);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);

    auto* top = new QHBoxLayout;
    auto* anleitung =
        new QLabel(QStringLiteral("Sie können Gewinnzahlen aus Webseiten kopieren und in das folgende "
                                  "Textfeld einfügen. Das Kopierte kann Buchstaben enthalten, aber keine "
                                  "weiteren Zahlen neben den Gewinnzahlen."),
                   this);
    anleitung->setObjectName(QStringLiteral("LAnleitung"));
    anleitung->setWordWrap(true);
    top->addWidget(anleitung, 1);
    auto* links = new QVBoxLayout;
    auto* link1 = new QPushButton(QStringLiteral("Link 1"), this);
    link1->setObjectName(QStringLiteral("BLink1"));
    link1->setToolTip(kLink1);
    auto* link2 = new QPushButton(QStringLiteral("Link 2"), this);
    link2->setObjectName(QStringLiteral("BLink2"));
    link2->setToolTip(kLink2);
    links->addWidget(link1);
    links->addWidget(link2);
    top->addLayout(links);
    auto* bDel = new QPushButton(QStringLiteral("Textfeld\nlöschen"), this);
    bDel->setObjectName(QStringLiteral("BDel"));
    bDel->setMinimumHeight(48);
    top->addWidget(bDel);
    layout->addLayout(top);

    M1 = new QPlainTextEdit(this);
    M1->setObjectName(QStringLiteral("M1"));
    M1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    M1->setMinimumHeight(150);
    layout->addWidget(M1, 1);

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
        ez[static_cast<std::size_t>(i)] = box;
    }
    auto* parsen = new QPushButton(QStringLiteral("Zahlen\nfiltern"), this);
    parsen->setObjectName(QStringLiteral("BParsen"));
    auto* okay = new QPushButton(QStringLiteral("Übertragen"), this);
    okay->setObjectName(QStringLiteral("BOkay"));
    okay->setDefault(true);
    for (QPushButton* b : {parsen, okay})
        b->setMinimumSize(90, 48);
    auto* middle = new QHBoxLayout;
    middle->addLayout(boxes);
    middle->addStretch();
    middle->addWidget(parsen);
    middle->addWidget(okay);
    layout->addLayout(middle);

    auto* bottom = new QHBoxLayout;
    cbDel = new QCheckBox(QStringLiteral("Nach dem Übertragen Textfeld löschen"), this);
    cbDel->setObjectName(QStringLiteral("cbDel"));
    cbDel->setChecked(true);
    LHinweis = new QLabel(kHinweis, this);
    LHinweis->setObjectName(QStringLiteral("LHinweis"));
    LHinweis->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    auto* schliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    bottom->addWidget(cbDel);
    bottom->addSpacing(12);
    bottom->addWidget(LHinweis, 1);
    bottom->addWidget(schliessen);
    layout->addLayout(bottom);

    connect(bDel, &QPushButton::clicked, M1, &QPlainTextEdit::clear);
    connect(parsen, &QPushButton::clicked, this, [this] { runAction(this, [this] { BParsenClick(); }); });
    connect(okay, &QPushButton::clicked, this, [this] { runAction(this, [this] { BOkayClick(); }); });
    connect(link1, &QPushButton::clicked, this, [this] { runAction(this, [this] { openLink(kLink1); }); });
    connect(link2, &QPushButton::clicked, this, [this] { runAction(this, [this] { openLink(kLink2); }); });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
}

void TFGewinnzahlen::setHinweis(const QString& datum) {
    LHinweis->setText(kHinweis + datum);
}

void TFGewinnzahlen::BParsenClick() {
    const QStringList pieces = logic::ZahlenAusText(M1->toPlainText());
    for (qsizetype i = 0; i < pieces.size() && i < 20; ++i)
        ez[static_cast<std::size_t>(i)]->setText(pieces[i]);
}

void TFGewinnzahlen::BOkayClick() {
    for (int i = 0; i < 20; ++i) {
        std::int32_t zahl = 0;
        // A number the board does not have is as faulty as one that is no number.
        if (!logic::ZahlLesen(ez[static_cast<std::size_t>(i)]->text(), zahl) || zahl < 1 || zahl > 70) {
            showMessage(this,
                        QStringLiteral("Mit dem Eintrag in das ") + QString::number(i + 1) +
                            QStringLiteral(". Kästchen stimmt etwas nicht.") + QStringLiteral("\r\r") +
                            QStringLiteral("Ich breche erst einmal ab."),
                        MessageIcon::Information);
            return;
        }
        emit zahlUebertragen(zahl);
    }
    if (cbDel->isChecked())
        M1->clear();
}

void TFGewinnzahlen::openLink(const QString& address) {
    openWebLink(this, address,
                QStringLiteral("Für den Aufruf des Links muss eine Verbindung zum Internet bestehen."));
}

} // namespace talvo::ui

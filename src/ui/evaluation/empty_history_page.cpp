#include "ui/evaluation/empty_history_page.h"

#include "ui/navigation/navigator.h"

#include <QLabel>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

QLabel* paragraph(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel* link(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setObjectName(name);
    label->setCursor(Qt::PointingHandCursor);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

EmptyHistoryPage::EmptyHistoryPage(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pLeer"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xfb, 0xfc, 0xfe));
    setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);

    auto* title = new QLabel(QStringLiteral("Noch keine Ziehungen gespeichert"), this);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title->setFont(big);
    layout->addWidget(title);
    layout->addWidget(paragraph(
        QStringLiteral("Für Auswertungen, Statistik und Tipps braucht TALVO die Gewinnzahlen der bisherigen "
                       "Ziehungen. So kommen Sie in einem Schritt ins Programm:"),
        this));

    auto* importLink = link(QStringLiteral("LLeerImport"), QStringLiteral("Archivdatei importieren"), this);
    routeTo(importLink, Route::ArchiveImport);
    layout->addWidget(importLink);
    layout->addWidget(
        paragraph(QStringLiteral("Die Lotterie veröffentlicht alle KENO-Gewinnzahlen als "
                                 "CSV-Datei. Laden Sie sie herunter und wählen Sie sie hier aus. "
                                 "Sie können die Datei auch auf dieses Fenster ziehen."),
                  this));

    auto* addressLink =
        link(QStringLiteral("LLeerAdresse"), QStringLiteral("Archiv aus dem Internet laden"), this);
    routeTo(addressLink, Route::ArchiveDownload);
    layout->addWidget(addressLink);
    layout->addWidget(paragraph(
        QStringLiteral("Kennen Sie die Adresse der Archivdatei, lädt TALVO sie selbst herunter."), this));

    auto* entryLink =
        link(QStringLiteral("LLeerEingabe"), QStringLiteral("Gewinnzahlen von Hand eingeben"), this);
    connect(entryLink, &QLabel::linkActivated, this, &EmptyHistoryPage::entryRequested);
    layout->addWidget(entryLink);
    layout->addWidget(
        paragraph(QStringLiteral("Klicken Sie die 20 Zahlen einer Ziehung auf der Tafel links an, "
                                 "tragen Sie plus 5 ein und wählen Sie \"Speichern\"."),
                  this));
    layout->addStretch(1);
}

} // namespace talvo::ui

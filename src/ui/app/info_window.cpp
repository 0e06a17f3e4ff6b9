#include "ui/app/info_window.h"

#include "logic/core/contact.h"
#include "logic/core/paths.h"
#include "logic/core/placeholder_address.h"
#include "logic/core/version.h"
#include "ui/app/logo_widget.h"
#include "ui/common/links.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

QLabel* linkLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

} // namespace

InfoWindow::InfoWindow(QWidget* parent)
    : InfoWindow(QString::fromUtf8(logic::kContactMail), QString::fromUtf8(logic::kWebSite), parent) {}

InfoWindow::InfoWindow(const QString& mail, const QString& webSite, QWidget* parent)
    : QWidget(parent, Qt::Window), mail_(mail), webSite_(webSite) {
    setObjectName(QStringLiteral("FInfo"));
    setWindowTitle(QStringLiteral("Programm-Info"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(8);
    layout->addWidget(new LogoWidget(this));

    auto* version = new QLabel(
        QStringLiteral("%1 %2").arg(QLatin1String(logic::kProductName), QLatin1String(logic::kVersionText)),
        this);
    version->setObjectName(QStringLiteral("LVersion"));
    version->setAlignment(Qt::AlignHCenter);
    QFont bold = version->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    version->setFont(bold);
    layout->addWidget(version);
    layout->addSpacing(6);

    if (!logic::isPlaceholderAddress(mail_)) {
        auto* mailLink = linkLabel(QStringLiteral("LMail"), mail_, this);
        connect(mailLink, &QLabel::linkActivated, this, &InfoWindow::writeMail);
        layout->addWidget(mailLink);
    }
    if (!logic::isPlaceholderAddress(webSite_)) {
        auto* webLink = linkLabel(QStringLiteral("LWeb"), webSite_, this);
        connect(webLink, &QLabel::linkActivated, this, &InfoWindow::openWebSite);
        layout->addWidget(webLink);
    }
    layout->addSpacing(10);

    auto* closeButton = new QPushButton(QStringLiteral("Sch&ließen"), this);
    closeButton->setObjectName(QStringLiteral("BSchliessen"));
    closeButton->setDefault(true);
    closeButton->setMinimumWidth(110);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void InfoWindow::writeMail() {
    openMailLink(this, QStringLiteral("mailto:%1?subject=%2").arg(mail_, QLatin1String(logic::kProductName)));
}

void InfoWindow::openWebSite() {
    openWebLink(this, webSite_,
                QStringLiteral("Mir fehlt der Kontakt zum Internet. Ich muss leider abbrechen."));
}

} // namespace talvo::ui

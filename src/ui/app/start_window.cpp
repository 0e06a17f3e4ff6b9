#include "ui/app/start_window.h"

#include "logic/core/paths.h"
#include "logic/core/version.h"
#include "ui/app/logo_widget.h"
#include "ui/navigation/navigator.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace talvo::ui {

StartWindow::StartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FStart"));
    setHelpContext(this, 40);
    setWindowTitle(
        QStringLiteral("%1 %2").arg(QLatin1String(logic::kProductName), QLatin1String(logic::kVersionText)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(6);
    layout->addWidget(new LogoWidget(this));
    layout->addSpacing(8);
    for (const char* line : {"TALVO ist ein Programm", "für statistische Auswertungen",
                             "zur Auswertung und Eingabe von KENO-Spielscheinen", "für Tipp-Vorschläge"}) {
        auto* label = new QLabel(QString::fromUtf8(line), this);
        label->setAlignment(Qt::AlignHCenter);
        QFont f = label->font();
        f.setPointSizeF(f.pointSizeF() * 1.15);
        label->setFont(f);
        layout->addWidget(label);
    }
    layout->addSpacing(12);

    auto* howTo = new QLabel(QStringLiteral("<a href=\"#\">Wie geht das hier?</a>"), this);
    howTo->setObjectName(QStringLiteral("LWieGeht"));
    howTo->setAlignment(Qt::AlignHCenter);
    howTo->setCursor(Qt::PointingHandCursor);
    helpFor(howTo, 0);
    layout->addWidget(howTo);

    continueButton_ = new QPushButton(QStringLiteral("Weiter"), this);
    continueButton_->setObjectName(QStringLiteral("BWeiter"));
    continueButton_->setDefault(true);
    continueButton_->setMinimumWidth(120);
    connect(continueButton_, &QPushButton::clicked, this, &StartWindow::continueClicked);
    layout->addSpacing(8);
    layout->addWidget(continueButton_, 0, Qt::AlignHCenter);

    setInitializationDone(false);
}

void StartWindow::setInitializationDone(bool value) {
    initializationDone_ = value;
    continueButton_->setEnabled(value);
    continueButton_->setCursor(value ? Qt::PointingHandCursor : Qt::WaitCursor);
}

void StartWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace talvo::ui

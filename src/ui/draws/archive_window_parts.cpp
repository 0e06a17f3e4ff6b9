#include "ui/draws/archive_window_parts.h"

#include "ui/navigation/navigator.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace talvo::ui {

void addIntroText(QBoxLayout* layout, const QString& text, QWidget* window) {
    auto* intro = new QLabel(text, window);
    intro->setWordWrap(true);
    layout->addWidget(intro);
}

void addHelpActionCloseRow(QBoxLayout* layout, QPushButton* action, QWidget* window) {
    auto* row = new QHBoxLayout;
    auto* helpButton = new QPushButton(QStringLiteral("&Hilfe"), window);
    helpButton->setObjectName(QStringLiteral("BHilfe"));
    helpFor(helpButton, kArchiveHelpContext);
    auto* close = new QPushButton(QStringLiteral("Sch&ließen"), window);
    close->setObjectName(QStringLiteral("BSchliessen"));
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    row->addWidget(helpButton);
    row->addStretch();
    row->addWidget(action);
    row->addWidget(close);
    layout->addLayout(row);
}

} // namespace talvo::ui

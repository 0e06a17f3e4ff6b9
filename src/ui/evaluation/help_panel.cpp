#include "ui/evaluation/help_panel.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace talvo::ui {

namespace {

QLabel* text(const QString& s, QWidget* parent) {
    auto* label = new QLabel(s, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QToolButton* routeButton(QAction* action, const QString& name, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setDefaultAction(action);
    b->setIconSize(QSize(24, 24));
    b->setFixedSize(34, 34);
    return b;
}

} // namespace

HelpPanel::HelpPanel(const Actions& actions, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("p100"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xfb, 0xfc, 0xfe));
    setPalette(pal);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 20, 24, 20);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(14);
    grid->setColumnStretch(1, 1);
    int row = 0;
    const auto add = [&](QWidget* button, const QString& s) {
        if (button)
            grid->addWidget(button, row, 0, Qt::AlignTop | Qt::AlignHCenter);
        grid->addWidget(text(s, this), row, 1);
        ++row;
    };

    auto* intro = routeButton(actions.help, QStringLiteral("BHilfe0"), this);
    intro->setFixedSize(24, 24);
    intro->setIconSize(QSize(16, 16));
    add(intro, QStringLiteral(
                   "Hier sehen Sie so lange nichts, bis Sie einen Spielschein geöffnet haben. Soll ein "
                   "Spielschein mit dem Programmstart eingelesen werden, geben Sie den Dateinamen bitte im "
                   "Fenster Optionen ein."));
    add(nullptr,
        QStringLiteral("Im Fenster \"Optionen\" können Sie Einstellungen für den Programmstart und den "
                       "Programmablauf vornehmen."));
    add(routeButton(actions.statistics, QStringLiteral("BStatistik"), this),
        QStringLiteral("Hier können Sie bisherige Ausspielungen statistisch auswerten."));
    add(routeButton(actions.drawUpdate, QStringLiteral("BAktualisierung"), this),
        QStringLiteral("Bringen Sie die Gewinnzahlen auf den neuesten Stand!"));
    add(routeButton(actions.slipCentre, QStringLiteral("BSpielscheincenter"), this),
        QStringLiteral(
            "Bevor Sie einen Spielschein auswerten können, müssen Sie einen Schein eingeben. Das machen Sie "
            "im Spielscheincenter."));
    add(routeButton(actions.tipCentre, QStringLiteral("BTippcenter"), this),
        QStringLiteral("Wollen Sie einen Tipp-Vorschlag von TALVO? Dann gehen Sie ins Tippcenter."));

    auto* demo = new QPushButton(QStringLiteral("Demo-Spielschein laden"), this);
    demo->setObjectName(QStringLiteral("BDemo"));
    demo->setMinimumHeight(30);
    grid->addWidget(demo, row++, 1, Qt::AlignLeft);
    grid->setRowStretch(row, 1);
    connect(demo, &QPushButton::clicked, this, &HelpPanel::demoRequested);
}

} // namespace talvo::ui

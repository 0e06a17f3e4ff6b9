#pragma once

#include <QFrame>

class QAction;
class QPushButton;

namespace talvo::ui {

// "p100": shown while no play-slip file is loaded; explains where to start and leads to
// the other windows. The buttons follow the given actions, so they are enabled exactly
// when the window behind them exists.
class HelpPanel : public QFrame {
    Q_OBJECT
  public:
    struct Actions {
        QAction* help;
        QAction* statistics;
        QAction* drawUpdate;
        QAction* slipCentre;
        QAction* tipCentre;
    };
    HelpPanel(const Actions& actions, QWidget* parent = nullptr);

  signals:
    void demoRequested();
};

} // namespace talvo::ui

#pragma once

#include <QWidget>

namespace talvo::ui {

// "Programm-Info": the program's name and version and the two contact links.
class TFInfo : public QWidget {
    Q_OBJECT
  public:
    explicit TFInfo(QWidget* parent = nullptr);

    // The mail link: a new message to the contact address in the user's mail program.
    void LMailClick();
    // The web link: the program's web site in the user's browser.
    void LWebClick();
};

} // namespace talvo::ui

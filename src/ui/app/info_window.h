#pragma once

#include <QWidget>

namespace talvo::ui {

// "Programm-Info": the program's name and version and the two contact links.
class InfoWindow : public QWidget {
    Q_OBJECT
  public:
    explicit InfoWindow(QWidget* parent = nullptr);

    // The mail link: a new message to the contact address in the user's mail program.
    void writeMail();
    // The web link: the program's web site in the user's browser.
    void openWebSite();
};

} // namespace talvo::ui

#pragma once

#include <QString>
#include <QWidget>

namespace talvo::ui {

// "Programm-Info": the program's name and version and the two contact links. A contact
// that is still a placeholder of an unconfigured build is left out.
class InfoWindow : public QWidget {
    Q_OBJECT
  public:
    // With the contacts the program was built with.
    explicit InfoWindow(QWidget* parent = nullptr);
    InfoWindow(const QString& mail, const QString& webSite, QWidget* parent = nullptr);

    // The mail link: a new message to the contact address in the user's mail program.
    void writeMail();
    // The web link: the program's web site in the user's browser.
    void openWebSite();

  private:
    QString mail_;
    QString webSite_;
};

} // namespace talvo::ui

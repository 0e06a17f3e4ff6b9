#pragma once

#include <QWidget>

class QPushButton;

namespace talvo::ui {

// The introduction window shown while the program builds its windows; "Weiter" hands
// over to the main window.
class StartWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StartWindow(QWidget* parent = nullptr);

    bool initializationDone() const { return initializationDone_; }
    void setInitializationDone(bool value);

  signals:
    void continueClicked();
    // The user closed the window; the program decides whether that ends it.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool initializationDone_ = false;
    QPushButton* continueButton_ = nullptr;
};

} // namespace talvo::ui

#pragma once

#include <QWidget>

class QPushButton;

namespace talvo::ui {

// The introduction window shown while the program builds its windows; "Weiter" hands
// over to the main window.
class TFStart : public QWidget {
    Q_OBJECT
public:
    explicit TFStart(QWidget* parent = nullptr);

    bool InitializationDone() const { return FInitializationDone; }
    void SetInitializationDone(bool value);

signals:
    void weiterClicked();
    // The user closed the window; the program decides whether that ends it.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool FInitializationDone = false;
    QPushButton* BWeiter = nullptr;
};

} // namespace talvo::ui

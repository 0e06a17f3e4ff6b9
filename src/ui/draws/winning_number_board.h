#pragma once

#include <QGroupBox>
#include <array>

class QPushButton;

namespace talvo::logic {
struct NumberSet;
}

namespace talvo::ui {

// The board "Gewinnzahlen hier wählen": the numbers 1 to 70 as buttons "lot1".."lot70"
// in 10 rows of 7. A marked number is drawn in the marked look; which numbers are marked
// is decided by the program, a click only reports the number. From the keyboard the
// arrow keys move a frame over the numbers and Space reports the framed one.
class WinningNumberBoard : public QGroupBox {
    Q_OBJECT
  public:
    explicit WinningNumberBoard(QWidget* parent = nullptr);

    void showNumbers(const logic::NumberSet& numbers);
    void setMarked(int number, bool marked);
    bool isMarked(int number) const;
    QPushButton* button(int number) const;
    // A small button drawn at the right end of the caption.
    void setCornerButton(QWidget* button);
    // The number the keyboard stands on.
    int currentNumber() const { return current_; }

  signals:
    void numberClicked(int number);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void setCurrent(int number);
    void showCurrent(bool shown);

    QWidget* corner_ = nullptr;
    int current_ = 1;
    std::array<QPushButton*, 70> buttons_{};
};

} // namespace talvo::ui

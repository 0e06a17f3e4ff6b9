#pragma once

#include <QGroupBox>
#include <array>

class QPushButton;

namespace talvo::logic {
struct Zahlenmenge;
}

namespace talvo::ui {

// The board "Gewinnzahlen hier wählen": the numbers 1 to 70 as buttons "lot1".."lot70"
// in 10 rows of 7. A marked number is drawn in the marked look; which numbers are marked
// is decided by the program, a click only reports the number.
class ZahlenBrett : public QGroupBox {
    Q_OBJECT
  public:
    explicit ZahlenBrett(QWidget* parent = nullptr);

    void showNumbers(const logic::Zahlenmenge& numbers);
    void setMarked(int number, bool marked);
    bool isMarked(int number) const;
    QPushButton* button(int number) const;
    // A small button drawn at the right end of the caption.
    void setCornerButton(QWidget* button);

  signals:
    void numberClicked(int number);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* corner_ = nullptr;
    std::array<QPushButton*, 70> buttons_{};
};

} // namespace talvo::ui

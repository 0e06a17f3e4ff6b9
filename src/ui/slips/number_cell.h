#pragma once

#include <QAbstractButton>
#include <QColor>

namespace talvo::ui {

// One number of a slip board: a small tile in the colour scheme, bold and framed darker
// while ticked. From the keyboard Tab reaches a board at its number 1, the arrow keys move
// over the board's seven columns and Space ticks.
class NumberCell : public QAbstractButton {
    Q_OBJECT
  public:
    NumberCell(int number, QWidget* parent = nullptr);

    void setColours(const QColor& free, const QColor& marked);
    void setMarked(bool marked);
    bool isMarked() const { return marked_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int number_;
    bool marked_ = false;
    QColor free_;
    QColor markedColour_;
};

} // namespace talvo::ui

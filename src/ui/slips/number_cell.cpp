#include "ui/slips/number_cell.h"

#include "ui/common/board_keys.h"

#include <QKeyEvent>
#include <QPainter>

namespace talvo::ui {

NumberCell::NumberCell(int number, QWidget* parent) : QAbstractButton(parent), number_(number) {
    setText(QString::number(number));
    // One tab stop per board; the other numbers are reached with the arrow keys.
    setFocusPolicy(number == 1 ? Qt::StrongFocus : Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void NumberCell::setColours(const QColor& free, const QColor& marked) {
    free_ = free;
    markedColour_ = marked;
    update();
}

void NumberCell::setMarked(bool marked) {
    if (marked_ == marked)
        return;
    marked_ = marked;
    update();
}

QSize NumberCell::sizeHint() const {
    return {22, 17};
}
QSize NumberCell::minimumSizeHint() const {
    return {18, 14};
}

void NumberCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor fill = marked_ ? markedColour_ : free_;
    QColor edge = fill.darker(marked_ ? 150 : 112);
    if (underMouse() && isEnabled())
        edge = fill.darker(170);
    p.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight), 2.0) : QPen(edge, marked_ ? 1.4 : 1.0));
    p.setBrush(isDown() ? fill.darker(108) : fill);
    p.drawRoundedRect(r, 3, 3);

    QFont f = font();
    f.setBold(marked_);
    p.setFont(f);
    p.setPen(marked_ ? QColor(0x20, 0x20, 0x20) : QColor(0x55, 0x55, 0x55));
    p.drawText(rect(), Qt::AlignCenter, text());
}

void NumberCell::keyPressEvent(QKeyEvent* event) {
    const auto target = arrowTarget(number_, event->key());
    if (!target) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!parentWidget())
        return;
    for (NumberCell* cell : parentWidget()->findChildren<NumberCell*>(Qt::FindDirectChildrenOnly))
        if (cell->number_ == *target)
            cell->setFocus(Qt::OtherFocusReason);
}

} // namespace talvo::ui

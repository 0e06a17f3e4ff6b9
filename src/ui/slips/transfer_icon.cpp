#include "ui/slips/transfer_icon.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace talvo::ui {

QIcon transferIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        QPainterPath arrow;
        arrow.moveTo(11, 3);
        arrow.lineTo(21, 3);
        arrow.lineTo(21, 15);
        arrow.lineTo(28, 15);
        arrow.lineTo(16, 29);
        arrow.lineTo(4, 15);
        arrow.lineTo(11, 15);
        arrow.closeSubpath();
        QLinearGradient fill(0, 3, 0, 29);
        fill.setColorAt(0, QColor(0x6F, 0xA8, 0xF0));
        fill.setColorAt(1, QColor(0x1C, 0x5B, 0xC4));
        p.setBrush(fill);
        p.setPen(QPen(QColor(0x15, 0x44, 0x94), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(arrow);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QIcon closeSlipIcon() {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        QLinearGradient fill(0, 2, 0, 30);
        fill.setColorAt(0, QColor(0x7C, 0xCB, 0x6A));
        fill.setColorAt(1, QColor(0x2E, 0x8B, 0x2E));
        p.setBrush(fill);
        p.setPen(QPen(QColor(0x23, 0x6B, 0x23), 1.2));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(21, 21));
        p.drawLine(QPointF(21, 11), QPointF(11, 21));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace talvo::ui

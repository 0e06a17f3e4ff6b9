#include "ui/tips/completion_mark.h"

#include <QPainter>
#include <QPixmap>

namespace talvo::ui {

QPixmap completionMark(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xF0, 0x8C, 0x1E));
    p.setPen(QPen(QColor(0xB0, 0x5A, 0x00), 1));
    p.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(size * 2 / 3);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("Z"));
    return pm;
}

} // namespace talvo::ui

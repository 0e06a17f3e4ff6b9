#include "ui/common/picture_link.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace talvo::ui {

namespace {

void drawBalls(QPainter& p, const QRectF& area, int count) {
    static const QColor colours[] = {QColor(0xc6, 0x28, 0x28), QColor(0xf5, 0x7c, 0x00),
                                     QColor(0x38, 0x8e, 0x3c), QColor(0x19, 0x76, 0xd2)};
    static const int numbers[] = {7, 23, 42, 70};
    const qreal d = area.height();
    const qreal step = d * 0.78;
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(qMax(6, static_cast<int>(d * 0.36)));
    p.setFont(f);
    for (int i = 0; i < count; ++i) {
        const QRectF ball(area.left() + i * step, area.top(), d, d);
        QRadialGradient g(ball.center() - QPointF(d / 6, d / 6), d * 0.75);
        g.setColorAt(0, colours[i % 4].lighter(165));
        g.setColorAt(1, colours[i % 4]);
        p.setPen(QPen(colours[i % 4].darker(130), 0.8));
        p.setBrush(g);
        p.drawEllipse(ball);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(ball.adjusted(d * 0.24, d * 0.24, -d * 0.24, -d * 0.24));
        p.setPen(Qt::black);
        p.drawText(ball, Qt::AlignCenter, QString::number(numbers[i % 4]));
    }
}

} // namespace

PictureLink::PictureLink(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(40);
}

QPixmap PictureLink::smallPixmap(int height) {
    QPixmap pixmap(static_cast<int>(height * 2.6), height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawBalls(p, QRectF(0.5, 0.5, height - 1, height - 1), 3);
    return pixmap;
}

void PictureLink::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient bg(frame.topLeft(), frame.bottomLeft());
    bg.setColorAt(0, QColor(0xf7, 0xf9, 0xfc));
    bg.setColorAt(1, QColor(0xe3, 0xe9, 0xf2));
    p.setPen(QColor(0xb7, 0xc0, 0xcc));
    p.setBrush(bg);
    p.drawRoundedRect(frame, 5, 5);
    const qreal d = height() - 14.0;
    drawBalls(p, QRectF(8, 7, d, d), 4);
    QFont title = font();
    title.setBold(true);
    title.setPixelSize(static_cast<int>(d * 0.62));
    title.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(title);
    p.setPen(QColor(0x1a, 0x23, 0x7e));
    const qreal textLeft = 8 + 3 * d * 0.78 + d + 8;
    p.drawText(QRectF(textLeft, 0, width() - textLeft - 6, height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("TALVO"));
}

} // namespace talvo::ui

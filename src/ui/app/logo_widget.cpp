#include "ui/app/logo_widget.h"

#include <QPainter>
#include <QRadialGradient>

namespace talvo::ui {

LogoWidget::LogoWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

void LogoWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int numbers[] = {7, 19, 23, 42, 58, 70};
    const QColor colours[] = {QColor(0xd3, 0x2f, 0x2f), QColor(0xf5, 0x7c, 0x00), QColor(0xfb, 0xc0, 0x2d),
                              QColor(0x38, 0x8e, 0x3c), QColor(0x19, 0x76, 0xd2), QColor(0x7b, 0x1f, 0xa2)};
    const int d = 44;
    const int gap = 10;
    const int total = 6 * d + 5 * gap;
    int x = (width() - total) / 2;
    QFont ballFont = font();
    ballFont.setBold(true);
    ballFont.setPointSize(12);
    for (int i = 0; i < 6; ++i, x += d + gap) {
        const QRectF ball(x, 8, d, d);
        QRadialGradient g(ball.center() - QPointF(8, 8), d * 0.8);
        g.setColorAt(0, colours[i].lighter(170));
        g.setColorAt(1, colours[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(ball);
        p.setBrush(Qt::white);
        p.drawEllipse(ball.adjusted(11, 11, -11, -11));
        p.setPen(Qt::black);
        p.setFont(ballFont);
        p.drawText(ball, Qt::AlignCenter, QString::number(numbers[i]));
    }
    QFont title = font();
    title.setBold(true);
    title.setPointSize(26);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(title);
    p.setPen(QColor(0x1a, 0x23, 0x7e));
    p.drawText(QRect(0, 56, width(), height() - 56), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("TALVO"));
}

} // namespace talvo::ui

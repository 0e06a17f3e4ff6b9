#include "ui/app/program_icon.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace talvo::ui {

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Three drawn balls in the colours of the start window's logo, piled up: the top one
    // first, so that the two in front cover it.
    struct Ball {
        QPointF centre;
        QColor colour;
    };
    const Ball balls[] = {{{0.50, 0.29}, QColor(0xfb, 0xc0, 0x2d)},
                          {{0.28, 0.71}, QColor(0xd3, 0x2f, 0x2f)},
                          {{0.72, 0.71}, QColor(0x19, 0x76, 0xd2)}};
    const qreal radius = 0.27 * size;
    const qreal outline = qMax(1.0, size / 32.0);
    for (const Ball& ball : balls) {
        const QPointF centre = ball.centre * size;
        QRadialGradient shade(centre - QPointF(radius, radius) * 0.35, radius * 1.6);
        shade.setColorAt(0, ball.colour.lighter(170));
        shade.setColorAt(1, ball.colour);
        p.setPen(QPen(ball.colour.darker(140), outline));
        p.setBrush(shade);
        p.drawEllipse(centre, radius - outline / 2, radius - outline / 2);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(centre, radius * 0.42, radius * 0.42);
    }
    return image;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : kProgramIconSizes)
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

} // namespace talvo::ui

#include "ui/common/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace talvo::ui {

namespace {

const QColor kBlue(0x1f, 0x5f, 0xaf);
const QColor kRed(0xc6, 0x28, 0x28);
const QColor kGold(0xf2, 0xb0, 0x1e);
const QColor kInk(0x33, 0x3d, 0x4d);

void paint(QPainter& p, ToolIcon which) {
    switch (which) {
    case ToolIcon::Quit: {
        p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(4, 5, 16, 16), 125 * 16, -250 * 16);
        p.drawLine(QPointF(12, 3), QPointF(12, 12));
        break;
    }
    case ToolIcon::Statistics: {
        p.setPen(Qt::NoPen);
        const qreal heights[] = {8, 14, 11, 18};
        const QColor colours[] = {kBlue.lighter(140), kBlue, kRed, kGold.darker(110)};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(colours[i]);
            p.drawRoundedRect(QRectF(3 + i * 4.8, 21 - heights[i], 3.6, heights[i]), 0.8, 0.8);
        }
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
        break;
    }
    case ToolIcon::Calendar: {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(3, 4.5, 18, 17), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(3, 4.5, 18, 5), 2, 2);
        p.setBrush(kInk);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                p.drawRect(QRectF(5.5 + c * 3.8, 11.5 + r * 3.2, 2, 1.8));
        p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 2.5), QPointF(8, 6));
        p.drawLine(QPointF(16, 2.5), QPointF(16, 6));
        break;
    }
    case ToolIcon::Options: {
        const qreal knobs[] = {8, 15, 11};
        for (int i = 0; i < 3; ++i) {
            const qreal y = 6 + i * 6;
            p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(3, y), QPointF(21, y));
            p.setPen(QPen(kBlue.darker(120), 1.2));
            p.setBrush(kBlue.lighter(150));
            p.drawEllipse(QPointF(knobs[i], y), 2.8, 2.8);
        }
        break;
    }
    case ToolIcon::SlipCentre: {
        p.setPen(QPen(kRed.darker(120), 1.2));
        p.setBrush(QColor(0xff, 0xf4, 0xe8));
        p.drawRoundedRect(QRectF(4, 2.5, 16, 19), 1.5, 1.5);
        p.setPen(QPen(kRed.lighter(130), 0.8));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                p.drawRect(QRectF(6 + c * 3.2, 5 + r * 3.2, 2.2, 2.2));
        p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.2, 8.2), QPointF(11.4, 10.4));
        p.drawLine(QPointF(11.4, 8.2), QPointF(9.2, 10.4));
        p.drawLine(QPointF(15.6, 14.6), QPointF(17.8, 16.8));
        p.drawLine(QPointF(17.8, 14.6), QPointF(15.6, 16.8));
        break;
    }
    case ToolIcon::TipCentre: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const qreal angle = -M_PI / 2 + i * M_PI / 5;
            const qreal radius = i % 2 == 0 ? 10 : 4.3;
            const QPointF pt(12 + radius * std::cos(angle), 12.8 + radius * std::sin(angle));
            i == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(QPen(kGold.darker(140), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kGold);
        p.drawPath(star);
        break;
    }
    case ToolIcon::Help: {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        QFont f;
        f.setBold(true);
        f.setPixelSize(15);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case ToolIcon::Print: {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 7));
        p.setBrush(kBlue.lighter(150));
        p.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 14, 10, 7.5));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(9, 17), QPointF(15, 17));
        p.drawLine(QPointF(9, 19.3), QPointF(13.5, 19.3));
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        p.drawEllipse(QPointF(18, 11.5), 1, 1);
        break;
    }
    }
}

} // namespace

QIcon toolIcon(ToolIcon which) {
    QIcon icon;
    for (int size : {24, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        paint(p, which);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace talvo::ui

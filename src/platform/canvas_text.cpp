#include "platform/canvas_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace talvo::platform {

void textOut(QPainter& canvas, int x, int y, const QString& text) {
    canvas.drawText(QPoint(x, y + canvas.fontMetrics().ascent()), text);
}

int textHeight(const QPainter& canvas, const QString& text) {
    return canvas.fontMetrics().size(Qt::TextSingleLine, text).height();
}

int textWidth(const QPainter& canvas, const QString& text) {
    return canvas.fontMetrics().horizontalAdvance(text);
}

} // namespace talvo::platform

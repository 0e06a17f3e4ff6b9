#pragma once

class QPainter;
class QString;

namespace talvo::platform {

// Text on a canvas placed by the top left corner of its line, in the painter's font and
// pen; sizes measured on the painter's device.
void textOut(QPainter& canvas, int x, int y, const QString& text);
int textHeight(const QPainter& canvas, const QString& text);
int textWidth(const QPainter& canvas, const QString& text);

} // namespace talvo::platform

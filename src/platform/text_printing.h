#pragma once

#include <QtContainerFwd>
#include <functional>

class QFont;
class QPagedPaintDevice;
class QPainter;

namespace talvo::platform {

inline constexpr char kNoRoomInsideMargins[] =
    "Die Größe der Seitenränder lässt keinen Raum für den Ausdruck.";
inline constexpr char kFontMissing[] = "Ich brauche eine gültige Schriftart!";

// A rectangle on the page in device pixels, counted from the corner of the printable area.
struct PrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Draws the header or footer of page `page` (from 1) into `rect`; clearing `proceed` stops
// the job.
using PageDecoration = std::function<void(QPainter& canvas, int page, bool& proceed, const PrintRect& rect)>;

// Distances from the paper's edges, in inches.
struct PrintMargins {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

// Prints the lines unwrapped, `linesPerInch` to the inch, between the margins, with a
// header and a footer on every page, and returns the number of pages; 0 when a header
// or footer stopped the job. `countOnly` only counts the pages.
// A printer gets nothing of a job that is only counted, stopped or refused: such a job
// runs on a stand-in with the printer's page first. Any other device (a PDF writer) gets
// every page drawn, and its owner discards a job that did not end.
// Throws Error when the job cannot start or the margins leave no room for one line, and
// std::invalid_argument (kFontMissing) without a font.
int printLines(QPagedPaintDevice& device, const QStringList& lines, const QFont* font, bool countOnly,
               const PageDecoration& header, const PageDecoration& footer, int linesPerInch,
               const PrintMargins& margins);

} // namespace talvo::platform

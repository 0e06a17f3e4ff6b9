#pragma once

#include <QString>
#include <QtContainerFwd>

class QFont;
class QPagedPaintDevice;
class QPainter;

namespace talvo::platform {

struct PrintRect;

// How the text frame prints a tip text: its font, margins (left 0.75, right 0.5, top 0.75
// and bottom 1.0 inch), six lines to the inch, a header with the product name and a footer
// with the page number. The command line prints with the same arguments.

// The text pane's font: the system's fixed-pitch font at 10 points.
QFont tipTextFont();

void printPageHeader(QPainter& canvas, int page, bool& proceed, const PrintRect& rect);
void printPageFooter(QPainter& canvas, int page, bool& proceed, const PrintRect& rect);

// printLines with the frame's arguments; returns the page count.
int printTipText(QPagedPaintDevice& device, const QStringList& lines, const QFont& font);

// The same pages on A4 as a PDF file; a failed write keeps a previous file. Returns the
// page count; throws Error.
int saveTipTextPdf(const QString& path, const QStringList& lines, const QFont& font);

// "%d Seite wird gedruckt".
QString pageCountMessage(int pages);

} // namespace talvo::platform

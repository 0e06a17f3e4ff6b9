#include "platform/text_printing.h"

#include "logic/core/error.h"
#include "platform/canvas_text.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace talvo::platform {

namespace {

// Halves go to the even neighbour, as the page values have always been rounded.
int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// What the device tells about its page, in device pixels.
struct DeviceValues {
    int dpiX = 0;
    int dpiY = 0;
    int offX = 0; // the printable area's corner on the paper
    int offY = 0;
    int paperWidth = 0;
    int paperHeight = 0;
    int pageWidth = 0; // the printable area
    int pageHeight = 0;
};

DeviceValues readDevice(const QPagedPaintDevice& device) {
    const QPageLayout layout = device.pageLayout();
    DeviceValues v;
    v.dpiX = device.logicalDpiX();
    v.dpiY = device.logicalDpiY();
    const QRect printableX = layout.paintRectPixels(v.dpiX);
    const QRect printableY = layout.paintRectPixels(v.dpiY);
    v.offX = printableX.x();
    v.offY = printableY.y();
    v.pageWidth = printableX.width();
    v.pageHeight = printableY.height();
    v.paperWidth = layout.fullRectPixels(v.dpiX).width();
    v.paperHeight = layout.fullRectPixels(v.dpiY).height();
    return v;
}

// Qt's printers cannot take back a page once it is drawn (abort() does nothing on the
// PDF-based engines of Linux): a job is run here first, on a PDF in memory with the
// printer's paper, margins and resolution, to learn how it ends.
struct PrinterStandIn {
    QBuffer bytes;
    QPdfWriter writer{&bytes};
    explicit PrinterStandIn(const QPrinter& printer) {
        bytes.open(QIODevice::WriteOnly);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
    }
};

// The font together with the ink the lines are written in.
void useFont(QPainter& canvas, const QFont& font) {
    canvas.setFont(font);
    canvas.setPen(Qt::black);
}

// The job on one device, to its end: the page count, or 0 when it was stopped.
int runJob(QPagedPaintDevice& device, const QStringList& lines, const QFont& font,
           const PageDecoration& header, const PageDecoration& footer, int linesPerInch,
           const PrintMargins& margins) {
    bool proceed = true;
    int page = 1;
    qsizetype next = 0;

    QPainter canvas;
    if (!canvas.begin(&device))
        throw logic::Error(QStringLiteral("Der Druckauftrag konnte nicht begonnen werden."));

    const DeviceValues d = readDevice(device);
    int left = std::max(roundHalfEven(d.dpiX * margins.left), d.offX);
    int top = std::max(roundHalfEven(d.dpiY * margins.top), d.offY);
    int right = std::min(d.paperWidth - roundHalfEven(d.dpiX * margins.right), d.pageWidth + d.offX);
    int bottom = std::min(d.paperHeight - roundHalfEven(d.dpiY * margins.bottom), d.pageHeight + d.offY);
    left -= d.offX;
    right -= d.offX;
    top -= d.offY;
    bottom -= d.offY;
    const PrintRect headerRect{left, 0, right, top};
    const PrintRect footerRect{left, bottom, right, d.pageHeight};
    const int pitch = std::max(1, roundHalfEven(double(d.dpiY) / linesPerInch));

    useFont(canvas, font);
    const int h = textHeight(canvas, QStringLiteral("Äy"));
    // A page that cannot take a single line would make the job run on for ever.
    if (left >= right || top >= bottom || top > bottom - h) {
        canvas.end();
        throw logic::Error(QString::fromUtf8(kNoRoomInsideMargins));
    }

    while (next < lines.size() && proceed) {
        header(canvas, page, proceed, headerRect);
        useFont(canvas, font);
        if (proceed) {
            for (int y = top; next < lines.size() && y <= bottom - h; y += pitch)
                textOut(canvas, left, y, lines[next++]);
        }
        footer(canvas, page, proceed, footerRect);
        useFont(canvas, font);
        if (next < lines.size() && proceed) {
            ++page;
            if (!device.newPage())
                throw logic::Error(QStringLiteral("Der Druckauftrag konnte nicht fortgesetzt werden."));
        }
    }

    if (!canvas.end())
        throw logic::Error(QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden."));
    return proceed ? page : 0;
}

} // namespace

int printLines(QPagedPaintDevice& device, const QStringList& lines, const QFont* font, bool countOnly,
               const PageDecoration& header, const PageDecoration& footer, int linesPerInch,
               const PrintMargins& margins) {
    if (!font)
        throw std::invalid_argument(kFontMissing);
    if (linesPerInch < 1)
        throw std::invalid_argument("TextDrucken braucht mindestens eine Zeile je Zoll.");
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        PrinterStandIn standIn(*printer);
        const int pages = runJob(standIn.writer, lines, *font, header, footer, linesPerInch, margins);
        if (countOnly || pages == 0)
            return pages;
    }
    return runJob(device, lines, *font, header, footer, linesPerInch, margins);
}

} // namespace talvo::platform

#include "platform/tip_text_print.h"

#include "logic/core/paths.h"
#include "logic/core/record_file.h"
#include "platform/canvas_text.h"
#include "platform/text_printing.h"

#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <cmath>

namespace talvo::platform {

namespace {

constexpr PrintMargins kMargins{0.75, 0.5, 0.75, 1.0};
constexpr int kLinesPerInch = 6;
constexpr int kPdfResolution = 600;

// Grey pen one point wide and the small grey font of header and footer.
void decorationStyle(QPainter& canvas) {
    const int dpiY = canvas.device()->logicalDpiY();
    const QColor grey(128, 128, 128);
    canvas.setPen(QPen(grey, static_cast<int>(std::nearbyint(dpiY / 72.0)), Qt::SolidLine));
    canvas.setFont(QFont(QStringLiteral("Arial"), 8));
}

} // namespace

QFont tipTextFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

void printPageHeader(QPainter& canvas, int, bool&, const PrintRect& rect) {
    const int dpiY = canvas.device()->logicalDpiY();
    decorationStyle(canvas);
    const int lineY = rect.bottom - dpiY / 18;
    canvas.drawLine(rect.left, lineY, rect.right, lineY);
    textOut(canvas, rect.left, rect.bottom - dpiY / 10 - textHeight(canvas, QStringLiteral("W")),
            QString::fromLatin1(logic::kProductName));
}

void printPageFooter(QPainter& canvas, int page, bool&, const PrintRect& rect) {
    const int dpiY = canvas.device()->logicalDpiY();
    decorationStyle(canvas);
    canvas.drawLine(rect.left, rect.top, rect.right, rect.top);
    const QString text = QStringLiteral("Seite %1").arg(page);
    textOut(canvas, rect.right - textWidth(canvas, text), rect.top + dpiY / 18, text);
}

int printTipText(QPagedPaintDevice& device, const QStringList& lines, const QFont& font) {
    return printLines(device, lines, &font, false, printPageHeader, printPageFooter, kLinesPerInch, kMargins);
}

int saveTipTextPdf(const QString& path, const QStringList& lines, const QFont& font) {
    // Drawn in memory first: the file is written in one piece, or not at all.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QString::fromLatin1(logic::kProductName));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pages = printTipText(writer, lines, font);
    }
    logic::writeWholeFile(path, pdf.data());
    return pages;
}

QString pageCountMessage(int pages) {
    return QStringLiteral("%1 Seite wird gedruckt").arg(pages);
}

} // namespace talvo::platform

#include "logic/core/error.h"
#include "platform/text_printing.h"
#include "platform/tip_text_print.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/temp_files.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMap>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace talvo;

namespace {

// Fonts need a GUI application; one serves every test.
void ensureApplication() {
    static int argc = 0;
    static QGuiApplication* app = new QGuiApplication(argc, nullptr);
    (void)app;
}

const platform::PrintMargins kFrameMargins{0.75, 0.5, 0.75, 1.0};

// A4 pages at 600 dots per inch with the given unprintable border in points.
struct PdfPages {
    QBuffer bytes;
    QPdfWriter writer{&bytes};
    explicit PdfPages(double borderPt = 0) {
        bytes.open(QIODevice::WriteOnly);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(borderPt, borderPt, borderPt, borderPt),
                                         QPageLayout::Point));
    }
};

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Zeile %1").arg(i);
    return lines;
}

platform::PageDecoration nothing() {
    return [](QPainter&, int, bool&, const platform::PrintRect&) {};
}

struct Seen {
    QList<platform::PrintRect> headers, footers;
    QList<int> headerPages, footerPages;
};

// printLines with decorations that only record what they are given; `stopAt` clears
// the flag in the header of that page.
int printRecording(QPagedPaintDevice& device, const QStringList& lines, const platform::PrintMargins& margins,
                   Seen& seen, int stopAt = 0, bool countOnly = false) {
    const QFont font = platform::tipTextFont();
    return platform::printLines(
        device, lines, &font, countOnly,
        [&](QPainter&, int page, bool& proceed, const platform::PrintRect& r) {
            seen.headers << r;
            seen.headerPages << page;
            if (page == stopAt)
                proceed = false;
        },
        [&](QPainter&, int page, bool&, const platform::PrintRect& r) {
            seen.footers << r;
            seen.footerPages << page;
        },
        6, margins);
}

QList<int> edges(const platform::PrintRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST(printLines, HeaderAndFooterRectanglesFollowMarginsAndPrintableArea) {
    ensureApplication();
    // A4 at 600 dpi is 4958 × 7017 pixels. Margins below the unprintable border give way
    // to it; everything is then counted from the printable area's corner.
    struct Case {
        double borderPt;
        QList<int> header, footer;
    } cases[] = {
        {0, {450, 0, 4658, 450}, {450, 6417, 4658, 7017}},
        {24, {250, 0, 4458, 250}, {250, 6217, 4458, 6617}},
        {72, {0, 0, 3758, 0}, {0, 5817, 3758, 5817}},
    };
    for (const Case& c : cases) {
        PdfPages pdf(c.borderPt);
        Seen seen;
        EXPECT_EQ(printRecording(pdf.writer, {QStringLiteral("eins")}, kFrameMargins, seen), 1);
        ASSERT_EQ(seen.headers.size(), 1);
        ASSERT_EQ(seen.footers.size(), 1);
        EXPECT_EQ(edges(seen.headers.first()), c.header) << "border " << c.borderPt;
        EXPECT_EQ(edges(seen.footers.first()), c.footer) << "border " << c.borderPt;
    }
}

// Words of the printed lines ("Zeile n") by page, read back from the PDF.
QMap<int, QList<test::PdfWord>> lineWordsByPage(const QString& pdf) {
    QMap<int, QList<test::PdfWord>> pages;
    for (const auto& w : test::pdfWords(pdf))
        if (w.text == QStringLiteral("Zeile"))
            pages[w.page] << w;
    return pages;
}

// The word `text` on the page, or the word after it with `next`.
test::PdfWord wordOn(const QString& pdf, int page, const QString& text, bool next = false) {
    const auto words = test::pdfWords(pdf);
    for (qsizetype i = 0; i + (next ? 1 : 0) < words.size(); ++i)
        if (words[i].page == page && words[i].text == text)
            return words[i + (next ? 1 : 0)];
    ADD_FAILURE() << "no \"" << text.toStdString() << "\" on page " << page;
    return {};
}

// Page positions in points (1/72 inch) of the A4 page with the frame's margins.
constexpr double kLeft = 54;                  // 0.75 inch
constexpr double kTop = 54;                   // 0.75 inch
constexpr double kRight = 4658 * 72.0 / 600;  // paper width less 0.5 inch
constexpr double kBottom = 6417 * 72.0 / 600; // paper height less 1 inch
constexpr double kPitch = 12;                 // six lines to the inch
constexpr double kSlack = 1.5;

TEST(printLines, LinesRunAtSixToTheInchBetweenHeaderAndFooter) {
    ensureApplication();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("seiten.pdf"));
    EXPECT_EQ(platform::saveTipTextPdf(pdf, numberedLines(130), platform::tipTextFont()), 3);
    ASSERT_EQ(test::pdfPageCount(pdf), 3);

    const auto pages = lineWordsByPage(pdf);
    int total = 0;
    for (int page = 1; page <= 3; ++page) {
        const auto& words = pages.value(page);
        ASSERT_FALSE(words.isEmpty()) << "page " << page;
        total += words.size();
        EXPECT_NEAR(words.first().yMin, kTop, kSlack) << "page " << page;
        for (int i = 0; i < words.size(); ++i) {
            EXPECT_NEAR(words[i].xMin, kLeft, kSlack);
            EXPECT_NEAR(words[i].yMin, words.first().yMin + i * kPitch, 0.2)
                << "page " << page << " line " << i;
            // No line reaches into the bottom margin ...
            EXPECT_LT(words[i].yMax, kBottom) << "page " << page << " line " << i;
        }
        // ... and the pages are filled: one more line would have reached it.
        if (page < 3) {
            EXPECT_GT(words.last().yMax + kPitch, kBottom) << "page " << page;
        }

        const auto header = wordOn(pdf, page, QStringLiteral("TALVO"));
        EXPECT_NEAR(header.xMin, kLeft, kSlack);
        EXPECT_LT(header.yMax, kTop - 72.0 / 18 + kSlack) << "above the header line";
        const auto footer = wordOn(pdf, page, QStringLiteral("Seite"), true);
        EXPECT_EQ(footer.text, QString::number(page));
        EXPECT_NEAR(footer.xMax, kRight, kSlack) << "right-aligned";
        EXPECT_NEAR(wordOn(pdf, page, QStringLiteral("Seite")).yMin, kBottom + 72.0 / 18, kSlack);
    }
    EXPECT_EQ(total, 130);
    EXPECT_EQ(test::pdfLines(pdf, 3).mid(1, 1),
              QStringList({QStringLiteral("Zeile %1").arg(130 - pages.value(3).size() + 1)}));
}

TEST(printLines, EmptyTextCountsOnePageAndDrawsNothing) {
    ensureApplication();
    PdfPages pdf;
    Seen seen;
    EXPECT_EQ(printRecording(pdf.writer, {}, kFrameMargins, seen), 1);
    EXPECT_TRUE(seen.headers.isEmpty());
    EXPECT_TRUE(seen.footers.isEmpty());
}

TEST(printLines, PagesAreNumberedAndAStoppedJobReturnsZero) {
    ensureApplication();
    {
        PdfPages pdf;
        Seen seen;
        EXPECT_EQ(printRecording(pdf.writer, numberedLines(200), kFrameMargins, seen), 4);
        EXPECT_EQ(seen.headerPages, QList<int>({1, 2, 3, 4}));
        EXPECT_EQ(seen.footerPages, QList<int>({1, 2, 3, 4}));
    }
    {
        // A header that stops page 2: its lines are skipped, its footer still drawn.
        PdfPages pdf;
        Seen seen;
        EXPECT_EQ(printRecording(pdf.writer, numberedLines(200), kFrameMargins, seen, 2), 0);
        EXPECT_EQ(seen.headerPages, QList<int>({1, 2}));
        EXPECT_EQ(seen.footerPages, QList<int>({1, 2}));
    }
}

// A printer writing into a PDF file, as a real printer gets its pages.
struct FilePrinter {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("drucker.pdf"));
    QPrinter printer{QPrinter::HighResolution};
    FilePrinter() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }
};

TEST(printLines, APrinterGetsOnlyJobsThatEnd) {
    ensureApplication();
    {
        FilePrinter p;
        Seen seen;
        EXPECT_EQ(printRecording(p.printer, numberedLines(130), kFrameMargins, seen), 3);
        EXPECT_EQ(test::pdfPageCount(p.path), 3);
        EXPECT_EQ(test::pdfLines(p.path, 3).last(), QStringLiteral("Zeile 130"));
    }
    {
        FilePrinter p;
        Seen seen;
        EXPECT_EQ(printRecording(p.printer, numberedLines(130), kFrameMargins, seen, 0, true), 3);
        EXPECT_EQ(seen.footerPages, QList<int>({1, 2, 3}));
        EXPECT_FALSE(QFileInfo::exists(p.path)) << "counted only";
    }
    {
        FilePrinter p;
        Seen seen;
        EXPECT_EQ(printRecording(p.printer, numberedLines(130), kFrameMargins, seen, 2), 0);
        EXPECT_FALSE(QFileInfo::exists(p.path)) << "stopped";
    }
}

TEST(printLines, MarginsWithoutRoomForALineAreRefused) {
    ensureApplication();
    const platform::PrintMargins cases[] = {
        {4.5, 4.0, 0.75, 1.0}, // left and right overlap
        {0.75, 0.5, 6.0, 6.0}, // top and bottom overlap
        {0.75, 0.5, 5.8, 5.8}, // a strip lower than one line would never take one
    };
    for (const auto& margins : cases) {
        FilePrinter p;
        Seen seen;
        try {
            printRecording(p.printer, numberedLines(3), margins, seen);
            ADD_FAILURE() << "no error for top " << margins.top << " left " << margins.left;
        } catch (const logic::Error& e) {
            EXPECT_EQ(e.text(), QString::fromUtf8(platform::kNoRoomInsideMargins));
        }
        EXPECT_TRUE(seen.headers.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(p.path));
    }
}

TEST(printLines, MissingFontIsAProgrammingError) {
    ensureApplication();
    PdfPages pdf;
    try {
        platform::printLines(pdf.writer, {QStringLiteral("x")}, nullptr, false, nothing(), nothing(), 6,
                             kFrameMargins);
        FAIL() << "no error";
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("Ich brauche eine gültige Schriftart!"));
    }
}

TEST(TipTextPdf, AFailedWriteKeepsTheOldFile) {
    ensureApplication();
    QTemporaryDir dir;
    const QString old = test::writeFile(dir, QStringLiteral("alt.pdf"), "alt");
    EXPECT_THROW(platform::saveTipTextPdf(dir.filePath(QStringLiteral("fehlt/neu.pdf")),
                                          {QStringLiteral("x")}, platform::tipTextFont()),
                 logic::Error);
    QDir(dir.path()).mkdir(QStringLiteral("ordner.pdf"));
    EXPECT_THROW(platform::saveTipTextPdf(dir.filePath(QStringLiteral("ordner.pdf")), {QStringLiteral("x")},
                                          platform::tipTextFont()),
                 logic::Error);
    EXPECT_EQ(test::readFile(old), QByteArray("alt"));
    EXPECT_EQ(platform::saveTipTextPdf(old, {QStringLiteral("neu")}, platform::tipTextFont()), 1);
    EXPECT_EQ(test::pdfLines(old, 1), QStringList({"TALVO", "neu", "Seite 1"}));
}

} // namespace

#include "logic/core/error.h"
#include "logic/export/tip_text.h"
#include "support/qstring_printer.h"
#include "support/temp_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::readFile;
using talvo::test::writeFile;

namespace {

std::string shown(const QStringList& lines) {
    return ("[" + lines.join(QStringLiteral("|")) + "]").toStdString();
}

TEST(TipText, LineEndsOfEveryKindEndALineAndTheLastStartsNone) {
    struct Case {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"\r\n", {QString()}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\n", {"a", QString()}},
        {"a\r\n\r\nb\n\n", {"a", QString(), "b", QString()}},
        {"\n\nx", {QString(), QString(), "x"}},
        {"  Tipp 1:  3 12 45\t70  \r\n", {"  Tipp 1:  3 12 45\t70  "}},
        {"\xC4pfel \xFC\xDF \x80 \xA0!\r\n", {QStringLiteral("Äpfel üß € \u00A0!")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tipTextLines(c.bytes), c.lines)
            << c.bytes.toStdString() << " gave " << shown(tipTextLines(c.bytes));
}

TEST(TipText, EveryLineIsWrittenInWindows1252WithCrLf) {
    EXPECT_EQ(tipTextBytes({}), QByteArray());
    EXPECT_EQ(tipTextBytes({QString()}), QByteArray("\r\n"));
    EXPECT_EQ(tipTextBytes({QStringLiteral("Grüße €"), QString(), QStringLiteral("Ende")}),
              QByteArray("Gr\xFC\xDF\x65 \x80\r\n\r\nEnde\r\n"));
    // What the code page cannot hold becomes '?', and fitsTipText says so beforehand.
    EXPECT_EQ(tipTextBytes({QStringLiteral("Łódź")}), QByteArray("?\xF3\x64\x3F\r\n"));
    EXPECT_TRUE(fitsTipText(QStringLiteral("Grüße € ‰ „x“ \u00A0")));
    EXPECT_FALSE(fitsTipText(QStringLiteral("Łódź")));
}

TEST(TipText, PaneTextAndLinesConvertBothWays) {
    const QList<QStringList> samples = {
        {}, {QString()}, {"a"}, {"a", QString()}, {QString(), QString()}, {"x", "y z"}};
    for (const auto& lines : samples)
        EXPECT_EQ(textLines(textOfLines(lines)), lines) << shown(lines);
    // Typed text without a final line end keeps its last line.
    EXPECT_EQ(textLines(QStringLiteral("a\nb")), QStringList({"a", "b"}));
}

TEST(TipText, FileRoundTripsByteForByte) {
    QTemporaryDir dir;
    const QByteArray bytes("Tipps f\xFCr Samstag\r\n\r\n 7 14 21 \x80\r\nEnde\r\n");
    const QString source = writeFile(dir, QStringLiteral("tipps.ktp"), bytes);
    const QString copy = dir.filePath(QStringLiteral("kopie.ktp"));
    writeTipText(copy, readTipText(source));
    EXPECT_EQ(readFile(copy), bytes);
}

TEST(TipText, FileErrorsAreGerman) {
    QTemporaryDir dir;
    try {
        readTipText(dir.filePath(QStringLiteral("fehlt.ktp")));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("fehlt.ktp"))) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(QStringLiteral("kann nicht geöffnet werden")))
            << e.text().toStdString();
    }
    EXPECT_THROW(writeTipText(dir.filePath(QStringLiteral("fehlt/tipps.ktp")), {QStringLiteral("x")}), Error);
    QDir(dir.path()).mkdir(QStringLiteral("ordner.ktp"));
    EXPECT_THROW(writeTipText(dir.filePath(QStringLiteral("ordner.ktp")), {QStringLiteral("neu")}), Error);
}

} // namespace

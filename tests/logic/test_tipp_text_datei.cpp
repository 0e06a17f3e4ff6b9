#include "logic/core/error.h"
#include "logic/export/tipp_text_datei.h"
#include "support/temp_files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::readFile;
using talvo::test::writeFile;

namespace {

TEST(TippTextDatei, WritesWindows1252LinesEndedByCrLfAndReadsThemBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("t.ktp");
    const QStringList lines = {"Tipp-Nr.: 1", "Auswahl für Größen", "", "KENO-Typ 2: 5 17"};
    TippTextSchreiben(path, lines);
    EXPECT_EQ(readFile(path), QByteArray("Tipp-Nr.: 1\r\nAuswahl f\xFCr Gr\xF6\xDF"
                                         "en\r\n\r\nKENO-Typ 2: 5 17\r\n"));
    EXPECT_EQ(TippTextLesen(path), lines);
    TippTextSchreiben(path, {});
    EXPECT_EQ(readFile(path), QByteArray());
}

TEST(TippTextDatei, ReadsCrLfAndLfAndAFinalLineWithoutEnd) {
    QTemporaryDir dir;
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\nb\n\n", {"a", "", "b", ""}},
        {"\xE4\xF6\xFC", {"äöü"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TippTextLesen(writeFile(dir, "c.ktp", c.bytes)), c.lines) << c.bytes.toStdString();
    EXPECT_THROW(TippTextLesen(dir.filePath("missing.ktp")), Error);
    EXPECT_THROW(TippTextSchreiben(dir.filePath("no/such/dir/t.ktp"), {"x"}), Error);
}

} // namespace

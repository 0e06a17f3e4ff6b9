// A tip text file: any bytes give lines without line ends, and writing those lines and
// reading them again gives the same lines.

#include "fuzz_support.h"

#include "logic/export/tip_text.h"

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = tipTextLines(fuzz::bytes(data, size));
    for (const QString& line : lines) {
        FUZZ_CHECK(!line.contains(u'\n') && !line.contains(u'\r'));
        FUZZ_CHECK(fitsTipText(line));
    }
    FUZZ_CHECK(tipTextLines(tipTextBytes(lines)) == lines);
    FUZZ_CHECK(textLines(textOfLines(lines)) == lines);
    return 0;
}

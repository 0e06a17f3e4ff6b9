// Pasted text: the digit runs extractDigitRuns finds are exactly the text's digits,
// readPastedText keeps some of them in order, and readNumber accepts exactly the integers
// it describes, with their values.

#include "fuzz_support.h"

#include "logic/core/dates.h"
#include "logic/core/draw_number.h"
#include "logic/core/error.h"
#include "logic/core/read_number.h"
#include "logic/draws/digit_runs.h"
#include "logic/draws/pasted_draw.h"
#include "logic/evaluation/plus5_class.h"

#include <QString>
#include <charconv>
#include <string>

using namespace talvo;
using namespace talvo::logic;

namespace {

// An independent reading of readNumber's rules for comparison.
std::optional<std::int32_t> expectedNumber(const QString& text) {
    std::string s;
    for (const QChar c : text) {
        if (c.unicode() > 127)
            return std::nullopt;
        s += static_cast<char>(c.unicode());
    }
    std::size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-')
        negative = s[i++] == '-';
    int base = 10;
    if (s.compare(i, 1, "$") == 0) {
        base = 16;
        i += 1;
    } else if (s.compare(i, 2, "0x") == 0 || s.compare(i, 2, "0X") == 0) {
        base = 16;
        i += 2;
    }
    const std::string digits = s.substr(i);
    if (digits.empty() || digits.find_first_of("+- ") != std::string::npos)
        return std::nullopt;
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    if (magnitude > (negative ? 2147483648ULL : 2147483647ULL))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<long long>(magnitude)
                                              : static_cast<long long>(magnitude));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QStringList pieces = extractDigitRuns(text);
    QString digits;
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    FUZZ_CHECK(pieces.join(QString()) == digits);
    for (const QString& piece : pieces) {
        FUZZ_CHECK(!piece.isEmpty());
        std::int32_t value = 0;
        // The paste window's check of each piece.
        if (readNumber(piece, value))
            FUZZ_CHECK(value >= 0 && QString::number(value) == QString::number(piece.toLongLong()));
        else
            FUZZ_CHECK(piece.toLongLong() > 2147483647LL || piece.size() > 18);
    }

    // The paste window's reading: the pieces are the runs less those of dates and times,
    // in order, and the check passes exactly for 20 different numbers of the board.
    const PastedText pasted = readPastedText(text);
    qsizetype next = 0;
    for (const QString& piece : pasted.pieces) {
        while (next < pieces.size() && pieces[next] != piece)
            ++next;
        FUZZ_CHECK(next < pieces.size());
        ++next;
    }
    FUZZ_CHECK(!pasted.day || isCalendarDay(*pasted.day));
    const DrawNumbersCheck check = checkDrawNumbers(pasted.pieces);
    FUZZ_CHECK(check.ok() == (pasted.pieces.size() == 20 && check.numbers.count() == 20));
    FUZZ_CHECK(check.problem.count(u'\n') <= 2);
    if (check.ok())
        for (const QString& piece : pasted.pieces)
            FUZZ_CHECK(check.numbers.contains(readDrawNumber(piece).value_or(0)));

    std::int32_t value = 0;
    const bool read = readNumber(text, value);
    const std::optional<std::int32_t> expected = expectedNumber(text);
    FUZZ_CHECK(read == expected.has_value());
    FUZZ_CHECK(!read || value == *expected);

    try {
        const int prizeClass = plus5Class(text, QStringLiteral("12345"));
        FUZZ_CHECK(prizeClass >= 0 && prizeClass <= 5);
    } catch (const Error&) {
        FUZZ_CHECK(!read);
    }
    return 0;
}

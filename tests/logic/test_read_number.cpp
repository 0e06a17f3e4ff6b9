#include "logic/core/draw_number.h"
#include "logic/core/read_number.h"

#include <gtest/gtest.h>

using talvo::logic::readDrawNumber;
using talvo::logic::readNumber;

namespace {

TEST(readNumber, AcceptsWhatThePlatformConversionAccepts) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    for (const Case c : {Case{"0", 0}, Case{"07", 7}, Case{"70", 70}, Case{"  12", 12}, Case{"+5", 5},
                         Case{"-5", -5}, Case{"$1F", 31}, Case{"0x10", 16}, Case{"0X1a", 26},
                         Case{"-$10", -16}, Case{"2147483647", 2147483647},
                         Case{"-2147483648", -2147483647 - 1}, Case{"000000000000000000000000000042", 42}}) {
        std::int32_t v = -99;
        EXPECT_TRUE(readNumber(QString::fromLatin1(c.text), v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(readNumber, RejectsEverythingElse) {
    for (const char* text :
         {"", "   ", "12 ", "1 2", "1.5", "12a", "a12", "-", "+", "$", "0x", "$G", "2147483648",
          "-2147483649", "123456789012345678901234567890", "- 5", "\t5", "5\n", "½"}) {
        std::int32_t v = -99;
        EXPECT_FALSE(readNumber(QString::fromUtf8(text), v)) << text;
        EXPECT_EQ(v, -99) << text;
    }
}

// The pieces of every place that reads the board's numbers from a text; the command line,
// the paste window and the archive rely on exactly this set.
TEST(readDrawNumber, TheBoardsNumbersInDecimal) {
    struct Case {
        const char* piece;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"1", 1},
        {"70", 70},
        {"35", 35},
        {"07", 7},
        {"0070", 70},
        {"000000000000000000000000000000000000000000000042", 42},
        // What the platform's conversion allows around the digits is allowed here too.
        {"+5", 5},
        {" 12", 12},
        {"12 ", 12},
        {"\t9\n", 9},
        {"0", std::nullopt},
        {"00", std::nullopt},
        {"-0", std::nullopt},
        {"71", std::nullopt},
        {"-5", std::nullopt},
        {"100", std::nullopt},
        {"4294967297", std::nullopt}, // 1 once the 32 bits wrap
        {"", std::nullopt},
        {" ", std::nullopt},
        {"1 2", std::nullopt},
        {"5a", std::nullopt},
        {"5,0", std::nullopt},
        {"5.0", std::nullopt},
        {"0x10", std::nullopt},
        {"$10", std::nullopt},
        {"\xd9\xa5", std::nullopt},     // an Arabic-Indic five
        {"\xef\xbc\x97", std::nullopt}, // a full-width seven
    };
    for (const Case& c : cases)
        EXPECT_EQ(readDrawNumber(QString::fromUtf8(c.piece)), c.value) << '"' << c.piece << '"';
}

} // namespace

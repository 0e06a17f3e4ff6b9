#include "logic/core/read_number.h"

#include <gtest/gtest.h>

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

} // namespace

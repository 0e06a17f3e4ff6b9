#include "logic/core/placeholder_address.h"

#include <gtest/gtest.h>

using talvo::logic::isPlaceholderAddress;

namespace {

struct Case {
    const char* address;
    bool placeholder;
};

class PlaceholderAddress : public ::testing::TestWithParam<Case> {};

TEST_P(PlaceholderAddress, TellsTheReservedExampleNamesFromRealOnes) {
    const Case& c = GetParam();
    EXPECT_EQ(isPlaceholderAddress(QString::fromUtf8(c.address)), c.placeholder) << c.address;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, PlaceholderAddress,
    ::testing::Values(
        // What an unconfigured build carries.
        Case{"https://talvo.example.net/downloads/", true}, Case{"talvo@example.net", true},
        Case{"https://talvo.example.net/", true}, Case{"https://EXAMPLE.COM/x", true},
        Case{"http://www.example.org./downloads/", true}, Case{"post@keno.invalid", true},
        Case{"https://server.test/downloads/", true}, Case{"https://talvo.example/", true}, Case{"", true},
        Case{"   ", true}, Case{"kein Server", true},
        // Real servers, including a local one for trying the update.
        Case{"https://www.lotto.de/keno", false}, Case{"http://127.0.0.1:8080/downloads/", false},
        Case{"http://localhost/downloads/", false}, Case{"post@talvo.de", false},
        // A name that merely contains the example name is a real one.
        Case{"https://myexample.net/downloads/", false}, Case{"https://example.net.de/", false},
        Case{"https://testserver.de/", false}));

} // namespace

// The play-slip file: every whole record is kept byte for byte, and the listing, the
// evaluations and the slip centre cope with whatever a record holds.

#include "fuzz_support.h"

#include "logic/core/error.h"
#include "logic/core/zahlenmenge.h"
#include "logic/evaluation/schein_listing.h"
#include "logic/settings/einstellungen.h"
#include "logic/slips/scheincenter.h"

#include <algorithm>

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    const SlipList scheine = slipsFromBytes(bytes);
    FUZZ_CHECK(scheine.size() == size / TGetippt::kSize);
    FUZZ_CHECK(slipsToBytes(scheine) == bytes.left(static_cast<qsizetype>(scheine.size()) * TGetippt::kSize));

    ScheinListing(scheine);

    // The three evaluations; a plus 5 text that is no number ends one with a message.
    Zahlenmenge zahlen;
    for (int n = 1; n <= 20; ++n)
        zahlen.insert(n * 3 + 1);
    fuzz::ReadAndDropTables tables;
    const auto evaluate = [](const auto& run) {
        try {
            run();
        } catch (const Error&) {
        }
    };
    evaluate(
        [&] { ZiehungAuswerten(scheine, zahlen, QStringLiteral("54321"), QStringLiteral("Test"), tables); });
    evaluate([&] { LaufzeitAuswerten(scheine, fuzz::history(), fuzz::today(), tables); });
    evaluate([&] {
        ZeitraumAuswerten(scheine, fuzz::today() - 40, fuzz::today(), fuzz::history(), fuzz::today(), tables);
    });

    // Opened in the slip centre and transferred into its table, as "Öffnen" and the blue
    // arrow do.
    SlipList liste;
    const TEinstellungen einstellungen;
    Scheincenter centre(liste, einstellungen);
    for (std::size_t i = 0; i < std::min<std::size_t>(scheine.size(), 8); ++i) {
        const int nummer = centre.ScheinLaden(scheine[i], fuzz::today()).nummer();
        centre.BGoClick(nummer);
    }
    FUZZ_CHECK(liste.size() <= scheine.size());
    return 0;
}

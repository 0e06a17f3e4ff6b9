// The play-slip file: every whole record is kept byte for byte, and the listing, the
// evaluations and the slip centre cope with whatever a record holds.

#include "fuzz_support.h"

#include "logic/core/error.h"
#include "logic/core/number_set.h"
#include "logic/evaluation/slip_listing.h"
#include "logic/settings/options_file.h"
#include "logic/slips/slip_centre.h"

#include <algorithm>

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    const SlipList slipRecords = slipsFromBytes(bytes);
    FUZZ_CHECK(slipRecords.size() == size / SlipRecord::kSize);
    FUZZ_CHECK(slipsToBytes(slipRecords) ==
               bytes.left(static_cast<qsizetype>(slipRecords.size()) * SlipRecord::kSize));

    buildSlipListing(slipRecords);

    // The three evaluations; a plus 5 text that is no number ends one with a message.
    NumberSet numbers;
    for (int n = 1; n <= 20; ++n)
        numbers.insert(n * 3 + 1);
    fuzz::ReadAndDropTables tables;
    const auto evaluate = [](const auto& run) {
        try {
            run();
        } catch (const Error&) {
        }
    };
    evaluate(
        [&] { evaluateDraw(slipRecords, numbers, QStringLiteral("54321"), QStringLiteral("Test"), tables); });
    evaluate([&] { evaluateRunningTimes(slipRecords, fuzz::history(), fuzz::today(), tables); });
    evaluate([&] {
        evaluateRange(slipRecords, fuzz::today() - 40, fuzz::today(), fuzz::history(), fuzz::today(), tables);
    });

    // Opened in the slip centre and transferred into its table, as "Öffnen" and the blue
    // arrow do.
    SlipList slipList;
    const OptionsRecord options;
    SlipCentre centre(slipList, options);
    for (std::size_t i = 0; i < std::min<std::size_t>(slipRecords.size(), 8); ++i) {
        const int slipNumber = centre.loadSlip(slipRecords[i], fuzz::today()).slipNumber();
        centre.transferSlip(slipNumber);
    }
    FUZZ_CHECK(slipList.size() <= slipRecords.size());
    return 0;
}

// A downloaded draw set: either refused with a reason, or made of sound draws that merge
// into the history without losing a stored draw.

#include "fuzz_support.h"

#include "logic/core/error.h"
#include "logic/draws/archive_import.h"
#include "logic/draws/draw_merge.h"
#include "logic/draws/update_need.h"

#include <algorithm>
#include <cmath>

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DrawHistory block;
    try {
        block = checkedDrawSet(fuzz::bytes(data, size), fuzz::today());
    } catch (const Error& e) {
        FUZZ_CHECK(!e.text().isEmpty());
        return 0;
    }
    FUZZ_CHECK(!block.empty());
    for (std::size_t i = 0; i < block.size(); ++i) {
        const DrawRecord& d = block[i];
        FUZZ_CHECK(std::isfinite(d.datum) && d.datum <= fuzz::today() && d.datum >= kFirstDrawSerial);
        FUZZ_CHECK(i == 0 || d.datum > block[i - 1].datum);
        FUZZ_CHECK(d.GZ[0] == 0 || d.numberSet().count() == 20);
    }

    const DrawHistory& history = fuzz::history();
    const DrawHistory merged = mergeDrawBlock(history, block);
    FUZZ_CHECK(merged.size() >= history.size());
    // The block stands whole in the merged history, and every stored draw older than its
    // first date is still there.
    const auto at = std::search(merged.begin(), merged.end(), block.begin(), block.end());
    FUZZ_CHECK(at != merged.end());
    for (auto d = history.begin(); d != history.end() && d->datum < block.front().datum; ++d)
        FUZZ_CHECK(merged[static_cast<std::size_t>(d - history.begin())] == *d);
    determineUpdateNeed(merged, fuzz::now());

    // Merged by date, no stored date is lost and the dates keep increasing.
    try {
        const DrawSetMerge byDate = mergeDrawSet(history, block);
        if (followsDayOrder(history) && !history.empty()) {
            for (std::size_t i = 1; i < byDate.history.size(); ++i)
                FUZZ_CHECK(byDate.history[i - 1].datum < byDate.history[i].datum);
            for (const DrawRecord& d : history)
                FUZZ_CHECK(std::binary_search(
                    byDate.history.begin(), byDate.history.end(), d,
                    [](const DrawRecord& a, const DrawRecord& b) { return a.datum < b.datum; }));
        }
    } catch (const Error& e) {
        FUZZ_CHECK(!e.text().isEmpty()); // more records than the program keeps
    }
    return 0;
}

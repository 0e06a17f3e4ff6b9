// The lottery's archive file: any bytes read into good rows that are real draws and
// faulty rows with a reason, and merging them never loses a stored draw it should keep.

#include "fuzz_support.h"

#include "logic/core/error.h"
#include "logic/draws/archive_import.h"

#include <algorithm>
#include <map>

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ArchiveFile archive = readArchive(fuzz::bytes(data, size), fuzz::today());
    int lastLine = 0;
    for (const ArchiveDraw& d : archive.draws) {
        FUZZ_CHECK(d.line > lastLine);
        lastLine = d.line;
        FUZZ_CHECK(d.day >= kFirstDrawSerial && d.day <= fuzz::today());
        FUZZ_CHECK(d.numbers.front() >= 1 && d.numbers.back() <= 70);
        FUZZ_CHECK(std::adjacent_find(d.numbers.begin(), d.numbers.end(), std::greater_equal<>()) ==
                   d.numbers.end());
        FUZZ_CHECK(d.plus5.isEmpty() || d.plus5.size() == 5);
    }
    for (const FaultyRow& f : archive.faulty)
        FUZZ_CHECK(f.line >= 1 && !f.reason.isEmpty());

    const DrawHistory& history = fuzz::history();
    for (const bool replace : {false, true}) {
        ImportResult result;
        try {
            result = mergeArchive(history, archive, replace);
        } catch (const Error& e) {
            FUZZ_CHECK(!e.text().isEmpty());
            continue;
        }
        const ImportReport& r = result.report;
        FUZZ_CHECK(r.added + r.replaced + r.differing + r.identical <=
                   static_cast<int>(archive.draws.size()));
        FUZZ_CHECK(!replace || r.differing == 0);
        // Every stored draw is still there by its date, changed only where replaced.
        std::map<double, const DrawRecord*> byDate;
        for (const DrawRecord& d : result.history)
            byDate[d.datum] = &d;
        FUZZ_CHECK(byDate.size() == result.history.size());
        int changed = 0;
        for (const DrawRecord& d : history) {
            const auto at = byDate.find(d.datum);
            FUZZ_CHECK(at != byDate.end());
            changed += *at->second == d ? 0 : 1;
        }
        FUZZ_CHECK(changed <= r.replaced + r.added);
    }
    return 0;
}

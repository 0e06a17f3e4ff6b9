// The draw history file: every whole record is kept byte for byte, and every part of the
// program that reads the history right after loading it copes with whatever it holds.

#include "fuzz_support.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/draws/archive_export.h"
#include "logic/draws/archive_import.h"
#include "logic/draws/store_draw.h"
#include "logic/draws/update_need.h"
#include "logic/evaluation/range_preset.h"
#include "logic/export/draw_export_table.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics.h"
#include "logic/statistics/combination_search.h"
#include "logic/tips/tip_generator.h"

#include <QRandomGenerator>

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    const DrawHistory draws = drawsFromBytes(bytes);
    FUZZ_CHECK(draws.size() == size / DrawRecord::kSize);
    FUZZ_CHECK(drawsToBytes(draws) == bytes.left(static_cast<qsizetype>(draws.size()) * DrawRecord::kSize));

    for (const DrawRecord& d : draws) {
        serialToText(d.datum);
        d.plus5.text();
        FUZZ_CHECK(d.numberSet().count() <= 20);
    }

    // What the main window does on start: the statistics and absences follow the history,
    // the update need and the evaluation's date range are worked out.
    ProgramState state;
    Statistics statistics(state);
    state.setHistory(draws);
    statistics.computeFrequencies(0);
    statistics.computeFrequencies(13);
    determineUpdateNeed(draws, fuzz::now());
    const DrawCalendar calendar(draws);
    if (!draws.empty()) {
        const DateRange r = presetRange(wholeDay(draws.back().datum), calendar);
        calendar.drawDaysBetween(r.from, r.to);
    }

    // A tip from the class sets, the best pairs, the demo slips over their running time.
    QRandomGenerator rng(1);
    try {
        TipGenerator().generate(statistics.classSets(), 2, {4, 6, 0, 0, 0}, rng);
    } catch (const Error&) {
    }
    searchCombinations(lastDrawSets(statistics.drawSets(), 50), 2);
    fuzz::ReadAndDropTables tables;
    try {
        evaluateRunningTimes(fuzz::slips(), draws, fuzz::today(), tables);
    } catch (const Error&) {
    }

    // Storing a draw behind it, exporting it as a table and as archive rows that read back.
    DrawHistory stored = draws;
    NumberSet twentyNumbers;
    for (int n = 1; n <= 20; ++n)
        twentyNumbers.insert(n * 3);
    const DaySerial datum = draws.empty() ? fuzz::today() : draws.back().datum + 1;
    try {
        storeDraw(stored, static_cast<int>(draws.size()) + 2, datum, twentyNumbers, QStringLiteral("00042"),
                  fuzz::today());
    } catch (const Error&) {
        // Compared as stored bytes: a date read as NaN never equals itself.
        FUZZ_CHECK(drawsToBytes(stored) == drawsToBytes(draws)); // a draw that does not fit changes nothing
    }
    const QDate lastDrawDay = lastDrawDate(draws);
    if (lastDrawDay.isValid()) {
        try {
            const ExportRange b = findExportRange(draws, firstExportDate(), lastDrawDay);
            buildDrawExportTable(draws, kNumbersAndPlus5, b.first, b.last);
        } catch (const Error&) {
        }
    }
    const ArchiveFile back = readArchive(drawsAsArchiveCsv(draws).toUtf8(), fuzz::today());
    FUZZ_CHECK(back.draws.size() <= draws.size());
    return 0;
}

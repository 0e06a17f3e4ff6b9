// The draw history file: every whole record is kept byte for byte, and every part of the
// program that reads the history right after loading it copes with whatever it holds.

#include "fuzz_support.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"
#include "logic/core/program_state.h"
#include "logic/draws/archive_export.h"
#include "logic/draws/archive_import.h"
#include "logic/draws/update_need.h"
#include "logic/draws/ziehung_speichern.h"
#include "logic/evaluation/range_preset.h"
#include "logic/export/ziehungs_tabelle.h"
#include "logic/statistics/kombi_suche.h"
#include "logic/statistics/statistik.h"
#include "logic/tips/tipp.h"

#include <QRandomGenerator>

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    const DrawHistory draws = drawsFromBytes(bytes);
    FUZZ_CHECK(draws.size() == size / TKenoZahlen::kSize);
    FUZZ_CHECK(drawsToBytes(draws) == bytes.left(static_cast<qsizetype>(draws.size()) * TKenoZahlen::kSize));

    for (const TKenoZahlen& d : draws) {
        serialToText(d.datum);
        d.plus5.text();
        FUZZ_CHECK(d.menge().count() <= 20);
    }

    // What the main window does on start: the statistics and absences follow the history,
    // the update need and the evaluation's date range are worked out.
    ProgramState state;
    Statistik statistik(state);
    state.setHistory(draws);
    statistik.HaeufigkeitenBerechnen(0);
    statistik.HaeufigkeitenBerechnen(13);
    BedarfErmitteln(draws, fuzz::now());
    const DrawCalendar kalender(draws);
    if (!draws.empty()) {
        const DateRange r = presetRange(wholeDay(draws.back().datum), kalender);
        kalender.drawDaysBetween(r.von, r.bis);
    }

    // A tip from the class sets, the best pairs, the demo slips over their running time.
    QRandomGenerator zufall(1);
    try {
        Tippgenerator().generieren(state.KlassenMengen, 2, {4, 6, 0, 0, 0}, zufall);
    } catch (const Error&) {
    }
    KombiSuche(kombiFenster(statistik.ziehungsMengen(), 50), 2);
    fuzz::ReadAndDropTables tables;
    try {
        LaufzeitAuswerten(fuzz::slips(), draws, fuzz::today(), tables);
    } catch (const Error&) {
    }

    // Storing a draw behind it, exporting it as a table and as archive rows that read back.
    DrawHistory stored = draws;
    Zahlenmenge zwanzig;
    for (int n = 1; n <= 20; ++n)
        zwanzig.insert(n * 3);
    const DaySerial datum = draws.empty() ? fuzz::today() : draws.back().datum + 1;
    ZiehungSpeichern(stored, static_cast<int>(draws.size()) + 2, datum, zwanzig, QStringLiteral("00042"));
    const QDate letzter = letzterZiehungstag(draws);
    if (letzter.isValid()) {
        try {
            const ExportBereich b = ziehungsBereich(draws, ersterExportTag(), letzter);
            ZiehungsTabelle(draws, kGewinnzahlenUndPlus5, b.erste, b.letzte);
        } catch (const Error&) {
        }
    }
    const ArchiveFile back = readArchive(drawsAsArchiveCsv(draws).toUtf8(), fuzz::today());
    FUZZ_CHECK(back.draws.size() <= draws.size());
    return 0;
}

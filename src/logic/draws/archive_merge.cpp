#include "logic/draws/archive_import.h"

#include "logic/core/dates.h"
#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"

#include <algorithm>
#include <cmath>

namespace talvo::logic {

namespace {

// A century of daily draws with room to spare.
constexpr long long kMostImportedRecords = 50000;

// The import places draws by their day, so the history must hold one record per day in
// date order; it names the first record that breaks this.
void checkDayOrder(const DrawHistory& history) {
    for (std::size_t i = 0; i < history.size(); ++i) {
        const double datum = history[i].datum;
        const QString dated = serialToText(datum);
        QString fault;
        if (!std::isfinite(datum) || dated.isEmpty())
            fault = QStringLiteral("Die Ziehung Nr. %1 hat kein gültiges Datum.").arg(i + 1);
        else if (datum != std::floor(datum))
            fault = QStringLiteral("Die Ziehung Nr. %1 vom %2 trägt zum Datum eine Uhrzeit.")
                        .arg(i + 1)
                        .arg(dated);
        else if (datum < kFirstDrawSerial)
            fault =
                QStringLiteral("Die Ziehung Nr. %1 vom %2 liegt vor der ersten KENO-Ziehung am 02.02.2004.")
                    .arg(i + 1)
                    .arg(dated);
        else if (i > 0 && datum == history[i - 1].datum)
            fault = QStringLiteral("Die Ziehung Nr. %1 hat dasselbe Datum %2 wie die Ziehung davor.")
                        .arg(i + 1)
                        .arg(dated);
        else if (i > 0 && datum < history[i - 1].datum)
            fault = QStringLiteral("Die Ziehung Nr. %1 vom %2 ist älter als die Ziehung davor.")
                        .arg(i + 1)
                        .arg(dated);
        if (!fault.isEmpty())
            throw Error(QStringLiteral("Die gespeicherten Ziehungen sind nicht nach Tagen geordnet: %1\r\r"
                                       "Der Import ändert nichts.")
                            .arg(fault));
    }
}

// A stored plus 5 of fewer than five digits lost its leading zeros.
QString fiveDigits(const QString& plus5) {
    const bool digits =
        !plus5.isEmpty() && plus5.size() < 5 &&
        std::all_of(plus5.begin(), plus5.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? plus5.rightJustified(5, u'0') : plus5;
}

bool sameDraw(const DrawRecord& stored, const ArchiveDraw& row) {
    auto numbers = stored.GZ;
    std::sort(numbers.begin(), numbers.end());
    if (numbers != row.numbers)
        return false;
    return row.plus5.isEmpty() || fiveDigits(stored.plus5.text()) == row.plus5;
}

// A draw that fills an empty record brings its plus 5 even when unknown (empty); one that
// replaces a draw keeps the stored plus 5 unless it knows its own.
void takeDraw(DrawRecord& record, const ArchiveDraw& row) {
    if (!row.plus5.isEmpty() || record.isPlaceholder())
        record.plus5.setText(row.plus5);
    record.GZ = row.numbers;
}

// The evaluation counts a slip's running time by position, so every draw day between two
// records gets one: an empty record with just its date, as storing a draw after a gap does.
// A record dated far ahead (mistyped by hand) would otherwise grow the history by millions
// of empty records, beyond what the program loads again.
DrawHistory withGapsFilled(const DrawHistory& history) {
    const DrawCalendar calendar(history);
    long long records = static_cast<long long>(history.size());
    for (std::size_t i = 1; i < history.size(); ++i)
        records +=
            calendar.drawDaysBetween(wholeDay(history[i - 1].datum) + 1, wholeDay(history[i].datum) - 1);
    if (records > kMostImportedRecords)
        throw Error(
            QStringLiteral("Mit den Tagen zwischen den Ziehungen bis zum %1 ergäbe der Import %2 Ziehungen, "
                           "mehr als das Programm verwaltet.\r\rDer Import ändert nichts.")
                .arg(serialToText(history.back().datum))
                .arg(records));
    DrawHistory filled;
    filled.reserve(static_cast<std::size_t>(records));
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (i > 0) {
            const int next = wholeDay(history[i].datum);
            for (int day = calendar.drawDayAfter(wholeDay(history[i - 1].datum)); day < next;
                 day = calendar.drawDayAfter(day)) {
                DrawRecord empty;
                empty.datum = day;
                filled.push_back(empty);
            }
        }
        filled.push_back(history[i]);
    }
    return filled;
}

} // namespace

ImportResult mergeArchive(const DrawHistory& history, const ArchiveFile& archive, bool replace) {
    checkDayOrder(history);

    std::vector<const ArchiveDraw*> rows;
    rows.reserve(archive.draws.size());
    for (const ArchiveDraw& row : archive.draws)
        rows.push_back(&row);
    std::sort(rows.begin(), rows.end(),
              [](const ArchiveDraw* a, const ArchiveDraw* b) { return a->day < b->day; });

    ImportResult result;
    ImportReport& report = result.report;
    report.faulty = archive.faulty;
    report.faultyCount = archive.faultyCount;
    DrawHistory merged;
    merged.reserve(history.size() + rows.size());
    auto stored = history.begin();
    for (const ArchiveDraw* row : rows) {
        while (stored != history.end() && stored->datum < row->day)
            merged.push_back(*stored++);
        if (stored != history.end() && stored->datum == row->day) {
            DrawRecord record = *stored++;
            if (record.isPlaceholder()) {
                takeDraw(record, *row);
                ++report.added;
            } else if (sameDraw(record, *row)) {
                ++report.identical;
            } else if (replace) {
                takeDraw(record, *row);
                ++report.replaced;
            } else {
                ++report.differing;
            }
            merged.push_back(record);
        } else {
            DrawRecord record;
            record.datum = row->day;
            takeDraw(record, *row);
            merged.push_back(record);
            ++report.added;
        }
    }
    merged.insert(merged.end(), stored, history.end());

    if (report.changesHistory()) {
        result.history = withGapsFilled(merged);
        report.placeholders = static_cast<int>(result.history.size() - merged.size());
    } else {
        result.history = history;
    }
    return result;
}

bool followsDayOrder(const DrawHistory& history) {
    try {
        checkDayOrder(history);
        return true;
    } catch (const Error&) {
        return false;
    }
}

DrawHistory withDrawDaysFilled(const DrawHistory& history) {
    return withGapsFilled(history);
}

QString noUsableRowText() {
    return QStringLiteral(
        "Die Datei enthält keine Ziehung, die sich übernehmen lässt. Erwartet wird je Zeile "
        "das Datum als TT.MM.JJJJ oder JJJJ-MM-TT, dann die 20 Gewinnzahlen und auf Wunsch "
        "die Plus-5-Zahl, jedes in einem eigenen Feld, getrennt durch Semikolon, Komma oder "
        "Tabulator.\r\rDie gespeicherten Ziehungen bleiben unverändert.");
}

} // namespace talvo::logic

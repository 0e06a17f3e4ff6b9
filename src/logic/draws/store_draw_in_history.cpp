#include "logic/draws/store_draw_in_history.h"

#include "logic/core/dates.h"
#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"
#include "logic/core/number_set.h"
#include "logic/draws/change_text.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/history_sync.h"
#include "logic/draws/store_draw.h"
#include "logic/draws/undo_history.h"

#include <QByteArray>
#include <algorithm>

namespace talvo::logic {

namespace {

constexpr long long kMostRecords = kMaxDrawFileBytes / DrawRecord::kSize;

[[noreturn]] void refuse(const QString& why) {
    throw Error(why + QStringLiteral("\r\rEs wurde nichts gespeichert."));
}

bool isDated(const DrawRecord& record) {
    return record.datum >= kFirstDrawSerial && isCalendarDay(record.datum);
}

// Where the entry's draw goes.
struct Placement {
    enum class Kind {
        Record, // into the record of its date
        Append, // after the last record, at `position` once the days between are filled in
        Insert, // a new record at `position`, between stored dates
    };
    Kind kind = Kind::Record;
    std::size_t position = 0;
};

std::optional<std::size_t> recordOfDay(const DrawHistory& history, int day) {
    // From the newest end: an old history holding a day twice changes where its newest draws are.
    for (std::size_t i = history.size(); i-- > 0;) {
        if (wholeDay(history[i].datum) == day)
            return i;
    }
    return std::nullopt;
}

// The position of a draw of `day` after the last record: the draw days between get empty
// records first. A last record without a valid date gives no days to count from.
std::size_t appendPosition(const DrawHistory& history, int day) {
    if (history.empty() || !isDated(history.back()))
        return history.size();
    const int missing = DrawCalendar(history).drawDaysBetween(wholeDay(history.back().datum) + 1, day - 1);
    return history.size() + static_cast<std::size_t>(missing);
}

// A dated record as the refusals name it.
QString recordText(const DrawRecord& record) {
    if (record.isPlaceholder())
        return QStringLiteral("der noch leere Eintrag vom %1").arg(serialToText(record.datum));
    return QStringLiteral("die Ziehung vom %1").arg(serialToText(record.datum));
}

Placement placeEntry(const DrawHistory& history, int day, std::optional<int> requested) {
    const std::optional<std::size_t> held = recordOfDay(history, day);
    const bool afterLast = history.empty() || wholeDay(history.back().datum) < day;
    const QString date = serialToText(day);
    if (!requested) {
        if (held)
            return {Placement::Kind::Record, *held};
        if (afterLast)
            return {Placement::Kind::Append, appendPosition(history, day)};
        return {Placement::Kind::Insert, static_cast<std::size_t>(positionForDate(history, day))};
    }
    // The caller names the place, and the date must agree with it: a place that lost its
    // meaning (another program stored a draw there meanwhile) never takes another day's draw.
    const int wanted = *requested;
    if (wanted < 0)
        refuse(QStringLiteral("Die Ziehungen sind von 1 an nummeriert."));
    const auto p = static_cast<std::size_t>(wanted);
    if (p < history.size()) {
        if (wholeDay(history[p].datum) == day)
            return {Placement::Kind::Record, p};
        if (!isDated(history[p]))
            refuse(
                QStringLiteral("Die Nummer %1 ist ein Eintrag ohne gültiges Datum, nicht die Ziehung vom %2.")
                    .arg(wanted + 1)
                    .arg(date));
        refuse(QStringLiteral("Die Nummer %1 ist %2, nicht vom %3.")
                   .arg(wanted + 1)
                   .arg(recordText(history[p]), date));
    }
    const QString last = history.empty() ? QString() : serialToText(history.back().datum);
    if (!afterLast) {
        refuse(
            held ? QStringLiteral("Der %1 passt nicht an diese Stelle: Seine Ziehung ist die Nummer %2; die "
                                  "Nummer %3 käme nach der letzten gespeicherten Ziehung vom %4.")
                       .arg(date)
                       .arg(*held + 1)
                       .arg(wanted + 1)
                       .arg(last)
                 : QStringLiteral("Der %1 passt nicht an diese Stelle: Die Nummer %2 käme nach der letzten "
                                  "gespeicherten Ziehung vom %3, der %1 liegt davor.")
                       .arg(date)
                       .arg(wanted + 1)
                       .arg(last));
    }
    // "The next number" means after the last record, however many draw days lie between.
    // A number further on is left to storeDraw, which refuses it: the days it would fill in
    // before the draw reach back to the stored ones (an empty history fills in as many days
    // as the number asks for).
    return {Placement::Kind::Append, std::max(p, appendPosition(history, day))};
}

DrawRecord emptyRecord(int day) {
    DrawRecord record;
    record.datum = day;
    return record;
}

// Every draw day from `first` to `last` gets an empty record.
DrawHistory emptyRecords(const DrawCalendar& calendar, int first, int last) {
    DrawHistory records;
    for (int day = calendar.isDrawDay(first) ? first : calendar.drawDayAfter(first); day <= last;
         day = calendar.drawDayAfter(day))
        records.push_back(emptyRecord(day));
    return records;
}

void store(DrawHistory& history, std::size_t position, const DrawEntry& entry, DaySerial today) {
    if (!storeDraw(history, static_cast<int>(position), entry.datum, entry.numbers, entry.plus5, today))
        refuse(QStringLiteral("Eine Ziehung besteht aus genau 20 verschiedenen Zahlen von 1 bis 70."));
}

// Puts the entry's draw into `history` where `place` says; returns its position.
std::size_t putDraw(DrawHistory& history, const Placement& place, const DrawEntry& entry, DaySerial today) {
    if (place.kind != Placement::Kind::Insert) {
        store(history, place.position, entry, today);
        return place.position;
    }
    // A day that an old history skipped: the draw goes in by date, and the draw days around
    // it without a record get empty ones, as merging a downloaded set or the lottery's
    // archive does. Nothing stored moves but by the records put in before it.
    const int day = wholeDay(entry.datum);
    const std::size_t at = place.position;
    DrawHistory changed = history;
    changed.insert(changed.begin() + static_cast<std::ptrdiff_t>(at), emptyRecord(day));
    store(changed, at, entry, today); // refuses unless the neighbours are older and newer
    const DrawCalendar calendar(changed);
    const bool fillBefore = at > 0 && isDated(changed[at - 1]);
    const bool fillAfter = at + 1 < changed.size() && isDated(changed[at + 1]);
    const int previous = fillBefore ? wholeDay(changed[at - 1].datum) : day;
    const int next = fillAfter ? wholeDay(changed[at + 1].datum) : day;
    const long long records = static_cast<long long>(changed.size()) +
                              calendar.drawDaysBetween(previous + 1, day - 1) +
                              calendar.drawDaysBetween(day + 1, next - 1);
    if (records > kMostRecords)
        refuse(QStringLiteral("Mit leeren Einträgen für die Ziehungstage um den %1 ergäbe das %2 Ziehungen, "
                              "mehr als das Programm verwaltet.")
                   .arg(serialToText(day))
                   .arg(records));
    const DrawHistory before = emptyRecords(calendar, previous + 1, day - 1);
    const DrawHistory after = emptyRecords(calendar, day + 1, next - 1);
    changed.insert(changed.begin() + static_cast<std::ptrdiff_t>(at + 1), after.begin(), after.end());
    changed.insert(changed.begin() + static_cast<std::ptrdiff_t>(at), before.begin(), before.end());
    history = std::move(changed);
    return at + before.size();
}

// A file whose dates run backwards is damaged: where a day goes and which days are missing
// can no longer be told, and filling in "missing" days would store a day twice.
void checkDateOrder(const DrawHistory& history) {
    const DrawRecord* previous = nullptr;
    for (const DrawRecord& record : history) {
        if (!isDated(record))
            continue;
        if (previous && wholeDay(record.datum) < wholeDay(previous->datum))
            refuse(QStringLiteral("Die gespeicherten Ziehungen stehen nicht in der Reihenfolge ihrer Daten: "
                                  "Auf die Nummer %1 vom %2 folgt die Nummer %3 vom %4. Bitte nehmen Sie die "
                                  "Änderung zurück, die sie durcheinandergebracht hat, oder importieren Sie "
                                  "die Ziehungen neu.")
                       .arg(previous - history.data() + 1)
                       .arg(serialToText(previous->datum))
                       .arg(&record - history.data() + 1)
                       .arg(serialToText(record.datum)));
        previous = &record;
    }
}

// As the entry page compares: the numbers as a set, the plus 5 as it would be stored.
bool holdsEntry(const DrawRecord& stored, const DrawEntry& entry) {
    return stored.numberSet() == entry.numbers && stored.plus5.text() == entry.plus5.left(5);
}

} // namespace

StoreResult storeDrawInHistory(const QString& historyPath, const DrawHistory& known, const DrawEntry& entry,
                               std::optional<int> requestedPosition, DaySerial today, const QDateTime& now,
                               const ReplaceQuestion& mayReplace) {
    if (entry.numbers.count() != kDrawNumberCount ||
        toNumberList(entry.numbers, kDrawNumberCount, 70).size() != kDrawNumberCount)
        refuse(QStringLiteral("Eine Ziehung besteht aus genau 20 verschiedenen Zahlen von 1 bis 70."));
    checkDrawDate(entry.datum, today);
    const int day = wholeDay(entry.datum);
    const QByteArray knownBytes = drawsToBytes(known);
    // The file as it was when the player agreed to replace the stored draw.
    std::optional<QByteArray> agreedOn;
    for (;;) {
        std::optional<HistoryLock> lock(std::in_place, historyPath);
        StoreResult result;
        result.history = loadHistoryOrEmpty(historyPath);
        const QByteArray bytes = drawsToBytes(result.history);
        result.reloaded = bytes != knownBytes;
        checkDateOrder(result.history);
        const Placement place = placeEntry(result.history, day, requestedPosition);
        result.position = static_cast<int>(place.position);
        const bool replaces =
            place.kind == Placement::Kind::Record && !result.history[place.position].isPlaceholder();
        if (replaces && holdsEntry(result.history[place.position], entry)) {
            result.outcome = StoreOutcome::AlreadyStored;
            return result;
        }
        // Tried first, so a draw that does not fit is refused before anyone is asked.
        DrawHistory changed = result.history;
        const std::size_t position = putDraw(changed, place, entry, today);
        if (replaces && agreedOn != bytes) {
            const DrawRecord stored = result.history[place.position];
            lock.reset();
            if (!mayReplace || !mayReplace(stored)) {
                result.outcome = StoreOutcome::Declined;
                return result;
            }
            agreedOn = bytes;
            continue; // read again: the file may have changed while the question was open
        }
        writeHistoryWithUndo(*lock, historyPath, changed, storedDrawText(entry.datum), now);
        result.outcome = StoreOutcome::Stored;
        result.history = std::move(changed);
        result.position = static_cast<int>(position);
        return result;
    }
}

} // namespace talvo::logic

#include "logic/draws/store_draw.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"
#include "logic/core/number_set.h"

#include <algorithm>

namespace talvo::logic {

namespace {

// Sunday 13.06.2010, the first KENO draw on a Sunday: KENO is drawn every day since.
constexpr int kDailyDrawsFrom = 40342;

constexpr std::size_t kMostRecords = static_cast<std::size_t>(kMaxDrawFileBytes / DrawRecord::kSize);

bool isDated(const DrawRecord& record) {
    return record.datum >= kFirstDrawSerial;
}

[[noreturn]] void refuse(const QString& why) {
    throw Error(why + QStringLiteral("\r\rEs wurde nichts gespeichert."));
}

void checkPlus5(const QString& plus5) {
    if (!std::all_of(plus5.begin(), plus5.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        refuse(QStringLiteral("Die plus 5-Zahl \"%1\" besteht nicht nur aus Ziffern.").arg(plus5));
}

// The stored draw and the days filled in before it must keep the dates in order with their
// neighbours; records further away are not looked at.
void checkOrder(const DrawHistory& changed, std::size_t firstNew, std::size_t position) {
    const QString date = serialToText(changed[position].datum);
    for (std::size_t i = firstNew; i <= position; ++i) {
        if (!isDated(changed[i]))
            refuse(QStringLiteral("Vor der Ziehung vom %1 fehlen so viele Tage, dass sie vor der ersten "
                                  "KENO-Ziehung am 02.02.2004 lägen.")
                       .arg(date));
    }
    const std::size_t from = firstNew > 0 ? firstNew - 1 : 0;
    const std::size_t to = std::min(position + 1, changed.size() - 1);
    for (std::size_t i = from; i < to; ++i) {
        if (isDated(changed[i]) && isDated(changed[i + 1]) && changed[i].datum >= changed[i + 1].datum)
            refuse(QStringLiteral("Der %1 passt nicht an diese Stelle: Die Ziehungen davor und danach "
                                  "müssen ältere und neuere Daten tragen (hier %2 und %3).")
                       .arg(date, serialToText(changed[i].datum), serialToText(changed[i + 1].datum)));
    }
}

} // namespace

bool storeDraw(DrawHistory& history, int position, DaySerial datum, const NumberSet& selection,
               const QString& plus5, DaySerial today) {
    const std::vector<std::uint8_t> numbers = toNumberList(selection, 20, 70);
    if (numbers.size() != 20 || position < 0)
        return false;
    const QString shortPlus5 = plus5.left(5);
    checkPlus5(shortPlus5);
    checkDrawDate(datum, today);
    const auto pos = static_cast<std::size_t>(position);
    if (pos >= kMostRecords)
        refuse(QStringLiteral("Die Nummer %1 liegt weit hinter der letzten gespeicherten Ziehung; so viele "
                              "Ziehungen verwaltet das Programm nicht.")
                   .arg(position + 1));

    DrawHistory changed = history;
    if (pos >= changed.size())
        changed.resize(pos + 1);
    DrawRecord& draw = changed[pos];
    draw.datum = wholeDay(datum);
    std::copy(numbers.begin(), numbers.end(), draw.GZ.begin());
    draw.plus5.setText(shortPlus5);
    // The draw just stored belongs to the calendar the gap is filled by.
    const DrawCalendar calendar(changed);
    int day = wholeDay(datum);
    std::size_t firstNew = pos;
    for (std::size_t i = pos; i-- > 0 && changed[i].datum == 0;) {
        day = calendar.drawDayBefore(day);
        changed[i].datum = day;
        firstNew = i;
    }
    checkOrder(changed, firstNew, pos);
    history = std::move(changed);
    return true;
}

void checkDrawDate(DaySerial datum, DaySerial today) {
    if (serialToText(datum).isEmpty() || datum < kFirstDrawSerial)
        refuse(QStringLiteral("Eine Ziehung braucht ein Datum ab der ersten KENO-Ziehung am 02.02.2004."));
    if (wholeDay(datum) > wholeDay(today))
        refuse(QStringLiteral("Der %1 liegt nach dem heutigen Tag; seine Ziehung kann noch nicht "
                              "gespeichert werden.")
                   .arg(serialToText(datum)));
}

int proposedFirstDrawDay(int today) {
    // An empty history knows no Sunday draws.
    return DrawCalendar().drawDayBefore(today + 1);
}

int proposedNextDrawDay(const DrawHistory& history) {
    if (history.empty())
        return kFirstDrawSerial;
    const int next = std::max(wholeDay(history.back().datum) + 1, kFirstDrawSerial);
    if (next >= kDailyDrawsFrom || DrawCalendar(history).isDrawDay(next))
        return next;
    return next + 1;
}

} // namespace talvo::logic

// Merging a downloaded draw set into the history by date.

#include "logic/core/draw_calendar.h"
#include "logic/draws/draw_merge.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::drawDays;

namespace {

// The same draws with other numbers, so the result shows which side a record came from.
DrawHistory withOtherNumbers(DrawHistory draws) {
    for (DrawRecord& d : draws) {
        std::uint8_t n = 1;
        while (std::find(d.GZ.begin(), d.GZ.end(), n) != d.GZ.end())
            ++n;
        d.GZ[0] = n;
        std::sort(d.GZ.begin(), d.GZ.end());
    }
    return draws;
}

DrawHistory picked(const DrawHistory& full, std::initializer_list<std::size_t> positions) {
    DrawHistory h;
    for (std::size_t p : positions)
        h.push_back(full[p]);
    return h;
}

DrawHistory range(const DrawHistory& full, std::size_t from, std::size_t to) {
    return DrawHistory(full.begin() + static_cast<std::ptrdiff_t>(from),
                       full.begin() + static_cast<std::ptrdiff_t>(to) + 1);
}

DrawRecord placeholderOf(const DrawRecord& d) {
    DrawRecord empty;
    empty.datum = d.datum;
    return empty;
}

bool holdsDate(const DrawHistory& h, double datum) {
    return std::any_of(h.begin(), h.end(), [&](const DrawRecord& d) { return d.datum == datum; });
}

const DrawRecord* atDate(const DrawHistory& h, double datum) {
    const auto it = std::find_if(h.begin(), h.end(), [&](const DrawRecord& d) { return d.datum == datum; });
    return it == h.end() ? nullptr : &*it;
}

TEST(MergeDrawSet, MergesByDateKeepingEveryStoredDate) {
    // Tuesday 02.01.2024 on, Monday to Saturday; stored are positions 10..29.
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 40);
    const DrawHistory stored = range(full, 10, 29);
    DrawHistory storedWithPlaceholder = stored;
    storedWithPlaceholder[5] = placeholderOf(stored[5]);

    struct Case {
        const char* name;
        DrawHistory history;
        DrawHistory set;
        int added;
        int replaced;
        // Which side a date of both takes its numbers from: true for the set.
        bool setWins;
    };
    DrawHistory noPlus5 = withOtherNumbers(range(full, 12, 13));
    for (DrawRecord& d : noPlus5)
        d.plus5.setText(QString());
    const Case cases[] = {
        {"before, with a gap", stored, range(full, 0, 5), 6, 0, true},
        {"before, reaching in", stored, withOtherNumbers(range(full, 4, 12)), 6, 3, true},
        {"inside, the same draws", stored, range(full, 12, 15), 0, 0, true},
        {"inside, other numbers", stored, withOtherNumbers(range(full, 12, 15)), 0, 4, true},
        {"after, with a gap", stored, range(full, 32, 35), 4, 0, true},
        {"after, reaching in", stored, withOtherNumbers(range(full, 28, 35)), 6, 2, true},
        {"around", stored, withOtherNumbers(range(full, 5, 35)), 11, 20, true},
        {"gaps in the set", stored, picked(full, {3, 12, 20, 31, 33}), 3, 0, true},
        {"a placeholder never replaces a draw", stored, {placeholderOf(full[15]), full[30]}, 1, 0, false},
        {"a placeholder of a new day", stored, {placeholderOf(full[31])}, 0, 0, true},
        {"a draw fills a stored placeholder", storedWithPlaceholder, range(full, 15, 15), 1, 0, true},
        {"without plus 5", stored, noPlus5, 0, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DrawSetMerge merge = mergeDrawSet(c.history, c.set);
        const DrawHistory& h = merge.history;
        EXPECT_EQ(merge.added, c.added);
        EXPECT_EQ(merge.replaced, c.replaced);
        for (std::size_t i = 1; i < h.size(); ++i)
            ASSERT_LT(h[i - 1].datum, h[i].datum) << "at " << i;
        for (const DrawRecord& d : c.history)
            EXPECT_TRUE(holdsDate(h, d.datum)) << serialToText(d.datum).toStdString() << " was lost";
        for (const DrawRecord& d : c.set)
            EXPECT_TRUE(holdsDate(h, d.datum)) << serialToText(d.datum).toStdString() << " is missing";
        // One record per draw day from the first to the last: the gaps are filled.
        const DrawCalendar calendar(h);
        EXPECT_EQ(static_cast<int>(h.size()),
                  calendar.drawDaysBetween(wholeDay(h.front().datum), wholeDay(h.back().datum)));
        for (const DrawRecord& d : c.set) {
            const DrawRecord* r = atDate(h, d.datum);
            const DrawRecord* before = atDate(c.history, d.datum);
            if (d.isPlaceholder())
                EXPECT_EQ(r->GZ, before ? before->GZ : d.GZ);
            else if (c.setWins)
                EXPECT_EQ(r->GZ, d.GZ) << serialToText(d.datum).toStdString();
            // A downloaded draw without plus 5 keeps the stored one.
            if (!d.isPlaceholder() && d.plus5.text().isEmpty() && before)
                EXPECT_EQ(r->plus5.text(), before->plus5.text());
        }
        // Stored dates the set does not hold stay as they were.
        for (const DrawRecord& d : c.history)
            if (!holdsDate(c.set, d.datum))
                EXPECT_EQ(atDate(h, d.datum)->GZ, d.GZ);
    }
}

TEST(MergeDrawSet, TheReportedLossesAreGone) {
    // Ten draws ending 31.12.2024, updated with the 300 draws ending 30.12.2024.
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 400);
    const auto last = std::find_if(full.begin(), full.end(), [](const DrawRecord& d) {
        return serialToDate(d.datum) == QDate(2024, 12, 31);
    });
    ASSERT_NE(last, full.end());
    const DrawHistory stored(last - 9, last + 1);
    const DrawHistory set(last - 300, last);
    DrawSetMerge merge = mergeDrawSet(stored, set);
    EXPECT_EQ(serialToText(merge.history.back().datum), "31.12.2024");
    EXPECT_EQ(merge.history.back().GZ, last->GZ);
    EXPECT_EQ(merge.history.size(), 301u);
    EXPECT_EQ(merge.added, 291);
    EXPECT_EQ(merge.replaced, 0);

    // A set of 20.12. and 28.12. over the stored 20.12. to 31.12.: nothing is overwritten
    // or doubled.
    const auto dated = [&](int day) {
        return *std::find_if(full.begin(), full.end(), [&](const DrawRecord& d) {
            return serialToDate(d.datum) == QDate(2024, 12, day);
        });
    };
    const DrawHistory twoDays = withOtherNumbers({dated(20), dated(28)});
    merge = mergeDrawSet(stored, twoDays);
    EXPECT_EQ(merge.history.size(), stored.size());
    EXPECT_EQ(merge.replaced, 2);
    EXPECT_EQ(atDate(merge.history, dated(21).datum)->GZ, dated(21).GZ);
    EXPECT_EQ(atDate(merge.history, dated(28).datum)->GZ, twoDays[1].GZ);
}

TEST(MergeDrawSet, EmptyAndOldHistories) {
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 12);
    // Into an empty history the set goes as downloaded.
    DrawSetMerge merge = mergeDrawSet({}, range(full, 2, 8));
    EXPECT_EQ(merge.history, range(full, 2, 8));
    EXPECT_EQ(merge.added, 7);

    // A history out of date order (an old file) is merged by position as before.
    DrawHistory old = range(full, 0, 7);
    std::swap(old[1], old[2]);
    const DrawHistory set = withOtherNumbers(range(full, 6, 11));
    merge = mergeDrawSet(old, set);
    EXPECT_EQ(merge.history, mergeDrawBlock(old, set));
    EXPECT_EQ(merge.added, 4);
    EXPECT_EQ(merge.replaced, 2);

    // Nothing new: the history as it was.
    merge = mergeDrawSet(full, range(full, 3, 5));
    EXPECT_EQ(merge.history, full);
    EXPECT_EQ(merge.added + merge.replaced, 0);
}

} // namespace

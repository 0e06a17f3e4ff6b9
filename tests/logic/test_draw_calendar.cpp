#include "logic/core/draw_calendar.h"
#include "logic/core/number_set.h"
#include "logic/draws/store_draw.h"
#include "logic/evaluation/evaluation.h"
#include "logic/evaluation/range_preset.h"
#include "logic/settings/options_file.h"
#include "logic/slips/slip_editor.h"
#include "support/builders.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <map>

using namespace talvo::logic;

namespace {

int day(const QDate& d) {
    return static_cast<int>(dateToSerial(d));
}
QString text(int serial) {
    return serialToText(serial);
}

NumberSet twentyNumbers() {
    NumberSet s;
    for (int n = 1; n <= 20; ++n)
        s.insert(n);
    return s;
}

// The draws of a history dated up to `last`, as the history looked on that day.
DrawHistory upTo(const DrawHistory& h, const QDate& last) {
    DrawHistory out;
    for (const DrawRecord& z : h) {
        if (z.datum <= dateToSerial(last))
            out.push_back(z);
    }
    return out;
}

enum class Rule {
    DrawDay,        // a: the day asked; "ja"/"nein"
    BackFill,       // a: the day of a draw stored `gap` positions past the end; the filled dates
    Range,          // a..b: tables of one slip, then the last evaluated day
    Preset,         // a: newest draw; "von - bis"
    StartCorrected, // a: slip start; the date after leaving it, "!" when the message came
};

// Every rule that used to leave out Sundays, asked of three histories from 01.01.2024 to
// 29.03.2024 (a Friday): drawn Monday to Saturday throughout, drawn every day, and drawn
// Monday to Saturday until 09.03.2024 and every day from Sunday 10.03.2024 on.
TEST(DrawCalendar, EveryRuleFollowsTheHistory) {
    const QDate first(2024, 1, 1);
    const QDate turn(2024, 3, 10);
    const std::map<std::string, DrawHistory> histories = {
        {"Mo-Sa", talvo::test::drawDays(first, 77)},
        {"täglich", talvo::test::drawDays(first, 89, first)},
        {"ab 10.03.", talvo::test::drawDays(first, 80, turn)},
    };
    for (const auto& [name, h] : histories)
        ASSERT_EQ(text(day(QDate(2024, 3, 29))), serialToText(h.back().datum)) << name;

    struct Case {
        const char* history;
        Rule rule;
        QDate a;
        QDate b;
        int gap;
        const char* expected;
    };
    const std::vector<Case> cases = {
        // The rule itself, at its edges.
        {"Mo-Sa", Rule::DrawDay, QDate(2024, 3, 10), {}, 0, "nein"},
        {"Mo-Sa", Rule::DrawDay, QDate(2024, 3, 11), {}, 0, "ja"},
        {"täglich", Rule::DrawDay, QDate(2024, 3, 10), {}, 0, "ja"},
        {"täglich", Rule::DrawDay, QDate(2023, 12, 31), {}, 0, "nein"}, // before its first Sunday draw
        {"täglich", Rule::DrawDay, QDate(2004, 2, 1), {}, 0, "nein"},   // before the first draw of all
        {"ab 10.03.", Rule::DrawDay, QDate(2024, 3, 3), {}, 0, "nein"},
        {"ab 10.03.", Rule::DrawDay, QDate(2024, 3, 10), {}, 0, "ja"},
        {"ab 10.03.", Rule::DrawDay, QDate(2024, 4, 7), {}, 0, "ja"},

        // Back-filling: a draw for Tuesday 02.04. stored with its missing days before it.
        {"Mo-Sa", Rule::BackFill, QDate(2024, 4, 2), {}, 2, "30.03.2024 01.04.2024"},
        {"täglich", Rule::BackFill, QDate(2024, 4, 2), {}, 3, "30.03.2024 31.03.2024 01.04.2024"},
        {"ab 10.03.", Rule::BackFill, QDate(2024, 4, 2), {}, 3, "30.03.2024 31.03.2024 01.04.2024"},
        // The draw being stored is the first on a Sunday: the days before it keep the old calendar.
        {"Mo-Sa",
         Rule::BackFill,
         QDate(2024, 4, 7),
         {},
         7,
         "30.03.2024 01.04.2024 02.04.2024 03.04.2024 04.04.2024 05.04.2024 06.04.2024"},

        // The date-range evaluation: two weeks from Monday 04.03. to Sunday 17.03.
        {"Mo-Sa", Rule::Range, QDate(2024, 3, 4), QDate(2024, 3, 17), 0, "12 16.03.2024"},
        {"täglich", Rule::Range, QDate(2024, 3, 4), QDate(2024, 3, 17), 0, "14 17.03.2024"},
        {"ab 10.03.", Rule::Range, QDate(2024, 3, 4), QDate(2024, 3, 17), 0, "14 17.03.2024"},
        {"Mo-Sa", Rule::Range, QDate(2024, 3, 10), QDate(2024, 3, 16), 0, "6 16.03.2024"},
        {"täglich", Rule::Range, QDate(2024, 3, 10), QDate(2024, 3, 16), 0, "7 16.03.2024"},
        {"täglich", Rule::Range, QDate(2024, 3, 1), QDate(2024, 3, 29), 0, "29 29.03.2024"},
        {"ab 10.03.", Rule::Range, QDate(2024, 3, 1), QDate(2024, 3, 29), 0, "28 29.03.2024"},

        // The preset range from the newest draw.
        {"Mo-Sa", Rule::Preset, QDate(2024, 3, 16), {}, 0, "11.03.2024 - 16.03.2024"}, // Saturday
        {"Mo-Sa", Rule::Preset, QDate(2024, 3, 13), {}, 0, "07.03.2024 - 13.03.2024"}, // Wednesday
        {"Mo-Sa", Rule::Preset, QDate(2024, 3, 17), {}, 0, "11.03.2024 - 16.03.2024"}, // Sunday
        {"täglich", Rule::Preset, QDate(2024, 3, 16), {}, 0, "10.03.2024 - 16.03.2024"},
        {"täglich", Rule::Preset, QDate(2024, 3, 17), {}, 0, "11.03.2024 - 17.03.2024"}, // Sunday
        {"täglich", Rule::Preset, QDate(2024, 3, 13), {}, 0, "07.03.2024 - 13.03.2024"},
        {"ab 10.03.", Rule::Preset, QDate(2024, 3, 9), {}, 0, "04.03.2024 - 09.03.2024"},
        {"ab 10.03.", Rule::Preset, QDate(2024, 3, 10), {}, 0, "04.03.2024 - 10.03.2024"},
        {"ab 10.03.", Rule::Preset, QDate(2024, 3, 16), {}, 0, "10.03.2024 - 16.03.2024"},

        // A slip's start date on leaving it.
        {"Mo-Sa", Rule::StartCorrected, QDate(2024, 3, 10), {}, 0, "09.03.2024 !"},
        {"Mo-Sa", Rule::StartCorrected, QDate(2024, 4, 7), {}, 0, "06.04.2024 !"},
        {"Mo-Sa", Rule::StartCorrected, QDate(2024, 3, 11), {}, 0, "11.03.2024"},
        {"täglich", Rule::StartCorrected, QDate(2024, 3, 10), {}, 0, "10.03.2024"},
        {"täglich", Rule::StartCorrected, QDate(2024, 4, 7), {}, 0, "07.04.2024"},
        {"ab 10.03.", Rule::StartCorrected, QDate(2024, 3, 3), {}, 0, "02.03.2024 !"},
        {"ab 10.03.", Rule::StartCorrected, QDate(2024, 3, 17), {}, 0, "17.03.2024"},
        {"ab 10.03.", Rule::StartCorrected, QDate(2024, 4, 7), {}, 0, "07.04.2024"},
    };

    for (const Case& c : cases) {
        const DrawHistory& h = histories.at(c.history);
        QString got;
        switch (c.rule) {
        case Rule::DrawDay:
            got = DrawCalendar(h).isDrawDay(day(c.a)) ? QStringLiteral("ja") : QStringLiteral("nein");
            break;
        case Rule::BackFill: {
            DrawHistory stored = h;
            const int p = static_cast<int>(h.size()) + c.gap;
            // The clock is of no matter here: every date lies in the past.
            ASSERT_TRUE(
                storeDraw(stored, p, dateToSerial(c.a), twentyNumbers(), QString(), dateToSerial(c.a)));
            QStringList filled;
            for (std::size_t i = h.size(); i < static_cast<std::size_t>(p); ++i) {
                EXPECT_TRUE(stored[i].isPlaceholder());
                filled << serialToText(stored[i].datum);
            }
            got = filled.join(u' ');
            break;
        }
        case Rule::Range: {
            ResultTables out;
            evaluateRange(std::vector{talvo::test::slip({{1, 2}})}, dateToSerial(c.a), dateToSerial(c.b), h,
                          1.0e6, out);
            got =
                QString::number(out.size()) + u' ' + (out.empty() ? QString() : out.back().caption.right(10));
            break;
        }
        case Rule::Preset: {
            const DateRange r = presetRange(day(c.a), DrawCalendar(upTo(h, c.a)));
            got = text(r.from) + QStringLiteral(" - ") + text(r.to);
            break;
        }
        case Rule::StartCorrected: {
            OptionsRecord options;
            SlipEditState slipState;
            SlipEditor e(1, 5, QStringLiteral("S1"), slipState, options, dateToSerial(c.a));
            e.choices.startDay = dateToSerial(c.a);
            const bool hasMessage = e.checkStartDate(DrawCalendar(h)).has_value();
            got = serialToText(e.choices.startDay) + (hasMessage ? QStringLiteral(" !") : QString());
            break;
        }
        }
        EXPECT_EQ(got, QString::fromUtf8(c.expected)) << c.history << " rule " << static_cast<int>(c.rule)
                                                      << " " << c.a.toString("dd.MM.yyyy").toStdString();
    }
}

TEST(DrawCalendar, CountsAndStepsOverLongSpans) {
    DrawCalendar monSat;
    const int firstDraw = kFirstDrawSerial;
    // 02.02.2004 is a Monday; a year of 52 weeks holds 312 draws without Sundays.
    EXPECT_EQ(monSat.drawDaysBetween(firstDraw, firstDraw + 7 * 52 - 1), 312);
    EXPECT_EQ(monSat.drawDaysBetween(firstDraw - 400, firstDraw), 1);
    EXPECT_EQ(monSat.drawDaysBetween(firstDraw + 6, firstDraw + 6), 0); // a Sunday
    EXPECT_EQ(monSat.drawDaysBetween(firstDraw + 5, firstDraw + 4), 0);
    EXPECT_EQ(monSat.drawDayBefore(firstDraw + 7), firstDraw + 5);
    EXPECT_EQ(monSat.drawDayAfter(firstDraw + 5), firstDraw + 7);
    EXPECT_EQ(monSat.drawDayAfter(firstDraw - 1000), firstDraw);
    EXPECT_EQ(monSat.drawDayBefore(firstDraw), firstDraw - 1); // no draw day before the first

    // Daily from a Sunday in the middle: its own week counts seven days.
    const DrawCalendar turning(
        {talvo::test::draw(serialToDate(firstDraw + 7 * 10 + 6), talvo::test::run20(1))});
    EXPECT_EQ(turning.drawDaysBetween(firstDraw, firstDraw + 7 * 20 - 1), 10 * 6 + 10 * 7);
    EXPECT_EQ(turning.drawDayBefore(firstDraw + 7 * 10 + 7), firstDraw + 7 * 10 + 6);
    EXPECT_EQ(turning.drawDayBefore(firstDraw + 7 * 10), firstDraw + 7 * 10 - 2);
    EXPECT_EQ(turning.drawDaysBetween(firstDraw, 2'000'000'000), 2'000'000'000 - firstDraw + 1 - 10);

    // Empty placeholders and damaged records dated before the first draw show no Sunday draw.
    DrawHistory h = talvo::test::drawDays(QDate(2024, 3, 4), 6);
    h.push_back(talvo::test::draw(QDate(2024, 3, 10), {}));
    h.push_back(talvo::test::draw(QDate(2004, 2, 1), talvo::test::run20(1)));
    EXPECT_FALSE(DrawCalendar(h).isDrawDay(day(QDate(2024, 3, 10))));
    h.push_back(talvo::test::draw(QDate(2024, 3, 10), talvo::test::run20(1)));
    EXPECT_TRUE(DrawCalendar(h).isDrawDay(day(QDate(2024, 3, 10))));
    EXPECT_FALSE(DrawCalendar(h).isDrawDay(day(QDate(2024, 3, 3))));
}

} // namespace

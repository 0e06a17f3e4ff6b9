#include "logic/draws/update_need.h"
#include "support/builders.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

const QDate kToday(2024, 6, 12); // a Wednesday

DrawHistory lastDrawOn(const QDate& d) {
    return {talvo::test::draw(d, talvo::test::run20(1))};
}

TEST(determineUpdateNeed, MissingDaysChooseTheSmallestCoveringSet) {
    struct Case {
        int daysAgo;
        int hour;
        int minute;
        int choice;
    };
    const Case cases[] = {
        {1, 10, 0, 0},  {1, 19, 0, 1},   {0, 10, 0, 0},   {0, 20, 0, 0},   {6, 20, 0, 1},
        {7, 20, 0, 2},  {7, 10, 0, 1},   {30, 20, 0, 2},  {31, 20, 0, 3},  {90, 20, 0, 3},
        {91, 20, 0, 4}, {300, 20, 0, 4}, {301, 20, 0, 5}, {301, 10, 0, 4}, {-1, 20, 0, 0},
        {-2, 20, 0, 5}, {-1, 10, 0, 5},  {1, 18, 43, 0},  {1, 18, 44, 1},
    };
    for (const Case& c : cases) {
        const UpdateNeed need = determineUpdateNeed(lastDrawOn(kToday.addDays(-c.daysAgo)),
                                                    QDateTime(kToday, QTime(c.hour, c.minute)));
        EXPECT_EQ(need.choice, c.choice) << c.daysAgo << " days ago at " << c.hour << ":" << c.minute;
        EXPECT_EQ(need.fileName, updateFileName(c.choice));
    }
}

TEST(determineUpdateNeed, EmptyHistoryNeedsEverything) {
    const UpdateNeed need = determineUpdateNeed({}, QDateTime(kToday, QTime(9, 0)));
    EXPECT_EQ(need.days, 500);
    EXPECT_EQ(need.choice, 5);
    EXPECT_EQ(need.fileName, "gzAlle.tpp");
}

TEST(determineUpdateNeed, TimeOfDayOfTheStoredDateIsCutOff) {
    DrawHistory h = lastDrawOn(kToday.addDays(-7));
    h.back().datum += 0.9;
    EXPECT_EQ(determineUpdateNeed(h, QDateTime(kToday, QTime(20, 0))).days, 7);
}

TEST(UpdateChoices, TextsAndFiles) {
    EXPECT_EQ(updateChoiceText(0), "kein Aktualisierungsbedarf");
    EXPECT_EQ(updateChoiceText(5), "Alle Ausspielungen");
    EXPECT_EQ(updateFileName(0), "");
    EXPECT_EQ(updateFileName(3), "gz90.tpp");
    EXPECT_EQ(updateFileName(6), "");
}

} // namespace

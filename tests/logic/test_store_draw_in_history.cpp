#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/core/number_set.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/store_draw.h"
#include "logic/draws/store_draw_in_history.h"
#include "logic/draws/undo_history.h"
#include "support/builders.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"
#include "support/temp_files.h"
#include "support/undo_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::drawDays;
using talvo::test::run20;

namespace {

const QDate kToday(2024, 3, 20); // a Wednesday
const QDateTime kNow(kToday, QTime(20, 15));

NumberSet setOf(const std::vector<int>& numbers) {
    NumberSet s;
    for (int n : numbers)
        s.insert(n);
    return s;
}

DrawEntry entryOf(const QDate& date, int firstNumber, const QString& plus5 = QStringLiteral("54321")) {
    return DrawEntry{dateToSerial(date), setOf(run20(firstNumber)), plus5};
}

QString datesOf(const DrawHistory& history) {
    QStringList dates;
    for (const DrawRecord& d : history)
        dates << serialToText(d.datum) + (d.isPlaceholder() ? QStringLiteral("-") : QString());
    return dates.join(u' ');
}

// A history file in a folder of its own, and the questions the sequence asks about it.
class StoreSequence : public ::testing::Test {
  protected:
    void write(const DrawHistory& history) { saveDrawHistory(path, history); }

    StoreResult store(const DrawHistory& known, const DrawEntry& entry, std::optional<int> position = {}) {
        return storeDrawInHistory(path, known, entry, position, dateToSerial(kToday), kNow,
                                  [this](const DrawRecord& stored) {
                                      asked.push_back(stored);
                                      return answer ? answer(stored) : true;
                                  });
    }

    // A folder of its own, without the undo points of a case before.
    void freshFolder() {
        dir = std::make_unique<QTemporaryDir>();
        path = dir->filePath(QStringLiteral("KenoZahlen.tpp"));
        asked.clear();
    }

    std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
    QString path = dir->filePath(QStringLiteral("KenoZahlen.tpp"));
    std::vector<DrawRecord> asked;
    std::function<bool(const DrawRecord&)> answer;
};

// Thursday 07.03. to Saturday 09.03.2024.
DrawHistory threeDraws() {
    return drawDays(QDate(2024, 3, 7), 3);
}

TEST_F(StoreSequence, AsksWithTheStoredDrawAndReplacesItOnYes) {
    const DrawHistory stored = threeDraws();
    write(stored);
    const QByteArray before = talvo::test::readFile(path);

    const StoreResult r = store(stored, entryOf(QDate(2024, 3, 8), 40));

    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], stored[1]);
    EXPECT_EQ(r.outcome, StoreOutcome::Stored);
    EXPECT_EQ(r.position, 1);
    EXPECT_FALSE(r.reloaded);
    const DrawHistory onDisk = loadDrawHistory(path);
    EXPECT_EQ(r.history, onDisk);
    ASSERT_EQ(onDisk.size(), 3u);
    EXPECT_EQ(onDisk[1].numberSet(), setOf(run20(40)));
    EXPECT_EQ(onDisk[1].plus5.text(), "54321");
    EXPECT_EQ(onDisk[0], stored[0]);
    EXPECT_EQ(onDisk[2], stored[2]);
    EXPECT_EQ(talvo::test::newestUndoBytes(path), before);
    ASSERT_EQ(undoPoints(path).size(), 1u);
    EXPECT_EQ(undoPoints(path)[0].what, "Ziehung 08.03.2024 gespeichert");
}

TEST_F(StoreSequence, DecliningWritesNothing) {
    const DrawHistory stored = threeDraws();
    write(stored);
    const QByteArray before = talvo::test::readFile(path);
    answer = [](const DrawRecord&) { return false; };

    const StoreResult r = store(stored, entryOf(QDate(2024, 3, 9), 40));

    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(r.outcome, StoreOutcome::Declined);
    EXPECT_EQ(r.history, stored);
    EXPECT_EQ(r.position, 2);
    EXPECT_EQ(talvo::test::readFile(path), before);
    EXPECT_EQ(talvo::test::undoFileCount(path), 0);

    // Nobody to ask keeps the stored draw as well.
    EXPECT_EQ(
        storeDrawInHistory(path, stored, entryOf(QDate(2024, 3, 9), 40), {}, dateToSerial(kToday), kNow, {})
            .outcome,
        StoreOutcome::Declined);
    EXPECT_EQ(talvo::test::readFile(path), before);
}

TEST_F(StoreSequence, TheSameDrawWritesNothingAndAsksNothing) {
    DrawHistory stored = threeDraws();
    stored[1].plus5.setText(QStringLiteral("54321"));
    // Stored in another order than the board gives them: compared as a set.
    std::reverse(stored[1].GZ.begin(), stored[1].GZ.end());
    write(stored);
    const QByteArray before = talvo::test::readFile(path);
    const NumberSet numbers = stored[1].numberSet();
    struct Case {
        const char* plus5;
        StoreOutcome outcome;
    };
    for (const Case& c : {Case{"54321", StoreOutcome::AlreadyStored},
                          Case{"543219", StoreOutcome::AlreadyStored}, // stored as its first five
                          Case{"", StoreOutcome::Declined}, Case{"54320", StoreOutcome::Declined}}) {
        asked.clear();
        answer = [](const DrawRecord&) { return false; };
        const StoreResult r =
            store(stored, DrawEntry{dateToSerial(QDate(2024, 3, 8)), numbers, QString::fromLatin1(c.plus5)});
        EXPECT_EQ(r.outcome, c.outcome) << c.plus5;
        EXPECT_EQ(asked.size(), c.outcome == StoreOutcome::Declined ? 1u : 0u) << c.plus5;
        EXPECT_EQ(r.position, 1) << c.plus5;
        EXPECT_EQ(talvo::test::readFile(path), before) << c.plus5;
        EXPECT_EQ(talvo::test::undoFileCount(path), 0) << c.plus5;
    }
}

TEST_F(StoreSequence, ReloadedTellsWhetherTheFileHeldOtherDraws) {
    const DrawHistory stored = threeDraws();
    DrawHistory stale = stored;
    stale.pop_back();
    struct Case {
        const char* what;
        bool fileThere;
        DrawHistory known;
        bool reloaded;
    };
    const Case cases[] = {
        {"known as it is", true, stored, false},
        {"a draw stored meanwhile", true, stale, true},
        {"nothing known of an existing file", true, {}, true},
        {"no file, nothing known", false, {}, false},
        {"the file removed meanwhile", false, stored, true},
    };
    for (const Case& c : cases) {
        QFile::remove(path);
        if (c.fileThere)
            write(stored);
        const StoreResult r = store(c.known, entryOf(QDate(2024, 3, 11), 30));
        EXPECT_EQ(r.outcome, StoreOutcome::Stored) << c.what;
        EXPECT_EQ(r.reloaded, c.reloaded) << c.what;
        EXPECT_EQ(r.history, loadDrawHistory(path)) << c.what;
        EXPECT_EQ(serialToText(r.history[static_cast<std::size_t>(r.position)].datum), "11.03.2024")
            << c.what;
    }
}

// Another program writes the file while the question is open; nothing may be stored over
// a draw the player has not been asked about.
TEST_F(StoreSequence, AChangeWhileTheQuestionIsOpenIsAskedAboutAgain) {
    const DrawHistory stored = threeDraws();
    const DrawRecord otherDraw = draw(QDate(2024, 3, 8), run20(60), QStringLiteral("11111"));
    const DrawRecord nextDay = draw(QDate(2024, 3, 11), run20(50), QStringLiteral("22222"));
    const DrawEntry entry = entryOf(QDate(2024, 3, 8), 40);
    struct Case {
        const char* what;
        std::function<void(DrawHistory&)> change; // what the other program does to the file
        int questions;
        StoreOutcome outcome;
        const char* dates; // of the file afterwards
    };
    const Case cases[] = {
        {"nothing", [](DrawHistory&) {}, 1, StoreOutcome::Stored, "07.03.2024 08.03.2024 09.03.2024"},
        {"another draw of the date", [&](DrawHistory& h) { h[1] = otherDraw; }, 2, StoreOutcome::Stored,
         "07.03.2024 08.03.2024 09.03.2024"},
        {"a draw of another day", [&](DrawHistory& h) { h.push_back(nextDay); }, 2, StoreOutcome::Stored,
         "07.03.2024 08.03.2024 09.03.2024 11.03.2024"},
        {"the entry's own draw",
         [&](DrawHistory& h) { h[1] = draw(QDate(2024, 3, 8), run20(40), entry.plus5); }, 1,
         StoreOutcome::AlreadyStored, "07.03.2024 08.03.2024 09.03.2024"},
        {"an empty record for the date", [](DrawHistory& h) { h[1] = draw(QDate(2024, 3, 8), {}); }, 1,
         StoreOutcome::Stored, "07.03.2024 08.03.2024 09.03.2024"},
        {"all draws removed", [](DrawHistory& h) { h.clear(); }, 1, StoreOutcome::Stored, "08.03.2024"},
    };
    for (const Case& c : cases) {
        freshFolder();
        write(stored);
        DrawHistory changed = stored;
        c.change(changed);
        answer = [&](const DrawRecord&) {
            if (asked.size() == 1) {
                // Written as any other program writes: under the lock, with an undo point.
                const HistoryLock lock(path);
                writeHistoryWithUndo(lock, path, changed, QStringLiteral("anderes Programm"), kNow);
            }
            return true;
        };

        const StoreResult r = store(stored, entry);

        EXPECT_EQ(static_cast<int>(asked.size()), c.questions) << c.what;
        ASSERT_GE(asked.size(), 1u);
        EXPECT_EQ(asked[0], stored[1]) << c.what;
        if (asked.size() == 2) {
            EXPECT_EQ(asked[1], changed[1]) << c.what;
        }
        EXPECT_EQ(r.outcome, c.outcome) << c.what;
        EXPECT_EQ(r.reloaded, changed != stored) << c.what;
        const DrawHistory onDisk = loadDrawHistory(path);
        EXPECT_EQ(r.history, onDisk) << c.what;
        EXPECT_EQ(datesOf(onDisk), QString::fromLatin1(c.dates)) << c.what;
        const std::size_t p = static_cast<std::size_t>(r.position);
        ASSERT_LT(p, onDisk.size()) << c.what;
        EXPECT_EQ(serialToText(onDisk[p].datum), "08.03.2024") << c.what;
        EXPECT_EQ(onDisk[p].numberSet(), entry.numbers) << c.what;
        EXPECT_EQ(onDisk[p].plus5.text(), entry.plus5) << c.what;
        // The other program's draws stay, and so does its undo point.
        for (std::size_t i = 0; i < onDisk.size() && i < changed.size(); ++i) {
            if (i != p) {
                EXPECT_EQ(onDisk[i], changed[i]) << c.what << " " << i;
            }
        }
        const int written = (changed != stored ? 1 : 0) + (c.outcome == StoreOutcome::Stored ? 1 : 0);
        EXPECT_EQ(talvo::test::undoFileCount(path), written) << c.what;
    }
}

TEST_F(StoreSequence, ADeclinedSecondQuestionKeepsTheOtherProgramsDraw) {
    const DrawHistory stored = threeDraws();
    write(stored);
    DrawHistory changed = stored;
    changed[1] = draw(QDate(2024, 3, 8), run20(60), QStringLiteral("11111"));
    answer = [&](const DrawRecord&) {
        if (asked.size() == 1) {
            saveDrawHistory(path, changed);
            return true;
        }
        return false;
    };
    const StoreResult r = store(stored, entryOf(QDate(2024, 3, 8), 40));
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], changed[1]);
    EXPECT_EQ(r.outcome, StoreOutcome::Declined);
    EXPECT_TRUE(r.reloaded);
    EXPECT_EQ(r.history, changed);
    EXPECT_EQ(loadDrawHistory(path), changed);
    EXPECT_EQ(talvo::test::undoFileCount(path), 0);
}

TEST_F(StoreSequence, TheDrawGoesWhereItsDateIs) {
    // Thursday 07.03.2024, the Friday an empty record, Saturday 09.03.2024.
    DrawHistory withEmpty = threeDraws();
    withEmpty[1] = draw(QDate(2024, 3, 8), {});
    // An old history that skipped days: Thursday 07.03. and Tuesday 12.03.2024.
    const DrawHistory withGap = {draw(QDate(2024, 3, 7), run20(1)), draw(QDate(2024, 3, 12), run20(2))};
    // Daily draws from Wednesday 28.02. to Friday 08.03.2024, Sunday 03.03. among them.
    const DrawHistory daily = drawDays(QDate(2024, 2, 28), 10, QDate(2024, 2, 28));
    // Monday to Saturday, Thursday 29.02. to Friday 08.03.2024.
    const DrawHistory mondayToSaturday = drawDays(QDate(2024, 2, 29), 8);
    struct Case {
        const char* what;
        DrawHistory history;
        QDate date;
        int position;
        const char* dates; // the records from the last draw before it on
    };
    const Case cases[] = {
        {"its empty record", withEmpty, QDate(2024, 3, 8), 1, "07.03.2024 08.03.2024 09.03.2024"},
        {"the day after the last", threeDraws(), QDate(2024, 3, 11), 3, "09.03.2024 11.03.2024"},
        {"after a gap, daily", daily, QDate(2024, 3, 12), 13,
         "08.03.2024 09.03.2024- 10.03.2024- 11.03.2024- 12.03.2024"},
        {"after a gap, Monday to Saturday", mondayToSaturday, QDate(2024, 3, 12), 10,
         "08.03.2024 09.03.2024- 11.03.2024- 12.03.2024"},
        {"into a gap, the days around it filled", withGap, QDate(2024, 3, 9), 2,
         "07.03.2024 08.03.2024- 09.03.2024 11.03.2024- 12.03.2024"},
        {"into a gap, next to a stored day", withGap, QDate(2024, 3, 8), 1,
         "07.03.2024 08.03.2024 09.03.2024- 11.03.2024- 12.03.2024"},
        {"before the first", withGap, QDate(2024, 3, 6), 0, "06.03.2024 07.03.2024 12.03.2024"},
        {"the first of all", {}, QDate(2024, 3, 6), 0, "06.03.2024"},
    };
    for (const Case& c : cases) {
        freshFolder();
        write(c.history);
        const StoreResult r = store(c.history, entryOf(c.date, 33));
        EXPECT_TRUE(asked.empty()) << c.what;
        ASSERT_EQ(r.outcome, StoreOutcome::Stored) << c.what;
        EXPECT_EQ(r.position, c.position) << c.what;
        const DrawHistory onDisk = loadDrawHistory(path);
        const std::size_t p = static_cast<std::size_t>(r.position);
        ASSERT_LT(p, onDisk.size()) << c.what;
        EXPECT_EQ(serialToText(onDisk[p].datum), c.date.toString(QStringLiteral("dd.MM.yyyy"))) << c.what;
        EXPECT_EQ(onDisk[p].numberSet(), setOf(run20(33))) << c.what;
        std::size_t first = p;
        while (first > 0 && onDisk[first - 1].isPlaceholder())
            --first;
        const DrawHistory from(onDisk.begin() + static_cast<std::ptrdiff_t>(first > 0 ? first - 1 : 0),
                               onDisk.end());
        EXPECT_EQ(datesOf(from), QString::fromLatin1(c.dates)) << c.what;
        // Nothing stored is lost.
        for (const DrawRecord& d : c.history) {
            if (wholeDay(d.datum) != wholeDay(dateToSerial(c.date))) {
                EXPECT_NE(std::find(onDisk.begin(), onDisk.end(), d), onDisk.end()) << c.what;
            }
        }
    }
}

TEST_F(StoreSequence, ARequestedPositionMustAgreeWithTheDate) {
    // Thursday 07.03.2024, the Friday an empty record, Saturday 09.03.2024.
    DrawHistory stored = threeDraws();
    stored[1] = draw(QDate(2024, 3, 8), {});
    struct Case {
        int position; // counted from 0
        QDate date;
        const char* says; // the refusal, or nullptr when the draw is stored
        int storedAt;
    };
    const Case cases[] = {
        {0, QDate(2024, 3, 7), nullptr, 0},
        {1, QDate(2024, 3, 8), nullptr, 1},
        {3, QDate(2024, 3, 11), nullptr, 3},
        {3, QDate(2024, 3, 12), nullptr, 4}, // after the Monday filled in
        {4, QDate(2024, 3, 12), nullptr, 4},
        {0, QDate(2024, 3, 6), "Die Nummer 1 ist die Ziehung vom 07.03.2024, nicht vom 06.03.2024.", 0},
        {2, QDate(2024, 3, 11), "Die Nummer 3 ist die Ziehung vom 09.03.2024, nicht vom 11.03.2024.", 0},
        {1, QDate(2024, 3, 9),
         "Die Nummer 2 ist der noch leere Eintrag vom 08.03.2024, nicht vom 09.03.2024.", 0},
        {3, QDate(2024, 3, 9), "Der 09.03.2024 passt nicht an diese Stelle: Seine Ziehung ist die Nummer 3",
         0},
        {3, QDate(2024, 3, 5), "Der 05.03.2024 passt nicht an diese Stelle: Die Nummer 4 käme nach", 0},
        {5, QDate(2024, 3, 12), "passt nicht an diese Stelle", 0}, // one day too many to fill in
        {-1, QDate(2024, 3, 7), "von 1 an nummeriert", 0},
    };
    for (const Case& c : cases) {
        freshFolder();
        write(stored);
        const QByteArray before = talvo::test::readFile(path);
        const QString where = QStringLiteral("%1 %2").arg(c.position).arg(c.date.toString());
        if (!c.says) {
            const StoreResult r = store(stored, entryOf(c.date, 33), c.position);
            EXPECT_EQ(r.outcome, StoreOutcome::Stored) << where.toStdString();
            EXPECT_EQ(r.position, c.storedAt) << where.toStdString();
            EXPECT_EQ(talvo::test::undoFileCount(path), 1) << where.toStdString();
            continue;
        }
        try {
            store(stored, entryOf(c.date, 33), c.position);
            ADD_FAILURE() << "stored: " << where.toStdString();
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.says))) << e.text().toStdString();
            EXPECT_TRUE(e.text().endsWith(QStringLiteral("Es wurde nichts gespeichert.")))
                << where.toStdString();
        }
        EXPECT_TRUE(asked.empty()) << where.toStdString();
        EXPECT_EQ(talvo::test::readFile(path), before) << where.toStdString();
        EXPECT_EQ(talvo::test::undoFileCount(path), 0) << where.toStdString();
    }
}

TEST_F(StoreSequence, ADrawThatDoesNotFitIsRefusedBeforeAnyoneIsAsked) {
    const DrawHistory stored = threeDraws();
    write(stored);
    const QByteArray before = talvo::test::readFile(path);
    for (const DrawEntry& entry : {entryOf(QDate(2024, 3, 8), 40, QStringLiteral("12x")),
                                   entryOf(QDate(2024, 3, 21), 40), entryOf(QDate(2004, 2, 1), 40)}) {
        EXPECT_THROW(store(stored, entry), Error);
        EXPECT_TRUE(asked.empty());
        EXPECT_EQ(talvo::test::readFile(path), before);
    }
}

// A file whose dates run backwards takes no draw: filling in the days "missing" after its
// last record would store a day it holds already.
TEST_F(StoreSequence, AFileOutOfDateOrderIsRefusedAndLeftAsItIs) {
    DrawHistory stored = threeDraws();
    std::swap(stored[1], stored[2]); // 07.03., 09.03., 08.03.
    write(stored);
    const QByteArray before = talvo::test::readFile(path);
    for (const QDate& date : {QDate(2024, 3, 11), QDate(2024, 3, 8), QDate(2024, 3, 7)}) {
        try {
            store(stored, entryOf(date, 40));
            ADD_FAILURE() << "stored into a file out of date order";
        } catch (const Error& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("09.03.2024"))) << e.what();
        }
        EXPECT_EQ(talvo::test::readFile(path), before);
        EXPECT_TRUE(asked.empty());
    }
}

TEST_F(StoreSequence, OnlyTwentyNumbersAreTakenAndTheFileIsNotTouchedForOthers) {
    write(threeDraws());
    // Another writer holds the lock: a refusal that came after taking it would wait for it.
    const HistoryLock otherWriter(path);
    std::vector<int> twentyWithZero = run20(1);
    twentyWithZero.back() = 0;
    std::vector<int> twentyWithSeventyOne = run20(1);
    twentyWithSeventyOne.back() = 71;
    std::vector<int> twentyOne = run20(1);
    twentyOne.push_back(30);
    std::vector<int> nineteen = run20(1);
    nineteen.pop_back();
    for (const std::vector<int>& numbers :
         {std::vector<int>{}, nineteen, twentyOne, twentyWithZero, twentyWithSeventyOne}) {
        QElapsedTimer clock;
        clock.start();
        try {
            store(threeDraws(), DrawEntry{dateToSerial(QDate(2024, 3, 11)), setOf(numbers), QString()});
            ADD_FAILURE() << "stored " << numbers.size() << " numbers";
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("genau 20 verschiedenen Zahlen")))
                << e.text().toStdString();
        }
        EXPECT_LT(clock.elapsed(), kHistoryLockWait.count() / 2);
    }
}

TEST_F(StoreSequence, TheProposedNextDateIsStoredWithoutAQuestion) {
    DrawHistory endsEmpty = threeDraws();
    endsEmpty.push_back(draw(QDate(2024, 3, 11), {}));
    const DrawHistory histories[] = {
        threeDraws(),                                      // ends on a Saturday, Monday to Saturday
        drawDays(QDate(2024, 3, 7), 4, QDate(2024, 3, 1)), // ends on a Sunday, daily
        drawDays(QDate(2024, 3, 6), 3),                    // ends on a Friday
        drawDays(QDate(2009, 12, 3), 3),                   // Saturday 05.12.2009
        endsEmpty,                                         // ends with an empty record
    };
    for (const DrawHistory& history : histories) {
        write(history);
        const int proposal = proposedNextDrawDay(history);
        const StoreResult r = storeDrawInHistory(path, history, entryOf(serialToDate(proposal), 12), {},
                                                 dateToSerial(kToday), kNow, [](const DrawRecord&) {
                                                     ADD_FAILURE() << "asked";
                                                     return false;
                                                 });
        EXPECT_EQ(r.outcome, StoreOutcome::Stored) << datesOf(history).toStdString();
        EXPECT_EQ(r.position, static_cast<int>(history.size())) << datesOf(history).toStdString();
        EXPECT_EQ(wholeDay(r.history.back().datum), proposal);
    }
}

} // namespace

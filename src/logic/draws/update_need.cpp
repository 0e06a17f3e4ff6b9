#include "logic/draws/update_need.h"

#include "logic/core/dates.h"

#include <QDateTime>
#include <array>

namespace talvo::logic {

namespace {
constexpr std::array<const char*, kUpdateChoices> kTexts = {
    "kein Aktualisierungsbedarf",   "die letzten 6 Ausspielungen",   "die letzten 30 Ausspielungen",
    "die letzten 90 Ausspielungen", "die letzten 300 Ausspielungen", "Alle Ausspielungen"};
constexpr std::array<const char*, kUpdateChoices> kFiles = {"",         "gz6.tpp",   "gz30.tpp",
                                                            "gz90.tpp", "gz300.tpp", "gzAlle.tpp"};
// An empty history needs everything.
constexpr int kNeedWithoutHistory = 500;
// The day's draw counts as published from 18:43:12 on.
constexpr double kPublishedFraction = 0.78;

int choiceForDays(int days) {
    if (days == -1 || days == 0)
        return 0;
    if (days >= 1 && days <= 6)
        return 1;
    if (days >= 7 && days <= 30)
        return 2;
    if (days >= 31 && days <= 90)
        return 3;
    if (days >= 91 && days <= 300)
        return 4;
    return 5;
}
} // namespace

QString updateChoiceText(int choice) {
    return choice >= 0 && choice < kUpdateChoices ? QString::fromUtf8(kTexts[choice]) : QString();
}

QString updateFileName(int choice) {
    return choice >= 0 && choice < kUpdateChoices ? QString::fromLatin1(kFiles[choice]) : QString();
}

UpdateNeed determineUpdateNeed(const DrawHistory& history, const QDateTime& now) {
    UpdateNeed need;
    if (history.empty()) {
        need.days = kNeedWithoutHistory;
    } else {
        const double nowSerial = dateTimeToSerial(now);
        const int today = wholeDay(nowSerial);
        need.days = today - wholeDay(history.back().datum);
        if (nowSerial - today < kPublishedFraction)
            need.days -= 1;
    }
    need.choice = choiceForDays(need.days);
    need.fileName = updateFileName(need.choice);
    return need;
}

} // namespace talvo::logic

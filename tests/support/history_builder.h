#pragma once

#include "support/builders.h"

#include "logic/core/history_file.h"

namespace talvo::test {

// `count` draws on consecutive draw days from `first` on: Sundays are skipped before
// `dailyFrom` (by default always) and drawn from it on. The numbers vary with the position
// so every draw is different.
inline logic::DrawHistory drawDays(const QDate& first, int count, const QDate& dailyFrom = {}) {
    logic::DrawHistory h;
    QDate d = first;
    for (int i = 0; i < count; ++i) {
        if (d.dayOfWeek() == Qt::Sunday && (!dailyFrom.isValid() || d < dailyFrom))
            d = d.addDays(1);
        h.push_back(draw(d, run20(i * 7 % 70 + 1), QStringLiteral("%1").arg(10000 + i)));
        d = d.addDays(1);
    }
    return h;
}

} // namespace talvo::test

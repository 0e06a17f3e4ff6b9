#pragma once

// A history as the real one looks: 20 distinct ascending numbers of 1..70 per draw, one
// draw every Monday to Saturday from 02.02.2004 on.

#include "logic/core/history_file.h"

#include <QDate>
#include <algorithm>
#include <numeric>
#include <random>

namespace talvo::test {

inline logic::DrawHistory randomHistory(int draws, unsigned seed) {
    std::mt19937 random(seed);
    logic::DrawHistory history;
    history.reserve(static_cast<std::size_t>(draws));
    QDate day(2004, 2, 2);
    std::array<int, 70> all{};
    std::iota(all.begin(), all.end(), 1);
    while (static_cast<int>(history.size()) < draws) {
        if (day.dayOfWeek() != Qt::Sunday) {
            std::shuffle(all.begin(), all.end(), random);
            std::array<int, 20> numbers{};
            std::copy_n(all.begin(), 20, numbers.begin());
            std::sort(numbers.begin(), numbers.end());
            logic::TKenoZahlen d;
            d.datum = logic::dateToSerial(day);
            for (std::size_t i = 0; i < 20; ++i)
                d.GZ[i] = static_cast<std::uint8_t>(numbers[i]);
            d.plus5.setText(QStringLiteral("%1").arg(random() % 100000, 5, 10, QLatin1Char('0')));
            history.push_back(d);
        }
        day = day.addDays(1);
    }
    return history;
}

} // namespace talvo::test

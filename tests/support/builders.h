#pragma once

// Small builders for test records.

#include "logic/core/dates.h"
#include "logic/core/records.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace talvo::test {

inline logic::DrawRecord draw(const QDate& date, std::vector<int> numbers, const QString& plus5 = {}) {
    logic::DrawRecord d;
    d.datum = logic::dateToSerial(date);
    for (std::size_t i = 0; i < numbers.size() && i < d.GZ.size(); ++i)
        d.GZ[i] = static_cast<std::uint8_t>(numbers[i]);
    d.plus5.setText(plus5);
    return d;
}

// 20 numbers start, start+1, ... wrapped into 1..70.
inline std::vector<int> run20(int start) {
    std::vector<int> v;
    for (int i = 0; i < 20; ++i)
        v.push_back((start - 1 + i) % 70 + 1);
    std::sort(v.begin(), v.end());
    return v;
}

// A field is given as its numbers; its type is their count.
inline logic::SlipRecord slip(std::initializer_list<std::vector<int>> fields, int einsatz = 0, int dauer = 0,
                              const QDate& ab = QDate(2024, 1, 2),
                              const QString& name = QStringLiteral("Test")) {
    logic::SlipRecord s;
    s.einsatz = static_cast<std::uint8_t>(einsatz);
    s.dauer = static_cast<std::uint8_t>(dauer);
    s.ab = logic::dateToSerial(ab);
    s.name.setText(name);
    int f = 0;
    for (const auto& numbers : fields) {
        if (f >= 5)
            break;
        s.typ[f] = static_cast<std::uint8_t>(numbers.size());
        for (std::size_t j = 0; j < numbers.size() && j < 10; ++j)
            s.typZ[f][j] = static_cast<std::uint8_t>(numbers[j]);
        ++f;
    }
    return s;
}

} // namespace talvo::test

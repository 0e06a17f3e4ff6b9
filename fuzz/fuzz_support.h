#pragma once

// What every fuzz target shares: the input as bytes, a check that stops the run with a
// message, a pinned clock and a small plausible history and slip list to combine with
// the fuzzed file.

#include "support/builders.h"
#include "support/history_builder.h"

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/core/slip_file.h"
#include "logic/evaluation/evaluation.h"

#include <QByteArray>
#include <QDateTime>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace talvo::fuzz {

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline QDateTime now() {
    return QDateTime(QDate(2025, 6, 30), QTime(20, 0));
}

inline int today() {
    return static_cast<int>(logic::dateToSerial(now().date()));
}

// 120 draw days up to today.
inline const logic::DrawHistory& history() {
    static const logic::DrawHistory h = test::drawDays(QDate(2025, 2, 7), 120);
    return h;
}

// A slip of each kind the program writes: several types, a continuous-play slip and one
// that plays the plus 5.
inline const logic::SlipList& slips() {
    static const logic::SlipList s = [] {
        logic::SlipList list;
        list.push_back(test::slip({{1, 2}, {3, 4, 5, 6, 7, 8}, {10, 20, 30, 40, 50, 60, 70, 11, 12, 13}}, 0,
                                  3, QDate(2025, 5, 2)));
        logic::SlipRecord continuousSlip =
            test::slip({{5, 15, 25, 35}}, 2, 0, QDate(2025, 6, 1), QStringLiteral("Dauer"));
        continuousSlip.p5 = 1;
        continuousSlip.plus5.setText(QStringLiteral("12345"));
        list.push_back(continuousSlip);
        return list;
    }();
    return s;
}

// Takes the result tables and reads every cell, as a window or the command line would,
// keeping only the table being filled.
class ReadAndDropTables final : public logic::ResultSink {
  public:
    ~ReadAndDropTables() { readOpen(); }
    logic::ResultTable* newTable() override {
        readOpen();
        open_.emplace();
        return &*open_;
    }

  private:
    void readOpen() {
        if (!open_)
            return;
        for (std::size_t r = 0; r < open_->rows.size(); ++r)
            for (int c = 0; c < logic::ResultTable::kColumns; ++c)
                open_->cell(r, c);
        open_.reset();
    }
    std::optional<logic::ResultTable> open_;
};

} // namespace talvo::fuzz

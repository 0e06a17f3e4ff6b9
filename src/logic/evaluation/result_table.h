#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace talvo::logic {

// One evaluated field: the values behind the nine cells of a result row. Cells that
// stay empty are marked by a zero factor (prize cells) or a missing plus 5 class.
struct ResultRow {
    std::int32_t tip = 0;
    std::int32_t kenoType = 0;
    std::int32_t hits = 0;
    std::int32_t stake = 0;
    std::int32_t factor = 0;
    std::int32_t prize = 0;
    std::int64_t totalPrize = 0;
    // -1: the slip plays no plus 5, its draw's plus 5 is unknown, or this is not its first row
    std::int32_t plus5Class = -1;
    std::int32_t plus5Prize = 0; // euro, counted into totalPrize and balance of this row
    double balance = 0;
};

// One result table: what a slip or a file won in one evaluated draw. Kept as values so
// that thousands of tables cost little; the texts are made when a cell is shown.
struct ResultTable {
    static constexpr int kColumns = 9;
    // The table of the current-draw mode belongs to no stored draw.
    static constexpr int kNoPosition = -1;

    QString caption;
    int position = kNoPosition;
    std::vector<ResultRow> rows;

    static const QString& header(int column);
    // The text of a cell of row `row` (0-based, header not counted).
    QString cell(std::size_t row, int column) const;
};

} // namespace talvo::logic

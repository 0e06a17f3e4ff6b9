#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace talvo::logic {

// One evaluated field: the values behind the nine cells of a result row. Cells that
// stay empty are marked by a zero factor (prize cells) or a missing plus 5 class.
struct ErgebnisZeile {
    std::int32_t tipp = 0;
    std::int32_t typ = 0;
    std::int32_t treffer = 0;
    std::int32_t einsatz = 0;
    std::int32_t faktor = 0;
    std::int32_t gewinn = 0;
    std::int64_t gesamtgewinn = 0;
    std::int32_t plus5 = -1; // -1: the slip plays no plus 5, or this is not its first row
    double saldo = 0;
};

// One result table: what a slip or a file won in one evaluated draw. Kept as values so
// that thousands of tables cost little; the texts are made when a cell is shown.
struct Ergebnistabelle {
    static constexpr int kSpalten = 9;
    // The table of the current-draw mode belongs to no stored draw.
    static constexpr int kKeinePosition = -1;

    QString caption;
    int position = kKeinePosition;
    std::vector<ErgebnisZeile> rows;

    static const QString& header(int column);
    // The text of a cell of row `row` (0-based, header not counted).
    QString cell(std::size_t row, int column) const;
};

} // namespace talvo::logic

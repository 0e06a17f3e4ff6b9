#include "logic/tips/class_rows.h"

namespace talvo::logic {

namespace {

// The class whose items a level of the class sets collects.
int classOfLevel(int level) {
    for (int k = 1; k <= kClassCount; ++k)
        if (levelOfClass(k) == level)
            return k;
    return 0;
}

} // namespace

std::array<ClassRow, 6> classRows(const ClassSets& classSets) {
    static const std::array<QString, 3> kindNames = {QStringLiteral("Einzelnummern"),
                                                     QStringLiteral("Endzahlen"), QStringLiteral("Zehnern")};
    std::array<ClassRow, 6> rows;
    for (int row = 0; row < 6; ++row) {
        const int kind = row / 2 + 1;
        const bool favourites = row % 2 == 1;
        ClassRow& z = rows[static_cast<std::size_t>(row)];
        z.title = (favourites ? QStringLiteral("Favoriten bei ") : QStringLiteral("Restanten bei ")) +
                  kindNames[static_cast<std::size_t>(kind - 1)];
        for (int level : favourites ? std::array<int, 3>{6, 5, 4} : std::array<int, 3>{3, 2, 1})
            for (int n = 1; n <= 70; ++n)
                if (classSets.at(kind, level).contains(n))
                    z.numberCells.push_back({n, classOfLevel(level)});
    }
    return rows;
}

} // namespace talvo::logic

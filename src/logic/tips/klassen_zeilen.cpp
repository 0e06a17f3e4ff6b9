#include "logic/tips/klassen_zeilen.h"

namespace talvo::logic {

namespace {

// The class whose items a level of the class sets collects.
int klasseDerStufe(int level) {
    for (int k = 1; k <= kKlassen; ++k)
        if (klassenStufe(k) == level)
            return k;
    return 0;
}

} // namespace

std::array<KlassenZeile, 6> klassenZeilen(const TKlassenMengen& mengen) {
    static const std::array<QString, 3> arten = {QStringLiteral("Einzelnummern"), QStringLiteral("Endzahlen"),
                                                 QStringLiteral("Zehnern")};
    std::array<KlassenZeile, 6> zeilen;
    for (int row = 0; row < 6; ++row) {
        const int kind = row / 2 + 1;
        const bool favoriten = row % 2 == 1;
        KlassenZeile& z = zeilen[static_cast<std::size_t>(row)];
        z.titel = (favoriten ? QStringLiteral("Favoriten bei ") : QStringLiteral("Restanten bei ")) +
                  arten[static_cast<std::size_t>(kind - 1)];
        for (int level : favoriten ? std::array<int, 3>{6, 5, 4} : std::array<int, 3>{3, 2, 1})
            for (int n = 1; n <= 70; ++n)
                if (mengen.at(kind, level).contains(n))
                    z.zellen.push_back({n, klasseDerStufe(level)});
    }
    return zeilen;
}

} // namespace talvo::logic

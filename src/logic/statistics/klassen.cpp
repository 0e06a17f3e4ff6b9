#include "logic/statistics/klassen.h"

namespace talvo::logic {

namespace {
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr std::array<KlassenFarbe, kKlassen + 1> kFarben = {{
    {{230, 230, 230}, kBlack},
    {{0, 64, 128}, kWhite},
    {{143, 143, 203}, kBlack},
    {{202, 202, 230}, kBlack},
    {{155, 255, 155}, kBlack},
    {{255, 132, 132}, kBlack},
    {{255, 0, 0}, kBlack},
    {{128, 0, 0}, kWhite},
}};
constexpr std::array<int, kKlassen + 1> kStufe = {0, 6, 5, 4, 0, 1, 2, 3};
} // namespace

KlassenFarbe KlassenFarben(int klasse) {
    return klasse >= 1 && klasse <= kKlassen ? kFarben[klasse] : kFarben[0];
}

int klassenStufe(int klasse) {
    return klasse >= 1 && klasse <= kKlassen ? kStufe[klasse] : 0;
}

Rgb abwesenheitsFarbe(int absence) {
    if (absence <= 0)
        return kFarben[4].hintergrund;
    if (absence <= 3)
        return kFarben[3].hintergrund;
    if (absence <= 7)
        return kFarben[5].hintergrund;
    if (absence <= 13)
        return kFarben[6].hintergrund;
    return kFarben[7].hintergrund;
}

} // namespace talvo::logic

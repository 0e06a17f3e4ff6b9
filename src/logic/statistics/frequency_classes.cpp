#include "logic/statistics/frequency_classes.h"

namespace talvo::logic {

namespace {
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr std::array<ClassColour, kClassCount + 1> kClassColours = {{
    {{230, 230, 230}, kBlack},
    {{0, 64, 128}, kWhite},
    {{143, 143, 203}, kBlack},
    {{202, 202, 230}, kBlack},
    {{155, 255, 155}, kBlack},
    {{255, 132, 132}, kBlack},
    {{255, 0, 0}, kBlack},
    {{128, 0, 0}, kWhite},
}};
constexpr std::array<int, kClassCount + 1> kLevelOfClass = {0, 6, 5, 4, 0, 1, 2, 3};
} // namespace

ClassColour classColour(int itemClass) {
    return itemClass >= 1 && itemClass <= kClassCount ? kClassColours[itemClass] : kClassColours[0];
}

int levelOfClass(int itemClass) {
    return itemClass >= 1 && itemClass <= kClassCount ? kLevelOfClass[itemClass] : 0;
}

Rgb absenceColour(int absence) {
    if (absence <= 0)
        return kClassColours[4].background;
    if (absence <= 3)
        return kClassColours[3].background;
    if (absence <= 7)
        return kClassColours[5].background;
    if (absence <= 13)
        return kClassColours[6].background;
    return kClassColours[7].background;
}

} // namespace talvo::logic

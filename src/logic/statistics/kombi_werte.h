#pragma once

#include <QString>
#include <cstdint>

namespace talvo::logic {

// C(70, k) and C(20, k) for the combination sizes 2..4.
std::int64_t kombinationenAus70(int k);
std::int64_t kombinationenAus20(int k);

// The labels of the best-combination search for k and a window of w draws.
QString erwartungswertText(int k, int w);
QString pruefroutinenText(int k, int w);
// "Dauer: h:mm:ss,t" for a running time in milliseconds.
QString dauerText(std::int64_t milliseconds);

} // namespace talvo::logic

#pragma once

#include <QString>
#include <cstdint>

namespace talvo::logic {

// C(70, k) and C(20, k) for the combination sizes 2..4.
std::int64_t combinationsOf70(int k);
std::int64_t combinationsOf20(int k);

// The labels of the best-combination search for k and a window of w draws.
QString expectedValueText(int k, int w);
QString checkCountText(int k, int w);
// "Dauer: h:mm:ss,t" for a running time in milliseconds.
QString durationText(std::int64_t milliseconds);

} // namespace talvo::logic

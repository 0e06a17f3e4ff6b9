#pragma once

namespace talvo::logic {

// The odds of plus 5: the drawn number is one of 00000..99999, all alike.
// The chance that exactly `digits` final digits (0..5) match the slip's number.
double plus5Probability(int digits);
// Expected plus 5 prize in euro per play, and per euro staked.
double plus5ExpectedPrize();
double plus5ReturnRate();

} // namespace talvo::logic

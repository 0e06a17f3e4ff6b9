#pragma once

namespace talvo::logic {

// The chance that a chi-square variable with `degrees` degrees of freedom is at least x.
double chiSquareUpperTail(double x, int degrees);

// The chance that a standard normal variable lies at least |z| away from 0.
double normalTwoSidedTail(double z);

// The |z| beyond which one of `tests` two-sided tests is called unusual so that, with
// independent tests, chance alone singles out any at all with the given chance (Šidák).
double sidakLimit(int tests, double level);

} // namespace talvo::logic

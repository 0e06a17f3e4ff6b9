#pragma once

#include <QtGlobal>

namespace talvo::cli {

class Arguments;

// --seed X: a whole number from 0 to 2^64 − 1; without it the clock's milliseconds.
quint64 seedOption(const Arguments& options);

} // namespace talvo::cli

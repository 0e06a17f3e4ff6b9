#pragma once

#include <QString>
#include <cstdint>

namespace talvo::logic {

// The integer conversion every text box of the program goes through: leading blanks,
// an optional sign, decimal digits or hexadecimal ones after "$" or "0x", nothing
// after the digits, and a value that fits 32 signed bits. Returns false otherwise.
bool readNumber(const QString& text, std::int32_t& value);

} // namespace talvo::logic

#include "logic/evaluation/plus5_class.h"

#include "logic/core/error.h"
#include "logic/core/read_number.h"

namespace talvo::logic {

namespace {
std::int32_t parsePlus5(const QString& text) {
    std::int32_t value = 0;
    if (!readNumber(text, value))
        throw Error(QStringLiteral("\"%1\" ist keine gültige plus 5-Zahl.").arg(text));
    return value;
}
} // namespace

int plus5Class(const QString& drawPlus5, const QString& slipPlus5) {
    if (drawPlus5.isEmpty())
        return 0;
    const std::int32_t a = parsePlus5(drawPlus5);
    const std::int32_t b = parsePlus5(slipPlus5);
    int matchedDigits = 0;
    for (std::int32_t divisor : {10, 100, 1000, 10000}) {
        if (a % divisor != b % divisor)
            return matchedDigits;
        ++matchedDigits;
    }
    return a != b ? 4 : 5;
}

} // namespace talvo::logic

#include "arguments.h"
#include "command.h"

#include "logic/core/tables.h"
#include "logic/core/type_odds.h"

#include <QTextStream>
#include <array>
#include <charconv>

namespace talvo::cli {
namespace {

// C's "%.17g" in the C locale, whatever the user's locale: these figures are for reading
// back exactly, not for reading by eye.
QString exact(double value) {
    std::array<char, 40> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 17);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

int odds(const Arguments& arguments, Io& io) {
    int first = 2;
    int last = logic::kMaxType;
    if (arguments.has(QStringLiteral("type"))) {
        first = last = arguments.integer(QStringLiteral("type"), 0);
        if (first < 2 || first > logic::kMaxType)
            throw UsageError{QStringLiteral("--type erwartet einen KENO-Typ von 2 bis 10.")};
    }
    for (int type = first; type <= last; ++type) {
        const logic::TypeOdds typeOdds = logic::oddsOfType(type);
        for (int h = 0; h <= type; ++h)
            io.out << "odds\t" << type << '\t' << h << '\t' << exact(typeOdds.probability(h)) << '\t'
                   << typeOdds.factors[static_cast<std::size_t>(h)] << '\n';
        io.out << "return\t" << type << '\t' << exact(typeOdds.returnRate()) << '\n';
        io.out << "prize\t" << type << '\t' << exact(typeOdds.winChance()) << '\n';
    }
    return 0;
}

const CommandRegistrar reg("odds", odds);

} // namespace
} // namespace talvo::cli

#include "arguments.h"
#include "command.h"

#include "logic/core/draw_number.h"
#include "logic/core/number_set.h"
#include "logic/draws/draw_entry.h"
#include "logic/draws/store_draw_in_history.h"

#include <optional>

namespace talvo::cli {
namespace {

int store(const Arguments& opts, Io&) {
    const QString path = opts.required(QStringLiteral("history"));
    const int position = opts.integer(QStringLiteral("position"), 0);
    if (!opts.has(QStringLiteral("position")) || position < 1)
        throw UsageError{QStringLiteral("--position erwartet eine Nummer ab 1.")};
    logic::DrawEntry entry;
    entry.datum = parseDate(opts.required(QStringLiteral("date")));
    for (const QString& piece :
         opts.required(QStringLiteral("numbers")).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const std::optional<int> n = logic::readDrawNumber(piece);
        if (!n)
            throw UsageError{QStringLiteral("\"%1\" ist keine Zahl von 1 bis 70.").arg(piece)};
        entry.numbers.insert(*n);
    }
    entry.plus5 = opts.value(QStringLiteral("plus5"));
    // A script that stores a draw of a date already stored means to replace it. The history
    // known beforehand is none: the command reads the file under the lock.
    logic::storeDrawInHistory(path, logic::DrawHistory{}, entry, position - 1, opts.now(), opts.nowDateTime(),
                              [](const logic::DrawRecord&) { return true; });
    return 0;
}

const CommandRegistrar reg("store", store);

} // namespace
} // namespace talvo::cli

#include "arguments.h"
#include "command.h"
#include "history_option.h"

#include "logic/core/draw_number.h"
#include "logic/statistics/free_search.h"

#include <QTextStream>
#include <optional>

namespace talvo::cli {
namespace {

logic::NumberSet pickedNumbers(const QStringList& words) {
    logic::NumberSet picked;
    for (const QString& word : words) {
        const std::optional<int> n = logic::readDrawNumber(word);
        if (!n || picked.contains(*n))
            throw UsageError{QStringLiteral("\"%1\" ist keine neue Zahl von 1 bis 70.").arg(word)};
        if (!logic::togglePick(picked, *n))
            throw UsageError{QStringLiteral("Höchstens 10 Zahlen angeben.")};
    }
    if (picked.empty())
        throw UsageError{QStringLiteral("Mindestens eine Zahl angeben.")};
    return picked;
}

int freeSearch(const Arguments& arguments, Io& io) {
    const logic::NumberSet picked = pickedNumbers(arguments.positional());
    const int n = lastOption(arguments);
    const logic::FreeSearchResult result = logic::freeSearch(historyOption(arguments), picked, n);
    int h = 0;
    for (const logic::FreeSearchHit& t : result.hits)
        io.out << ++h << '\t' << (t.position + 1) << '\t' << logic::serialToText(t.date) << '\n';
    const auto column = logic::summaryColumn(1, picked, result);
    for (std::size_t row = 0; row < column.size(); ++row)
        io.out << logic::summaryRowLabels()[row] << '\t' << column[row] << '\n';
    return 0;
}

const CommandRegistrar reg("free-search", freeSearch);

} // namespace
} // namespace talvo::cli

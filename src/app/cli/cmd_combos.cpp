#include "arguments.h"
#include "command.h"
#include "history_option.h"

#include "logic/statistics/combination_search.h"
#include "logic/statistics/combination_values.h"
#include "logic/statistics/free_search.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace talvo::cli {
namespace {

void printList(const char* name, const std::vector<logic::CombinationEntry>& list, QTextStream& out) {
    for (std::size_t p = 0; p < list.size(); ++p)
        if (list[p].occupied())
            out << name << '\t' << (p + 1) << '\t' << logic::numbersText(list[p].combination) << '\t'
                << list[p].occurrences << '\n';
}

int combos(const Arguments& arguments, Io& io) {
    const int k = arguments.integer(QStringLiteral("k"), 0);
    if (k < 2 || k > 4)
        throw UsageError{QStringLiteral("--k erwartet 2, 3 oder 4.")};
    const int n = lastOption(arguments);
    const logic::DrawSetList window =
        logic::lastDrawSets(logic::collectDrawSets(historyOption(arguments)), n);
    const int w = static_cast<int>(window.size());
    io.out << logic::expectedValueText(k, w) << '\n' << logic::checkCountText(k, w) << '\n';
    if (window.empty())
        return 0;
    QElapsedTimer timer;
    timer.start();
    const logic::CombinationSearchResult result = logic::searchCombinations(window, k);
    io.err << logic::durationText(timer.elapsed()) << '\n';
    printList("TOP", result.topCombinations, io.out);
    printList("FLOP", result.flopCombinations, io.out);
    return 0;
}

const CommandRegistrar reg("combos", combos);

} // namespace
} // namespace talvo::cli

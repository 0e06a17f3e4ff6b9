#include "arguments.h"
#include "command.h"
#include "history_option.h"
#include "seed_option.h"

#include "logic/core/format.h"
#include "logic/statistics/combination_chance.h"
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

QString chance(double value) {
    return logic::formatNumberUngrouped(value, 4);
}

// How often random histories of the window's size reach the lists' extremes.
void printChances(const logic::CombinationSearchResult& result, int w, int runs, quint64 seed,
                  QTextStream& out) {
    logic::CombinationChanceParameters p;
    p.k = result.k;
    p.drawCount = w;
    p.observed = {static_cast<std::uint32_t>(result.topCombinations.front().occurrences),
                  static_cast<std::uint32_t>(result.flopCombinations.front().occurrences)};
    p.runs = runs;
    p.seed = seed;
    const logic::CombinationChance c = logic::estimateCombinationChance(p);
    out << "TEST-TOP\t" << c.observed.highest << '\t' << chance(c.highChance()) << '\t'
        << chance(c.highError()) << '\n';
    out << "TEST-FLOP\t" << c.observed.lowest << '\t' << chance(c.lowChance()) << '\t' << chance(c.lowError())
        << '\n';
    out << "TEST-RUNS\t" << c.runs << '\t' << p.seed << '\n';
    out << logic::highCombinationSentence(c) << '\n' << logic::lowCombinationSentence(c) << '\n';
}

int combos(const Arguments& arguments, Io& io) {
    const int k = arguments.integer(QStringLiteral("k"), 0);
    if (k < 2 || k > 4)
        throw UsageError{QStringLiteral("--k erwartet 2, 3 oder 4.")};
    const int n = lastOption(arguments);
    const bool test = arguments.has(QStringLiteral("test"));
    const int runs = arguments.integer(QStringLiteral("runs"), 200);
    if (runs < 1)
        throw UsageError{QStringLiteral("--runs erwartet eine ganze Zahl ab 1.")};
    const quint64 seed = test ? seedOption(arguments) : 0;
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
    if (test)
        printChances(result, w, runs, seed, io.out);
    return 0;
}

const CommandRegistrar reg("combos", combos);

} // namespace
} // namespace talvo::cli

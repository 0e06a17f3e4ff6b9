#include "arguments.h"
#include "command.h"
#include "history_option.h"
#include "seed_option.h"

#include "logic/core/error.h"
#include "logic/core/format.h"
#include "logic/statistics/free_search.h"
#include "logic/tips/strategy_test.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

QString euro(long long amount) {
    return logic::formatNumber(static_cast<double>(amount), 2);
}

std::optional<int> dayOption(const Arguments& arguments, const QString& name) {
    if (!arguments.has(name))
        return std::nullopt;
    return logic::wholeDay(parseDate(arguments.value(name)));
}

int backtest(const Arguments& arguments, Io& io) {
    arguments.required(QStringLiteral("strategy"));
    arguments.required(QStringLiteral("type"));
    logic::StrategyTestParameters params;
    params.strategy = arguments.integer(QStringLiteral("strategy"), -1);
    params.kenoType = arguments.integer(QStringLiteral("type"), 0);
    params.stake = arguments.integer(QStringLiteral("stake"), 1);
    params.windowSize = lastOption(arguments);
    params.from = dayOption(arguments, QStringLiteral("from"));
    params.to = dayOption(arguments, QStringLiteral("to"));
    if (const QString error = logic::strategyTestError(params); !error.isEmpty())
        throw UsageError{error};
    params.seed = seedOption(arguments);

    const logic::StrategyTestResult result = logic::runStrategyTest(historyOption(arguments), params);
    if (result.draws.empty())
        throw logic::Error(QString::fromUtf8(logic::kNoTestDrawMessage));

    if (arguments.has(QStringLiteral("draws")))
        for (const logic::TestedDraw& draw : result.draws)
            io.out << logic::serialToText(draw.date) << '\t' << logic::numbersText(draw.tip) << '\t'
                   << draw.hitCount << '\t' << euro(draw.winnings) << '\n';
    io.out << "Seed\t" << params.seed << '\n';
    io.out << "Ziehungen\t" << result.draws.size() << '\n';
    io.out << "Einsatz\t" << euro(result.stake) << '\n';
    io.out << "Gewinn\t" << euro(result.winnings) << '\n';
    io.out << QStringLiteral("Rückfluss\t") << logic::formatNumber(result.returnRate(), 2) << '\n';
    io.out << "Zufall\t" << logic::formatNumber(result.randomReturnRate(), 2) << '\n';
    io.out << "Tiefster Stand\t" << euro(result.lowestBalance) << '\n';
    io.out << QStringLiteral("Längste Serie ohne Gewinn\t") << result.longestLosingStreak << '\n';
    io.out << "Ziehungen mit Gewinn\t" << result.winningDraws << '\n';
    for (int h = 0; h <= params.kenoType; ++h)
        io.out << "Treffer\t" << h << '\t' << result.hitCount[static_cast<std::size_t>(h)] << '\t'
               << logic::formatNumber(result.expectedHits[static_cast<std::size_t>(h)], 2) << '\n';
    return 0;
}

const CommandRegistrar reg("backtest", backtest);

} // namespace
} // namespace talvo::cli

#include "arguments.h"
#include "command.h"
#include "history_option.h"
#include "seed_option.h"

#include "logic/export/tip_text.h"
#include "logic/statistics/frequency_statistics.h"
#include "logic/tips/candidate_list.h"
#include "logic/tips/game_draw.h"
#include "logic/tips/tip_generator.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextStream>

namespace talvo::cli {
namespace {

int strategyOption(const Arguments& arguments) {
    bool ok = false;
    const int s = arguments.required(QStringLiteral("strategy")).toInt(&ok);
    if (!ok || s < 0 || s >= logic::kTipStrategyCount)
        throw UsageError{QStringLiteral("--strategy erwartet 0, 1, 2 oder 3.")};
    return s;
}

std::array<int, logic::kTipGames> typesOption(const Arguments& arguments) {
    const QStringList entries = arguments.required(QStringLiteral("types"))
                                    .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const UsageError wrong{
        QStringLiteral("--types erwartet genau fünf Angaben, jede \"--\" oder ein KENO-Typ von 2 bis 10.")};
    if (entries.size() != logic::kTipGames)
        throw wrong;
    std::array<int, logic::kTipGames> types{};
    for (int i = 0; i < logic::kTipGames; ++i) {
        const QString& e = entries[i];
        if (e == QStringLiteral("--"))
            continue;
        bool ok = false;
        const int t = e.toInt(&ok);
        if (!ok || t < 2 || t > 10)
            throw wrong;
        types[static_cast<std::size_t>(i)] = t;
    }
    return types;
}

int countOption(const Arguments& arguments) {
    if (!arguments.has(QStringLiteral("count")))
        return 1;
    bool ok = false;
    const int k = arguments.value(QStringLiteral("count")).toInt(&ok);
    if (!ok || k < 1)
        throw UsageError{QStringLiteral("--count erwartet eine ganze Zahl ab 1.")};
    return k;
}

int tip(const Arguments& arguments, Io& io) {
    const int strategy = strategyOption(arguments);
    const bool candidates = arguments.has(QStringLiteral("candidates"));
    const auto types = candidates ? std::array<int, logic::kTipGames>{} : typesOption(arguments);
    const int count = countOption(arguments);
    const int n = lastOption(arguments);
    const quint64 seed = seedOption(arguments);

    const logic::FrequencyStatistics statistics =
        logic::computeFrequencyStatistics(historyOption(arguments), n);

    if (candidates) {
        QStringList numbers;
        for (auto number : logic::buildCandidateList(statistics.classSets, strategy))
            numbers << QString::number(number);
        io.out << "Kandidaten\t" << numbers.join(QLatin1Char(' ')) << '\n';
        return 0;
    }

    QRandomGenerator random = logic::tipRandomGenerator(seed);
    logic::TipGenerator generator;
    QStringList lastText;
    for (int k = 1; k <= count; ++k) {
        const logic::TipResult generated = generator.generate(statistics.classSets, strategy, types, random);
        if (k > 1)
            io.out << '\n';
        lastText = generated.text();
        for (const QString& line : lastText)
            io.out << line << '\n';
        io.out << QStringLiteral("Ergänzt:");
        for (const logic::TipGame& game : generated.tip.games)
            if (game.kenoType > 0)
                io.out << (game.completed ? " ja" : " nein");
        io.out << '\n';
    }
    if (arguments.has(QStringLiteral("save")))
        logic::writeTipText(arguments.value(QStringLiteral("save")), lastText);
    return 0;
}

const CommandRegistrar reg("tip", tip);

} // namespace
} // namespace talvo::cli

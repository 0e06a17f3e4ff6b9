#include "arguments.h"
#include "command.h"
#include "history_option.h"

#include "logic/core/format.h"
#include "logic/statistics/absences.h"
#include "logic/statistics/frequency_statistics.h"
#include "logic/statistics/number_frequency_test.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

QString joined(const std::vector<int>& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

void printResult(const logic::FrequencyResult& r, QTextStream& out) {
    out << "KIND\t" << static_cast<int>(r.kind) << '\n';
    out << "heading\t" << r.heading << '\n';
    out << "legend\t" << r.legend << '\n';
    out << "mean\t" << r.meanText << '\n';
    out << "T\t" << joined({r.thresholds.begin(), r.thresholds.end()}) << '\n';
    out << 'R';
    for (const QString& text : r.rangeTexts)
        out << '\t' << text;
    out << '\n';
    for (int j = 1; j <= r.items(); ++j)
        out << "item\t" << j << '\t' << r.occurrences[static_cast<std::size_t>(j - 1)] << '\t'
            << r.itemClass[static_cast<std::size_t>(j - 1)] << '\n';
}

void printFrequencyTest(const logic::FrequencyResult& numbers, QTextStream& out) {
    const logic::NumberFrequencyTest test =
        logic::testNumberFrequencies(numbers.occurrences, numbers.drawCount);
    out << "Chi-Quadrat\t" << logic::formatNumberUngrouped(test.statistic, 2) << '\n';
    out << "Freiheitsgrade\t" << test.degrees << '\n';
    out << "p-Wert\t" << logic::formatNumberUngrouped(test.pValue, 4) << '\n';
    for (int n = 1; n <= 70; ++n)
        out << "z\t" << n << '\t'
            << logic::formatNumberUngrouped(test.zScores[static_cast<std::size_t>(n - 1)], 2) << '\n';
}

int stats(const Arguments& arguments, Io& io) {
    const int n = lastOption(arguments);
    const logic::DrawHistory history = historyOption(arguments);
    const logic::FrequencyStatistics statistics = logic::computeFrequencyStatistics(history, n);

    for (auto kind :
         {logic::StatisticKind::Numbers, logic::StatisticKind::FinalDigits, logic::StatisticKind::Tens})
        if (const auto& r = statistics.result(kind))
            printResult(*r, io.out);
    for (int kind = 1; kind <= 3; ++kind)
        for (int level = 1; level <= logic::kLevelCount; ++level) {
            std::vector<int> numbers;
            for (auto v : logic::toNumberList(statistics.classSets.at(kind, level), 70, 70))
                numbers.push_back(v);
            io.out << "KLASSEN\t" << kind << '\t' << level << '\t' << joined(numbers) << '\n';
        }
    const logic::Absences absences = logic::computeAbsences(logic::collectDrawSets(history));
    for (int number = 1; number <= 70; ++number)
        io.out << "ABSENCE\t" << number << '\t' << absences.drawsSince[static_cast<std::size_t>(number)]
               << '\n';
    io.out << "ABSENCE-ORDER\t" << joined(absences.ranking) << '\n';
    io.out << "FREQUENCY-ORDER\t" << joined(statistics.frequencyOrder()) << '\n';
    if (arguments.has(QStringLiteral("test")))
        if (const auto& numbers = statistics.result(logic::StatisticKind::Numbers))
            printFrequencyTest(*numbers, io.out);
    return 0;
}

const CommandRegistrar reg("stats", stats);

} // namespace
} // namespace talvo::cli

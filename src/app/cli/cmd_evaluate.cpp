#include "arguments.h"
#include "cell_text.h"
#include "command.h"

#include "logic/core/draw_number.h"
#include "logic/core/error.h"
#include "logic/core/format.h"
#include "logic/core/history_file.h"
#include "logic/core/number_set.h"
#include "logic/core/slip_file.h"
#include "logic/evaluation/date_range_check.h"
#include "logic/evaluation/evaluation.h"
#include "logic/evaluation/evaluation_messages.h"
#include "logic/evaluation/evaluation_summary.h"

#include <QTextStream>
#include <optional>

namespace talvo::cli {
namespace {

// Prints each table once it is complete, so an evaluation of any size needs the memory
// of one table only.
class TablePrinter final : public logic::ResultSink {
  public:
    explicit TablePrinter(QTextStream& out) : out_(out) {}
    logic::ResultTable* newTable() override {
        finish();
        return &open_.emplace();
    }
    // Prints the table being filled, also after an error: it keeps the rows made so far.
    void finish() {
        if (!open_)
            return;
        const logic::ResultTable& table = *open_;
        out_ << "# " << cellText(table.caption) << '\n';
        for (int c = 0; c < logic::ResultTable::kColumns; ++c)
            out_ << (c > 0 ? "\t" : "") << logic::ResultTable::header(c);
        out_ << '\n';
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            for (int c = 0; c < logic::ResultTable::kColumns; ++c)
                out_ << (c > 0 ? "\t" : "") << cellText(table.cell(r, c));
            out_ << '\n';
        }
        open_.reset();
    }

  private:
    QTextStream& out_;
    std::optional<logic::ResultTable> open_;
};

QString euro(std::int64_t cents) {
    return logic::formatNumber(static_cast<double>(cents) / 100.0, 2);
}

void printSummaryLine(QTextStream& out, const QString& name, const logic::SlipSummary& s) {
    out << name << '\t' << s.evaluations << '\t' << euro(s.stakeCents) << '\t' << euro(s.gamePrize * 100)
        << '\t' << euro(s.plus5Prize * 100) << '\t' << euro(s.balanceCents()) << '\n';
}

// One line per slip evaluated and the sums, in place of the tables.
void printSummary(QTextStream& out, const logic::EvaluationSummary& summary) {
    out << "Schein\tAuswertungen\tEinsatz\tGewinn\tplus 5\tSaldo\n";
    for (const logic::SlipSummary& slip : summary.slips())
        printSummaryLine(out, cellText(slip.name), slip);
    printSummaryLine(out, QStringLiteral("Summe"), summary.total());
}

// The numbers of the board: 1..70, at most 20 of them.
logic::NumberSet boardNumbers(const QString& text) {
    logic::NumberSet set;
    for (const QString& piece : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const std::optional<int> n = logic::readDrawNumber(piece);
        if (!n)
            throw UsageError{QStringLiteral("\"%1\" ist keine Zahl von 1 bis 70.").arg(piece)};
        set.insert(*n);
    }
    if (set.count() > 20)
        throw UsageError{QStringLiteral("Höchstens 20 Gewinnzahlen angeben.")};
    return set;
}

int evaluate(const Arguments& opts, Io& io) {
    const QStringList range = opts.values(QStringLiteral("range"));
    const int modes = (opts.has(QStringLiteral("current")) ? 1 : 0) +
                      (opts.has(QStringLiteral("laufzeit")) ? 1 : 0) + (range.isEmpty() ? 0 : 1);
    if (modes != 1)
        throw UsageError{QStringLiteral("Genau eine Art der Auswertung angeben.")};

    const QString historyPath = opts.required(QStringLiteral("history"));
    const QString slipsPath = opts.required(QStringLiteral("slips"));
    const logic::DaySerial now = opts.now();
    const bool summaryOnly = opts.has(QStringLiteral("summary"));
    TablePrinter printer(io.out);
    logic::EvaluationSummary summary;
    logic::ResultSink& tables = summaryOnly ? static_cast<logic::ResultSink&>(summary) : printer;
    // Whatever was evaluated is printed, also when an error stops the evaluation.
    const auto finish = [&] {
        if (summaryOnly)
            printSummary(io.out, summary);
        else
            printer.finish();
    };
    QString message;
    try {
        const logic::DrawHistory history = logic::loadDrawHistory(historyPath);
        const logic::SlipList slips = logic::loadSlips(slipsPath);
        if (opts.has(QStringLiteral("current"))) {
            const logic::NumberSet numbers = boardNumbers(opts.value(QStringLiteral("current")));
            if (numbers.empty())
                throw logic::Error(logic::noWinningNumbersMessage());
            const QString caption =
                opts.has(QStringLiteral("caption"))
                    ? opts.value(QStringLiteral("caption"))
                    : (history.empty() ? QString() : logic::serialToText(history.back().datum));
            logic::evaluateDraw(slips, numbers, opts.value(QStringLiteral("plus5")).left(5), caption, tables);
        } else if (opts.has(QStringLiteral("laufzeit"))) {
            const int withoutDraws = logic::evaluateRunningTimes(slips, history, now, tables);
            message = logic::runningTimeMessage(static_cast<int>(slips.size()), withoutDraws);
        } else {
            // With both dates wrong, the message names the end date, as it always has.
            const logic::DaySerial until = parseDate(range[1]);
            const logic::DaySerial from = parseDate(range[0]);
            if (const std::optional<QString> problem = logic::checkDateRange(from, until))
                throw UsageError{*problem};
            logic::evaluateRange(slips, from, until, history, now, tables);
        }
    } catch (const logic::Error&) {
        finish();
        throw;
    }
    finish();
    if (!message.isEmpty())
        io.err << message.replace(QLatin1Char('\r'), QLatin1Char('\n')) << '\n';
    return 0;
}

const CommandRegistrar reg("evaluate", evaluate);

} // namespace
} // namespace talvo::cli

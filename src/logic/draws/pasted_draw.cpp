#include "logic/draws/pasted_draw.h"

#include "logic/core/dates.h"
#include "logic/core/draw_number.h"
#include "logic/draws/digit_runs.h"

#include <QDate>
#include <QSet>
#include <QStringView>
#include <algorithm>
#include <vector>

namespace talvo::logic {

namespace {

constexpr int kDrawnNumbers = 20;
// A problem lists this many numbers or pieces and counts the rest, so a whole page
// pasted by mistake still gives a message that fits on the screen.
constexpr int kListed = 10;
constexpr qsizetype kShownDigits = 10;

// Where a digit run lies in the text.
struct Run {
    QStringView digits;
    qsizetype end = 0;
};

// The runs in order with their places. Between two runs there are no digits, so the
// first occurrence of a run after the previous one is the run itself.
std::vector<Run> locateRuns(const QString& text) {
    const QStringList pieces = extractDigitRuns(text);
    std::vector<Run> runs;
    runs.reserve(static_cast<std::size_t>(pieces.size()));
    qsizetype from = 0;
    for (const QString& piece : pieces) {
        const qsizetype start = text.indexOf(piece, from);
        from = start + piece.size();
        runs.push_back({QStringView(text).sliced(start, piece.size()), from});
    }
    return runs;
}

class RunReader {
  public:
    RunReader(const QString& text, const std::vector<Run>& runs) : text_(text), runs_(runs) {}

    std::size_t count() const { return runs_.size(); }
    QStringView digits(std::size_t i) const { return runs_[i].digits; }
    qsizetype length(std::size_t i) const { return runs_[i].digits.size(); }
    int value(std::size_t i) const { return digits(i).toInt(); }

    // What stands between run i and run i + 1.
    QStringView gap(std::size_t i) const {
        const qsizetype start = runs_[i].end;
        return QStringView(text_).sliced(start, runs_[i + 1].end - length(i + 1) - start);
    }
    bool joinedBy(std::size_t i, char16_t separator) const {
        return i + 1 < count() && gap(i).size() == 1 && gap(i).front() == separator;
    }

    // The day serial of a date starting at run i.
    std::optional<int> dateAt(std::size_t i) const {
        if (!joinedBy(i, u'.') || !joinedBy(i + 1, u'.') || (i > 0 && joinedBy(i - 1, u'.')) ||
            joinedBy(i + 2, u'.'))
            return std::nullopt;
        const qsizetype yearLength = length(i + 2);
        if (length(i) > 2 || length(i + 1) > 2 || (yearLength != 2 && yearLength != 4))
            return std::nullopt;
        const int year = yearLength == 2 ? 2000 + value(i + 2) : value(i + 2);
        const QDate date(year, value(i + 1), value(i));
        if (!date.isValid())
            return std::nullopt;
        return static_cast<int>(dateToSerial(date));
    }

    // How many runs a time of day starting at run i takes, 0 when none starts there.
    int timeAt(std::size_t i) const {
        if (length(i) > 2 || value(i) > 23 || i + 1 >= count() || !isMinutes(i + 1))
            return 0;
        if (joinedBy(i, u':'))
            return joinedBy(i + 1, u':') && isMinutes(i + 2) ? 3 : 2;
        if (joinedBy(i, u'.') && followedByUhr(i + 1))
            return 2;
        return 0;
    }

  private:
    bool isMinutes(std::size_t i) const { return length(i) == 2 && value(i) <= 59; }
    bool followedByUhr(std::size_t i) const {
        QStringView rest = QStringView(text_).sliced(runs_[i].end);
        while (!rest.isEmpty() && rest.front().isSpace())
            rest = rest.sliced(1);
        return rest.startsWith(QLatin1String("Uhr"), Qt::CaseInsensitive);
    }

    const QString& text_;
    const std::vector<Run>& runs_;
};

QString listed(const QStringList& items) {
    if (items.size() <= kListed)
        return items.join(QStringLiteral(", "));
    return items.first(kListed).join(QStringLiteral(", ")) +
           QStringLiteral(" und %1 weitere").arg(items.size() - kListed);
}

// A piece as the player may be shown it: a run of a hundred digits is cut short, and a
// piece that is no digit run (a typed one) is quoted, so that even an empty one shows.
QString shownPiece(const QString& piece) {
    const bool digits = !piece.isEmpty() && std::all_of(piece.begin(), piece.end(),
                                                        [](QChar c) { return c >= u'0' && c <= u'9'; });
    const QString cut = piece.size() > kShownDigits ? piece.left(kShownDigits) + QStringLiteral("…") : piece;
    return digits ? cut : QStringLiteral("\"%1\"").arg(cut);
}

QString countProblem(qsizetype count) {
    const QString rule = QStringLiteral("; eine Ziehung hat genau 20 Gewinnzahlen.");
    if (count == 0)
        return QStringLiteral("Im Text steht keine Zahl") + rule;
    if (count == 1)
        return QStringLiteral("Im Text steht nur eine Zahl") + rule;
    return QStringLiteral("Im Text stehen %1 Zahlen").arg(count) + rule;
}

} // namespace

PastedText readPastedText(const QString& text) {
    const std::vector<Run> runs = locateRuns(text);
    const RunReader reader(text, runs);
    PastedText pasted;
    for (std::size_t i = 0; i < runs.size();) {
        if (const std::optional<int> day = reader.dateAt(i)) {
            if (!pasted.day)
                pasted.day = day;
            i += 3;
        } else if (const int taken = reader.timeAt(i)) {
            i += static_cast<std::size_t>(taken);
        } else {
            pasted.pieces << runs[i].digits.toString();
            ++i;
        }
    }
    return pasted;
}

DrawNumbersCheck checkDrawNumbers(const QStringList& pieces) {
    NumberSet seen;
    NumberSet repeated;
    QStringList foreign;
    QSet<QString> foreignSeen;
    for (const QString& piece : pieces) {
        const std::optional<int> number = readDrawNumber(piece);
        if (!number) {
            const QString shown = shownPiece(piece);
            if (!foreignSeen.contains(shown)) {
                foreignSeen.insert(shown);
                foreign << shown;
            }
        } else if (seen.contains(*number)) {
            repeated.insert(*number);
        } else {
            seen.insert(*number);
        }
    }
    QStringList problems;
    if (pieces.size() != kDrawnNumbers)
        problems << countProblem(pieces.size());
    if (!repeated.empty()) {
        QStringList numbers;
        for (int n = 1; n <= 70; ++n)
            if (repeated.contains(n))
                numbers << QString::number(n);
        problems << QStringLiteral("Doppelt: %1.").arg(listed(numbers));
    }
    if (!foreign.isEmpty())
        problems << QStringLiteral("Keine Gewinnzahl von 1 bis 70: %1.").arg(listed(foreign));

    DrawNumbersCheck check;
    check.problem = problems.join(u'\n');
    if (check.ok())
        check.numbers = seen;
    return check;
}

} // namespace talvo::logic

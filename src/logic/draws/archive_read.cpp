#include "logic/draws/archive_import.h"

#include "logic/core/ansi.h"
#include "logic/core/dates.h"
#include "logic/core/draw_number.h"
#include "logic/core/error.h"
#include "logic/core/record_file.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <optional>
#include <unordered_map>

namespace talvo::logic {

namespace {

constexpr int kNumbers = 20;

// A line longer than this is no draw; cutting it keeps a file of one endless line from
// taking memory in proportion to its size.
constexpr qsizetype kMaxLineLength = 4096;
constexpr qint64 kPieceBytes = 1 << 20;

enum class Encoding { Bytes, Utf16LE, Utf16BE };

// A line of bytes is UTF-8 or, when it is none, comes from a spreadsheet saved in the
// Windows code page.
QString lineText(const QByteArray& bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? ansiToText(bytes) : text;
}

// Cuts a stream of pieces into lines at '\n', carrying an unfinished line from one piece
// to the next and keeping at most kMaxLineLength units of any line.
template <typename Text, typename Unit> class LineSplitter {
  public:
    explicit LineSplitter(Unit newline) : newline_(newline) {}

    template <typename Take> void add(const Text& piece, const Take& take) {
        qsizetype from = 0;
        while (from <= piece.size()) {
            const qsizetype end = piece.indexOf(newline_, from);
            const qsizetype stop = end < 0 ? piece.size() : end;
            if (!overlong_) {
                if (stop - from > kMaxLineLength - line_.size()) {
                    overlong_ = true;
                    line_.resize(0);
                } else {
                    line_.append(piece.constData() + from, stop - from);
                }
            }
            if (end < 0)
                return;
            take(line_, overlong_);
            line_.resize(0); // keeps its room for the next line
            overlong_ = false;
            from = end + 1;
        }
    }

    template <typename Take> void finish(const Take& take) { take(line_, overlong_); }

  private:
    Unit newline_;
    Text line_;
    bool overlong_ = false;
};

// Splits at separators outside double quotes; each field loses its quotes ("" inside
// quotes stands for one quote), then its blanks at both ends. The fields' texts are used
// again from line to line, as a file may hold millions of lines.
void trim(QString& field) {
    if (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()))
        field = std::move(field).trimmed();
}

void splitFields(QStringView line, QChar separator, std::vector<QString>& fields) {
    std::size_t count = 0;
    const auto nextField = [&]() -> QString& {
        if (count == fields.size())
            fields.emplace_back();
        QString& field = fields[count++];
        field.resize(0);
        return field;
    };
    QString* field = &nextField();
    bool quoted = false;
    qsizetype run = 0; // where the characters taken as they are begin
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            field->append(line.sliced(run, i - run));
            if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                field->append(u'"');
                ++i;
            } else {
                quoted = !quoted;
            }
            run = i + 1;
        } else if (c == separator && !quoted) {
            field->append(line.sliced(run, i - run));
            trim(*field);
            field = &nextField();
            run = i + 1;
        }
    }
    field->append(line.sliced(run));
    trim(*field);
    fields.resize(count);
}

// Reads minLen..maxLen ASCII digits at pos, and no more.
bool digitRun(const QString& text, qsizetype& pos, int minLen, int maxLen, int& value) {
    value = 0;
    int length = 0;
    while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        if (++length > maxLen)
            return false;
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
    }
    return length >= minLen;
}

bool followedBy(const QString& text, qsizetype& pos, QChar c) {
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

// Whether the field is written as a date: d.m.yyyy, dd.mm.yyyy or yyyy-mm-dd. The date
// itself may still be impossible (31.02.2019).
bool hasDateForm(const QString& field, int& year, int& month, int& day) {
    qsizetype pos = 0;
    if (digitRun(field, pos, 1, 2, day) && followedBy(field, pos, u'.') &&
        digitRun(field, pos, 1, 2, month) && followedBy(field, pos, u'.') && digitRun(field, pos, 4, 4, year))
        return pos == field.size();
    pos = 0;
    return digitRun(field, pos, 4, 4, year) && followedBy(field, pos, u'-') &&
           digitRun(field, pos, 2, 2, month) && followedBy(field, pos, u'-') &&
           digitRun(field, pos, 2, 2, day) && pos == field.size();
}

bool allDigits(const QString& field) {
    return !field.isEmpty() &&
           std::all_of(field.begin(), field.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The value of a whole number in 1..70, or 0 for any other field. A spreadsheet writes
// a number as bare digits, so a sign is as foreign here as a letter.
int drawnNumber(const QString& field) {
    if (!allDigits(field))
        return 0;
    return readDrawNumber(field).value_or(0);
}

// A field as a reason may quote it: on one line and short.
QString shown(const QString& field) {
    QString text = field.left(24);
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return field.size() > text.size() ? text + QStringLiteral("…") : text;
}

// Some programs write a day as a moment (2023-02-16T00:00:00Z); the reason says what
// form is wanted instead.
QString notADate(const QString& field) {
    int year = 0, month = 0, dayOfMonth = 0;
    for (const QChar divider : {QChar(u'T'), QChar(u' ')}) {
        const qsizetype at = field.indexOf(divider);
        if (at > 0 && hasDateForm(field.left(at), year, month, dayOfMonth))
            return QStringLiteral("\"%1\" ist kein Datum: Erwartet wird der Tag ohne Uhrzeit, als "
                                  "TT.MM.JJJJ oder JJJJ-MM-TT.")
                .arg(shown(field));
    }
    return QStringLiteral("\"%1\" ist kein Datum.").arg(shown(field));
}

QString separatorName(QChar separator) {
    return separator == u'\t' ? QStringLiteral("Tabulatoren") : QStringLiteral("\"%1\"").arg(separator);
}

// Checks a row whose first field is written as a date; returns the reason it is faulty,
// or an empty text and the draw.
QString checkRow(const std::vector<QString>& fields, QChar separator, int year, int month, int dayOfMonth,
                 int today, ArchiveDraw& draw) {
    const QDate date(year, month, dayOfMonth);
    if (!date.isValid())
        return QStringLiteral("Das Datum %1 gibt es nicht.").arg(fields[0]);
    draw.day = static_cast<int>(dateToSerial(date));
    if (draw.day < kFirstDrawSerial)
        return QStringLiteral("Das Datum %1 liegt vor der ersten KENO-Ziehung am 02.02.2004.").arg(fields[0]);
    if (draw.day > today)
        return QStringLiteral("Das Datum %1 liegt nach dem heutigen Tag.").arg(fields[0]);

    const int given = static_cast<int>(fields.size()) - 1;
    if (given < kNumbers) {
        QString reason = QStringLiteral("Die Zeile enthält nur %1 der 20 Gewinnzahlen.").arg(given);
        // Numbers joined by another sign (1-5-12-...) look like one field.
        const QString& joined = fields[std::min<std::size_t>(1, fields.size() - 1)];
        if (given > 0 && !allDigits(joined) &&
            std::any_of(joined.begin(), joined.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            reason += QStringLiteral(" Erwartet wird jede Zahl in einem eigenen Feld, getrennt durch %1.")
                          .arg(separatorName(separator));
        return reason;
    }
    std::array<bool, 71> seen{};
    for (int i = 0; i < kNumbers; ++i) {
        const QString& field = fields[static_cast<std::size_t>(i) + 1];
        const int n = drawnNumber(field);
        if (n == 0)
            return QStringLiteral("Die %1. Gewinnzahl \"%2\" ist keine ganze Zahl von 1 bis 70.")
                .arg(i + 1)
                .arg(shown(field));
        if (seen[static_cast<std::size_t>(n)])
            return QStringLiteral("Die Gewinnzahl %1 kommt zweimal vor.").arg(n);
        seen[static_cast<std::size_t>(n)] = true;
    }
    std::size_t k = 0;
    for (int n = 1; n <= 70; ++n) {
        if (seen[static_cast<std::size_t>(n)])
            draw.numbers[k++] = static_cast<std::uint8_t>(n);
    }

    draw.plus5.clear();
    if (fields.size() > kNumbers + 1) {
        const QString& plus5 = fields[kNumbers + 1];
        if (!plus5.isEmpty()) {
            // Spreadsheets drop the leading zeros of the five digits.
            if (!allDigits(plus5) || plus5.size() > 5)
                return QStringLiteral("Die Plus-5-Zahl \"%1\" besteht nicht aus 1 bis 5 Ziffern.")
                    .arg(shown(plus5));
            draw.plus5 = plus5.rightJustified(5, u'0');
        }
    }
    return {};
}

// `reason` makes the text only when it is kept.
template <typename Reason> void addFaulty(ArchiveFile& archive, int line, const Reason& reason) {
    ++archive.faultyCount;
    if (archive.faulty.size() < kKeptFaultyReasons)
        archive.faulty.push_back({line, reason()});
}

// Checks the lines one at a time, as they come.
class RowReader {
  public:
    RowReader(ArchiveFile& archive, int today) : archive_(archive), today_(today) {}

    void take(QStringView line, bool overlong) {
        const int lineNumber = ++lineNumber_;
        if (overlong) {
            headerPossible_ = false;
            addFaulty(archive_, lineNumber, [] {
                return QStringLiteral("Die Zeile ist länger als %1 Zeichen und damit keine Ziehung.")
                    .arg(QLocale(QLocale::German).toString(kMaxLineLength));
            });
            return;
        }
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            return;
        if (separator_.isNull())
            separator_ = line.contains(u';') ? u';' : line.contains(u'\t') ? u'\t' : u',';
        splitFields(line, separator_, fields_);
        if (std::all_of(fields_.begin(), fields_.end(), [](const QString& f) { return f.isEmpty(); }))
            return;

        int year = 0, month = 0, dayOfMonth = 0;
        const bool dated = hasDateForm(fields_[0], year, month, dayOfMonth);
        const bool header = headerPossible_ && !dated;
        headerPossible_ = false;
        if (header)
            return;
        if (!dated) {
            addFaulty(archive_, lineNumber, [this] { return notADate(fields_[0]); });
            return;
        }
        ArchiveDraw draw;
        draw.line = lineNumber;
        QString reason = checkRow(fields_, separator_, year, month, dayOfMonth, today_, draw);
        if (reason.isEmpty()) {
            const auto [earlier, added] = goodLineOfDay_.emplace(draw.day, lineNumber);
            if (!added)
                reason = QStringLiteral("Das Datum %1 steht schon in Zeile %2.")
                             .arg(fields_[0])
                             .arg(earlier->second);
        }
        if (reason.isEmpty())
            archive_.draws.push_back(std::move(draw));
        else
            addFaulty(archive_, lineNumber, [&reason] { return reason; });
    }

  private:
    ArchiveFile& archive_;
    const int today_;
    int lineNumber_ = 0;
    QChar separator_;
    bool headerPossible_ = true;
    std::unordered_map<int, int> goodLineOfDay_;
    std::vector<QString> fields_;
};

// Reads the pieces `next` hands out until it hands out none.
template <typename Next>
ArchiveFile readPieces(const Next& next, qint64 total, int today, const ArchiveProgress& progress) {
    ArchiveFile archive;
    RowReader rows(archive, today);
    const auto takeText = [&rows](const QString& line, bool overlong) { rows.take(line, overlong); };
    const auto takeBytes = [&rows](const QByteArray& line, bool overlong) {
        rows.take(overlong ? QString() : lineText(line), overlong);
    };
    LineSplitter<QByteArray, char> byteLines('\n');
    LineSplitter<QString, QChar> textLines(u'\n');
    std::optional<QStringDecoder> utf16;
    bool first = true;
    qint64 done = 0;
    QByteArray piece;
    while (!(piece = next()).isEmpty()) {
        done += piece.size();
        QByteArrayView view(piece);
        if (first) {
            first = false;
            // A piece is far longer than a byte order mark.
            if (view.startsWith("\xFF\xFE"))
                utf16.emplace(QStringConverter::Utf16LE);
            else if (view.startsWith("\xFE\xFF"))
                utf16.emplace(QStringConverter::Utf16BE);
            if (utf16 || view.startsWith("\xEF\xBB\xBF"))
                view = view.sliced(utf16 ? 2 : 3);
        }
        if (utf16)
            textLines.add(utf16->decode(view), takeText);
        else
            byteLines.add(view.toByteArray(), takeBytes);
        if (progress)
            progress(static_cast<int>(std::min<qint64>(done, INT_MAX)),
                     static_cast<int>(std::min<qint64>(std::max(total, done), INT_MAX)));
    }
    if (utf16)
        textLines.finish(takeText);
    else
        byteLines.finish(takeBytes);
    return archive;
}

} // namespace

ArchiveFile readArchive(const QByteArray& bytes, int today, const ArchiveProgress& progress) {
    qsizetype at = 0;
    const auto next = [&] {
        const QByteArray piece = bytes.mid(at, kPieceBytes);
        at += piece.size();
        return piece;
    };
    return readPieces(next, bytes.size(), today, progress);
}

ArchiveFile readArchiveFile(const QString& path, int today, const ArchiveProgress& progress) {
    CappedFileReader file(path, kMaxArchiveFileBytes);
    QByteArray buffer(kPieceBytes, Qt::Uninitialized);
    const auto next = [&] {
        const qint64 got = file.read(buffer.data(), buffer.size());
        return QByteArray(buffer.constData(), got);
    };
    return readPieces(next, file.claimedSize(), today, progress);
}

} // namespace talvo::logic

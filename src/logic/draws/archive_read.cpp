#include "logic/draws/archive_import.h"

#include "logic/core/ansi.h"
#include "logic/core/dates.h"
#include "logic/core/error.h"
#include "logic/core/record_file.h"

#include <QByteArray>
#include <QDate>
#include <QStringDecoder>
#include <algorithm>
#include <unordered_map>

namespace talvo::logic {

namespace {

constexpr int kNumbers = 20;

QString decodeText(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE).decode(view.sliced(2));
    if (view.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE).decode(view.sliced(2));
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(view);
    // Bytes that are no UTF-8 come from a spreadsheet saved in the Windows code page.
    return utf8.hasError() ? ansiToText(view.toByteArray()) : text;
}

// Splits at separators outside double quotes; each field loses its quotes ("" inside
// quotes stands for one quote), then its blanks at both ends.
void splitFields(QStringView line, QChar separator, std::vector<QString>& fields) {
    fields.clear();
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == separator && !quoted) {
            fields.push_back(field.trimmed());
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field.trimmed());
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

// The value of a whole number in 1..70, or 0 for any other field.
int drawnNumber(const QString& field) {
    if (!allDigits(field))
        return 0;
    int value = 0;
    for (QChar c : field) {
        value = value * 10 + (c.unicode() - u'0');
        if (value > 70)
            return 0;
    }
    return value;
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

// Checks a row whose first field is written as a date; returns the reason it is faulty,
// or an empty text and the draw.
QString checkRow(const std::vector<QString>& fields, int year, int month, int dayOfMonth, int today,
                 ArchiveDraw& draw) {
    const QDate date(year, month, dayOfMonth);
    if (!date.isValid())
        return QStringLiteral("Das Datum %1 gibt es nicht.").arg(fields[0]);
    draw.day = static_cast<int>(dateToSerial(date));
    if (draw.day < kFirstDrawSerial)
        return QStringLiteral("Das Datum %1 liegt vor der ersten KENO-Ziehung am 02.02.2004.").arg(fields[0]);
    if (draw.day > today)
        return QStringLiteral("Das Datum %1 liegt nach dem heutigen Tag.").arg(fields[0]);

    const int given = static_cast<int>(fields.size()) - 1;
    if (given < kNumbers)
        return QStringLiteral("Die Zeile enthält nur %1 der 20 Gewinnzahlen.").arg(given);
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

} // namespace

ArchiveFile readArchive(const QByteArray& bytes, int today, const ArchiveProgress& progress) {
    const QString text = decodeText(bytes);
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    const int total = static_cast<int>(lines.size());

    ArchiveFile archive;
    QChar separator;
    bool headerPossible = true;
    std::unordered_map<int, int> goodLineOfDay;
    std::vector<QString> fields;
    for (int i = 0; i < total; ++i) {
        if (progress && i % 1000 == 0)
            progress(i, total);
        const int lineNumber = i + 1;
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (separator.isNull())
            separator = line.contains(u';') ? u';' : line.contains(u'\t') ? u'\t' : u',';
        splitFields(line, separator, fields);
        if (std::all_of(fields.begin(), fields.end(), [](const QString& f) { return f.isEmpty(); }))
            continue;

        int year = 0, month = 0, dayOfMonth = 0;
        const bool dated = hasDateForm(fields[0], year, month, dayOfMonth);
        const bool header = headerPossible && !dated;
        headerPossible = false;
        if (header)
            continue;
        if (!dated) {
            archive.faulty.push_back(
                {lineNumber, QStringLiteral("\"%1\" ist kein Datum.").arg(shown(fields[0]))});
            continue;
        }
        ArchiveDraw draw;
        draw.line = lineNumber;
        QString reason = checkRow(fields, year, month, dayOfMonth, today, draw);
        if (reason.isEmpty()) {
            const auto [earlier, added] = goodLineOfDay.emplace(draw.day, lineNumber);
            if (!added)
                reason = QStringLiteral("Das Datum %1 steht schon in Zeile %2.")
                             .arg(fields[0])
                             .arg(earlier->second);
        }
        if (reason.isEmpty())
            archive.draws.push_back(std::move(draw));
        else
            archive.faulty.push_back({lineNumber, reason});
    }
    if (progress)
        progress(total, total);
    return archive;
}

ArchiveFile readArchiveFile(const QString& path, int today, const ArchiveProgress& progress) {
    return readArchive(readWholeFile(path, kMaxArchiveFileBytes), today, progress);
}

} // namespace talvo::logic

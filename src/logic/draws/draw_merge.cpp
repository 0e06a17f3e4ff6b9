#include "logic/draws/draw_merge.h"

#include "logic/core/dates.h"
#include "logic/core/error.h"
#include "logic/core/number_set.h"
#include "logic/core/paths.h"
#include "logic/core/record_file.h"
#include "logic/draws/archive_import.h"
#include "logic/draws/change_text.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/undo_history.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>

namespace talvo::logic {

namespace {
bool plus5Valid(const DrawRecord& d) {
    if (d.plus5.length > 5)
        return false;
    for (int i = 0; i < d.plus5.length; ++i) {
        if (d.plus5.chars[i] < '0' || d.plus5.chars[i] > '9')
            return false;
    }
    return true;
}

// What is wrong with the draw, or an empty text.
QString drawFault(const DrawRecord& d, const DrawRecord* previous, DaySerial today) {
    if (!std::isfinite(d.datum) || d.datum != std::floor(d.datum) || d.datum < kFirstDrawSerial ||
        d.datum > 1.0e6)
        return QStringLiteral("hat kein gültiges Ziehungsdatum");
    if (d.datum > std::floor(today))
        return QStringLiteral("liegt nach dem heutigen Tag");
    if (previous && d.datum <= previous->datum)
        return QStringLiteral("liegt nicht nach der Ziehung davor");
    if (!plus5Valid(d))
        return QStringLiteral("hat keine plus 5-Zahl aus höchstens fünf Ziffern");
    if (d.GZ[0] == 0)
        return QString(); // a placeholder for a day whose numbers are still missing
    NumberSet seen;
    for (const std::uint8_t n : d.GZ) {
        if (n == 0)
            return QStringLiteral("hat weniger als 20 Zahlen");
        if (n > 70)
            return QStringLiteral("hat die Zahl %1, die nicht zwischen 1 und 70 liegt").arg(n);
        if (seen.contains(n))
            return QStringLiteral("hat die Zahl %1 zweimal").arg(n);
        seen.insert(n);
    }
    return QString();
}
} // namespace

QString tempDrawSetPath(const AppPaths& paths) {
    return paths.dataDir + QStringLiteral("tempGZ.tpp");
}

DrawHistory checkedDrawSet(const QByteArray& bytes, DaySerial today) {
    if (bytes.isEmpty() || bytes.size() % DrawRecord::kSize != 0)
        throw Error(QStringLiteral("Die heruntergeladene Datei enthält keine vollständigen Ziehungen."));
    DrawHistory block = drawsFromBytes(bytes);
    for (std::size_t i = 0; i < block.size(); ++i) {
        const QString fault = drawFault(block[i], i > 0 ? &block[i - 1] : nullptr, today);
        if (fault.isEmpty())
            continue;
        const QString date = serialToText(block[i].datum);
        throw Error(QStringLiteral("Die heruntergeladene Datei wird nicht übernommen: Die %1. Ziehung%2 %3.")
                        .arg(i + 1)
                        .arg(date.isEmpty() ? QString() : QStringLiteral(" vom %1").arg(date), fault));
    }
    return block;
}

DrawHistory mergeDrawBlock(const DrawHistory& history, const DrawHistory& block) {
    if (block.empty())
        return history;
    if (history.empty())
        return block;

    const std::size_t n = history.size();
    const double last = history.back().datum;
    const double first = block.front().datum;
    std::size_t s = n;
    if (last == first) {
        s = n - 1;
    } else if (last > first) {
        // The stored draw of the block's first date, searched from the newest end.
        std::size_t p = n;
        while (p > 0 && history[p - 1].datum != first)
            --p;
        if (p > 0) {
            s = p - 1;
        } else {
            // No stored draw of that date: begin at the first stored draw dated after it,
            // so nothing is duplicated and nothing older is overwritten.
            s = n;
            while (s > 0 && history[s - 1].datum > first)
                --s;
        }
    }
    // A block that begins after the last stored date is appended (s = n): overwriting
    // the last stored draw would lose it.

    DrawHistory merged = history;
    if (merged.size() < s + block.size())
        merged.resize(s + block.size());
    std::copy(block.begin(), block.end(), merged.begin() + static_cast<std::ptrdiff_t>(s));
    return merged;
}

namespace {

bool sameNumbers(const DrawRecord& a, const DrawRecord& b) {
    auto x = a.GZ;
    auto y = b.GZ;
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
}

// A stored plus 5 of fewer than five digits lost its leading zeros.
QString fiveDigits(const QString& plus5) {
    const bool digits =
        !plus5.isEmpty() && plus5.size() < 5 &&
        std::all_of(plus5.begin(), plus5.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? plus5.rightJustified(5, u'0') : plus5;
}

// Lays the downloaded draw over the stored record of its day; tells whether anything changed.
bool takeDownloaded(DrawRecord& stored, const DrawRecord& downloaded) {
    const QString plus5 = downloaded.plus5.text();
    if (stored.isPlaceholder()) {
        stored.GZ = downloaded.GZ;
        stored.plus5 = downloaded.plus5;
        return true;
    }
    const bool samePlus5 = plus5.isEmpty() || fiveDigits(stored.plus5.text()) == fiveDigits(plus5);
    if (sameNumbers(stored, downloaded) && samePlus5)
        return false;
    stored.GZ = downloaded.GZ;
    if (!plus5.isEmpty())
        stored.plus5 = downloaded.plus5;
    return true;
}

DrawSetMerge mergeByPosition(const DrawHistory& history, const DrawHistory& set) {
    DrawSetMerge merge;
    merge.history = mergeDrawBlock(history, set);
    for (std::size_t i = 0; i < merge.history.size(); ++i) {
        const bool fresh = i >= history.size();
        if (fresh || drawsToBytes({history[i]}) != drawsToBytes({merge.history[i]}))
            ++(fresh || history[i].isPlaceholder() ? merge.added : merge.replaced);
    }
    return merge;
}

} // namespace

DrawSetMerge mergeDrawSet(const DrawHistory& history, const DrawHistory& set) {
    DrawSetMerge merge;
    if (history.empty()) {
        merge.history = set;
        merge.added = static_cast<int>(
            std::count_if(set.begin(), set.end(), [](const DrawRecord& d) { return !d.isPlaceholder(); }));
        return merge;
    }
    if (!followsDayOrder(history))
        return mergeByPosition(history, set);

    DrawHistory merged;
    merged.reserve(history.size() + set.size());
    auto stored = history.begin();
    for (const DrawRecord& downloaded : set) {
        while (stored != history.end() && stored->datum < downloaded.datum)
            merged.push_back(*stored++);
        if (stored != history.end() && stored->datum == downloaded.datum) {
            DrawRecord record = *stored++;
            // A downloaded empty record knows less than any stored draw.
            if (!downloaded.isPlaceholder()) {
                const bool wasPlaceholder = record.isPlaceholder();
                if (takeDownloaded(record, downloaded))
                    ++(wasPlaceholder ? merge.added : merge.replaced);
            }
            merged.push_back(record);
        } else {
            merged.push_back(downloaded);
            if (!downloaded.isPlaceholder())
                ++merge.added;
        }
    }
    merged.insert(merged.end(), stored, history.end());
    merge.history = withDrawDaysFilled(merged);
    return merge;
}

QString keepValidDrawSet(const QString& blockPath, DaySerial today) {
    try {
        checkedDrawSet(readWholeFile(blockPath, kMaxDrawFileBytes), today);
        return QString();
    } catch (const Error& e) {
        QFile::remove(blockPath);
        return e.text();
    }
}

std::optional<DrawHistory> mergeDownloadedDraws(const QString& blockPath, const QString& historyPath,
                                                DaySerial today) {
    if (!QFile::exists(blockPath))
        return std::nullopt;
    // A block that fails here would only fail again: it never outlives the merge.
    const auto removeBlock = qScopeGuard([&] { QFile::remove(blockPath); });
    const DrawHistory set = checkedDrawSet(readWholeFile(blockPath, kMaxDrawFileBytes), today);
    const HistoryLock lock(historyPath);
    // Merged into the file as it is now: another program may have stored draws meanwhile.
    const DrawHistory stored = QFileInfo::exists(historyPath) ? loadDrawHistory(historyPath) : DrawHistory{};
    DrawSetMerge merge = mergeDrawSet(stored, set);
    // Throws when the file cannot be written: then the caller keeps the history it holds,
    // and memory and disk still agree.
    writeHistoryWithUndo(lock, historyPath, merge.history, drawSetChangeText(merge));
    return std::move(merge.history);
}

} // namespace talvo::logic

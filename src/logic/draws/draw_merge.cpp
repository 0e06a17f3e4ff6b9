#include "logic/draws/draw_merge.h"

#include "logic/core/dates.h"
#include "logic/core/error.h"
#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/core/record_file.h"
#include "logic/draws/history_backup.h"

#include <QFile>
#include <cmath>

namespace talvo::logic {

namespace {
bool plausibleDraw(const TKenoZahlen& d) {
    if (!std::isfinite(d.datum) || d.datum < kFirstDrawSerial || d.datum > 1.0e6 || d.datum != std::floor(d.datum))
        return false;
    for (auto n : d.GZ)
        if (n > 70)
            return false;
    return true;
}
} // namespace

QString tempDrawSetPath(const AppPaths& paths) { return paths.dataDir + QStringLiteral("tempGZ.tpp"); }

DrawHistory checkedDrawSet(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.size() % TKenoZahlen::kSize != 0)
        throw Error(QStringLiteral("Die heruntergeladene Datei enthält keine vollständigen Ziehungen."));
    DrawHistory block = drawsFromBytes(bytes);
    for (const auto& d : block) {
        if (!plausibleDraw(d))
            throw Error(QStringLiteral("Die heruntergeladene Datei enthält keine gültigen Ziehungen."));
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

bool keepValidDrawSet(const QString& blockPath) {
    try {
        checkedDrawSet(readWholeFile(blockPath));
        return true;
    } catch (const Error&) {
        QFile::remove(blockPath);
        return false;
    }
}

bool ZiehungenMischen(ProgramState& state, const QString& blockPath, const QString& historyPath) {
    if (!QFile::exists(blockPath))
        return false;
    DrawHistory block;
    try {
        block = checkedDrawSet(readWholeFile(blockPath));
    } catch (const Error&) {
        QFile::remove(blockPath);
        throw;
    }
    DrawHistory merged = mergeDrawBlock(state.history(), block);
    // The file first: when it cannot be written, memory and disk still agree.
    writeHistoryKeepingBackup(historyPath, merged);
    state.setHistory(std::move(merged));
    QFile::remove(blockPath);
    return true;
}

} // namespace talvo::logic

#pragma once

#include "logic/core/history_file.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QByteArray;

namespace talvo::logic {

// A good row of the lottery's published draw archive.
struct ArchiveDraw {
    int line = 0;                           // counted from 1 over every line of the file, blank ones too
    int day = 0;                            // whole-day serial
    std::array<std::uint8_t, 20> numbers{}; // ascending
    QString plus5;                          // five digits, or empty when the row does not know it
};

struct FaultyRow {
    int line = 0;
    QString reason;
};

struct ArchiveFile {
    std::vector<ArchiveDraw> draws; // in file order
    std::vector<FaultyRow> faulty;  // in file order
};

// Called now and then while a file is read: lines done, lines in all.
using ArchiveProgress = std::function<void(int done, int total)>;

// Reads an archive file as the lottery publishes it or as a spreadsheet saved it again:
// one draw per row with its date, 20 numbers and optionally the plus 5. Rows dated after
// `today` are faulty. Any bytes are accepted; what is no draw becomes a faulty row.
ArchiveFile readArchive(const QByteArray& bytes, int today, const ArchiveProgress& progress = {});
// The same for a file; throws Error when it cannot be read or is far larger than any archive.
inline constexpr qint64 kMaxArchiveFileBytes = 64 * 1024 * 1024;
ArchiveFile readArchiveFile(const QString& path, int today, const ArchiveProgress& progress = {});

struct ImportReport {
    int added = 0;
    int replaced = 0;
    int differing = 0;
    int identical = 0;
    std::vector<FaultyRow> faulty;

    bool changesHistory() const { return added + replaced > 0; }
};

struct ImportResult {
    ImportReport report;
    DrawHistory history; // the history after the import; the given one when nothing changes
};

// Merges the good rows into the history by date. Differing stored draws are kept unless
// `replace`. When anything changes, every draw day between two records that has none gets
// an empty record, so the history keeps one record per draw day. Throws Error when the
// history is not one record per day in date order or the file holds no good row.
ImportResult mergeArchive(const DrawHistory& history, const ArchiveFile& archive, bool replace);

// Whether the history holds one record per day in date order, as merging by date needs.
bool followsDayOrder(const DrawHistory& history);

// Gives every draw day between two records that has none an empty record, as the import
// does. Throws Error when that would grow the history beyond what the program loads.
DrawHistory withDrawDaysFilled(const DrawHistory& history);

} // namespace talvo::logic

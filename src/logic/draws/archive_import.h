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

// A file of random bytes has millions of faulty lines; their reasons beyond these say
// nothing new and would take memory in proportion to the file.
inline constexpr std::size_t kKeptFaultyReasons = 1000;

struct ArchiveFile {
    std::vector<ArchiveDraw> draws; // in file order
    std::vector<FaultyRow> faulty;  // the first kKeptFaultyReasons faulty lines, in file order
    int faultyCount = 0;            // every faulty line
};

// Called now and then while a file is read: bytes done, bytes in all.
using ArchiveProgress = std::function<void(int done, int total)>;

// Reads an archive file as the lottery publishes it or as a spreadsheet saved it again:
// one draw per row with its date, 20 numbers and optionally the plus 5. Rows dated after
// `today` are faulty. Any bytes are accepted; what is no draw becomes a faulty row. The
// bytes are taken line by line, so memory follows the draws found, not the file's size.
ArchiveFile readArchive(const QByteArray& bytes, int today, const ArchiveProgress& progress = {});
// The same for a file, read piece by piece; throws Error when it cannot be read, is no
// regular file or is far larger than any archive.
inline constexpr qint64 kMaxArchiveFileBytes = 64 * 1024 * 1024;
ArchiveFile readArchiveFile(const QString& path, int today, const ArchiveProgress& progress = {});

struct ImportReport {
    int added = 0;
    int replaced = 0;
    int differing = 0;
    int identical = 0;
    int placeholders = 0;          // empty records added for draw days without a draw
    std::vector<FaultyRow> faulty; // the reasons kept of the file's faulty lines
    int faultyCount = 0;           // every faulty line

    bool changesHistory() const { return added + replaced > 0; }
};

struct ImportResult {
    ImportReport report;
    DrawHistory history; // the history after the import; the given one when nothing changes
};

// Merges the good rows into the history by date. Differing stored draws are kept unless
// `replace`. When anything changes, every draw day between two records that has none gets
// an empty record, so the history keeps one record per draw day. Throws Error when the
// history is not one record per day in date order. A file without a good row changes
// nothing; its report still names the faulty lines.
ImportResult mergeArchive(const DrawHistory& history, const ArchiveFile& archive, bool replace);

// Whether the history holds one record per day in date order, as merging by date needs.
bool followsDayOrder(const DrawHistory& history);

// Gives every draw day between two records that has none an empty record, as the import
// does. Throws Error when that would grow the history beyond what the program loads.
DrawHistory withDrawDaysFilled(const DrawHistory& history);

// The German text for a file without a good row: that nothing is taken, and the layout a
// row must have.
QString noUsableRowText();

} // namespace talvo::logic

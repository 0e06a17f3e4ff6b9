#pragma once

#include "logic/core/dates.h"
#include "logic/core/slip_file.h"
#include "logic/slips/slip_editor.h"

#include <QStringList>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace talvo::logic {

struct OptionsRecord;

// The bookkeeping of the slip centre without its window: the open slips with their
// editors, the transferred slips, their records and the slip table.
class SlipCentre {
  public:
    static constexpr int kColumns = 18;

    // slipList receives one record per transferred slip, in the order of the first
    // transfers; the options are read each time a slip is built or cleared.
    SlipCentre(SlipList& slipList, const OptionsRecord& options);
    ~SlipCentre();

    // A new slip with the next slip number; fieldCount outside 4..5 gives five fields, an
    // empty name the caption "S" + number.
    SlipEditor& createSlip(int fieldCount, const QString& name, DaySerial today);
    // A new slip built from a record that no file holds yet, such as a tip.
    SlipEditor& loadSlip(const SlipRecord& record, DaySerial today);
    // A new slip built from a record read from a play-slip file.
    SlipEditor& openStoredSlip(const SlipRecord& record, DaySerial today);
    // The open slip of that number; nullptr once its tab is closed.
    SlipEditor* slip(int slipNumber) const;

    // Checks the slip and, when it passes, takes it into the table and the record list.
    // The message of the first failed check otherwise; nothing then changes.
    std::optional<SlipMessage> transferSlip(int slipNumber);
    // The slip leaves the table and the record list; the remaining records are numbered
    // 1..n again so that a save writes exactly what the table shows.
    void closeSlip(int slipNumber);

    // What a save writes: one record per open slip that has one (its last transfer, else
    // the record it was built from), in slip order, numbered 1..n. A slip never transferred
    // and built from nothing has no record: its numbers were never checked.
    SlipList recordsToSave() const;
    // The slips recordsToSave() gave are now held by a file as they stand.
    void markSaved();
    // How many open slips hold something no file holds: a slip built or written here and
    // not saved since, or one opened from a file and changed since.
    int slipsOnlyInMemory() const;

    const QStringList& transferredSlips() const { return transferred_; }
    // Header row first; always at least one row below it.
    const std::vector<SlipTableRow>& table() const { return table_; }
    int nextFreeRow() const { return nextFreeRow_; }
    // The working state of every slip created so far, by slip number; slot 0 stays empty.
    const std::deque<SlipEditState>& workingStates() const { return workingStates_; }

    void appendRows(const std::vector<SlipTableRow>& rows);
    void rebuildTable();

    static const QStringList& headerRow();

  private:
    // What the slip centre knows of a slip beyond its editor. Contents are compared as the
    // editor writes them (number 0), so a record read from a file never differs from its
    // own slip merely by the bytes the editor does not keep.
    struct Keeping {
        std::optional<SlipRecord> record;      // what a save writes for the slip
        std::optional<SlipRecord> recordShows; // the editor's content when `record` was set
        std::optional<SlipRecord> inFile;      // the editor's content a file holds
    };

    void numberRows();
    SlipEditor& buildFromRecord(const SlipRecord& record, DaySerial today);
    static SlipRecord contentOf(const SlipEditor& editor);

    SlipList& slipList_;
    const OptionsRecord& options_;
    int slipCounter_ = 0;
    std::deque<SlipEditState> workingStates_;
    std::map<int, std::unique_ptr<SlipEditor>> editors_;
    std::map<int, Keeping> keeping_;
    QStringList transferred_;
    std::map<int, std::vector<SlipTableRow>> slipRows_;
    std::vector<SlipTableRow> table_;
    int nextFreeRow_ = 1;
};

} // namespace talvo::logic

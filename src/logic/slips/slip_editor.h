#pragma once

#include "logic/core/dates.h"
#include "logic/slips/slip_edit_state.h"
#include "logic/slips/slip_message.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace talvo::logic {

class DrawCalendar;
struct OptionsRecord;
struct SlipRecord;

// Slip-wide choices of an editor, as its controls hold them.
// A new slip takes the stake, duration and plus 5 play of the options.
struct SlipChoices {
    QString plus5Number;    // E77: the five digits of the player's slip
    bool plus5 = false;     // cbPlus
    int stakeIndex = 0;     // RGEins: index into the stake table
    int durationIndex = 0;  // comboDauer: index into the duration table
    DaySerial startDay = 0; // date1, whole days
    int syndicate = -1;     // ComboTG: holds no entries
    QString name;           // EName
};

// What a click on a number did.
enum class TickResult { NoType, Ticked, Removed, Full };

// One row of the slip table: 18 cells, column 0 being the running number.
using SlipTableRow = QStringList;

// The number cells, gauges and type selectors of all editors are told apart by a key:
// slip × 1000 + field × 100 (+ number for a cell).
constexpr int cellKey(int slip, int field, int number = 0) {
    return slip * 1000 + field * 100 + number;
}
struct CellLocation {
    int slip, field, number;
};
constexpr CellLocation cellLocation(int key) {
    return {key / 1000, key % 1000 / 100, key % 100};
}

// The editor of one play slip without its widgets: ticking rules, checks, the transfer
// mapping and the filling from a stored record. Fields are numbered 1..fieldCount().
class SlipEditor {
  public:
    static constexpr int kNoTypeRange = 100;

    // fieldCount below 4 stands for 5, above 5 for 5. The default types of the options are
    // selected as by a type change; the slip starts dated today.
    SlipEditor(int slipNumber, int fieldCount, const QString& caption, SlipEditState& state,
               const OptionsRecord& options, DaySerial today);

    int slipNumber() const { return slipNumber_; }
    int fieldCount() const { return fieldCount_; }
    const QString& caption() const { return caption_; }
    const SlipEditState& state() const { return state_; }

    // The KENO type chosen for a field, or 0 while it has none.
    int kenoType(int field) const;
    // Entry of the type selector: 0..8 for the types 2..10, -1 for none.
    int typeEntryFor(int field) const { return kenoType(field) ? kenoType(field) - 2 : -1; }
    bool isTicked(int field, int number) const;
    int tickedCount(int field) const;
    bool tooMany(int field) const;
    // The gauge under a field's board: the type count, or 100 while it has no type.
    int gaugeRange(int field) const;
    int gaugePosition(int field) const { return gaugePosition_[field - 1]; }
    // The field's numbers ascending.
    std::vector<std::uint8_t> tickedNumbers(int field) const;

    SlipChoices choices;

    void selectType(int field, int index);
    TickResult toggleNumber(int field, int number);
    // A Sunday without a draw moves back to the Saturday; the message says so.
    std::optional<SlipMessage> checkStartDate(const DrawCalendar& calendar);
    void clearSlip();
    std::optional<SlipMessage> checkPlus5() const;
    std::optional<SlipMessage> checkFields() const;

    // The name a transfer gives the slip: the name edit, else the tab caption.
    QString slipName() const;
    // The slip's table rows, one per field with numbers; column 0 left empty.
    std::vector<SlipTableRow> tableRows() const;
    // Every field of the slip's record except Nr, which the transfer keeps.
    void writeRecord(SlipRecord& record) const;
    // Selects the stored types and ticks the stored numbers; numbers outside 1..70 and
    // repeated ones are not ticked, so a damaged field shows what it lacks.
    void fillFromRecord(const SlipRecord& record);

  private:
    // The field's default KENO type from the options, 0 for none.
    int defaultType(int field) const;

    int slipNumber_;
    int fieldCount_;
    QString caption_;
    SlipEditState& state_;
    const OptionsRecord& options_;
    std::array<int, SlipEditState::kPositions> gaugePosition_{};
};

} // namespace talvo::logic

#include "logic/slips/slip_editor.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/printable_text.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/settings/options_file.h"

#include <QRegularExpression>
#include <cmath>

namespace talvo::logic {

namespace {

constexpr int kColumns = 18;

int fieldCountFor(int fieldCount) {
    return fieldCount >= 4 && fieldCount <= 5 ? fieldCount : 5;
}

bool isKenoType(int typ) {
    return typ >= 2 && typ <= kMaxType;
}

// A start date the date field can show.
bool isShowableDate(DaySerial ab) {
    const QDate d = serialToDate(ab);
    return d.isValid() && d.year() >= 1900 && d.year() <= 9999;
}

} // namespace

SlipEditor::SlipEditor(int slipNumber, int fieldCount, const QString& caption, SlipEditState& state,
                       const OptionsRecord& options, DaySerial today)
    : slipNumber_(slipNumber), fieldCount_(fieldCountFor(fieldCount)), caption_(caption), state_(state),
      options_(options) {
    choices.startDay = wholeDay(today);
    // A damaged options file may hold any index; the slip gets one its tables know.
    choices.stakeIndex = listEntryFor(options.einsatzIndex, static_cast<int>(kStakeEuro.size()));
    choices.durationIndex = listEntryFor(options.laufzeitIndex, static_cast<int>(kDurationDraws.size()));
    choices.plus5 = options.plus5Mitspiel != 0;
    // A field without a default type stays untouched here (typeChoice 0, never chosen);
    // only a later change to "no choice" records 1.
    for (int f = 1; f <= fieldCount_; ++f)
        if (const int t = defaultType(f))
            selectType(f, t - 2);
}

int SlipEditor::kenoType(int field) const {
    const int t = state_.typeChoice[field - 1];
    return isKenoType(t) ? t : 0;
}

bool SlipEditor::isTicked(int field, int number) const {
    return state_.ticked[field - 1].contains(number);
}
int SlipEditor::tickedCount(int field) const {
    return state_.tickedCount[field - 1];
}
bool SlipEditor::tooMany(int field) const {
    return state_.tooMany[field - 1];
}

int SlipEditor::gaugeRange(int field) const {
    return kenoType(field) ? pickCount(kenoType(field)) : kNoTypeRange;
}

std::vector<std::uint8_t> SlipEditor::tickedNumbers(int field) const {
    return toNumberList(state_.ticked[field - 1], pickCount(kenoType(field)), 70);
}

void SlipEditor::selectType(int field, int index) {
    const int i = field - 1;
    state_.typeChoice[i] = index >= 0 && index <= 8 ? index + 2 : 1;
    // Lowering the type below the count marks the field; only unticking clears it.
    if (state_.tickedCount[i] > gaugeRange(field))
        state_.tooMany[i] = true;
}

int SlipEditor::defaultType(int field) const {
    return kenoTypeFor(options_.scheinTyp[field - 1]);
}

TickResult SlipEditor::toggleNumber(int field, int number) {
    const int i = field - 1;
    if (!kenoType(field))
        return TickResult::NoType;
    TickResult result;
    if (state_.ticked[i].contains(number)) {
        state_.ticked[i].remove(number);
        --state_.tickedCount[i];
        result = TickResult::Removed;
    } else if (state_.tickedCount[i] >= gaugeRange(field)) {
        return TickResult::Full;
    } else {
        ++state_.tickedCount[i];
        state_.ticked[i].insert(number);
        result = TickResult::Ticked;
    }
    if (state_.tickedCount[i] <= gaugeRange(field))
        state_.tooMany[i] = false;
    if (!state_.tooMany[i])
        gaugePosition_[i] = state_.tickedCount[i];
    return result;
}

std::optional<SlipMessage> SlipEditor::checkStartDate(const DrawCalendar& calendar) {
    const int day = wholeDay(choices.startDay);
    if (weekdayNumber(day) != 1 || calendar.isDrawDay(day))
        return std::nullopt;
    choices.startDay = wholeDay(choices.startDay) - 1;
    return SlipMessage{
        SlipMessage::Kind::Critical,
        QStringLiteral("Das gewählte Datum ist ein Sonntag, daher wurde der Vortag gewählt.\r\r"
                       "Bitte gegebenenfalls korrigieren.")};
}

void SlipEditor::clearSlip() {
    for (int f = 1; f <= fieldCount_; ++f) {
        const int i = f - 1;
        state_.ticked[i] = NumberSet{};
        state_.tickedCount[i] = 0;
        state_.tooMany[i] = false;
        gaugePosition_[i] = 0;
        const int t = defaultType(f);
        selectType(f, t ? t - 2 : -1);
    }
}

std::optional<SlipMessage> SlipEditor::checkPlus5() const {
    // Evaluations compare the five digits; anything else would fail every one of them.
    static const QRegularExpression fiveDigits(QStringLiteral("^[0-9]{5}$"));
    if (choices.plus5 && !fiveDigits.match(choices.plus5Number).hasMatch())
        return SlipMessage{SlipMessage::Kind::Critical,
                           QStringLiteral("Wenn Sie plus 5 mitspielen, geben Sie bitte die Zahl von Ihrem "
                                          "Spielschein ein.")};
    return std::nullopt;
}

std::optional<SlipMessage> SlipEditor::checkFields() const {
    bool anyTicked = false;
    for (int f = 1; f <= fieldCount_; ++f) {
        const int have = state_.tickedCount[f - 1];
        const int need = pickCount(state_.typeChoice[f - 1]);
        if (have > 0)
            anyTicked = true;
        if (have > 0 && need != have) {
            const int d = need - have;
            const QString missing =
                d == 1 ? QStringLiteral("eine Zahl") : QString::number(d) + QStringLiteral(" Zahlen");
            return SlipMessage{
                SlipMessage::Kind::Information,
                QStringLiteral("Sie haben im %1. Feld %2 vergessen.\r\rIch breche erst einmal ab.")
                    .arg(f)
                    .arg(missing)};
        }
    }
    if (!anyTicked)
        return SlipMessage{SlipMessage::Kind::Information,
                           QStringLiteral("Sie haben nicht ein komlettes Spielfeld getippt.\r\r"
                                          "Ich breche erst einmal ab.")};
    return std::nullopt;
}

QString SlipEditor::slipName() const {
    return choices.name.isEmpty() ? caption_ : choices.name;
}

std::vector<SlipTableRow> SlipEditor::tableRows() const {
    std::vector<SlipTableRow> rows;
    for (int f = 1; f <= fieldCount_; ++f) {
        if (tickedCount(f) <= 0)
            continue;
        SlipTableRow row(kColumns);
        row[2] = QString::number(kenoType(f));
        const auto numbers = tickedNumbers(f);
        for (std::size_t j = 0; j < numbers.size() && j < 10; ++j)
            row[3 + static_cast<int>(j)] = QString::number(numbers[j]);
        if (rows.empty()) {
            row[1] = slipName();
            row[13] = choices.plus5Number.size() == 5 ? choices.plus5Number : QString();
            row[14] = choices.plus5 ? QStringLiteral("ja") : QStringLiteral("nein");
            const int draws = durationDraws(choices.durationIndex);
            row[16] = draws == 0 ? QStringLiteral("Dauer") : QString::number(draws);
            row[17] = serialToText(choices.startDay);
        }
        rows.push_back(row);
    }
    return rows;
}

void SlipEditor::writeRecord(SlipRecord& r) const {
    const std::int32_t savedNumber = r.Nr;
    r = SlipRecord{};
    r.Nr = savedNumber;
    r.einsatz = static_cast<std::uint8_t>(choices.stakeIndex);
    r.dauer = static_cast<std::uint8_t>(choices.durationIndex);
    r.ab = wholeDay(choices.startDay);
    r.name.setText(slipName());
    r.plus5.setText(choices.plus5Number);
    r.p5 = choices.plus5 ? 1 : 0;
    r.TGNR = choices.syndicate;
    r.KastDef = fieldCount_;
    for (int f = 1; f <= fieldCount_; ++f) {
        if (tickedCount(f) <= 0)
            continue;
        r.typ[f - 1] = static_cast<std::uint8_t>(kenoType(f));
        const auto numbers = tickedNumbers(f);
        for (std::size_t j = 0; j < numbers.size() && j < 10; ++j)
            r.typZ[f - 1][j] = numbers[j];
    }
}

void SlipEditor::fillFromRecord(const SlipRecord& r) {
    for (int f = 1; f <= fieldCount_; ++f) {
        const int t = r.typ[f - 1];
        if (!isKenoType(t))
            continue;
        const int i = f - 1;
        selectType(f, t - 2);
        for (int j = 0; j < pickCount(t); ++j) {
            const int number = r.typZ[i][j];
            if (number == 0)
                break;
            if (number <= 70)
                state_.ticked[i].insert(number);
        }
        state_.tickedCount[i] = state_.ticked[i].count();
        gaugePosition_[i] = state_.tickedCount[i];
    }
    choices.plus5Number = printableText(r.plus5.text());
    choices.plus5 = r.playsPlus5();
    choices.name = printableText(r.name.text());
    if (durationDraws(r.dauer) >= 0)
        choices.durationIndex = r.dauer;
    if (isShowableDate(r.ab))
        choices.startDay = wholeDay(r.ab);
    if (stakeEuro(r.einsatz) > 0)
        choices.stakeIndex = r.einsatz;
}

} // namespace talvo::logic

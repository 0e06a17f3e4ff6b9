#include "logic/slips/slip_centre.h"

#include "logic/core/printable_text.h"
#include "logic/core/records.h"

#include <algorithm>

namespace talvo::logic {

namespace {

SlipTableRow emptyRow() {
    return SlipTableRow(SlipCentre::kColumns);
}

} // namespace

const QStringList& SlipCentre::headerRow() {
    static const QStringList header = [] {
        QStringList k{QStringLiteral("Nr."), QStringLiteral("Spielschein"), QStringLiteral("Typ")};
        for (int z = 1; z <= 10; ++z)
            k << QStringLiteral("Z %1").arg(z);
        k << QStringLiteral("plus 5") << QStringLiteral("mit plus 5") << QStringLiteral("Tippgemeinschaft")
          << QStringLiteral("Ziehungen") << QStringLiteral("ab");
        return k;
    }();
    return header;
}

SlipCentre::SlipCentre(SlipList& slipList, const OptionsRecord& options)
    : slipList_(slipList), options_(options), workingStates_(1), table_{headerRow(), emptyRow()} {}

SlipCentre::~SlipCentre() = default;

SlipEditor& SlipCentre::createSlip(int fieldCount, const QString& name, DaySerial today) {
    const int slipNumber = ++slipCounter_;
    const QString caption = name.isEmpty() ? QStringLiteral("S%1").arg(slipNumber) : name;
    workingStates_.emplace_back();
    auto editor =
        std::make_unique<SlipEditor>(slipNumber, fieldCount, caption, workingStates_.back(), options_, today);
    SlipEditor& ref = *editor;
    editors_[slipNumber] = std::move(editor);
    return ref;
}

SlipEditor& SlipCentre::buildFromRecord(const SlipRecord& record, DaySerial today) {
    SlipEditor& editor = createSlip(record.KastDef, printableText(record.name.text()), today);
    editor.fillFromRecord(record);
    Keeping& k = keeping_[editor.slipNumber()];
    k.record = record;
    k.recordShows = contentOf(editor);
    return editor;
}

SlipEditor& SlipCentre::loadSlip(const SlipRecord& record, DaySerial today) {
    return buildFromRecord(record, today);
}

SlipEditor& SlipCentre::openStoredSlip(const SlipRecord& record, DaySerial today) {
    SlipEditor& editor = buildFromRecord(record, today);
    Keeping& k = keeping_[editor.slipNumber()];
    k.inFile = k.recordShows;
    return editor;
}

SlipRecord SlipCentre::contentOf(const SlipEditor& editor) {
    SlipRecord content;
    editor.writeRecord(content);
    return content;
}

SlipList SlipCentre::recordsToSave() const {
    SlipList records;
    for (const auto& [slipNumber, editor] : editors_) {
        const auto it = keeping_.find(slipNumber);
        if (it == keeping_.end() || !it->second.record)
            continue;
        records.push_back(*it->second.record);
        records.back().Nr = static_cast<std::int32_t>(records.size());
    }
    return records;
}

void SlipCentre::markSaved() {
    for (auto& [slipNumber, k] : keeping_)
        if (k.record)
            k.inFile = k.recordShows;
}

int SlipCentre::slipsOnlyInMemory() const {
    int count = 0;
    for (const auto& [slipNumber, editor] : editors_) {
        const auto it = keeping_.find(slipNumber);
        if (it != keeping_.end() && it->second.inFile) {
            count += contentOf(*editor) != *it->second.inFile ? 1 : 0;
            continue;
        }
        // A slip no file has held is worth keeping once it holds a number or was transferred.
        bool hasNumbers = transferred_.contains(QString::number(slipNumber));
        for (int f = 1; f <= editor->fieldCount() && !hasNumbers; ++f)
            hasNumbers = editor->tickedCount(f) > 0;
        count += hasNumbers ? 1 : 0;
    }
    return count;
}

SlipEditor* SlipCentre::slip(int slipNumber) const {
    const auto it = editors_.find(slipNumber);
    return it == editors_.end() ? nullptr : it->second.get();
}

std::optional<SlipMessage> SlipCentre::transferSlip(int slipNumber) {
    SlipEditor* editor = slip(slipNumber);
    if (!editor)
        return std::nullopt;
    if (auto m = editor->checkPlus5())
        return m;
    if (auto m = editor->checkFields())
        return m;

    const QString key = QString::number(slipNumber);
    qsizetype pos = transferred_.indexOf(key);
    const bool firstTransfer = pos < 0;
    if (firstTransfer) {
        transferred_ << key;
        slipList_.emplace_back();
        pos = transferred_.size() - 1;
        slipList_[static_cast<std::size_t>(pos)].Nr = static_cast<std::int32_t>(slipList_.size());
    }
    editor->writeRecord(slipList_[static_cast<std::size_t>(pos)]);
    Keeping& k = keeping_[slipNumber];
    k.record = slipList_[static_cast<std::size_t>(pos)];
    k.recordShows = contentOf(*editor);
    slipRows_[slipNumber] = editor->tableRows();
    if (firstTransfer) {
        appendRows(slipRows_[slipNumber]);
        numberRows();
    } else {
        rebuildTable();
    }
    return std::nullopt;
}

void SlipCentre::closeSlip(int slipNumber) {
    editors_.erase(slipNumber);
    keeping_.erase(slipNumber);
    const qsizetype pos = transferred_.indexOf(QString::number(slipNumber));
    if (pos >= 0) {
        transferred_.removeAt(pos);
        slipList_.erase(slipList_.begin() + pos);
        for (std::size_t i = 0; i < slipList_.size(); ++i)
            slipList_[i].Nr = static_cast<std::int32_t>(i + 1);
        slipRows_.erase(slipNumber);
    }
    rebuildTable();
}

void SlipCentre::appendRows(const std::vector<SlipTableRow>& rows) {
    // Below the header there is always at least one row, empty while nothing is listed.
    table_.resize(std::max<std::size_t>(static_cast<std::size_t>(nextFreeRow_) + rows.size(), 2), emptyRow());
    for (std::size_t i = 0; i < rows.size(); ++i)
        table_[static_cast<std::size_t>(nextFreeRow_) + i] = rows[i];
    nextFreeRow_ += static_cast<int>(rows.size());
}

void SlipCentre::rebuildTable() {
    table_ = {headerRow(), emptyRow()};
    nextFreeRow_ = 1;
    for (const QString& key : transferred_)
        appendRows(slipRows_[key.toInt()]);
    numberRows();
}

void SlipCentre::numberRows() {
    for (std::size_t r = 1; r < table_.size(); ++r)
        if (static_cast<int>(r) < nextFreeRow_)
            table_[r][0] = QString::number(r);
}

} // namespace talvo::logic

#pragma once

#include "logic/core/records.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace talvo::logic {

using SlipList = std::vector<SlipRecord>;

// The largest play-slip file read: far more slips than anyone keeps by hand.
inline constexpr qint64 kMaxSlipFileBytes = 500000 * SlipRecord::kSize;

// Every whole 112-byte record of a play-slip file in file order; a trailing piece
// shorter than a record is never read. No field is checked. A file above
// kMaxSlipFileBytes is refused.
SlipList loadSlips(const QString& path);
SlipList slipsFromBytes(const QByteArray& bytes);
QByteArray slipsToBytes(const SlipList& slips);
// The file holds exactly these records afterwards; written atomically.
void saveSlips(const QString& path, const SlipList& slips);

} // namespace talvo::logic

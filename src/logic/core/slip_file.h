#pragma once

#include "logic/core/records.h"

#include <QString>
#include <vector>

namespace talvo::logic {

using SlipList = std::vector<TGetippt>;

// Every whole 112-byte record of a play-slip file in file order; a trailing piece
// shorter than a record is never read. No field is checked.
SlipList ScheinDateiLesen(const QString& path);
// The file holds exactly these records afterwards; written atomically.
void ScheinDateiSchreiben(const QString& path, const SlipList& slips);

} // namespace talvo::logic

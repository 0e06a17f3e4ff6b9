#pragma once

#include "logic/core/history_file.h"

#include <QString>
#include <climits>

namespace talvo::logic {

// The real draws from day `from` to day `to` (both included) in the columns of the
// lottery's published archive, without its stake column: a header, then one row per draw,
// ';' between fields, CR LF after each row. Empty records are left out. A file written so
// reads back through readArchive. Throws Error when `from` lies after `to`.
QString drawsAsArchiveCsv(const DrawHistory& history, int from = INT_MIN, int to = INT_MAX);

} // namespace talvo::logic

#pragma once

#include "logic/core/records.h"

#include <QString>
#include <vector>

namespace talvo::logic {

using DrawHistory = std::vector<DrawRecord>;

// The largest draw file read: a century of daily draws with room to spare.
inline constexpr qint64 kMaxDrawFileBytes = 50000 * DrawRecord::kSize;

// Every whole 40-byte record of a draw file in file order; a trailing piece shorter
// than a record is never read. Records are taken as stored. A file above kMaxDrawFileBytes
// is refused.
DrawHistory loadDrawHistory(const QString& path);
DrawHistory drawsFromBytes(const QByteArray& bytes);
QByteArray drawsToBytes(const DrawHistory& draws);
// Rewrites the whole file atomically.
void saveDrawHistory(const QString& path, const DrawHistory& draws);

} // namespace talvo::logic

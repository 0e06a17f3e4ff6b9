#pragma once

#include "logic/core/history_file.h"

#include <QString>

namespace talvo::logic {

// Writes the downloadable draw sets "gz6.tpp", "gz30.tpp", "gz90.tpp", "gz300.tpp" (the
// newest draws, oldest first, rebuilt with zero padding) and "gzAlle.tpp" (every record
// as stored) into `folder`, which ends with '/'. A set larger than the history holds
// every stored draw.
void writeDrawSets(const DrawHistory& history, const QString& folder);

} // namespace talvo::logic

#pragma once

#include "logic/core/history_file.h"

#include <QString>

class QDateTime;

namespace talvo::logic {

// The draw sets the download server offers, by choice index 0..5 (0 = nothing to fetch).
inline constexpr int kUpdateChoices = 6;
QString updateChoiceText(int choice);
// "gz6.tpp" .. "gzAlle.tpp"; empty for choice 0 or an index outside the table.
QString updateFileName(int choice);

struct UpdateNeed {
    int days = 0;   // missing days as counted for the choice
    int choice = 0; // index into the table of draw sets
    QString fileName;
};

// How many days of draws are missing at `now` and the smallest draw set covering them.
UpdateNeed determineUpdateNeed(const DrawHistory& history, const QDateTime& now);

} // namespace talvo::logic

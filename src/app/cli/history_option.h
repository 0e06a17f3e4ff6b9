#pragma once

#include "logic/core/history_file.h"

namespace talvo::cli {

class Options;

// The draw history named by --history.
logic::DrawHistory historyOption(const Options& options);
// --last N: how many of the latest draws to evaluate, 0 (the default) for all.
int lastOption(const Options& options);

} // namespace talvo::cli

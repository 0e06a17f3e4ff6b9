#pragma once

#include "logic/core/history_file.h"

namespace talvo::cli {

class Arguments;

// The draw history named by --history.
logic::DrawHistory historyOption(const Arguments& options);
// The draw history named by --history; empty while that file does not exist yet.
logic::DrawHistory historyOrEmpty(const Arguments& options);
// --last N: how many of the latest draws to evaluate, 0 (the default) for all.
int lastOption(const Arguments& options);

} // namespace talvo::cli

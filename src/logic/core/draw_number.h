#pragma once

#include <QString>
#include <optional>

namespace talvo::logic {

// A number of the board, 1..70, written in decimal. Every place that reads winning or
// tipped numbers from a text (the command line, the paste window, the free search, the
// lottery's archive) goes through it, so they all accept and refuse the same pieces.
std::optional<int> readDrawNumber(const QString& piece);

} // namespace talvo::logic

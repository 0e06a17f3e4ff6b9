#pragma once

#include <QString>
#include <vector>

namespace talvo::cli {

struct CommandSpec;

// Every command of talvo-cli, in the order the help lists them.
const std::vector<CommandSpec>& commandTable();
// The command of that name; nullptr when there is none.
const CommandSpec* findCommand(const QString& name);

} // namespace talvo::cli

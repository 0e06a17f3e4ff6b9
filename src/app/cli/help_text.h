#pragma once

#include <QString>

namespace talvo::cli {

struct CommandSpec;
struct Switch;

// "talvo-cli NAME --switch VALUE [--optional] OPERANDS", from the command's switches.
QString usageLine(const CommandSpec& command);
// "--name VALUE" as the usage and the help show a switch.
QString switchText(const Switch& option);
// The answer to "talvo-cli COMMAND --help": usage, what it does, every switch, examples.
QString commandHelp(const CommandSpec& command);
// The answer to "talvo-cli --help": every command with its one line.
QString commandList();
// The two lines after a wrong call: the command's usage and where the help is.
QString usageHint(const CommandSpec& command);

} // namespace talvo::cli

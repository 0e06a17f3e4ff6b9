#pragma once

#include <QString>
#include <functional>
#include <vector>

class QTextStream;

namespace talvo::cli {

class Arguments;

// What a subcommand gets besides its arguments: the two streams.
struct Io {
    QTextStream& out;
    QTextStream& err;
};

// Wrong usage of a subcommand; the usage line and a hint to --help follow it, exit code 2.
struct UsageError {
    QString text;
};

// What the value of a switch names, for the completion of the shell.
enum class ValueKind { Text, File, Folder };

// One switch of a command: a flag ("--name") or one taking values ("--name VALUE").
struct Switch {
    const char* name = "";       // without the leading "--"
    const char* value = nullptr; // the value's name in the usage; none: a flag
    const char* meaning = "";    // German, one line
    bool required = false;
    int valueCount = 1; // the words that follow the switch
    ValueKind kind = ValueKind::Text;

    bool isFlag() const { return value == nullptr; }
};

// The companion programs: each links the libraries only some commands need, so that the
// others start without loading them.
enum class Helper { None, Print, Network, Workbook };

// Everything the command line says about one command: the parser, --help, the manual
// page and the shell completion all read it from here.
struct CommandSpec {
    const char* name = "";
    const char* summary = ""; // one line in the list of commands
    std::vector<Switch> switches = {};
    const char* operands = "";       // words without a switch, as the usage shows them
    const char* operandMeaning = ""; // what they are, one line
    ValueKind operandKind = ValueKind::Text;
    const char* description = ""; // what the command does and prints
    std::vector<const char*> examples = {};
    Helper helper = Helper::None;
    const char* helperSwitch = nullptr; // the helper only for calls with this switch

    const Switch* findSwitch(const QString& name) const;
};

using CommandFn = std::function<int(const Arguments& args, Io& io)>;

// Each program registers the commands it runs itself from their own source files.
struct CommandRegistrar {
    CommandRegistrar(const char* name, CommandFn fn);
};

// The command this program runs itself under that name; empty when it runs none.
CommandFn registeredCommand(const QString& name);

} // namespace talvo::cli

#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QTextStream;

namespace talvo::cli {

// What a subcommand gets: its arguments (without the subcommand) and the two streams.
struct Io {
    QTextStream& out;
    QTextStream& err;
};

// Wrong usage of a subcommand; main prints the usage text and exits with 2.
struct UsageError {
    QString text;
};

using CommandFn = std::function<int(const QStringList& args, Io& io)>;

// Fonts: the command draws text (pages, PDF files) and gets a GUI application on Qt's
// offscreen platform, so that it runs without a display.
enum class CommandNeeds { Core, Fonts };

// Each subcommand registers itself from its own source file.
struct CommandRegistrar {
    CommandRegistrar(const char* name, const char* usage, CommandFn fn,
                     CommandNeeds needs = CommandNeeds::Core);
};

struct Command {
    QString name;
    QString usage;
    CommandFn run;
    CommandNeeds needs = CommandNeeds::Core;
};
const std::vector<Command>& commands();

} // namespace talvo::cli

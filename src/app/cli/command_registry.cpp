#include "command.h"

#include <QHash>

namespace talvo::cli {

namespace {
QHash<QString, CommandFn>& registry() {
    static QHash<QString, CommandFn> commands;
    return commands;
}
} // namespace

CommandRegistrar::CommandRegistrar(const char* name, CommandFn fn) {
    registry().insert(QString::fromUtf8(name), std::move(fn));
}

CommandFn registeredCommand(const QString& name) {
    return registry().value(name);
}

const Switch* CommandSpec::findSwitch(const QString& name) const {
    for (const Switch& s : switches)
        if (name == QLatin1String(s.name))
            return &s;
    return nullptr;
}

} // namespace talvo::cli

#include "history_option.h"

#include "arguments.h"
#include "command.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace talvo::cli {

logic::DrawHistory historyOption(const Arguments& options) {
    return logic::loadDrawHistory(options.required(QStringLiteral("history")));
}

logic::DrawHistory historyOrEmpty(const Arguments& options) {
    const QString path = options.required(QStringLiteral("history"));
    return QFileInfo::exists(path) ? logic::loadDrawHistory(path) : logic::DrawHistory{};
}

int lastOption(const Arguments& options) {
    if (!options.has(QStringLiteral("last")))
        return 0;
    bool ok = false;
    const qulonglong n = options.value(QStringLiteral("last")).toULongLong(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("--last erwartet eine Zahl ab 0.")};
    // No history holds more draws than an int counts; a larger count simply means all.
    return static_cast<int>(std::min<qulonglong>(n, std::numeric_limits<int>::max()));
}

} // namespace talvo::cli

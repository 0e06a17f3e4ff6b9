#include "seed_option.h"

#include "arguments.h"
#include "command.h"

#include <QDateTime>

namespace talvo::cli {

quint64 seedOption(const Arguments& options) {
    if (!options.has(QStringLiteral("seed")))
        return static_cast<quint64>(QDateTime::currentMSecsSinceEpoch());
    bool ok = false;
    const quint64 seed = options.value(QStringLiteral("seed")).toULongLong(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("--seed erwartet eine ganze Zahl ab 0.")};
    return seed;
}

} // namespace talvo::cli

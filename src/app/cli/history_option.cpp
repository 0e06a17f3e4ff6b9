#include "history_option.h"

#include "command.h"
#include "options.h"

namespace talvo::cli {

logic::DrawHistory historyOption(const Options& options) {
    return logic::KenoZahlenLaden(options.required(QStringLiteral("history")));
}

int lastOption(const Options& options) {
    const int n = options.integer(QStringLiteral("last"), 0);
    if (n < 0)
        throw UsageError{QStringLiteral("--last erwartet eine Zahl ab 0.")};
    return n;
}

} // namespace talvo::cli

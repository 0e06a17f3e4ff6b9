#include "arguments.h"
#include "command.h"
#include "history_option.h"

#include "logic/draws/update_need.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

int need(const Arguments& o, Io& io) {
    const auto n = logic::determineUpdateNeed(historyOrEmpty(o), o.nowDateTime());
    io.out << n.choice << '\t' << n.fileName << '\n';
    return 0;
}

const CommandRegistrar reg("need", need);

} // namespace
} // namespace talvo::cli

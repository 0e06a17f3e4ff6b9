#include "arguments.h"
#include "command.h"
#include "export_draws_request.h"

#include "platform/spreadsheet.h"

namespace talvo::cli {
namespace {

int exportDrawsWorkbook(const Arguments& opts, Io&) {
    const QString file = opts.required(QStringLiteral("xlsx"));
    const DrawExportRequest request = drawExportRequest(opts);
    platform::writeWorkbook(request.table, logic::drawExportChoiceText(request.choice), request.choice, file);
    return 0;
}

const CommandRegistrar reg("export-draws", exportDrawsWorkbook);

} // namespace
} // namespace talvo::cli

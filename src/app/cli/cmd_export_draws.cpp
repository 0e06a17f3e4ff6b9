#include "arguments.h"
#include "cell_text.h"
#include "command.h"
#include "export_draws_request.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

// The table as text; with --xlsx the workbook companion runs the command instead.
int exportDraws(const Arguments& opts, Io& io) {
    const DrawExportRequest request = drawExportRequest(opts);
    const logic::ExportTable& table = request.table;
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c)
            io.out << (c > 0 ? "\t" : "") << cellText(table.cell(c, r));
        io.out << '\n';
    }
    return 0;
}

const CommandRegistrar reg("export-draws", exportDraws);

} // namespace
} // namespace talvo::cli

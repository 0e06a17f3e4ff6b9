#pragma once

#include "logic/export/draw_export_table.h"

namespace talvo::cli {

class Arguments;

// What export-draws is asked for: the choice of columns and the table of the range.
struct DrawExportRequest {
    int choice = 0;
    logic::ExportTable table;
};

DrawExportRequest drawExportRequest(const Arguments& opts);

} // namespace talvo::cli

#pragma once

#include <functional>
#include <memory>

class QPrinter;

namespace talvo::platform {

// The system's default printer (or, where none is marked as default, its first printer)
// set up for the program's pages: A4, the printer's own resolution. nullptr when the
// system has no printer.
std::unique_ptr<QPrinter> defaultPrinter();

// Test seam: while set, this decides instead of the system.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
void setPrinterSourceForTests(PrinterSource source);

} // namespace talvo::platform

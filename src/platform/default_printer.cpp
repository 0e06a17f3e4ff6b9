#include "platform/default_printer.h"

#include "logic/core/paths.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace talvo::platform {

namespace {
PrinterSource& source() {
    static PrinterSource s;
    return s;
}
} // namespace

std::unique_ptr<QPrinter> defaultPrinter() {
    if (source())
        return source()();
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty())
            return nullptr;
        info = all.first();
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setDocName(QString::fromLatin1(logic::kProductName));
    return printer;
}

void setPrinterSourceForTests(PrinterSource s) {
    source() = std::move(s);
}

} // namespace talvo::platform

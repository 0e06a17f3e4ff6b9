#include "arguments.h"
#include "command.h"

#include "logic/export/tip_text.h"
#include "platform/tip_text_print.h"

#include <QFont>
#include <QTextStream>

namespace talvo::cli {
namespace {

int printText(const Arguments& o, Io& io) {
    if (o.positional().size() != 1)
        throw UsageError{QStringLiteral("Genau eine Datei angeben.")};
    const QString pdf = o.required(QStringLiteral("pdf"));
    const QStringList lines = logic::readTipText(o.positional().first());
    const int pages = platform::saveTipTextPdf(pdf, lines, platform::tipTextFont());
    io.out << platform::pageCountMessage(pages) << '\n';
    return 0;
}

const CommandRegistrar reg("print-text", printText);

} // namespace
} // namespace talvo::cli

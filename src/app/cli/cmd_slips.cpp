#include "arguments.h"
#include "cell_text.h"
#include "command.h"

#include "logic/core/slip_file.h"
#include "logic/evaluation/slip_listing.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

void printRow(QTextStream& out, const logic::ListingRow& row) {
    for (int c = 0; c < logic::kListingColumns; ++c)
        out << (c > 0 ? "\t" : "") << cellText(row[c]);
    out << '\n';
}

int slips(const Arguments& args, Io& io) {
    if (args.positional().size() != 1)
        throw UsageError{QStringLiteral("Genau eine Spielschein-Datei angeben.")};
    const logic::SlipList slipList = logic::loadSlips(args.positional().first());
    printRow(io.out, logic::listingHeader());
    for (const logic::ListingRow& row : logic::buildSlipListing(slipList))
        printRow(io.out, row);
    return 0;
}

const CommandRegistrar reg("slips", slips);

} // namespace
} // namespace talvo::cli

#include "command.h"
#include "history_option.h"
#include "options.h"

#include "logic/statistics/free_search.h"
#include "logic/statistics/kombi_suche.h"
#include "logic/statistics/kombi_werte.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace talvo::cli {
namespace {

void printList(const char* name, const std::vector<logic::KombiEintrag>& list, QTextStream& out) {
    for (std::size_t p = 0; p < list.size(); ++p)
        if (list[p].belegt())
            out << name << '\t' << (p + 1) << '\t' << logic::zahlenText(list[p].kombination) << '\t'
                << list[p].anzahl << '\n';
}

int combos(const QStringList& args, Io& io) {
    const Options options(args);
    const int k = options.integer(QStringLiteral("k"), 0);
    if (k < 2 || k > 4)
        throw UsageError{QStringLiteral("--k erwartet 2, 3 oder 4.")};
    const int n = lastOption(options);
    const logic::ZiehungsMengenListe window =
        logic::kombiFenster(logic::ZiehungsMengen(historyOption(options)), n);
    const int w = static_cast<int>(window.size());
    io.out << logic::erwartungswertText(k, w) << '\n' << logic::pruefroutinenText(k, w) << '\n';
    if (window.empty())
        return 0;
    QElapsedTimer timer;
    timer.start();
    const logic::KombiErgebnis result = logic::KombiSuche(window, k);
    io.err << logic::dauerText(timer.elapsed()) << '\n';
    printList("TOP", result.TopKombis, io.out);
    printList("FLOP", result.FlopKombis, io.out);
    return 0;
}

const CommandRegistrar reg("combos", "combos --history DATEI --k K --last N", combos);

} // namespace
} // namespace talvo::cli

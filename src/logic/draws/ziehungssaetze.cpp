#include "logic/draws/ziehungssaetze.h"

#include "logic/core/tables.h"

#include <algorithm>

namespace talvo::logic {

namespace {
// A clean copy of a stored draw: numbers, date and plus 5 text, every other byte zero.
TKenoZahlen neuAufgebaut(const TKenoZahlen& stored) {
    TKenoZahlen d;
    d.datum = stored.datum;
    d.GZ = stored.GZ;
    d.plus5.length = std::min<std::uint8_t>(stored.plus5.length, 5);
    std::copy_n(stored.plus5.chars.begin(), d.plus5.length, d.plus5.chars.begin());
    return d;
}
} // namespace

void ZiehungssaetzeSchreiben(const DrawHistory& history, const QString& folder) {
    for (int groesse : kZiehungsSatzGroessen) {
        if (groesse == 0) {
            KenoZahlenSchreiben(folder + QStringLiteral("gzAlle.tpp"), history);
            continue;
        }
        const std::size_t anzahl = std::min<std::size_t>(static_cast<std::size_t>(groesse), history.size());
        DrawHistory satz;
        satz.reserve(anzahl);
        for (std::size_t i = history.size() - anzahl; i < history.size(); ++i)
            satz.push_back(neuAufgebaut(history[i]));
        KenoZahlenSchreiben(folder + QStringLiteral("gz%1.tpp").arg(groesse), satz);
    }
}

} // namespace talvo::logic

#include "logic/export/export_tabelle.h"

#include <algorithm>

namespace talvo::logic {

ExportTabelle::ExportTabelle(int spalten, int zeilen)
    : spalten_(std::clamp(spalten, 0, kMaxSpalten)), zeilen_(std::max(zeilen, 0)),
      zellen_(static_cast<std::size_t>(spalten_) * static_cast<std::size_t>(zeilen_)) {}

const QString& ExportTabelle::zelle(int spalte, int zeile) const {
    static const QString empty;
    if (spalte < 0 || spalte >= spalten_ || zeile < 0 || zeile >= zeilen_)
        return empty;
    return zellen_[static_cast<std::size_t>(zeile) * static_cast<std::size_t>(spalten_) +
                   static_cast<std::size_t>(spalte)];
}

void ExportTabelle::setZelle(int spalte, int zeile, const QString& text) {
    if (spalte < 0 || spalte >= spalten_ || zeile < 0 || zeile >= zeilen_)
        return;
    zellen_[static_cast<std::size_t>(zeile) * static_cast<std::size_t>(spalten_) +
            static_cast<std::size_t>(spalte)] = text;
}

} // namespace talvo::logic

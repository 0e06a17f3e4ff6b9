#include "logic/export/ziehungs_tabelle.h"

#include "logic/core/dates.h"
#include "logic/core/error.h"

#include <algorithm>
#include <array>

namespace talvo::logic {

namespace {

constexpr int kZahlenSpalten = 20;

int spaltenZahl(int wahl) {
    switch (wahl) {
    case kGewinnzahlenUndPlus5:
        return 2 + kZahlenSpalten + 1;
    case kNurGewinnzahlen:
        return 2 + kZahlenSpalten;
    default:
        return 3;
    }
}

bool mitZahlen(int wahl) { return wahl != kNurPlus5; }
bool mitPlus5(int wahl) { return wahl != kNurGewinnzahlen; }

QString datumText(int wahl, const TKenoZahlen& draw) {
    if (wahl == kNurPlus5) {
        const QDate d = serialToDate(draw.datum);
        return d.isValid() ? d.toString(QStringLiteral("dd-MM-yyyy")) : QString();
    }
    return serialToText(draw.datum);
}

} // namespace

QString ziehungsExportText(int wahl) {
    static const std::array<const char*, kZiehungsExportWahlen> texte = {"Gewinnzahlen und plus 5",
                                                                         "nur Gewinnzahlen", "nur plus 5"};
    if (wahl < 0 || wahl >= kZiehungsExportWahlen)
        return {};
    return QString::fromUtf8(texte[static_cast<std::size_t>(wahl)]);
}

QDate ersterExportTag() { return serialToDate(kFirstDrawSerial); }

QDate letzterZiehungstag(const DrawHistory& history) {
    const auto last = std::find_if(history.rbegin(), history.rend(), [](const TKenoZahlen& d) { return !d.istLeer(); });
    return last == history.rend() ? QDate() : serialToDate(last->datum);
}

QDate vonGeaendert(const QDate& von, const QDate& bis) {
    QDate neu = bis < von ? bis : von;
    return std::max(neu, ersterExportTag());
}

QDate bisGeaendert(const QDate& von, const QDate& bis, const QDate& heute) {
    QDate neu = von > bis ? von : bis;
    return std::min(neu, heute);
}

ExportBereich ziehungsBereich(const DrawHistory& history, const QDate& von, const QDate& bis) {
    const int ab = static_cast<int>(dateToSerial(von));
    const int bisTag = static_cast<int>(dateToSerial(bis));
    const int anzahl = static_cast<int>(history.size());
    ExportBereich bereich{anzahl, -1};
    bool gespeichert = false;
    for (int i = 0; i < anzahl; ++i) {
        const TKenoZahlen& draw = history[static_cast<std::size_t>(i)];
        if (draw.istLeer())
            continue;
        gespeichert = true;
        const int tag = wholeDay(draw.datum);
        if (tag >= ab && bereich.erste == anzahl)
            bereich.erste = i;
        if (tag <= bisTag)
            bereich.letzte = i;
    }
    if (!gespeichert)
        throw Error(QStringLiteral("Es ist noch keine Ziehung gespeichert, die exportiert werden könnte."));
    if (bereich.erste > bereich.letzte)
        throw Error(QStringLiteral("Vom %1 bis zum %2 ist keine Ziehung gespeichert.")
                        .arg(von.toString(QStringLiteral("dd.MM.yyyy")), bis.toString(QStringLiteral("dd.MM.yyyy"))));
    return bereich;
}

ExportTabelle ZiehungsTabelle(const DrawHistory& history, int wahl, int erste, int letzte) {
    erste = std::max(erste, 0);
    letzte = std::min(letzte, static_cast<int>(history.size()) - 1);
    int zeilen = 1;
    for (int i = erste; i <= letzte; ++i)
        zeilen += history[static_cast<std::size_t>(i)].istLeer() ? 0 : 1;

    ExportTabelle tabelle(spaltenZahl(wahl), zeilen);
    const int plus5Spalte = tabelle.spalten() - 1;
    tabelle.setZelle(0, 0, QStringLiteral("Veranstaltung"));
    tabelle.setZelle(1, 0, QStringLiteral("Datum"));
    if (mitZahlen(wahl))
        for (int z = 0; z < kZahlenSpalten; ++z)
            tabelle.setZelle(2 + z, 0, QStringLiteral("Zahl %1").arg(z + 1));
    if (mitPlus5(wahl))
        tabelle.setZelle(plus5Spalte, 0, QStringLiteral("plus 5"));

    int zeile = 1;
    for (int i = erste; i <= letzte; ++i) {
        const TKenoZahlen& draw = history[static_cast<std::size_t>(i)];
        if (draw.istLeer())
            continue;
        tabelle.setZelle(0, zeile, QString::number(i + 1));
        tabelle.setZelle(1, zeile, datumText(wahl, draw));
        if (mitZahlen(wahl))
            for (int z = 0; z < kZahlenSpalten; ++z)
                tabelle.setZelle(2 + z, zeile, QString::number(draw.GZ[static_cast<std::size_t>(z)]));
        if (mitPlus5(wahl))
            tabelle.setZelle(plus5Spalte, zeile, draw.plus5.text());
        ++zeile;
    }
    return tabelle;
}

} // namespace talvo::logic

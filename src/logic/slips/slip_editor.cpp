#include "logic/slips/slip_editor.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/settings/einstellungen.h"

#include <cmath>

namespace talvo::logic {

namespace {

constexpr int kSpalten = 18;

int felderFuer(int felder) {
    return felder >= 4 && felder <= 5 ? felder : 5;
}

bool istTyp(int typ) {
    return typ >= 2 && typ <= kMaxTyp;
}

// A start date the date field can show.
bool brauchbaresDatum(DaySerial ab) {
    const QDate d = serialToDate(ab);
    return d.isValid() && d.year() >= 1900 && d.year() <= 9999;
}

} // namespace

SlipEditor::SlipEditor(int nummer, int felder, const QString& caption, TTippE& zustand,
                       const TEinstellungen& einstellungen, DaySerial heute)
    : nummer_(nummer), felder_(felderFuer(felder)), caption_(caption), zustand_(zustand),
      einstellungen_(einstellungen) {
    angaben.ab = wholeDay(heute);
    // A field without a default type stays untouched here (SysWahl 0, never chosen);
    // only a later change to "no choice" records 1.
    for (int f = 1; f <= felder_; ++f)
        if (const int t = vorgabe(f))
            cbSysClick(f, t - 2);
}

int SlipEditor::typ(int feld) const {
    const int t = zustand_.SysWahl[feld - 1];
    return istTyp(t) ? t : 0;
}

bool SlipEditor::markiert(int feld, int zahl) const {
    return zustand_.gewaehlt[feld - 1].contains(zahl);
}
int SlipEditor::anzahl(int feld) const {
    return zustand_.ZahlAnz[feld - 1];
}
bool SlipEditor::zuHoch(int feld) const {
    return zustand_.ZuHoch[feld - 1];
}

int SlipEditor::gaugeBereich(int feld) const {
    return typ(feld) ? pickCount(typ(feld)) : kKeinTypBereich;
}

std::vector<std::uint8_t> SlipEditor::zahlen(int feld) const {
    return MengeZuListe(zustand_.gewaehlt[feld - 1], pickCount(typ(feld)), 70);
}

void SlipEditor::cbSysClick(int feld, int auswahl) {
    const int i = feld - 1;
    zustand_.SysWahl[i] = auswahl >= 0 && auswahl <= 8 ? auswahl + 2 : 1;
    // Lowering the type below the count marks the field; only unticking clears it.
    if (zustand_.ZahlAnz[i] > gaugeBereich(feld))
        zustand_.ZuHoch[i] = true;
}

int SlipEditor::vorgabe(int feld) const {
    return vorgabeTyp(einstellungen_.scheinTyp[feld - 1]);
}

Klick SlipEditor::LLClick(int feld, int zahl) {
    const int i = feld - 1;
    if (!typ(feld))
        return Klick::KeinTyp;
    Klick ergebnis;
    if (zustand_.gewaehlt[i].contains(zahl)) {
        zustand_.gewaehlt[i].remove(zahl);
        --zustand_.ZahlAnz[i];
        ergebnis = Klick::Entfernt;
    } else if (zustand_.ZahlAnz[i] >= gaugeBereich(feld)) {
        return Klick::Voll;
    } else {
        ++zustand_.ZahlAnz[i];
        zustand_.gewaehlt[i].insert(zahl);
        ergebnis = Klick::Markiert;
    }
    if (zustand_.ZahlAnz[i] <= gaugeBereich(feld))
        zustand_.ZuHoch[i] = false;
    if (!zustand_.ZuHoch[i])
        gaugePosition_[i] = zustand_.ZahlAnz[i];
    return ergebnis;
}

std::optional<Meldung> SlipEditor::date1Exit(const DrawCalendar& kalender) {
    const int tag = wholeDay(angaben.ab);
    if (weekdayNumber(tag) != 1 || kalender.isDrawDay(tag))
        return std::nullopt;
    angaben.ab = wholeDay(angaben.ab) - 1;
    return Meldung{Meldung::Art::Fehler,
                   QStringLiteral("Das gewählte Datum ist ein Sonntag, daher wurde der Vortag gewählt.\r\r"
                                  "Bitte gegebenenfalls korrigieren.")};
}

void SlipEditor::BDelClick() {
    for (int f = 1; f <= felder_; ++f) {
        const int i = f - 1;
        zustand_.gewaehlt[i] = Zahlenmenge{};
        zustand_.ZahlAnz[i] = 0;
        zustand_.ZuHoch[i] = false;
        gaugePosition_[i] = 0;
        const int t = vorgabe(f);
        cbSysClick(f, t ? t - 2 : -1);
    }
}

std::optional<Meldung> SlipEditor::Plus5Pruefen() const {
    if (angaben.plus5 && angaben.plus5Zahl.size() != 5)
        return Meldung{Meldung::Art::Fehler,
                       QStringLiteral("Wenn Sie plus 5 mitspielen, geben Sie bitte die Zahl von Ihrem "
                                      "Spielschein ein.")};
    return std::nullopt;
}

std::optional<Meldung> SlipEditor::FelderPruefen() const {
    bool irgendeins = false;
    for (int f = 1; f <= felder_; ++f) {
        const int have = zustand_.ZahlAnz[f - 1];
        const int need = pickCount(zustand_.SysWahl[f - 1]);
        if (have > 0)
            irgendeins = true;
        if (have > 0 && need != have) {
            const int d = need - have;
            const QString fehlt =
                d == 1 ? QStringLiteral("eine Zahl") : QString::number(d) + QStringLiteral(" Zahlen");
            return Meldung{Meldung::Art::Information,
                           QStringLiteral("Sie haben im %1. Feld %2 vergessen.\r\rIch breche erst einmal ab.")
                               .arg(f)
                               .arg(fehlt)};
        }
    }
    if (!irgendeins)
        return Meldung{Meldung::Art::Information,
                       QStringLiteral("Sie haben nicht ein komlettes Spielfeld getippt.\r\r"
                                      "Ich breche erst einmal ab.")};
    return std::nullopt;
}

QString SlipEditor::scheinName() const {
    return angaben.name.isEmpty() ? caption_ : angaben.name;
}

std::vector<TabellenZeile> SlipEditor::tabellenZeilen() const {
    std::vector<TabellenZeile> zeilen;
    for (int f = 1; f <= felder_; ++f) {
        if (anzahl(f) <= 0)
            continue;
        TabellenZeile zeile(kSpalten);
        zeile[2] = QString::number(typ(f));
        const auto numbers = zahlen(f);
        for (std::size_t j = 0; j < numbers.size() && j < 10; ++j)
            zeile[3 + static_cast<int>(j)] = QString::number(numbers[j]);
        if (zeilen.empty()) {
            zeile[1] = scheinName();
            zeile[13] = angaben.plus5Zahl.size() == 5 ? angaben.plus5Zahl : QString();
            zeile[14] = angaben.plus5 ? QStringLiteral("ja") : QStringLiteral("nein");
            const int draws = durationDraws(angaben.dauer);
            zeile[16] = draws == 0 ? QStringLiteral("Dauer") : QString::number(draws);
            zeile[17] = serialToText(angaben.ab);
        }
        zeilen.push_back(zeile);
    }
    return zeilen;
}

void SlipEditor::inDatensatz(TGetippt& r) const {
    const std::int32_t nr = r.Nr;
    r = TGetippt{};
    r.Nr = nr;
    r.einsatz = static_cast<std::uint8_t>(angaben.einsatz);
    r.dauer = static_cast<std::uint8_t>(angaben.dauer);
    r.ab = wholeDay(angaben.ab);
    r.name.setText(scheinName());
    r.plus5.setText(angaben.plus5Zahl);
    r.p5 = angaben.plus5 ? 1 : 0;
    r.TGNR = angaben.tippgemeinschaft;
    r.KastDef = felder_;
    for (int f = 1; f <= felder_; ++f) {
        if (anzahl(f) <= 0)
            continue;
        r.typ[f - 1] = static_cast<std::uint8_t>(typ(f));
        const auto numbers = zahlen(f);
        for (std::size_t j = 0; j < numbers.size() && j < 10; ++j)
            r.typZ[f - 1][j] = numbers[j];
    }
}

void SlipEditor::ausDatensatz(const TGetippt& r) {
    for (int f = 1; f <= felder_; ++f) {
        const int t = r.typ[f - 1];
        if (!istTyp(t))
            continue;
        const int i = f - 1;
        cbSysClick(f, t - 2);
        for (int j = 0; j < pickCount(t); ++j) {
            const int zahl = r.typZ[i][j];
            if (zahl == 0)
                break;
            if (zahl <= 70)
                zustand_.gewaehlt[i].insert(zahl);
        }
        zustand_.ZahlAnz[i] = zustand_.gewaehlt[i].count();
        gaugePosition_[i] = zustand_.ZahlAnz[i];
    }
    angaben.plus5Zahl = r.plus5.text();
    angaben.plus5 = r.spieltPlus5();
    angaben.name = r.name.text();
    if (durationDraws(r.dauer) >= 0)
        angaben.dauer = r.dauer;
    if (brauchbaresDatum(r.ab))
        angaben.ab = wholeDay(r.ab);
    if (stakeEuro(r.einsatz) > 0)
        angaben.einsatz = r.einsatz;
}

} // namespace talvo::logic

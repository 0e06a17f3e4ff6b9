#include "logic/slips/scheincenter.h"

#include "logic/core/records.h"

#include <algorithm>

namespace talvo::logic {

namespace {

TabellenZeile leereZeile() {
    return TabellenZeile(Scheincenter::kSpalten);
}

} // namespace

const QStringList& Scheincenter::kopfzeile() {
    static const QStringList kopf = [] {
        QStringList k{QStringLiteral("Nr."), QStringLiteral("Spielschein"), QStringLiteral("Typ")};
        for (int z = 1; z <= 10; ++z)
            k << QStringLiteral("Z %1").arg(z);
        k << QStringLiteral("plus 5") << QStringLiteral("mit plus 5") << QStringLiteral("Tippgemeinschaft")
          << QStringLiteral("Ziehungen") << QStringLiteral("ab");
        return k;
    }();
    return kopf;
}

Scheincenter::Scheincenter(SlipList& scheinListe, const TEinstellungen& einstellungen)
    : scheinListe_(scheinListe), einstellungen_(einstellungen),
      zustaende_(1), tabelle_{kopfzeile(), leereZeile()} {}

Scheincenter::~Scheincenter() = default;

SlipEditor& Scheincenter::ScheinAnlegen(int felder, const QString& name, DaySerial heute) {
    const int nummer = ++zaehler_;
    const QString caption = name.isEmpty() ? QStringLiteral("S%1").arg(nummer) : name;
    zustaende_.emplace_back();
    auto editor =
        std::make_unique<SlipEditor>(nummer, felder, caption, zustaende_.back(), einstellungen_, heute);
    SlipEditor& ref = *editor;
    scheine_[nummer] = std::move(editor);
    return ref;
}

SlipEditor& Scheincenter::ScheinLaden(const TGetippt& record, DaySerial heute) {
    SlipEditor& editor = ScheinAnlegen(record.KastDef, record.name.text(), heute);
    editor.ausDatensatz(record);
    return editor;
}

SlipEditor* Scheincenter::schein(int nummer) const {
    const auto it = scheine_.find(nummer);
    return it == scheine_.end() ? nullptr : it->second.get();
}

std::optional<Meldung> Scheincenter::BGoClick(int nummer) {
    SlipEditor* editor = schein(nummer);
    if (!editor)
        return std::nullopt;
    if (auto m = editor->Plus5Pruefen())
        return m;
    if (auto m = editor->FelderPruefen())
        return m;

    const QString key = QString::number(nummer);
    qsizetype pos = uebertragen_.indexOf(key);
    const bool erstes = pos < 0;
    if (erstes) {
        uebertragen_ << key;
        scheinListe_.emplace_back();
        pos = uebertragen_.size() - 1;
        scheinListe_[static_cast<std::size_t>(pos)].Nr = static_cast<std::int32_t>(scheinListe_.size());
    }
    editor->inDatensatz(scheinListe_[static_cast<std::size_t>(pos)]);
    GPuf_[nummer] = editor->tabellenZeilen();
    if (erstes) {
        ZeilenAnhaengen(GPuf_[nummer]);
        zeilenNummerieren();
    } else {
        TabelleNeuAufbauen();
    }
    return std::nullopt;
}

void Scheincenter::ScheinSchliessen(int nummer) {
    scheine_.erase(nummer);
    const qsizetype pos = uebertragen_.indexOf(QString::number(nummer));
    if (pos >= 0) {
        uebertragen_.removeAt(pos);
        scheinListe_.erase(scheinListe_.begin() + pos);
        for (std::size_t i = 0; i < scheinListe_.size(); ++i)
            scheinListe_[i].Nr = static_cast<std::int32_t>(i + 1);
        GPuf_.erase(nummer);
    }
    TabelleNeuAufbauen();
}

void Scheincenter::ZeilenAnhaengen(const std::vector<TabellenZeile>& zeilen) {
    // Below the header there is always at least one row, empty while nothing is listed.
    tabelle_.resize(std::max<std::size_t>(static_cast<std::size_t>(naechsteFreie_) + zeilen.size(), 2),
                    leereZeile());
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        tabelle_[static_cast<std::size_t>(naechsteFreie_) + i] = zeilen[i];
    naechsteFreie_ += static_cast<int>(zeilen.size());
}

void Scheincenter::TabelleNeuAufbauen() {
    tabelle_ = {kopfzeile(), leereZeile()};
    naechsteFreie_ = 1;
    for (const QString& key : uebertragen_)
        ZeilenAnhaengen(GPuf_[key.toInt()]);
    zeilenNummerieren();
}

void Scheincenter::zeilenNummerieren() {
    for (std::size_t r = 1; r < tabelle_.size(); ++r)
        if (static_cast<int>(r) < naechsteFreie_)
            tabelle_[r][0] = QString::number(r);
}

} // namespace talvo::logic

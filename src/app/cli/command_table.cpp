#include "command_table.h"

#include "command.h"

namespace talvo::cli {

namespace {

// Switches several commands share, with one wording everywhere.
Switch history(const char* meaning = "die Ziehungsdatei (KenoZahlen.tpp)") {
    return {
        .name = "history", .value = "DATEI", .meaning = meaning, .required = true, .kind = ValueKind::File};
}
Switch last() {
    return {
        .name = "last", .value = "N", .meaning = "nur die letzten N Ziehungen auswerten; 0 (Vorgabe): alle"};
}
Switch now(const char* meaning = "diese Uhrzeit statt der Uhr des Rechners") {
    return {.name = "now", .value = "\"JJJJ-MM-TT SS:MM\"", .meaning = meaning};
}
Switch seed(const char* meaning) {
    return {.name = "seed", .value = "X", .meaning = meaning};
}
Switch day(const char* name, const char* meaning, bool required = false) {
    return {.name = name, .value = "TT.MM.JJJJ", .meaning = meaning, .required = required};
}
Switch timeout() {
    return {
        .name = "timeout", .value = "SEKUNDEN", .meaning = "längste Dauer des Herunterladens in Sekunden"};
}
Switch base() {
    return {.name = "base",
            .value = "URL",
            .meaning = "Adresse des Ordners auf dem Server, aus dem geladen wird",
            .required = true};
}

std::vector<CommandSpec> buildTable() {
    std::vector<CommandSpec> table;
    table.push_back({
        .name = "history",
        .summary = "zeigt die Ziehungen einer Ziehungsdatei",
        .operands = "DATEI",
        .operandMeaning = "die Ziehungsdatei (KenoZahlen.tpp)",
        .operandKind = ValueKind::File,
        .description = "Gibt je gespeicherter Ziehung eine Zeile aus: Nummer, Datum, die 20 Gewinnzahlen "
                       "und die plus 5-Zahl, getrennt durch Tabulatoren.",
        .examples = {"talvo-cli history KenoZahlen.tpp"},
    });
    table.push_back({
        .name = "slips",
        .summary = "zeigt die Spielscheine einer Spielschein-Datei",
        .operands = "DATEI",
        .operandMeaning = "die Spielschein-Datei (.tix)",
        .operandKind = ValueKind::File,
        .description = "Gibt die Übersicht der Spielscheine aus: die Kopfzeile, dann je Feld eine Zeile "
                       "mit 18 Spalten.",
        .examples = {"talvo-cli slips Demo.tix"},
    });
    table.push_back({
        .name = "evaluate",
        .summary = "wertet Spielscheine gegen Ziehungen aus",
        .switches = {history(),
                     {.name = "slips",
                      .value = "DATEI",
                      .meaning = "die Spielschein-Datei (.tix)",
                      .required = true,
                      .kind = ValueKind::File},
                     {.name = "current",
                      .value = "\"N N ...\"",
                      .meaning = "gegen diese Gewinnzahlen auswerten"},
                     {.name = "plus5", .value = "T", .meaning = "die plus 5-Zahl zu --current"},
                     {.name = "caption",
                      .value = "TEXT",
                      .meaning = "Überschrift zu --current (Vorgabe: Datum der letzten Ziehung)"},
                     {.name = "laufzeit", .meaning = "jeden Schein über seine Laufzeit auswerten"},
                     {.name = "range",
                      .value = "VON BIS",
                      .meaning = "alle Ziehungen von VON bis BIS auswerten (TT.MM.JJJJ)",
                      .valueCount = 2},
                     {.name = "summary", .meaning = "statt der Tabellen die Übersicht je Schein ausgeben"},
                     now()},
        .description = "Wertet die Spielscheine aus; genau eine Art angeben: --current, --laufzeit oder "
                       "--range. Je Ergebnistabelle folgen eine Zeile \"# Überschrift\", die Kopfzeile mit "
                       "9 Spalten und die Zeilen. Hinweise, die das Fenster zeigen würde, gehen auf die "
                       "Fehlerausgabe.",
        .examples =
            {"talvo-cli evaluate --history KenoZahlen.tpp --slips Demo.tix --laufzeit",
             "talvo-cli evaluate --history KenoZahlen.tpp --slips Demo.tix --range 01.01.2024 31.01.2024"},
    });
    table.push_back({
        .name = "parse",
        .summary = "liest die Zahlen aus einem Text",
        .operands = "< TEXT",
        .operandMeaning = "der Text, auf der Standardeingabe",
        .description =
            "Gibt die Zahlen, die im Text der Standardeingabe stehen, durch Leerzeichen getrennt aus.",
        .examples = {"echo \"Gewinnzahlen: 3, 17 und 45\" | talvo-cli parse"},
    });
    table.push_back({
        .name = "store",
        .summary = "speichert eine Ziehung",
        .switches = {history("die Ziehungsdatei; fehlt sie, wird sie angelegt"),
                     {.name = "position",
                      .value = "P",
                      .meaning = "Nummer der Ziehung, von 1 an gezählt",
                      .required = true},
                     day("date", "Datum der Ziehung", true),
                     {.name = "numbers",
                      .value = "\"N ...\"",
                      .meaning = "die 20 Gewinnzahlen, durch Leerzeichen getrennt",
                      .required = true},
                     {.name = "plus5", .value = "T", .meaning = "die plus 5-Zahl"},
                     now()},
        .description = "Speichert eine Ziehung wie \"Speichern\" auf der Eingabeseite und schreibt die "
                       "Ziehungsdatei neu; die vorige Fassung kann mit undo zurückgeholt werden. Die "
                       "Nummer muss zum Datum passen: Trägt sie eine Ziehung oder einen leeren Eintrag "
                       "eines anderen Tages, wird nichts gespeichert.",
        .examples =
            {"talvo-cli store --history KenoZahlen.tpp --position 7001 --date 10.12.2026 --numbers \"1 2 "
             "3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\" --plus5 12345"},
    });
    table.push_back({
        .name = "export-sets",
        .summary = "schreibt die Ziehungssätze zum Herunterladen",
        .switches = {history(),
                     {.name = "dir",
                      .value = "ORDNER",
                      .meaning = "der Ordner, in den geschrieben wird",
                      .required = true,
                      .kind = ValueKind::Folder}},
        .description =
            "Schreibt die fünf Ziehungssätze, die der Server zum Herunterladen anbietet, in den Ordner.",
        .examples = {"talvo-cli export-sets --history KenoZahlen.tpp --dir server/downloads"},
    });
    table.push_back({
        .name = "stats",
        .summary = "zeigt die Häufigkeiten, Klassen und Abwesenheiten",
        .switches = {history(),
                     last(),
                     {.name = "test",
                      .meaning = "dazu die Häufigkeiten statistisch prüfen (Chi-Quadrat, z-Werte)"}},
        .description = "Gibt je Art (Einzelzahlen, Endziffern, Zehner) Überschrift, Legende, Mittelwert, "
                       "Schwellen, Bereiche und je Element Anzahl und Klasse aus; danach die 18 "
                       "Klassenmengen, die Abwesenheit jeder Zahl und die Reihenfolgen nach Abwesenheit "
                       "und Häufigkeit.",
        .examples = {"talvo-cli stats --history KenoZahlen.tpp --last 100"},
    });
    table.push_back({
        .name = "combos",
        .summary = "sucht die häufigsten und seltensten Kombinationen",
        .switches =
            {history(),
             {.name = "k", .value = "K", .meaning = "Größe der Kombinationen: 2, 3 oder 4", .required = true},
             last(),
             {.name = "test", .meaning = "dazu prüfen, wie wahrscheinlich die Listen bei Zufall sind"},
             {.name = "runs", .value = "R", .meaning = "Zahl der Zufallsdurchläufe für --test"},
             seed("Startwert des Zufalls für --test")},
        .description = "Gibt Erwartungswert und Zahl der Prüfungen aus, dann die Abschnitte TOP und FLOP "
                       "mit Platz, Kombination und Häufigkeit. Die Dauer der Suche geht auf die "
                       "Fehlerausgabe.",
        .examples = {"talvo-cli combos --history KenoZahlen.tpp --k 4 --last 0"},
    });
    table.push_back({
        .name = "free-search",
        .summary = "zählt die Ziehungen, die alle gewählten Zahlen enthalten",
        .switches = {history(), last()},
        .operands = "ZAHLEN...",
        .operandMeaning = "1 bis 10 verschiedene Zahlen von 1 bis 70",
        .description = "Gibt je Ziehung mit allen Zahlen Treffer, Nummer und Datum aus, danach die "
                       "Zusammenfassung der Suche.",
        .examples = {"talvo-cli free-search --history KenoZahlen.tpp --last 300 3 17 45"},
    });
    table.push_back({
        .name = "need",
        .summary = "zeigt, welche Ziehungen zu aktualisieren sind",
        .switches = {history("die Ziehungsdatei; fehlt sie, gilt sie als leer"), now()},
        .description = "Gibt die Wahl der Aktualisierung und den Namen der Datei auf dem Server aus.",
        .examples = {"talvo-cli need --history KenoZahlen.tpp"},
    });
    table.push_back({
        .name = "update",
        .summary = "lädt fehlende Ziehungen herunter und fügt sie ein",
        .switches = {history("die Ziehungsdatei; fehlt sie, wird sie angelegt"),
                     base(),
                     {.name = "choice",
                      .value = "N",
                      .meaning = "diese Datei laden (0 bis 5) statt der nötigen"},
                     timeout(),
                     now()},
        .description = "Lädt die Ziehungen wie \"Herunterladen starten\", fügt sie in die Ziehungsdatei "
                       "ein und gibt die Zahl der gespeicherten Ziehungen aus.",
        .examples = {"talvo-cli update --history KenoZahlen.tpp --base https://talvo.example.net/downloads/"},
        .helper = Helper::Network,
    });
    table.push_back({
        .name = "options",
        .summary = "zeigt die Einstellungen einer Optionsdatei",
        .operands = "DATEI",
        .operandMeaning = "die Optionsdatei (optionen.kop)",
        .operandKind = ValueKind::File,
        .description = "Gibt die Felder der Optionsdatei aus, eines je Zeile.",
        .examples = {"talvo-cli options optionen.kop"},
    });
    table.push_back({
        .name = "tip",
        .summary = "erzeugt Tipps nach einer Strategie",
        .switches = {history(),
                     last(),
                     {.name = "strategy",
                      .value = "S",
                      .meaning = "Strategie: 0 Restanten, 1 Favoriten, 2 beide, 3 Zufall",
                      .required = true},
                     {.name = "types",
                      .value = "\"T1 T2 T3 T4 T5\"",
                      .meaning =
                          "fünf Angaben, je \"--\" oder ein KENO-Typ von 2 bis 10 (ohne --candidates nötig)"},
                     seed("Startwert des Zufalls (Vorgabe: die Uhr)"),
                     {.name = "count", .value = "K", .meaning = "so viele Tipps erzeugen (Vorgabe 1)"},
                     {.name = "candidates",
                      .meaning = "nur die Zahlen ausgeben, aus denen die Strategie wählt"},
                     {.name = "save",
                      .value = "DATEI",
                      .meaning = "den letzten Tipp als Text in diese Datei schreiben",
                      .kind = ValueKind::File}},
        .description = "Erzeugt Tipps wie das Tippcenter und gibt je Tipp seine Zeilen aus, dann, ob die "
                       "Spiele ergänzt wurden.",
        .examples =
            {"talvo-cli tip --history KenoZahlen.tpp --strategy 2 --types \"10 -- 6 -- --\" --seed 7"},
    });
    table.push_back({
        .name = "print-text",
        .summary = "druckt einen Tipptext in eine PDF-Datei",
        .switches = {{.name = "pdf",
                      .value = "AUSGABE.pdf",
                      .meaning = "die PDF-Datei, die geschrieben wird",
                      .required = true,
                      .kind = ValueKind::File}},
        .operands = "DATEI",
        .operandMeaning = "der Tipptext",
        .operandKind = ValueKind::File,
        .description = "Setzt den Tipptext wie der Druck auf Seiten, schreibt sie als PDF und gibt die Zahl "
                       "der Seiten aus.",
        .examples = {"talvo-cli print-text tipp.txt --pdf tipp.pdf"},
        .helper = Helper::Print,
    });
    table.push_back({
        .name = "export-draws",
        .summary = "gibt Ziehungen als Tabelle oder Arbeitsmappe aus",
        .switches = {history(),
                     {.name = "choice",
                      .value = "C",
                      .meaning = "0 Gewinnzahlen und plus 5, 1 nur Gewinnzahlen, 2 nur plus 5",
                      .required = true},
                     day("from", "erster Tag", true),
                     day("to", "letzter Tag", true),
                     now(),
                     {.name = "xlsx",
                      .value = "DATEI",
                      .meaning = "statt der Ausgabe eine Arbeitsmappe schreiben",
                      .kind = ValueKind::File}},
        .description = "Gibt die Ziehungen des Zeitraums als Tabelle mit Tabulatoren aus oder schreibt sie "
                       "in eine Arbeitsmappe (.xlsx).",
        .examples =
            {"talvo-cli export-draws --history KenoZahlen.tpp --choice 0 --from 01.01.2024 --to 31.12.2024"},
        .helper = Helper::Workbook,
        .helperSwitch = "xlsx",
    });
    table.push_back({
        .name = "version-check",
        .summary = "prüft, ob es eine neue Programmversion gibt",
        .switches = {base(),
                     {.name = "data",
                      .value = "ORDNER",
                      .meaning = "Datenordner für die geladenen Dateien",
                      .kind = ValueKind::Folder},
                     {.name = "download", .meaning = "bei neuer Version das Installationspaket laden"},
                     timeout()},
        .description = "Gibt \"aktuell\" aus oder \"neu\" mit der Version auf dem Server.",
        .examples = {"talvo-cli version-check --base https://talvo.example.net/downloads/"},
        .helper = Helper::Network,
    });
    table.push_back({
        .name = "import",
        .summary = "liest Ziehungen aus einem CSV-Archiv ein",
        .switches = {history("die Ziehungsdatei; fehlt sie, wird sie angelegt"),
                     {.name = "replace", .meaning = "abweichende gespeicherte Ziehungen ersetzen"},
                     {.name = "dry-run", .meaning = "nur berichten, nichts speichern"},
                     now()},
        .operands = "ARCHIV",
        .operandMeaning = "die CSV-Datei mit den Ziehungen",
        .operandKind = ValueKind::File,
        .description = "Fügt die Ziehungen des Archivs in die Ziehungsdatei ein und gibt aus, wie viele "
                       "neu, ersetzt, abweichend, gleich und fehlerhaft waren, dazu je fehlerhafter Zeile "
                       "den Grund.",
        .examples = {"talvo-cli import --history KenoZahlen.tpp --dry-run KENO_ab_2004.csv"},
    });
    table.push_back({
        .name = "export-csv",
        .summary = "gibt Ziehungen als CSV-Archiv aus",
        .switches = {history(), day("from", "erster Tag (Vorgabe: der erste)"),
                     day("to", "letzter Tag (Vorgabe: der letzte)")},
        .description = "Gibt die Ziehungen im Format des CSV-Archivs aus, das import liest.",
        .examples = {"talvo-cli export-csv --history KenoZahlen.tpp --from 01.01.2024 > 2024.csv"},
    });
    table.push_back({
        .name = "undo",
        .summary = "nimmt die letzte Änderung der Ziehungen zurück",
        .switches = {history(),
                     {.name = "list",
                      .meaning = "die Änderungen auflisten, die zurückgenommen werden können"}},
        .description = "Holt die Fassung der Ziehungsdatei vor der letzten Änderung (Import, Aktualisierung, "
                       "Speichern) zurück.",
        .examples = {"talvo-cli undo --history KenoZahlen.tpp"},
    });
    table.push_back({
        .name = "odds",
        .summary = "zeigt Wahrscheinlichkeiten und Gewinnquoten der KENO-Typen",
        .switches = {{.name = "type", .value = "T", .meaning = "nur dieser KENO-Typ (2 bis 10)"}},
        .description = "Gibt je KENO-Typ und Trefferzahl Wahrscheinlichkeit und Quote aus, dazu Rückfluss "
                       "und Gewinnchance des Typs.",
        .examples = {"talvo-cli odds --type 6"},
    });
    table.push_back({
        .name = "backtest",
        .summary = "spielt eine Tippstrategie über vergangene Ziehungen nach",
        .switches = {history(),
                     {.name = "strategy",
                      .value = "S",
                      .meaning = "Strategie: 0 Restanten, 1 Favoriten, 2 beide, 3 Zufall",
                      .required = true},
                     {.name = "type", .value = "T", .meaning = "KENO-Typ von 2 bis 10", .required = true},
                     last(),
                     day("from", "erster Tag des Tests"),
                     day("to", "letzter Tag des Tests"),
                     {.name = "stake",
                      .value = "E",
                      .meaning = "Einsatz in Euro: 1, 2, 5 oder 10 (Vorgabe 1)"},
                     seed("Startwert des Zufalls (Vorgabe: die Uhr)"),
                     {.name = "draws", .meaning = "zuerst jede getestete Ziehung ausgeben"}},
        .description = "Gibt Einsatz, Gewinn, Rückfluss, tiefsten Stand, längste Serie ohne Gewinn und die "
                       "Treffer im Vergleich zur Erwartung aus.",
        .examples = {"talvo-cli backtest --history KenoZahlen.tpp --strategy 0 --type 6 --last 300 --seed 1"},
    });
    table.push_back({
        .name = "paths",
        .summary = "zeigt die Ordner und Dateien des Programms",
        .description = "Gibt Programmordner, Demo-Spielschein, Hilfe und Datenordner aus; fehlt eine Datei, "
                       "endet der Befehl mit 1.",
        .examples = {"talvo-cli paths"},
    });
    return table;
}

} // namespace

const std::vector<CommandSpec>& commandTable() {
    static const std::vector<CommandSpec> table = buildTable();
    return table;
}

const CommandSpec* findCommand(const QString& name) {
    for (const CommandSpec& command : commandTable())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

} // namespace talvo::cli

#include "man_page.h"

#include "command.h"
#include "command_table.h"
#include "help_text.h"

#include "logic/core/version.h"

namespace talvo::cli {

namespace {

// Text as roff shows it literally: backslashes escaped, and a line that starts with a dot
// or an apostrophe is no request.
QString plain(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\n\\&"));
    return QStringLiteral("\\&") + text;
}

// A command line or a switch: its minus signs are the ASCII ones one types.
QString typed(const QString& text) {
    return plain(text).replace(QLatin1Char('-'), QStringLiteral("\\-"));
}

void addCommand(QString& page, const CommandSpec& command) {
    page += QStringLiteral(".SS %1\n").arg(typed(QString::fromUtf8(command.name)));
    page += QStringLiteral("\\fB") + typed(usageLine(command)) + QStringLiteral("\\fR\n.PP\n");
    page += plain(QString::fromUtf8(command.description)) + QLatin1Char('\n');
    if (*command.operands)
        page += QStringLiteral(".TP\n\\fI") + typed(QString::fromUtf8(command.operands)) +
                QStringLiteral("\\fR\n") + plain(QString::fromUtf8(command.operandMeaning)) +
                QLatin1Char('\n');
    for (const Switch& option : command.switches)
        page += QStringLiteral(".TP\n\\fB") + typed(switchText(option)) + QStringLiteral("\\fR\n") +
                plain(QString::fromUtf8(option.meaning)) +
                (option.required ? QStringLiteral(" (nötig)") : QString()) + QLatin1Char('\n');
    page += QStringLiteral(".PP\nBeispiel:\n.RS\n.nf\n");
    for (const char* example : command.examples)
        page += typed(QString::fromUtf8(example)) + QLatin1Char('\n');
    page += QStringLiteral(".fi\n.RE\n");
}

// Every letter beyond ASCII as roff's named Unicode character, so that the page reads
// the same whatever encoding the formatter assumes.
QString asciiOnly(const QString& page) {
    QString out;
    for (const QChar c : page) {
        if (c.unicode() < 0x80)
            out += c;
        else
            out += QStringLiteral("\\[u%1]").arg(
                QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return out;
}

} // namespace

QString manPage() {
    QString page = QStringLiteral(".TH TALVO\\-CLI 1 \"\" \"TALVO %1\" \"TALVO\"\n")
                       .arg(QLatin1String(logic::kVersionText));
    page += QStringLiteral(
        ".SH NAME\n"
        "talvo\\-cli \\- die Logik des KENO\\-Assistenten TALVO für Skripte\n"
        ".SH ÜBERSICHT\n"
        "\\fBtalvo\\-cli\\fR \\fIBEFEHL\\fR [\\fISCHALTER\\fR ...]\n.br\n"
        "\\fBtalvo\\-cli\\fR \\fIBEFEHL\\fR \\fB\\-\\-help\\fR\n.br\n"
        "\\fBtalvo\\-cli \\-\\-help\\fR\n.br\n"
        "\\fBtalvo\\-cli \\-\\-version\\fR\n"
        ".SH BESCHREIBUNG\n"
        "\\fBtalvo\\-cli\\fR rechnet mit derselben Logik wie das Programm \\fBtalvo\\fR: Ziehungen "
        "speichern, einlesen und aktualisieren, Spielscheine auswerten, Statistiken, Tipps und "
        "Exporte. Die Ausgabe ist UTF\\-8, eine Zeile je Datensatz, die Felder durch Tabulatoren "
        "getrennt; Zahlen und Daten stehen so da, wie die Fenster sie zeigen. Daten auf der "
        "Befehlszeile werden als TT.MM.JJJJ geschrieben, \\fB\\-\\-now\\fR nimmt eine Uhrzeit "
        "als \"JJJJ\\-MM\\-TT SS:MM\".\n"
        ".PP\n"
        "Jeder Befehl kennt seine Schalter: ein unbekannter Schalter, ein fehlender Wert, ein "
        "Schalter als Wert eines anderen oder ein doppelt angegebener Schalter wird abgewiesen, "
        "ohne dass etwas geschieht. \\fB\\-h\\fR oder \\fB\\-\\-help\\fR nach einem Befehl zeigt "
        "seine Schalter und Beispiele.\n"
        ".SH BEFEHLE\n");
    for (const CommandSpec& command : commandTable())
        addCommand(page, command);
    page += QStringLiteral(
        ".SH RÜCKGABEWERT\n"
        ".TP\n.B 0\nDer Befehl ist gelungen.\n"
        ".TP\n.B 1\nEin Fehler: eine Datei fehlt oder ist unlesbar, ein Herunterladen misslang, "
        "die Ausgabe konnte nicht geschrieben werden. Die Meldung steht auf der Fehlerausgabe.\n"
        ".TP\n.B 2\nEin falscher Aufruf: unbekannter Befehl oder Schalter, fehlender oder "
        "ungültiger Wert. Es geschieht nichts; die Fehlerausgabe zeigt den Aufruf des Befehls.\n"
        ".SH DATEIEN\n"
        ".TP\n.I ~/.local/share/TALVO/KenoZahlen.tpp\n"
        "Die Ziehungsdatei des Programms \\fBtalvo\\fR; die Befehle nehmen jede Ziehungsdatei, "
        "die \\fB\\-\\-history\\fR nennt. Neben ihr liegen die Sicherungen, die \\fBundo\\fR "
        "zurückholt.\n"
        ".TP\n.I ~/.local/share/TALVO/optionen.kop\n"
        "Die Einstellungen des Programms (\\fBoptions\\fR zeigt sie).\n"
        ".TP\n.I *.tix\n"
        "Spielschein\\-Dateien (\\fBslips\\fR, \\fBevaluate\\fR).\n"
        ".TP\n.I /usr/share/talvo/Demo.tix\n"
        "Der Demo\\-Spielschein.\n"
        ".TP\n.I /usr/libexec/talvo/\n"
        "Die Begleitprogramme für das Drucken (\\fBtalvo\\-cli\\-print\\fR), das Herunterladen "
        "(\\fBtalvo\\-cli\\-net\\fR) und die Arbeitsmappen (\\fBtalvo\\-cli\\-xlsx\\fR); "
        "\\fBtalvo\\-cli\\fR ruft sie selbst auf.\n"
        ".SH SIEHE AUCH\n"
        ".BR talvo (1)\n");
    return asciiOnly(page);
}

} // namespace talvo::cli

#include "help_text.h"

#include "command.h"
#include "command_table.h"

namespace talvo::cli {

namespace {

// The meanings start in one column; a longer name puts its meaning on the next line.
constexpr qsizetype kMeaningColumn = 30;

void addRow(QString& text, const QString& name, const QString& meaning) {
    const QString head = QStringLiteral("  ") + name;
    if (head.size() + 2 > kMeaningColumn)
        text += head + QLatin1Char('\n') + QString(kMeaningColumn, QLatin1Char(' '));
    else
        text += head.leftJustified(kMeaningColumn);
    text += meaning + QLatin1Char('\n');
}

} // namespace

QString switchText(const Switch& option) {
    QString text = QStringLiteral("--") + QString::fromUtf8(option.name);
    if (!option.isFlag())
        text += QLatin1Char(' ') + QString::fromUtf8(option.value);
    return text;
}

QString usageLine(const CommandSpec& command) {
    QString line = QStringLiteral("talvo-cli ") + QString::fromUtf8(command.name);
    for (const Switch& option : command.switches)
        line += option.required ? QLatin1Char(' ') + switchText(option)
                                : QStringLiteral(" [") + switchText(option) + QLatin1Char(']');
    if (*command.operands)
        line += QLatin1Char(' ') + QString::fromUtf8(command.operands);
    return line;
}

QString commandHelp(const CommandSpec& command) {
    QString text = QStringLiteral("Aufruf: ") + usageLine(command) + QStringLiteral("\n\n") +
                   QString::fromUtf8(command.description) + QStringLiteral("\n\n");
    if (*command.operands) {
        text += QStringLiteral("Angaben:\n");
        addRow(text, QString::fromUtf8(command.operands), QString::fromUtf8(command.operandMeaning));
        text += QLatin1Char('\n');
    }
    text += QStringLiteral("Schalter:\n");
    for (const Switch& option : command.switches)
        addRow(text, switchText(option),
               QString::fromUtf8(option.meaning) +
                   (option.required ? QStringLiteral(" (nötig)") : QString()));
    addRow(text, QStringLiteral("-h, --help"), QStringLiteral("diese Hilfe zeigen"));
    text += QStringLiteral("\nBeispiele:\n");
    for (const char* example : command.examples)
        text += QStringLiteral("  ") + QString::fromUtf8(example) + QLatin1Char('\n');
    text += QStringLiteral(
        "\nEnde: 0 erfolgreich, 1 Fehler (Meldung auf der Fehlerausgabe), 2 falscher Aufruf.\n");
    return text;
}

QString commandList() {
    QString text =
        QStringLiteral("Aufruf: talvo-cli BEFEHL [SCHALTER ...]\n"
                       "       talvo-cli BEFEHL --help\n"
                       "       talvo-cli --version\n\n"
                       "Die Logik von TALVO für Skripte: Ausgabe in UTF-8, eine Zeile je Datensatz, "
                       "Felder durch Tabulatoren getrennt.\n\nBefehle:\n");
    for (const CommandSpec& command : commandTable())
        addRow(text, QString::fromUtf8(command.name), QString::fromUtf8(command.summary));
    text += QStringLiteral("\n\"talvo-cli BEFEHL --help\" zeigt die Schalter eines Befehls.\n");
    return text;
}

QString usageHint(const CommandSpec& command) {
    return QStringLiteral("Aufruf: ") + usageLine(command) + QStringLiteral("\n\"talvo-cli ") +
           QString::fromUtf8(command.name) + QStringLiteral(" --help\" zeigt alle Schalter.\n");
}

} // namespace talvo::cli

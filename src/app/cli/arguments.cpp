#include "arguments.h"

#include "command.h"

#include <QDateTime>

namespace talvo::cli {

namespace {

bool isHelp(const QString& word) {
    return word == QStringLiteral("--help") || word == QStringLiteral("-h");
}

// A word that names one of the command's switches (or the help) cannot be a value: it
// shows that the value before it was left out.
bool namesSwitch(const QString& word, const CommandSpec& command) {
    return isHelp(word) || (word.startsWith(QStringLiteral("--")) && command.findSwitch(word.mid(2)));
}

} // namespace

Arguments::Arguments(const QStringList& args, const CommandSpec& command) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (isHelp(word)) {
            helpWanted_ = true;
            continue;
        }
        if (!word.startsWith(QStringLiteral("--")) || word.size() == 2) {
            positional_.append(word);
            continue;
        }
        const QString name = word.mid(2);
        const Switch* option = command.findSwitch(name);
        if (!option) {
            refuse(QStringLiteral("Unbekannter Schalter %1.").arg(word));
            continue;
        }
        if (values_.contains(name))
            refuse(QStringLiteral("Der Schalter %1 ist doppelt angegeben.").arg(word));
        QStringList taken;
        for (int v = 0; v < (option->isFlag() ? 0 : option->valueCount); ++v) {
            if (i + 1 >= args.size() || namesSwitch(args[i + 1], command))
                break;
            taken.append(args[++i]);
        }
        if (!option->isFlag() && taken.size() < option->valueCount)
            refuse(
                option->valueCount == 1
                    ? QStringLiteral("Der Schalter %1 braucht einen Wert.").arg(word)
                    : QStringLiteral("Der Schalter %1 braucht %2 Werte.").arg(word).arg(option->valueCount));
        values_.insert(name, taken);
    }
    // A command that takes no words beside its switches does not pass over one: a stray
    // word is a mistake in the call ("odds 6" for "odds --type 6"), not something to ignore.
    if (*command.operands == '\0' && !positional_.isEmpty())
        refuse(QStringLiteral("Unerwartete Angabe \"%1\".").arg(positional_.first()));
    for (const Switch& option : command.switches)
        if (option.required && !values_.contains(QString::fromUtf8(option.name)))
            refuse(QStringLiteral("Der Schalter --%1 fehlt.").arg(QString::fromUtf8(option.name)));
}

void Arguments::refuse(const QString& text) {
    if (problem_.isEmpty())
        problem_ = text;
}

QString Arguments::required(const QString& name) const {
    if (!has(name))
        throw UsageError{QStringLiteral("Der Schalter --%1 fehlt.").arg(name)};
    return value(name);
}

int Arguments::integer(const QString& name, int fallback) const {
    if (!has(name))
        return fallback;
    bool ok = false;
    const int n = value(name).toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("--%1 erwartet eine ganze Zahl.").arg(name)};
    return n;
}

std::chrono::seconds Arguments::seconds(const QString& name, std::chrono::seconds fallback) const {
    if (!has(name))
        return fallback;
    QString digits = value(name);
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            throw UsageError{QStringLiteral("--%1 erwartet eine ganze Zahl von Sekunden ab 1.").arg(name)};
    }
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (digits.isEmpty())
        throw UsageError{QStringLiteral("--%1 erwartet eine ganze Zahl von Sekunden ab 1.").arg(name)};
    // Beyond some thirty years a limit is no limit; a longer number need not fit any type.
    return std::chrono::seconds(digits.size() > 9 ? 999999999 : digits.toLongLong());
}

QDateTime Arguments::nowDateTime() const {
    if (!has(QStringLiteral("now")))
        return QDateTime::currentDateTime();
    const QDateTime t =
        QDateTime::fromString(value(QStringLiteral("now")), QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!t.isValid())
        throw UsageError{QStringLiteral("--now erwartet \"JJJJ-MM-TT SS:MM\".")};
    return t;
}

logic::DaySerial Arguments::now() const {
    return logic::dateTimeToSerial(nowDateTime());
}

logic::DaySerial parseDate(const QString& text) {
    logic::DaySerial serial = 0;
    if (!logic::textToSerial(text, serial))
        throw UsageError{QStringLiteral("\"%1\" ist kein Datum (TT.MM.JJJJ).").arg(text)};
    return serial;
}

} // namespace talvo::cli

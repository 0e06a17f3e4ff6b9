#include "arguments.h"

#include "command.h"

#include <QDateTime>

namespace talvo::cli {

Arguments::Arguments(const QStringList& args, const QStringList& flags) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QStringLiteral("--")) && a.size() > 2) {
            const QString name = a.mid(2);
            if (flags.contains(name)) {
                values_.insert(name, QString());
            } else {
                if (i + 1 >= args.size())
                    throw UsageError{QStringLiteral("Der Schalter --%1 braucht einen Wert.").arg(name)};
                values_.insert(name, args[++i]);
            }
        } else {
            positional_.append(a);
        }
    }
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

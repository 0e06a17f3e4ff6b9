#include "logic/draws/draw_entry.h"

#include <algorithm>

namespace talvo::logic {

namespace {

constexpr int kPlus5Digits = 5;

bool digitsOnly(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QString markedCountMessage(int marked) {
    if (marked == kDrawNumberCount)
        return QString();
    if (marked <= 0)
        return QStringLiteral("Es ist noch keine Gewinnzahl markiert. Bitte markieren Sie die 20 Zahlen der "
                              "Ziehung.");
    if (marked == 1)
        return QStringLiteral("Es ist erst eine von 20 Gewinnzahlen markiert. Bitte markieren Sie alle 20 "
                              "Zahlen der Ziehung.");
    if (marked < kDrawNumberCount)
        return QStringLiteral("Es sind erst %1 von 20 Gewinnzahlen markiert. Bitte markieren Sie alle 20 "
                              "Zahlen der Ziehung.")
            .arg(marked);
    const int surplus = marked - kDrawNumberCount;
    return QStringLiteral("Es sind %1 Zahlen markiert, eine Ziehung hat aber genau 20 Gewinnzahlen. Bitte "
                          "heben Sie bei %2 die Markierung auf.")
        .arg(marked)
        .arg(surplus == 1 ? QStringLiteral("einer Zahl") : QStringLiteral("%1 Zahlen").arg(surplus));
}

QString plus5EntryMessage(const QString& plus5) {
    if (plus5.isEmpty() || (plus5.size() == kPlus5Digits && digitsOnly(plus5)))
        return QString();
    const QString ask = QStringLiteral("Bitte geben Sie die fünf Ziffern von Ihrer Quittung ein, auch "
                                       "führende Nullen, oder lassen Sie das Feld leer.");
    QString what;
    if (!digitsOnly(plus5))
        what = QStringLiteral("besteht nicht nur aus Ziffern");
    else if (plus5.size() == 1)
        what = QStringLiteral("hat nur eine Ziffer");
    else if (plus5.size() < kPlus5Digits)
        what = QStringLiteral("hat nur %1 Ziffern").arg(plus5.size());
    else
        what = QStringLiteral("hat %1 Ziffern, eine plus 5-Zahl aber genau fünf").arg(plus5.size());
    return QStringLiteral("Die plus 5-Zahl \"%1\" %2. %3").arg(plus5, what, ask);
}

} // namespace talvo::logic

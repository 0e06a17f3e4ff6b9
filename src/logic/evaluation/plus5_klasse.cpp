#include "logic/evaluation/plus5_klasse.h"

#include "logic/core/error.h"
#include "logic/core/zahl_lesen.h"

namespace talvo::logic {

namespace {
std::int32_t plus5Zahl(const QString& text) {
    std::int32_t value = 0;
    if (!ZahlLesen(text, value))
        throw Error(QStringLiteral("\"%1\" ist keine gültige plus 5-Zahl.").arg(text));
    return value;
}
} // namespace

int Plus5Klasse(const QString& ziehung, const QString& schein) {
    if (ziehung.isEmpty())
        return 0;
    const std::int32_t a = plus5Zahl(ziehung);
    const std::int32_t b = plus5Zahl(schein);
    int klasse = 0;
    for (std::int32_t teiler : {10, 100, 1000, 10000}) {
        if (a % teiler != b % teiler)
            return klasse;
        ++klasse;
    }
    return a != b ? 4 : 5;
}

} // namespace talvo::logic

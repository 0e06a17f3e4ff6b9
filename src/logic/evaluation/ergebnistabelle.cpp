#include "logic/evaluation/ergebnistabelle.h"

#include "logic/core/format.h"

#include <QStringList>

namespace talvo::logic {

const QString& Ergebnistabelle::header(int column) {
    static const QStringList headers = {
        QStringLiteral("Tipp"),    QStringLiteral("Typ"),          QStringLiteral("Treffer"),
        QStringLiteral("Einsatz"), QStringLiteral("Faktor"),       QStringLiteral("Gewinn"),
        QStringLiteral("plus 5"),  QStringLiteral("Gesamtgewinn"), QStringLiteral("Saldo")};
    static const QString none;
    return column >= 0 && column < kSpalten ? headers[column] : none;
}

QString Ergebnistabelle::cell(std::size_t row, int column) const {
    if (row >= rows.size())
        return {};
    const ErgebnisZeile& z = rows[row];
    const bool prize = z.faktor > 0;
    switch (column) {
    case 0:
        return QString::number(z.tipp);
    case 1:
        return QString::number(z.typ);
    case 2:
        return QString::number(z.treffer);
    case 3:
        return QString::number(z.einsatz);
    case 4:
        return prize ? QString::number(z.faktor) : QString();
    case 5:
        return prize ? QString::number(z.gewinn) : QString();
    case 6:
        return z.plus5 >= 0 ? QString::number(z.plus5) : QString();
    case 7:
        return prize ? QString::number(z.gesamtgewinn) : QString();
    case 8:
        return formatNumber(z.saldo, 2);
    default:
        return {};
    }
}

} // namespace talvo::logic

#include "logic/evaluation/result_table.h"

#include "logic/core/format.h"

#include <QStringList>

namespace talvo::logic {

const QString& ResultTable::header(int column) {
    static const QStringList headers = {
        QStringLiteral("Tipp"),    QStringLiteral("Typ"),          QStringLiteral("Treffer"),
        QStringLiteral("Einsatz"), QStringLiteral("Faktor"),       QStringLiteral("Gewinn"),
        QStringLiteral("plus 5"),  QStringLiteral("Gesamtgewinn"), QStringLiteral("Saldo")};
    static const QString none;
    return column >= 0 && column < kColumns ? headers[column] : none;
}

QString ResultTable::cell(std::size_t row, int column) const {
    if (row >= rows.size())
        return {};
    const ResultRow& z = rows[row];
    const bool prize = z.factor > 0;
    switch (column) {
    case 0:
        return QString::number(z.tip);
    case 1:
        return QString::number(z.kenoType);
    case 2:
        return QString::number(z.hits);
    case 3:
        return QString::number(z.stake);
    case 4:
        return prize ? QString::number(z.factor) : QString();
    case 5:
        return prize ? QString::number(z.prize) : QString();
    case 6:
        return z.plus5Class >= 0 ? QString::number(z.plus5Class) : QString();
    case 7:
        // A plus 5 prize shows the total also on a row whose game won nothing.
        return prize || z.plus5Prize > 0 ? QString::number(z.totalPrize) : QString();
    case 8:
        return formatNumber(z.balance, 2);
    default:
        return {};
    }
}

} // namespace talvo::logic

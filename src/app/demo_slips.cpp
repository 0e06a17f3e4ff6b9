// Writes Demo.tix, the play-slip file the main window offers new users: a few slips
// that show continuous play, the KENO types, stakes and plus 5.

#include "logic/core/records.h"
#include "logic/core/slip_file.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>
#include <initializer_list>
#include <vector>

namespace {

using talvo::logic::SlipRecord;

SlipRecord demoSlip(int number, const char* name, int einsatz, int dauer, const QDate& ab,
                    std::initializer_list<std::vector<int>> fields, const char* plus5 = nullptr) {
    SlipRecord s;
    s.Nr = number;
    s.einsatz = static_cast<std::uint8_t>(einsatz);
    s.dauer = static_cast<std::uint8_t>(dauer);
    s.ab = talvo::logic::dateToSerial(ab);
    s.name.setText(QString::fromUtf8(name));
    if (plus5) {
        s.p5 = 1;
        s.plus5.setText(QString::fromLatin1(plus5));
    }
    int f = 0;
    for (const auto& numbers : fields) {
        s.typ[f] = static_cast<std::uint8_t>(numbers.size());
        for (std::size_t j = 0; j < numbers.size(); ++j)
            s.typZ[f][j] = static_cast<std::uint8_t>(numbers[j]);
        ++f;
    }
    return s;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "Aufruf: talvo-demo-slips ZIELDATEI\n";
        return 2;
    }
    const QDate start(2004, 2, 2);
    const talvo::logic::SlipList slips = {
        // Continuous play since the very first draw: one result table per draw.
        demoSlip(1, "Dauerschein", 0, 0, start,
                 {{3, 11, 19, 24, 32, 40, 47, 55, 61, 68}, {7, 14, 21, 28, 35, 42, 49}}),
        // One field of each small type, for a week of draws.
        demoSlip(2, "Kleine Typen", 1, 6, start,
                 {{12, 45}, {5, 23, 67}, {9, 18, 36, 54}, {2, 30, 44, 58, 66}}),
        // Plus 5 costs 0.75 euro per draw; the result shows the matching final digits.
        demoSlip(3, "Mit plus 5", 2, 7, QDate(2004, 3, 6),
                 {{4, 16, 27, 39, 51, 63}, {1, 10, 20, 31, 41, 50, 60, 70}}, "12345"),
        // Types 8 to 10 also pay when no number is hit.
        demoSlip(4, "Hohe Typen", 3, 10, QDate(2005, 1, 3),
                 {{6, 13, 22, 29, 38, 46, 53, 59}, {8, 15, 26, 34, 43, 52, 57, 64, 69}}),
    };
    try {
        talvo::logic::saveSlips(QString::fromLocal8Bit(argv[1]), slips);
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    return 0;
}

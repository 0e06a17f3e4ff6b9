// Writes a generated draw history, for trying the program by hand:
//   talvo-make-history FILE [DRAWS [SEED]]
// Without DRAWS it covers every draw day from 02.02.2004 to yesterday.

#include "tools/generated_history.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 4) {
        QTextStream(stderr) << "Aufruf: talvo-make-history DATEI [ZIEHUNGEN [SAAT]]\n";
        return 2;
    }
    const int count =
        args.size() > 2 ? args[2].toInt()
                        : talvo::tools::drawDaysBetween(QDate(2004, 2, 2), QDate::currentDate().addDays(-1));
    const quint32 seed = args.size() > 3 ? args[3].toUInt() : 1;
    try {
        talvo::logic::saveDrawHistory(args[1],
                                      talvo::tools::generatedHistory(count, QDate(2004, 2, 2), seed));
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    return 0;
}

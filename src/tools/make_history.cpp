// Writes a generated draw history, for trying the program by hand:
//   talvo-make-history FILE [DRAWS [SEED]]
// Without DRAWS it covers every draw day from 02.02.2004 to yesterday.

#include "tools/generated_history.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString usage = QStringLiteral("Aufruf: talvo-make-history DATEI [ZIEHUNGEN [SAAT]]\n");
    if (args.size() == 2 && (args[1] == QLatin1String("--help") || args[1] == QLatin1String("-h"))) {
        QTextStream(stdout) << usage;
        return 0;
    }
    bool countOk = true;
    bool seedOk = true;
    const int count =
        args.size() > 2 ? args[2].toInt(&countOk)
                        : talvo::tools::drawDaysBetween(QDate(2004, 2, 2), QDate::currentDate().addDays(-1));
    const quint32 seed = args.size() > 3 ? args[3].toUInt(&seedOk) : 1;
    // A switch is no file name: "--help" once wrote a history of that name.
    if (args.size() < 2 || args.size() > 4 || args[1].startsWith(QLatin1Char('-')) || !countOk || count < 0 ||
        !seedOk) {
        QTextStream(stderr) << usage;
        return 2;
    }
    try {
        talvo::logic::saveDrawHistory(args[1],
                                      talvo::tools::generatedHistory(count, QDate(2004, 2, 2), seed));
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    return 0;
}

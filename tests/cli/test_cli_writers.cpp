// Two programs changing the same draw history at once: each change is kept, or refused
// with a message; none is lost while both report success.

#include "logic/core/history_file.h"
#include "support/cli_runner.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"
#include "support/temp_files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talvo;

namespace {

QString numbers(int from) {
    QStringList list;
    for (int n = from; n < from + 20; ++n)
        list << QString::number(n);
    return list.join(u' ');
}

struct Outcome {
    int exitCode;
    QString err;
};

Outcome finish(QProcess& p) {
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

// Whether the history holds a draw of that date with the numbers from..from+19.
bool holds(const logic::DrawHistory& h, const QDate& date, int from) {
    for (const logic::DrawRecord& d : h) {
        if (logic::serialToDate(d.datum) == date)
            return d.GZ[0] == from && d.GZ[19] == from + 19;
    }
    return false;
}

TEST(CliWriters, TwoWritersAtOnceNeverLoseAChange) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    // Monday 04.03. to Saturday 09.03.2024; one writer stores 11.03., the other imports 12.03.
    const logic::DrawHistory start = test::drawDays(QDate(2024, 3, 4), 6);
    QString csv = QStringLiteral("Datum");
    for (int i = 1; i <= 20; ++i)
        csv += QStringLiteral(";Keno_Z%1").arg(i);
    csv += QStringLiteral("\r\n12.03.2024;") + numbers(41).replace(u' ', u';') + QStringLiteral("\r\n");
    const QString archive = test::writeFile(dir, QStringLiteral("archiv.csv"), csv.toUtf8());
    const QString now = QStringLiteral("2024-03-12 20:00");

    int bothKept = 0;
    int refused = 0;
    for (int run = 0; run < 50; ++run) {
        logic::saveDrawHistory(history, start);
        QProcess store;
        QProcess import;
        store.start(QStringLiteral(TALVO_CLI),
                    {QStringLiteral("store"), QStringLiteral("--history"), history,
                     QStringLiteral("--position"), QStringLiteral("7"), QStringLiteral("--date"),
                     QStringLiteral("11.03.2024"), QStringLiteral("--numbers"), numbers(21),
                     QStringLiteral("--now"), now});
        import.start(QStringLiteral(TALVO_CLI), {QStringLiteral("import"), QStringLiteral("--history"),
                                                 history, archive, QStringLiteral("--now"), now});
        const Outcome stored = finish(store);
        const Outcome imported = finish(import);
        const logic::DrawHistory h = logic::loadDrawHistory(history);
        for (const Outcome& o : {stored, imported}) {
            ASSERT_TRUE(o.exitCode == 0 || o.exitCode == 1) << "run " << run << ": " << o.err.toStdString();
            if (o.exitCode == 1) {
                EXPECT_TRUE(o.err.contains(QStringLiteral("von einem anderen Programm geändert")))
                    << "run " << run << ": " << o.err.toStdString();
                ++refused;
            }
        }
        if (stored.exitCode == 0)
            EXPECT_TRUE(holds(h, QDate(2024, 3, 11), 21)) << "run " << run << ": the stored draw is lost";
        if (imported.exitCode == 0)
            EXPECT_TRUE(holds(h, QDate(2024, 3, 12), 41)) << "run " << run << ": the imported draw is lost";
        for (std::size_t i = 1; i < h.size(); ++i)
            ASSERT_LT(h[i - 1].datum, h[i].datum) << "run " << run;
        bothKept += stored.exitCode == 0 && imported.exitCode == 0 ? 1 : 0;
    }
    std::printf("two writers at once, 50 runs: both changes kept %d times, %d refused\n", bothKept, refused);
}

} // namespace

// Writes the seed corpus of every fuzz target into the folder given: files as the
// program and the tests make them, so the fuzzers start from inputs that go deep.

#include "fuzz_support.h"
#include "tools/generated_history.h"

#include "logic/draws/archive_export.h"
#include "logic/draws/draw_sets.h"
#include "logic/export/tip_text.h"
#include "logic/settings/options_file.h"
#include "logic/update/program_update.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <cstdio>

using namespace talvo;
using namespace talvo::logic;

namespace {

QString root;

void seed(const QString& target, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(root + target);
    QFile f(root + target + u'/' + name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write seed %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
}

void historySeeds() {
    const DrawHistory generated = tools::generatedHistory(60, QDate(2025, 3, 1));
    seed("history", "generated", drawsToBytes(generated));
    // Placeholders for days still missing, Sunday draws, and a piece of a record at the end.
    DrawHistory gaps = test::drawDays(QDate(2024, 12, 20), 30, QDate(2025, 1, 5));
    gaps[4].GZ.fill(0);
    gaps[9].GZ.fill(0);
    seed("history", "gaps-and-sundays", drawsToBytes(gaps));
    seed("history", "partial-record", drawsToBytes(generated).left(40 * 5 + 17));
}

void slipSeeds() {
    SlipList slipRecords = fuzz::slips();
    slipRecords.push_back(test::slip({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                      {11, 12, 13},
                                      {14, 15, 16, 17, 18},
                                      {19, 20, 21, 22, 23, 24, 25},
                                      {69, 70}},
                                     1, 5, QDate(2025, 1, 7), QStringLiteral("Fünf Felder")));
    seed("slips", "demo", slipsToBytes(slipRecords));
    seed("slips", "one", slipsToBytes({slipRecords.front()}));
}

void optionSeeds() {
    OptionsRecord e;
    seed("options", "empty", e.toBytes());
    e.farbschema = 3;
    e.einsatzIndex = 2;
    e.laufzeitIndex = 4;
    e.statAnzahlIndex = 1;
    e.tippBereich = 2;
    e.tippTyp = {3, 5, 0, 0, 9};
    e.scheinTyp = {1, 2, 3, 4, 5};
    e.startDatei.setText(QStringLiteral("/home/spieler/Meine Scheine.tix"));
    e.plus5Mitspiel = 1;
    seed("options", "chosen", e.toBytes());
}

void drawSetSeeds() {
    const QString folder = root + QStringLiteral("draw_set/");
    QDir().mkpath(folder);
    writeDrawSets(tools::generatedHistory(100, QDate(2025, 2, 1)), folder);
    QFile::remove(folder + QStringLiteral("gz300.tpp"));
}

void pastedTextSeeds() {
    seed("pasted_text", "web",
         "Gewinnzahlen vom 12.03.2024: 3, 07, 12, 19, 23, 28, 31, 36, 40, 44, 47, 50, 53, "
         "57, 60, 62, 65, 66, 68, 70\nplus 5: 04711");
    seed("pasted_text", "hex", "  -$7FFFFFFF");
    seed("pasted_text", "limit", "-2147483648");
    seed("pasted_text", "prefix", "0x1f");
}

void archiveSeeds() {
    const QString csv = drawsAsArchiveCsv(tools::generatedHistory(40, QDate(2025, 4, 1)));
    seed("archive", "export", csv.toUtf8());
    seed("archive", "utf16", QByteArray("\xFF\xFE") + QStringEncoder(QStringConverter::Utf16LE).encode(csv));
    seed("archive", "spreadsheet",
         "Datum,Keno_Z1,Keno_Z2,Keno_Z3,Keno_Z4,Keno_Z5,Keno_Z6,Keno_Z7,Keno_Z8,Keno_Z9,Keno_Z10,Keno_Z11,"
         "Keno_Z12,Keno_Z13,Keno_Z14,Keno_Z15,Keno_Z16,Keno_Z17,Keno_Z18,Keno_Z19,Keno_Z20,Keno_Plus5,"
         "Keno_Spieleinsatz\r\n"
         "2025-06-02,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,\"01234\",\"304.198,00\"\r\n"
         "31.02.2025,1,2,3\r\n");
}

void tipTextSeeds() {
    seed("tip_text", "tip",
         tipTextBytes({QStringLiteral("Tipp-Nr.: 1"), QStringLiteral("Restanten"), QString(),
                       QStringLiteral("KENO-Typ 6: 3 - 7 - 12 - 19 - 44 - 70"),
                       QStringLiteral("Grüße, 5 €")}));
    seed("tip_text", "mixed-ends", "erste\rzweite\nletzte ohne Ende");
}

void versionFileSeeds() {
    // The server's record: eight bytes the program skips, then the version as a short string.
    QByteArray record(VersionRecord::kSize, '\0');
    record.replace(0, 8, "TALVOVER");
    record[8] = 7;
    record.replace(9, 7, "1.7.2.0");
    seed("version_file", "newer", record);
    seed("version_file", "short", record.left(10));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SEED_FOLDER\n", argv[0]);
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]) + u'/';
    historySeeds();
    slipSeeds();
    optionSeeds();
    drawSetSeeds();
    pastedTextSeeds();
    archiveSeeds();
    tipTextSeeds();
    versionFileSeeds();
    return 0;
}

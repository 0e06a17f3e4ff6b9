#pragma once

#include <QString>

namespace talvo::logic {

inline constexpr char kProductName[] = "TALVO";

// The program-wide paths, fixed once at start-up. Folders end with '/'.
struct AppPaths {
    QString programDir; // where the executable and Demo.tix lie
    QString dataDir;    // every data file of the user
    QString helpFile;       // the compiled help, beside the program
    QString helpCollection; // the user's own register of the help and its search index

    QString historyFile() const { return dataDir + QStringLiteral("KenoZahlen.tpp"); }
    QString optionsFile() const { return dataDir + QStringLiteral("optionen.kop"); }

    // The user's data folder "TALVO" (created when missing) and the given program folder.
    static AppPaths forUser(const QString& programDir);
};

} // namespace talvo::logic

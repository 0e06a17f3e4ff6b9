#pragma once

#include <QString>

namespace talvo::logic {

inline constexpr char kProductName[] = "TALVO";

// The program-wide paths, fixed once at start-up. Folders end with '/'.
struct AppPaths {
    QString programDir;     // where Demo.tix and the help lie
    QString dataDir;        // every data file of the user
    QString helpFile;       // the compiled help, beside the program
    QString helpCollection; // the user's own register of the help and its search index

    QString historyFile() const { return dataDir + QStringLiteral("KenoZahlen.tpp"); }
    QString optionsFile() const { return dataDir + QStringLiteral("optionen.kop"); }
    QString demoFile() const { return programDir + QStringLiteral("Demo.tix"); }

    // The user's data folder "TALVO" (created when missing) and the given program folder.
    static AppPaths forUser(const QString& programDir);
    // The program folder of an executable in that folder: the shared folder of an
    // installation when there is one, otherwise the executable's own folder, as in the
    // build tree.
    static QString programFolder(const QString& executableFolder);
};

} // namespace talvo::logic

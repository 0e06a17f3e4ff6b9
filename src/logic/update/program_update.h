#pragma once

#include "logic/core/records.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace talvo::logic {

inline constexpr char kVersionFile[] = "version.tlv";

// The version text of the local copy of the version file, its control characters as
// blanks: it is shown and printed as it stands. Throws Error (German) for a
// file shorter than one record and for a text that is empty or longer than 15 characters.
QString readVersionFile(const QString& path);

// Shown when no version file could be fetched; `host` names the program's web site.
QString versionNotCheckableMessage(const QString& host);
// Shown when the installer could not be fetched.
inline constexpr char kInstallerDownloadFailedMessage[] =
    "Das Herunterladen hat nicht geklappt.\r\rVersuchen Sie es später noch einmal.";

// Whether the server offers this program's own version: the texts are compared as they
// stand, without any order of versions, so an older version counts as another one.
bool isCurrentVersion(const QString& serverText);

// The script that removes the old program once it has ended: it repeats deleting `exe`
// until that succeeds, removes the program's folder `folder` (ending with its separator)
// and deletes itself, `script`. Five lines in Windows-1252, each ended by CR LF, every
// path in quotes. Throws Error when a path holds a character Windows-1252 cannot write:
// the script would never find that file.
QByteArray selfDeleteScript(const QString& exe, const QString& folder, const QString& script);

} // namespace talvo::logic

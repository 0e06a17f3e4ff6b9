#pragma once

#include <QString>
#include <QStringList>

namespace talvo::logic {

// Tip text files (".ktp"): plain text in Windows-1252, every line ended by CR LF.

// The lines of a tip text file. CR LF and a bare LF both end a line; a final line end
// ends the last line and starts no empty one. Throws Error when the file cannot be read
// or holds more than kMaxTippTextBytes, far beyond any text of tips.
inline constexpr qint64 kMaxTippTextBytes = 4 * 1024 * 1024;
QStringList TippTextLesen(const QString& path);
// Writes the lines, each ended by CR LF, atomically. Throws Error when that fails.
void TippTextSchreiben(const QString& path, const QStringList& lines);

} // namespace talvo::logic

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace talvo::logic {

// Tip text files ("*.ktp"): plain text in Windows-1252, every line ended by CR LF.

// The lines of a text held as one string: '\n' separates them, and a final line end
// ends the last line without starting an empty one (so "" has no line at all).
QStringList textLines(const QString& text);
// The inverse: every line followed by '\n'.
QString textOfLines(const QStringList& lines);

// The lines of a file's bytes. CR LF, LF and a lone CR each end a line.
QStringList tipTextLines(const QByteArray& bytes);
QByteArray tipTextBytes(const QStringList& lines);

// Whether every character of the text survives a tip text file; the others are stored
// as '?'.
bool fitsTipText(const QString& text);

// Both throw Error with a German text; a failed write keeps the previous file. A file
// beyond kMaxTipTextBytes, far more than any text of tips, is refused unread.
inline constexpr qint64 kMaxTipTextBytes = 4 * 1024 * 1024;
QStringList readTipText(const QString& path);
void writeTipText(const QString& path, const QStringList& lines);

} // namespace talvo::logic

#pragma once

#include <QByteArray>
#include <QString>

namespace talvo::logic {

// Whole-file access shared by every file the program reads or writes. Both throw Error
// with a German text naming the file.

// Reads a regular file of at most maxBytes bytes. A folder, a pipe or a device is refused
// before it is opened (a pipe would block, a device may never end), and so is a file
// larger than the cap that fits its kind.
QByteArray readWholeFile(const QString& path, qint64 maxBytes);

// Replaces the file atomically. The write, the flush and the commit are checked each on
// its own: on any failure (a full disk, a missing right) the previous file stays whole.
void writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace talvo::logic

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace talvo::logic {

// Whole-file access shared by every file the program reads or writes. Both throw Error
// with a German text naming the file.

// A regular file opened to be read piece by piece, never more than maxBytes and one byte
// beyond, whatever size the file claims. A folder, a pipe or a device is refused before it
// is opened (a pipe would block, a device may never end), and so is anything under /proc
// or /sys, whose files claim no size and may wait for ever; a file larger than the cap
// that fits its kind is refused as soon as its size or its reading shows it.
class CappedFileReader {
  public:
    CappedFileReader(const QString& path, qint64 maxBytes);

    // Fills `into` with up to `size` bytes; 0 at the end of the file.
    qint64 read(char* into, qint64 size);
    // The size the file claims, for progress reports only.
    qint64 claimedSize() const { return file_.size(); }

  private:
    QString path_;
    qint64 maxBytes_;
    qint64 done_ = 0;
    QFile file_;
};

// Reads a whole regular file of at most maxBytes bytes, refusing as CappedFileReader does.
QByteArray readWholeFile(const QString& path, qint64 maxBytes);

// Replaces the file atomically. The write, the flush and the commit are checked each on
// its own: on any failure (a full disk, a missing right) the previous file stays whole.
void writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace talvo::logic

#pragma once

#include <QByteArray>
#include <QString>

namespace talvo::logic {

// Whole-file access shared by every record file of the program. Both throw Error with
// a German text naming the file.
QByteArray readWholeFile(const QString& path);
// Replaces the file atomically: on any failure the previous file stays as it was.
void writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace talvo::logic

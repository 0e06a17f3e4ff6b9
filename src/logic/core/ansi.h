#pragma once

#include <QByteArray>
#include <QString>

namespace talvo::logic {

// The records keep their texts as single bytes in Windows-1252. These two routines are
// the only place where such bytes become text and back.
QString ansiToText(const QByteArray& bytes);
// Characters that Windows-1252 cannot hold become '?'.
QByteArray textToAnsi(const QString& text);
// Whether Windows-1252 holds every character of the text.
bool fitsAnsi(const QString& text);

} // namespace talvo::logic

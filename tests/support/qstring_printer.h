#pragma once

// Lets GoogleTest show QString values as text when a comparison fails.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

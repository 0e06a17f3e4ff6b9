#pragma once

#include <QString>

namespace talvo::logic {

// A message the window shows in a box when a check of the slip logic fails.
struct Meldung {
    enum class Art { Information, Fehler };
    Art art;
    QString text;
    bool operator==(const Meldung&) const = default;
};

} // namespace talvo::logic

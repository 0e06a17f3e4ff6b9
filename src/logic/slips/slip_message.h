#pragma once

#include <QString>

namespace talvo::logic {

// A message the window shows in a box when a check of the slip logic fails.
struct SlipMessage {
    enum class Kind { Information, Critical };
    Kind kind;
    QString text;
    bool operator==(const SlipMessage&) const = default;
};

} // namespace talvo::logic

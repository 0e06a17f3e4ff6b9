#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace talvo::logic {

// A length-prefixed text field of a record: one length byte, then MaxLen character
// bytes. All bytes are kept as read, so an unchanged record is written back unchanged.
template <int MaxLen> struct ShortString {
    std::uint8_t length = 0;
    std::array<char, MaxLen> chars{};

    static constexpr int kSize = MaxLen + 1;

    QString text() const;
    // Keeps the first MaxLen characters; the bytes after the text become zero.
    void setText(const QString& value);
    bool operator==(const ShortString&) const = default;
};

} // namespace talvo::logic

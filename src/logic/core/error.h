#pragma once

#include <QString>
#include <stdexcept>

namespace talvo::logic {

// A failure the user is told about: the text is German and shown as it stands by the
// program's general error handling.
class Error : public std::runtime_error {
  public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

  private:
    QString text_;
};

} // namespace talvo::logic

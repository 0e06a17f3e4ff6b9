#pragma once

#include <QByteArray>

namespace talvo::platform {

// Takes what a library prints on the standard error while this object lives, instead of
// letting it reach the user's terminal in English; the program names the failure itself.
// Anything beyond a pipe's buffer is dropped rather than waited for.
class StderrCapture {
  public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // What arrived so far.
    QByteArray text();

  private:
    int saved_ = -1;
    int readEnd_ = -1;
    QByteArray text_;
};

} // namespace talvo::platform

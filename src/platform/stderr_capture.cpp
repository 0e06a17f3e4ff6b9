#include "platform/stderr_capture.h"

#include <cstdio>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace talvo::platform {

StderrCapture::StderrCapture() {
#if defined(Q_OS_UNIX)
    int ends[2];
    if (pipe(ends) != 0)
        return;
    // Neither side may ever block: a library that prints a lot loses the rest.
    fcntl(ends[0], F_SETFL, O_NONBLOCK);
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    if (saved_ < 0 || dup2(ends[1], STDERR_FILENO) < 0) {
        if (saved_ >= 0)
            close(saved_);
        saved_ = -1;
        close(ends[0]);
    } else {
        readEnd_ = ends[0];
    }
    close(ends[1]);
#endif
}

StderrCapture::~StderrCapture() {
#if defined(Q_OS_UNIX)
    if (saved_ < 0)
        return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    close(readEnd_);
#endif
}

QByteArray StderrCapture::text() {
#if defined(Q_OS_UNIX)
    if (readEnd_ < 0)
        return text_;
    std::fflush(stderr);
    char piece[4096];
    ssize_t got = 0;
    while ((got = read(readEnd_, piece, sizeof piece)) > 0)
        text_.append(piece, got);
#endif
    return text_;
}

} // namespace talvo::platform

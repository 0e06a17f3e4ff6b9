#include "platform/shell.h"

#include <QFileInfo>
#include <QUrl>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <QProcess>
#else
#include <QDesktopServices>
#endif

namespace talvo::platform {

namespace {

std::function<bool(const QString&)> testOpener;

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// QDesktopServices reports success on Linux even when nothing opened the address, so
// xdg-open is asked directly and judged by its exit code. An opener still running after
// a while has taken the address (a browser started in the foreground): that counts as
// opened, and the process is left to end on its own.
bool openWithDesktop(const QString& address) {
    constexpr int kAnswerWait = 3000;
    auto* process = new QProcess;
    process->start(QStringLiteral("xdg-open"), {address});
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (process->waitForFinished(kAnswerWait)) {
        const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        return opened;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}
#else
bool openWithDesktop(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}
#endif

} // namespace

bool shellOpen(const QString& target) {
    const QString address = QFileInfo::exists(target) ? QUrl::fromLocalFile(target).toString() : target;
    return testOpener ? testOpener(address) : openWithDesktop(address);
}

void setShellOpenerForTests(std::function<bool(const QString& address)> opener) {
    testOpener = std::move(opener);
}

} // namespace talvo::platform

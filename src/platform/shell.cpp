#include "platform/shell.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QUrl>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <QProcess>
#else
#include <QDesktopServices>
#endif
#ifdef Q_OS_WIN
#include <QProcess>
#include <windows.h>
#endif

namespace talvo::platform {

namespace {

std::function<bool(const QString&)> testOpener;

QString desktopAddress(const QString& target) {
    return QFileInfo::exists(target) ? QUrl::fromLocalFile(target).toString() : target;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// QDesktopServices reports success on Linux even when nothing opened the address, so
// xdg-open is asked directly and judged by its exit code.
QProcess* startXdgOpen(const QString& address, QObject* parent) {
    auto* process = new QProcess(parent);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(QStringLiteral("xdg-open"), {address});
    return process;
}

bool opened(const QProcess& process) {
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// An opener still running after a while has taken the address (a browser started in
// the foreground): that counts as opened, and the process is left to end on its own.
bool openWithDesktop(const QString& address) {
    constexpr int kAnswerWait = 3000;
    QProcess* process = startXdgOpen(address, nullptr);
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (process->waitForFinished(kAnswerWait)) {
        const bool answer = opened(*process);
        delete process;
        return answer;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}

// xdg-open may wait for the program it starts; the caller's thread never waits for it.
void openWithDesktopLater(const QString& address, QObject* context, const std::function<void(bool)>& done) {
    QProcess* process = startXdgOpen(address, context);
    QObject::connect(process, &QProcess::finished, context, [process, done] {
        process->deleteLater();
        done(opened(*process));
    });
    QObject::connect(process, &QProcess::errorOccurred, context,
                     [process, done](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         process->deleteLater();
                         done(false);
                     });
}
#else
bool openWithDesktop(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

void openWithDesktopLater(const QString& address, QObject* context, const std::function<void(bool)>& done) {
    const bool answer = openWithDesktop(address);
    QMetaObject::invokeMethod(
        context, [done, answer] { done(answer); }, Qt::QueuedConnection);
}
#endif

} // namespace

bool shellOpen(const QString& target) {
    const QString address = desktopAddress(target);
    return testOpener ? testOpener(address) : openWithDesktop(address);
}

void shellOpenAsync(const QString& target, QObject* context, std::function<void(bool opened)> done) {
    const QString address = desktopAddress(target);
    if (testOpener) {
        // The seam answers at once; the answer still comes later, as the desktop's would.
        const bool answer = testOpener(address);
        QMetaObject::invokeMethod(
            context, [done, answer] { done(answer); }, Qt::QueuedConnection);
        return;
    }
    openWithDesktopLater(address, context, done);
}

void setShellOpenerForTests(std::function<bool(const QString& address)> opener) {
    testOpener = std::move(opener);
}

#ifdef Q_OS_WIN
bool runHiddenBatch(const QString& script) {
    QProcess process;
    process.setProgram(QStringLiteral("cmd.exe"));
    process.setArguments({QStringLiteral("/C"), script});
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_HIDE;
    });
    return process.startDetached();
}
#endif

} // namespace talvo::platform

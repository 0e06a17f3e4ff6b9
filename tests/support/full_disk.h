#pragma once

// Runs a piece of a test in a child process whose writes into one folder fail as on a
// full disk. The real failure is wanted, not a device that pretends: Qt buffers small
// writes and only a real system call shows whether a writer checks every step.
//
// As root the child gets its own mount namespace and a 64 KiB tmpfs over the folder,
// filled up to the last byte, with the folder's files copied onto it before and back
// after. Where namespaces are not allowed, a file size limit of zero makes every write
// to a regular file fail (EFBIG) along the same code path.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

#include <cerrno>
#include <functional>
#include <optional>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace talvo::test {

namespace full_disk_detail {

inline QMap<QString, QByteArray> takeFiles(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            files.insert(name, f.readAll());
    }
    return files;
}

inline bool putFiles(const QString& folder, const QMap<QString, QByteArray>& files) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    for (auto it = files.begin(); it != files.end(); ++it) {
        QFile f(dir.filePath(it.key()));
        if (!f.open(QIODevice::WriteOnly) || f.write(it.value()) != it.value().size() || !f.flush())
            return false;
    }
    return true;
}

inline void fillUp(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, '\0');
    while (f.write(block) > 0) {
    }
    f.write(block.left(1)); // the last partial block
}

// 0: the folder lies on a full tmpfs; 1: only file size limits; -1: neither works.
inline int prepareChild(const QString& folder) {
    const QByteArray where = QFile::encodeName(folder);
    if (unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0) {
        const auto files = takeFiles(folder);
        if (mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") == 0) {
            if (!putFiles(folder, files))
                return -1;
            fillUp(folder + QStringLiteral("/.filler"));
            return 0;
        }
    }
    signal(SIGXFSZ, SIG_IGN);
    const rlimit none{0, 0};
    return setrlimit(RLIMIT_FSIZE, &none) == 0 ? 1 : -1;
}

inline void finishChild(const QString& folder, int way) {
    if (way != 0)
        return;
    auto files = takeFiles(folder);
    files.remove(QStringLiteral(".filler"));
    umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    putFiles(folder, files);
}

} // namespace full_disk_detail

// Runs `body` in a child process with `folder` full; the folder holds afterwards what
// the child left in it. Returns the text the body returned, or nothing when the child
// could make no write fail (the caller skips the test then). Only for processes that
// run no threads of their own, as the child goes on after fork().
inline std::optional<QString> onFullDisk(const QString& folder, const std::function<QString()>& body) {
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const int way = full_disk_detail::prepareChild(folder);
        QByteArray answer = "-";
        if (way >= 0)
            answer = "+" + body().toUtf8();
        full_disk_detail::finishChild(folder, way);
        for (qsizetype done = 0; done < answer.size();) {
            const ssize_t n = write(channel[1], answer.constData() + done, answer.size() - done);
            if (n <= 0)
                break;
            done += n;
        }
        _exit(0);
    }
    close(channel[1]);
    QByteArray answer;
    char piece[4096];
    ssize_t n = 0;
    while ((n = read(channel[0], piece, sizeof piece)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0)
            answer.append(piece, n);
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (answer == "-")
        return std::nullopt;
    if (!answer.startsWith('+')) // a crash must fail the test, not skip it
        return QStringLiteral("(the child ended without an answer, status %1)").arg(status);
    return QString::fromUtf8(answer.mid(1));
}

} // namespace talvo::test

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace talvo::test {

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliResult runCli(const QStringList& args, const QByteArray& input = {},
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TALVO_CLI), args);
    p.waitForStarted();
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace talvo::test

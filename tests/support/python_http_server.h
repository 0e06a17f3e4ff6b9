#pragma once

// Debian's python3 http.server on 127.0.0.1, serving one folder, for tests that run a
// separate program (whose waiting would block an in-process server).

#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace talvo::test {

class PythonHttpServer {
  public:
    explicit PythonHttpServer(const QString& folder) {
        process_.setWorkingDirectory(folder);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(QStringLiteral("python3"),
                       {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                        QStringLiteral("0"), QStringLiteral("--bind"), QStringLiteral("127.0.0.1")});
        static const QRegularExpression portLine(QStringLiteral("port (\\d+)"));
        QString seen;
        while (port_ == 0 && process_.waitForReadyRead(10000)) {
            seen += QString::fromUtf8(process_.readAll());
            const auto m = portLine.match(seen);
            if (m.hasMatch())
                port_ = m.captured(1).toInt();
        }
    }
    ~PythonHttpServer() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    bool running() const { return port_ != 0; }
    // The served folder itself stands for the server's "downloads/".
    QString base() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }

  private:
    QProcess process_;
    int port_ = 0;
};

} // namespace talvo::test

#pragma once

// A small HTTP server on 127.0.0.1 for download tests, running in the test's own event
// loop. Each path answers as configured: a status and body, a body cut short before its
// announced length, or a connection closed without any answer.

#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace talvo::test {

class HttpTestServer : public QObject {
public:
    enum class Mode { Normal, Truncated, CloseAtOnce };
    struct Answer {
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Normal;
    };

    HttpTestServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                serve(socket);
        });
    }

    void set(const QString& path, Answer answer) { answers_.insert(path, std::move(answer)); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1/downloads/").arg(server_.serverPort()); }
    int requests() const { return requests_; }

private:
    void serve(QTcpSocket* socket) {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            buffer_[socket] += socket->readAll();
            if (!buffer_[socket].contains("\r\n\r\n"))
                return;
            ++requests_;
            const QByteArray line = buffer_.take(socket).split('\r').first();
            const QString path = QString::fromLatin1(line.split(' ').value(1));
            const Answer answer = answers_.value(path, Answer{404, "<html>Not Found</html>", Mode::Normal});
            if (answer.mode == Mode::CloseAtOnce) {
                socket->abort();
                return;
            }
            QByteArray body = answer.body;
            const qsizetype announced = body.size();
            if (answer.mode == Mode::Truncated)
                body.truncate(body.size() / 2);
            QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\nContent-Length: " +
                              QByteArray::number(announced) + "\r\nConnection: close\r\n\r\n";
            socket->write(head + body);
            socket->flush();
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
    QHash<QString, Answer> answers_;
    QHash<QTcpSocket*, QByteArray> buffer_;
    int requests_ = 0;
};

} // namespace talvo::test

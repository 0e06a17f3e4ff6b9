#pragma once

// A small HTTP server on 127.0.0.1 for download tests, running in the test's own event
// loop (or, as HttpTestServerThread, in a thread of its own for tests that wait for a
// separate program). Each path answers as configured: a status and body, a body cut short
// before its announced length, a connection closed without any answer, a body without an
// announced length (whole, or cut in half), a body sent one byte a second, or the head
// alone and then silence.

#include <QEventLoop>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

namespace talvo::test {

class HttpTestServer : public QObject {
  public:
    enum class Mode { Normal, Truncated, CloseAtOnce, NoLength, NoLengthCut, Trickle, Stall };
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
    QString base() const {
        return QStringLiteral("http://127.0.0.1:%1/downloads/").arg(server_.serverPort());
    }
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
            if (answer.mode == Mode::Truncated || answer.mode == Mode::NoLengthCut)
                body.truncate(body.size() / 2);
            QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\n";
            if (answer.mode != Mode::NoLength && answer.mode != Mode::NoLengthCut)
                head += "Content-Length: " + QByteArray::number(announced) + "\r\n";
            socket->write(head + "Connection: close\r\n\r\n");
            if (answer.mode == Mode::Stall)
                return;
            if (answer.mode == Mode::Trickle) {
                auto* timer = new QTimer(socket);
                QObject::connect(timer, &QTimer::timeout, socket,
                                 [socket, body, sent = qsizetype{0}]() mutable {
                                     if (sent < body.size())
                                         socket->write(body.mid(sent++, 1));
                                 });
                timer->start(1000);
                return;
            }
            socket->write(body);
            socket->flush();
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
    QHash<QString, Answer> answers_;
    QHash<QTcpSocket*, QByteArray> buffer_;
    int requests_ = 0;
};

// The server in a thread of its own, answering as configured before it starts.
class HttpTestServerThread {
  public:
    explicit HttpTestServerThread(const QHash<QString, HttpTestServer::Answer>& answers) {
        thread_.reset(QThread::create([this, answers] {
            HttpTestServer server;
            for (auto it = answers.begin(); it != answers.end(); ++it)
                server.set(it.key(), it.value());
            QEventLoop loop;
            quit_ = &loop;
            base_ = server.base();
            ready_ = true;
            loop.exec();
        }));
        thread_->start();
        while (!ready_)
            QThread::msleep(10);
    }
    ~HttpTestServerThread() {
        QMetaObject::invokeMethod(quit_, &QEventLoop::quit, Qt::QueuedConnection);
        thread_->wait();
    }
    QString base() const { return base_; }

  private:
    std::unique_ptr<QThread> thread_;
    QEventLoop* quit_ = nullptr;
    QString base_;
    std::atomic<bool> ready_{false};
};

} // namespace talvo::test

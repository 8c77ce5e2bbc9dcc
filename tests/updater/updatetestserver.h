// A small HTTP/1.1 server on 127.0.0.1 for the updater's tests. It answers
// every POST with `check` and every GET with `installer` (or, once
// `installerPath` is set, only a GET whose request line holds exactly that
// path, and 404 to any other), keeps what it was asked, and can stop
// part-way through a body until the test releases it.
#pragma once

#include <QHostAddress>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class UpdateTestServer : public QTcpServer
{
public:
    struct Response
    {
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        bool announceLength = true; // else the end of the connection ends the body
        qsizetype holdAfter = -1;   // send this much of the body, then wait for release()
        bool dropAfterHold = false; // ... or close the connection there instead
    };
    struct Request
    {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    Response check;
    Response installer;
    QByteArray installerPath; // as it stands in the request line, query included
    QList<Request> requests;

    UpdateTestServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                    m_pending.remove(socket);
                    socket->deleteLater();
                });
            }
        });
    }

    bool start() { return listen(QHostAddress::LocalHost, 0); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

    int count(const QByteArray& method) const
    {
        int n = 0;
        for (const Request& r : requests)
            n += r.method == method;
        return n;
    }

    // Whether a body is waiting, part-sent, for release().
    bool holding() const { return !m_held.isNull(); }

    void release()
    {
        if (!m_held)
            return;
        m_held->write(m_rest);
        if (m_closeAfterRest)
            m_held->disconnectFromHost();
        m_held.clear();
    }

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& pending = m_pending[socket];
        pending += socket->readAll();
        for (;;) {
            const qsizetype headEnd = pending.indexOf("\r\n\r\n");
            if (headEnd < 0)
                return;
            Request request;
            const QList<QByteArray> lines = pending.left(headEnd).split('\n');
            const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
            request.method = start.value(0);
            request.path = start.value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines.at(i).indexOf(':');
                if (colon > 0)
                    request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                           lines.at(i).mid(colon + 1).trimmed());
            }
            const qsizetype length = request.headers.value("content-length").toLongLong();
            if (pending.size() < headEnd + 4 + length)
                return;
            request.body = pending.mid(headEnd + 4, length);
            pending.remove(0, headEnd + 4 + length);
            requests.append(request);
            if (request.method == "POST")
                respond(socket, check);
            else if (installerPath.isEmpty() || request.path == installerPath)
                respond(socket, installer);
            else
                respond(socket, {404, "Not Found", "no such file"});
        }
    }

    void respond(QTcpSocket* socket, const Response& response)
    {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                          response.reason + "\r\nContent-Type: application/octet-stream\r\n";
        head += response.announceLength
                    ? "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n"
                    : QByteArray("Connection: close\r\n");
        head += "\r\n";
        const qsizetype first = response.holdAfter < 0 ? response.body.size() : response.holdAfter;
        socket->write(head + response.body.left(first));
        if (first < response.body.size() && response.dropAfterHold) {
            socket->disconnectFromHost();
        } else if (first < response.body.size()) {
            m_held = socket;
            m_rest = response.body.mid(first);
            m_closeAfterRest = !response.announceLength;
        } else if (!response.announceLength) {
            socket->disconnectFromHost();
        }
    }

    QMap<QTcpSocket*, QByteArray> m_pending;
    QPointer<QTcpSocket> m_held;
    QByteArray m_rest;
    bool m_closeAfterRest = false;
};

#include "devicelink/httpserver.h"

#include "core/globals.h"
#include "core/projectfolders.h"

#include <QDebug>
#include <QHostAddress>
#include <QSignalBlocker>
#include <QTcpSocket>
#include <QTimer>

#include <limits>

namespace {

const QByteArray RequestStart = QByteArrayLiteral("POST ");
const QByteArray HeaderEnd = QByteArrayLiteral("\r\n\r\n");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");
const QByteArray ContentLengthField = QByteArrayLiteral("Content-Length:");
const QByteArray DeviceTypeField = QByteArrayLiteral("deviceType:");
const int ReplyWriteTimeoutMs = 30000;

// Position of the first byte in header[0, end) that no header of ours holds: a line end other than CR LF, or a
// control byte inside a line (a NUL would let "Content-Length: 3\0 5" read as something else elsewhere); -1 when
// there is none. A CR at the very end may still be followed by its LF.
int firstMalformedByte(const QByteArray &header, int end)
{
    for (int i = 0; i < end; ++i) {
        const uchar c = uchar(header.at(i));
        if (c == '\n') {
            if (i == 0 || header.at(i - 1) != '\r')
                return i;
        } else if (c == '\r') {
            if (i + 1 < header.size() && header.at(i + 1) != '\n')
                return i;
        } else if ((c < 0x20 && c != '\t') || c == 0x7f) {
            return i;
        }
    }
    return -1;
}

} // namespace

HttpServer::HttpServer(QObject *parent) : QTcpServer(parent)
{
    connect(this, &QTcpServer::newConnection, this, &HttpServer::socketNewConnection);
}

bool HttpServer::listenOnHost(quint16 port)
{
    // Never fall back to all interfaces: the beacon announces this one address.
    QHostAddress address;
    if (!address.setAddress(gHostIp))
        return false;
    return listen(address, port);
}

QByteArray HttpServer::replyText()
{
    return QByteArrayLiteral("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nPOST data received!");
}

void HttpServer::socketNewConnection()
{
    while (hasPendingConnections()) {
        QTcpSocket *socket = nextPendingConnection();
        if (!socket) {
            emit signalsReplyErrorString(tr("no clientSocket connect"));
            return;
        }
        if (m_transfer) {
            // One archive at a time: a second sender would otherwise interleave its bytes with the first.
            qDebug() << "HttpServer: busy, refusing" << socket->peerAddress().toString();
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QTcpSocket::readyRead, this, &HttpServer::socketReadyRead);
        connect(socket, &QTcpSocket::disconnected, this, &HttpServer::socketDisconnected);
        Connection connection;
        connection.idle = new QTimer(socket);
        connection.idle->setSingleShot(true);
        connection.idle->setInterval(m_idleTimeoutMs);
        connect(connection.idle, &QTimer::timeout, this, [this, socket] {
            if (!m_connections.contains(socket))
                return; // finished or refused meanwhile
            qWarning() << "HttpServer: no byte for" << m_idleTimeoutMs << "ms, closing"
                       << socket->peerAddress().toString();
            dropConnection(socket);
            socket->abort();
        });
        connection.idle->start();
        // Unlike the idle timer, bytes do not put the deadline off: it is restarted once, for the body.
        connection.deadline = new QTimer(socket);
        connection.deadline->setSingleShot(true);
        connect(connection.deadline, &QTimer::timeout, this, [this, socket] {
            const auto it = m_connections.constFind(socket);
            if (it == m_connections.constEnd())
                return;
            qWarning() << "HttpServer:" << (it->headerDone ? "body" : "header") << "not whole in time, closing"
                       << socket->peerAddress().toString();
            dropConnection(socket);
            socket->abort();
        });
        connection.deadline->start(m_headerTimeoutMs);
        m_connections.insert(socket, connection);
    }
}

qint64 HttpServer::bodyDeadline(quint32 contentLength) const
{
    return qint64(m_bodyGraceMs) + qint64(contentLength) * 1000 / m_minimumBodyRate;
}

void HttpServer::socketReadyRead()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket)
        return;
    handleBytes(socket, socket->readAll());
}

void HttpServer::socketDisconnected()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket)
        return;
    connectionClosed(socket);
}

void HttpServer::connectionClosed(QTcpSocket *socket)
{
    // Bytes that came in with the close still belong to the request.
    if (socket->bytesAvailable() > 0)
        handleBytes(socket, socket->readAll());
    dropConnection(socket);
    socket->deleteLater();
}

void HttpServer::dropConnection(QTcpSocket *socket)
{
    const auto it = m_connections.constFind(socket);
    if (it != m_connections.constEnd()) {
        const bool cutOff = it->headerDone && it->receivedBytes > 0;
        m_connections.erase(it);
        if (m_transfer == socket)
            m_transfer = nullptr;
        // The receiver already holds part of an archive that will never be whole: it must drop it. A sender
        // that leaves before its first body byte left nothing behind.
        if (cutOff)
            emit signalsSenderDropped(tr("Invalid data."));
    }
}

void HttpServer::handleBytes(QTcpSocket *socket, const QByteArray &bytes)
{
    const auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return; // a connection already finished or refused: whatever else it sends is dropped
    if (!bytes.isEmpty() && it->idle)
        it->idle->start();
    if (it->headerDone) {
        passBody(socket, bytes, false);
        return;
    }

    Connection &connection = *it;
    connection.header.append(bytes);
    const int known = qMin(connection.header.size(), RequestStart.size());
    if (connection.header.left(known) != RequestStart.left(known)) {
        refuse(socket, QString());
        return;
    }
    const int headerEnd = connection.header.indexOf(HeaderEnd);
    const int checked = headerEnd < 0 ? connection.header.size() : headerEnd + HeaderEnd.size();
    if (firstMalformedByte(connection.header, checked) >= 0) {
        refuse(socket, QString());
        return;
    }
    if (headerEnd < 0) {
        if (connection.header.size() > MaxHeaderBytes)
            refuse(socket, QString());
        return;
    }
    if (headerEnd + HeaderEnd.size() > MaxHeaderBytes) {
        refuse(socket, QString());
        return;
    }
    if (m_transfer && m_transfer != socket) {
        refuse(socket, QString());
        return;
    }
    if (!acceptHeader(socket, connection, headerEnd))
        return;

    // Everything after the blank line is body, sliced from the raw bytes: zip data holds NUL bytes and may
    // well begin with text that looks like a header.
    const QByteArray body = connection.header.mid(headerEnd + HeaderEnd.size());
    connection.header.clear();
    passBody(socket, body, true);
}

bool HttpServer::acceptHeader(QTcpSocket *socket, Connection &connection, int headerEnd)
{
    bool lengthSeen = false;
    bool deviceTypeSeen = false;
    quint32 contentLength = 0;
    const QList<QByteArray> lines = connection.header.left(headerEnd).split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!lengthSeen && line.startsWith(ContentLengthField)) {
            lengthSeen = true;
            contentLength = line.mid(ContentLengthField.size()).trimmed().toUInt();
        } else if (!deviceTypeSeen && line.startsWith(DeviceTypeField)) {
            deviceTypeSeen = true;
            connection.deviceType = line.mid(DeviceTypeField.size()).trimmed().toInt();
        }
    }
    // No "success" for a request whose body we could not take in, nor for one larger than any archive may be:
    // it is refused before a byte of its body is passed on.
    if (contentLength == 0) {
        refuse(socket, QString());
        return false;
    }
    if (qint64(contentLength) > archiveSizeLimit(databaseFolderPath())) {
        qWarning() << "HttpServer: refusing a body of" << contentLength << "bytes";
        refuse(socket, tr("Invalid data."));
        return false;
    }
    connection.contentLength = contentLength;
    connection.headerDone = true;
    connection.deadline->start(int(qMin<qint64>(bodyDeadline(contentLength), std::numeric_limits<int>::max())));
    m_transfer = socket;
    return true;
}

void HttpServer::sendReply(QTcpSocket *socket)
{
    // The request is complete and the connection closes right after: whatever the wait might still see of
    // the peer is of no interest, so its signals stay quiet meanwhile.
    const QSignalBlocker quiet(socket);
    socket->write(replyText());
    socket->flush();
    if (socket->bytesToWrite() > 0)
        socket->waitForBytesWritten(ReplyWriteTimeoutMs);
    // The reply carries no length, so the sender reads it to the end of the connection.
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState)
        socket->deleteLater(); // its disconnected signal went unheard
}

void HttpServer::passBody(QTcpSocket *socket, QByteArray body, bool headerPiece)
{
    const auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    const quint32 room = it->contentLength - it->receivedBytes;
    bool surplus = false;
    if (static_cast<quint32>(body.size()) > room) {
        body.truncate(static_cast<int>(room));
        surplus = true;
    }
    if (body.isEmpty() && !headerPiece)
        return;
    it->receivedBytes += static_cast<quint32>(body.size());
    const quint32 received = it->receivedBytes;
    const quint32 length = it->contentLength;
    const bool complete = received >= length;
    if (complete) {
        // Done with this connection before anyone hears of it, so nothing said afterwards can reopen it.
        m_connections.erase(it);
        m_transfer = nullptr;
        if (surplus)
            qDebug() << "HttpServer: dropped bytes beyond Content-Length";
        // Answered only now: a sender told "success" while it is still sending may take the close that
        // follows for a lost connection and post the whole archive again.
        sendReply(socket);
    }

    if (!body.isEmpty())
        emit signalsDownloadData(body);
    emit signalsReplyPercent(static_cast<int>(static_cast<qint64>(received) * 100 / length));
    if (complete)
        emit signalsReplyFinished();
}

void HttpServer::refuse(QTcpSocket *socket, const QString &reason)
{
    if (reason.isEmpty())
        qDebug() << "HttpServer: no request of ours, closing" << socket->peerAddress().toString();
    m_connections.remove(socket);
    if (m_transfer == socket)
        m_transfer = nullptr;
    socket->abort();
    if (!reason.isEmpty())
        emit signalsSenderDropped(reason);
}

#include "devicelink/httpstreamedpost.h"

#include <QIODevice>
#include <QTcpSocket>
#include <QUrl>

namespace {

// The body goes out in pieces of this size while the connection holds less than SendWindow unsent.
const qint64 SendPieceBytes = 64 * 1024;
const qint64 SendWindow = 256 * 1024;

} // namespace

HttpStreamedPost::HttpStreamedPost(const QNetworkRequest &request, QObject *parent)
    : QObject(parent), m_request(request)
{
    m_stall.setSingleShot(true);
    m_stall.setInterval(0);
    connect(&m_stall, &QTimer::timeout, this, [this] { finish(false, tr("The connection timed out.")); });
}

void HttpStreamedPost::setBody(const QByteArray &body)
{
    m_body = body;
    m_bodyDevice = nullptr;
    m_bodySize = body.size();
}

void HttpStreamedPost::setBodyDevice(QIODevice *device)
{
    m_body.clear();
    m_bodyDevice = device;
    m_bodySize = device ? device->size() - device->pos() : 0;
}

void HttpStreamedPost::start()
{
    const QUrl url = m_request.url();
    if (url.scheme() != QLatin1String("http") || url.host().isEmpty()) {
        finish(false, tr("Protocol \"%1\" is unknown").arg(url.scheme()));
        return;
    }
    m_socket = new QTcpSocket(this);
    // The whole point: what the taker has not yet taken stays in the connection, and the sender waits.
    m_socket->setReadBufferSize(ReadBufferBytes);
    connect(m_socket, &QTcpSocket::connected, this, &HttpStreamedPost::sendHead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &HttpStreamedPost::wrote);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpStreamedPost::readReply);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpStreamedPost::connectionClosed);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &HttpStreamedPost::connectionFailed);
    if (m_stall.interval() > 0)
        m_stall.start();
    m_socket->connectToHost(url.host(), quint16(url.port(80)));
}

void HttpStreamedPost::sendHead()
{
    const QUrl url = m_request.url();
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() >= 0)
        host += ':' + QByteArray::number(url.port());

    QByteArray head = "POST " + target + " HTTP/1.1\r\nHost: " + host + "\r\n";
    const QVariant contentType = m_request.header(QNetworkRequest::ContentTypeHeader);
    if (contentType.isValid())
        head += "Content-Type: " + contentType.toByteArray() + "\r\n";
    for (const QByteArray &name : m_request.rawHeaderList()) {
        const QByteArray lower = name.toLower();
        // Framing is ours to say: the length of what is really sent, and one request per connection.
        if (lower == "content-length" || lower == "connection" || lower == "host" || lower == "content-type")
            continue;
        head += name + ": " + m_request.rawHeader(name) + "\r\n";
    }
    head += "Content-Length: " + QByteArray::number(m_bodySize) + "\r\nConnection: close\r\n\r\n";
    m_headSize = head.size();
    m_socket->write(head);
    if (m_stall.interval() > 0)
        m_stall.start();
    sendMore();
}

void HttpStreamedPost::sendMore()
{
    while (!m_finished && m_bodyQueued < m_bodySize && m_socket->bytesToWrite() < SendWindow) {
        const qint64 size = qMin(SendPieceBytes, m_bodySize - m_bodyQueued);
        const QByteArray piece = m_bodyDevice ? m_bodyDevice->read(size) : m_body.mid(int(m_bodyQueued), int(size));
        if (piece.isEmpty()) {
            finish(false, tr("The data to send could not be read."));
            return;
        }
        m_socket->write(piece);
        m_bodyQueued += piece.size();
    }
}

void HttpStreamedPost::wrote(qint64 bytes)
{
    if (m_finished)
        return;
    m_written += bytes;
    if (m_stall.interval() > 0)
        m_stall.start();
    if (m_written > m_headSize)
        emit uploadProgress(qMin(m_written - m_headSize, m_bodySize), m_bodySize);
    sendMore();
}

void HttpStreamedPost::readReply()
{
    if (m_finished)
        return;
    const QByteArray bytes = m_socket->readAll();
    if (bytes.isEmpty())
        return;
    if (m_stall.interval() > 0)
        m_stall.start();
    const bool hadHeader = m_reader.headerDone();
    const QByteArray body = m_reader.take(bytes);
    if (!hadHeader && m_reader.headerDone()) {
        const int status = m_reader.statusCode();
        if (status < 200 || status > 299) {
            // The body of a refusal is no part of what was asked for; the status says enough.
            const QString reason = m_reader.reasonPhrase().isEmpty() ? QString::number(status)
                                                                     : QString::fromLatin1(m_reader.reasonPhrase());
            finish(false, tr("Error transferring %1 - server replied: %2")
                              .arg(m_request.url().toString(QUrl::RemoveUserInfo), reason));
            return;
        }
    }
    if (!body.isEmpty())
        emit bodyData(body);
    if (m_reader.headerDone())
        emit downloadProgress(m_reader.bodyReceived(), m_reader.contentLength());
    conclude();
}

void HttpStreamedPost::connectionClosed()
{
    // What the connection still holds arrived before its end.
    while (!m_finished && m_socket->bytesAvailable() > 0)
        readReply();
    if (m_finished)
        return;
    m_reader.connectionClosed();
    conclude();
}

void HttpStreamedPost::connectionFailed()
{
    // The server's closing is no failure in itself: whether the reply was whole is for connectionClosed to say.
    if (m_socket->error() == QAbstractSocket::RemoteHostClosedError)
        return;
    finish(false, m_socket->errorString());
}

void HttpStreamedPost::conclude()
{
    if (m_reader.state() == HttpReplyReader::State::Done)
        finish(true, QString());
    else if (m_reader.state() == HttpReplyReader::State::Failed)
        finish(false, m_reader.errorString());
}

void HttpStreamedPost::finish(bool ok, const QString &errorString)
{
    if (m_finished)
        return;
    m_finished = true;
    m_stall.stop();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
    emit finished(ok, errorString);
}

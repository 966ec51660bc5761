#include "tests/support/exchangeserver.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>

namespace {

// Pieces of a stored archive go out only while the socket holds less than this unsent.
const qint64 SendWindow = 256 * 1024;

} // namespace

QByteArray ExchangeRequest::header(const QByteArray &name) const
{
    for (const auto &field : headers) {
        if (field.first.toLower() == name.toLower())
            return field.second;
    }
    return QByteArray();
}

int ExchangeRequest::headerCount(const QByteArray &name) const
{
    int count = 0;
    for (const auto &field : headers) {
        if (field.first.toLower() == name.toLower())
            ++count;
    }
    return count;
}

ExchangeServer::Connection::Connection() = default;
ExchangeServer::Connection::~Connection() = default;

ExchangeServer::ExchangeServer(QObject *parent) : QTcpServer(parent)
{
    connect(this, &QTcpServer::newConnection, this, &ExchangeServer::takeConnections);
}

bool ExchangeServer::start(quint16 port)
{
    return listen(QHostAddress::LocalHost, port);
}

QString ExchangeServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

QString ExchangeServer::archivePath(const QString &token) const
{
    return m_storage.isEmpty() ? QString() : QDir(m_storage).filePath(token + ".zip");
}

void ExchangeServer::storeArchive(const QString &token, const QByteArray &archive)
{
    if (m_storage.isEmpty()) {
        m_archives.insert(token, archive);
        return;
    }
    QFile file(archivePath(token));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(archive);
}

QByteArray ExchangeServer::archive(const QString &token) const
{
    if (m_storage.isEmpty())
        return m_archives.value(token);
    QFile file(archivePath(token));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ExchangeServer::takeConnections()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        m_connections[socket].reset(new Connection);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { sendMore(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_connections.erase(socket);
            socket->deleteLater();
        });
    }
}

bool ExchangeServer::readHeader(Connection &connection)
{
    const int headerEnd = connection.buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return false;
    ExchangeRequest &request = connection.request;
    request = ExchangeRequest();
    const QList<QByteArray> lines = connection.buffer.left(headerEnd).split('\n');
    const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
    request.method = start.value(0);
    request.path = start.value(1);
    request.version = start.value(2);
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append({line.left(colon), line.mid(colon + 1).trimmed()});
    }
    connection.buffer.remove(0, headerEnd + 4);
    connection.headerDone = true;
    connection.remaining = request.header("Content-Length").toLongLong();
    request.bodySize = connection.remaining;
    if (!m_storage.isEmpty() && request.method == "POST" && request.path == "/v1/dbUpload") {
        connection.bodyFile.reset(new QFile(QDir(m_storage).filePath(QString("upload-%1.part").arg(m_nextUpload++))));
        if (!connection.bodyFile->open(QIODevice::WriteOnly | QIODevice::Truncate))
            connection.bodyFile.reset();
    }
    return true;
}

void ExchangeServer::readFrom(QTcpSocket *socket)
{
    const auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    Connection &connection = *it->second;
    connection.buffer.append(socket->readAll());
    if (!connection.headerDone && !readHeader(connection))
        return;

    // Body bytes: to the upload's file as they come, or gathered until the whole body is there.
    if (connection.bodyFile) {
        const QByteArray piece =
            connection.buffer.left(int(qMin<qint64>(connection.remaining, connection.buffer.size())));
        connection.bodyFile->write(piece);
        connection.remaining -= piece.size();
        connection.buffer.remove(0, piece.size());
    } else {
        if (connection.buffer.size() < connection.remaining)
            return; // the rest of the body is still on its way
        connection.request.body = connection.buffer.left(int(connection.remaining));
        connection.buffer.remove(0, int(connection.remaining));
        connection.remaining = 0;
    }
    if (connection.remaining == 0)
        requestDone(socket, connection);
}

void ExchangeServer::requestDone(QTcpSocket *socket, Connection &connection)
{
    connection.headerDone = false;
    m_requests.append(connection.request);
    emit requestReceived();
    answer(socket, connection);
}

void ExchangeServer::answer(QTcpSocket *socket, Connection &connection)
{
    const ExchangeRequest &request = connection.request;
    std::unique_ptr<QFile> upload = std::move(connection.bodyFile);
    if (m_mode == Mode::Silent)
        return;
    if (m_mode == Mode::Raw) {
        socket->write(m_rawReply);
        if (m_rawCloses)
            socket->disconnectFromHost();
        return;
    }
    if (m_mode == Mode::FixedStatus) {
        reply(socket, m_fixedStatus, "text/plain", "refused by test");
        return;
    }
    if (request.method == "POST" && request.path == "/v1/dbUpload" && request.bodySize > 0) {
        const QString token = QString::number(m_nextToken++);
        if (upload) {
            upload->close();
            QFile::remove(archivePath(token));
            upload->rename(archivePath(token));
        } else {
            m_archives.insert(token, request.body);
        }
        const QJsonObject data{{"token", token}};
        const QJsonObject answer{{"code", 0}, {"data", data}};
        reply(socket, 200, "application/json", QJsonDocument(answer).toJson(QJsonDocument::Compact));
        return;
    }
    if (request.method == "POST" && request.path == "/v1/dbDownload") {
        const QJsonObject asked = QJsonDocument::fromJson(request.body).object();
        const QJsonValue token = asked.value("token");
        if (token.isString() && !m_storage.isEmpty() && QFile::exists(archivePath(token.toString()))) {
            sendFile(socket, archivePath(token.toString()));
            return;
        }
        if (token.isString() && m_archives.contains(token.toString())) {
            reply(socket, 200, "application/zip", m_archives.value(token.toString()));
            return;
        }
        reply(socket, 404, "application/json", R"({"code":1,"msg":"unknown token"})");
        return;
    }
    reply(socket, 404, "text/plain", "no such path");
}

void ExchangeServer::sendFile(QTcpSocket *socket, const QString &path)
{
    Connection &connection = *m_connections.at(socket);
    connection.replyFile.reset(new QFile(path));
    if (!connection.replyFile->open(QIODevice::ReadOnly)) {
        connection.replyFile.reset();
        reply(socket, 500, "text/plain", "archive unreadable");
        return;
    }
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\n";
    head += "Content-Length: " + QByteArray::number(connection.replyFile->size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    sendMore(socket);
}

void ExchangeServer::sendMore(QTcpSocket *socket)
{
    const auto it = m_connections.find(socket);
    if (it == m_connections.end() || !it->second->replyFile)
        return;
    QFile &file = *it->second->replyFile;
    while (socket->bytesToWrite() < SendWindow && !file.atEnd()) {
        const QByteArray piece = file.read(64 * 1024);
        if (piece.isEmpty())
            break;
        socket->write(piece);
    }
    if (file.atEnd()) {
        it->second->replyFile.reset();
        socket->disconnectFromHost();
    }
}

void ExchangeServer::reply(QTcpSocket *socket, int status, const QByteArray &contentType, const QByteArray &body)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") + "\r\n";
    head += "Content-Type: " + contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head + body);
    socket->disconnectFromHost();
}

#include "tests/support/exchangeserver.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>

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

void ExchangeServer::takeConnections()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void ExchangeServer::readFrom(QTcpSocket *socket)
{
    auto it = m_buffers.find(socket);
    if (it == m_buffers.end())
        return;
    it->append(socket->readAll());
    const int headerEnd = it->indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;

    ExchangeRequest request;
    const QList<QByteArray> lines = it->left(headerEnd).split('\n');
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
    const int length = request.header("Content-Length").toInt();
    if (it->size() < headerEnd + 4 + length)
        return; // the rest of the body is still on its way
    request.body = it->mid(headerEnd + 4, length);
    it->remove(0, headerEnd + 4 + length);

    m_requests.append(request);
    emit requestReceived();
    answer(socket, request);
}

void ExchangeServer::answer(QTcpSocket *socket, const ExchangeRequest &request)
{
    if (m_mode == Mode::Silent)
        return;
    if (m_mode == Mode::FixedStatus) {
        reply(socket, m_fixedStatus, "text/plain", "refused by test");
        return;
    }
    if (request.method == "POST" && request.path == "/v1/dbUpload" && !request.body.isEmpty()) {
        const QString token = QString::number(m_nextToken++);
        m_archives.insert(token, request.body);
        const QJsonObject data{{"token", token}};
        const QJsonObject answer{{"code", 0}, {"data", data}};
        reply(socket, 200, "application/json", QJsonDocument(answer).toJson(QJsonDocument::Compact));
        return;
    }
    if (request.method == "POST" && request.path == "/v1/dbDownload") {
        const QJsonObject asked = QJsonDocument::fromJson(request.body).object();
        const QJsonValue token = asked.value("token");
        if (token.isString() && m_archives.contains(token.toString())) {
            reply(socket, 200, "application/zip", m_archives.value(token.toString()));
            return;
        }
        reply(socket, 404, "application/json", R"({"code":1,"msg":"unknown token"})");
        return;
    }
    reply(socket, 404, "text/plain", "no such path");
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

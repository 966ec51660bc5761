#include "tests/support/tricklingpeer.h"

#include <QHostAddress>

TricklingPeer::TricklingPeer(const QByteArray &opening, int tickMs, QObject *parent)
    : QObject(parent), m_opening(opening)
{
    m_tick.setInterval(tickMs);
    connect(&m_tick, &QTimer::timeout, this, [this] {
        if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState) {
            m_tick.stop();
            return;
        }
        m_socket->write("z", 1);
        ++m_trickled;
    });
}

bool TricklingPeer::connectTo(quint16 port, const QHostAddress &address)
{
    auto *socket = new QTcpSocket(this);
    socket->connectToHost(address, port);
    if (!socket->waitForConnected(5000))
        return false;
    begin(socket);
    return true;
}

bool TricklingPeer::listen()
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        QTcpSocket *socket = m_server.nextPendingConnection();
        if (!socket || m_socket) {
            if (socket)
                socket->abort();
            return;
        }
        socket->setParent(this);
        m_socket = socket;
        // The answer starts once the request has begun to arrive, as a server's does.
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (!m_begun)
                begin(socket);
        });
    });
    return m_server.listen(QHostAddress::LocalHost, 0);
}

void TricklingPeer::begin(QTcpSocket *socket)
{
    m_begun = true;
    m_socket = socket;
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { m_received += socket->readAll(); });
    connect(socket, &QTcpSocket::disconnected, this, [this] { m_closed = true; });
    m_received += socket->readAll();
    socket->write(m_opening);
    m_tick.start();
}

void TricklingPeer::hangUp()
{
    m_tick.stop();
    if (m_socket)
        m_socket->abort();
}

#pragma once
// A peer that keeps a connection alive with as little as it can: it sends its opening bytes at once and then one
// byte at a time, a tick apart, for as long as the connection lasts. As a sender it connects to the station's
// receiver; as a server it answers the station's client so. On 127.0.0.1 only.

#include <QByteArray>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

class TricklingPeer : public QObject
{
    Q_OBJECT

public:
    // opening: the bytes sent at once (a request or reply head); then filler bytes every tickMs.
    explicit TricklingPeer(const QByteArray &opening, int tickMs = 20, QObject *parent = nullptr);

    // As a sender: connects to address:port (a loopback address); true once connected.
    bool connectTo(quint16 port, const QHostAddress &address = QHostAddress(QHostAddress::LocalHost));
    // As a server: listens on 127.0.0.1 at a free port and answers the first connection after its first bytes.
    bool listen();
    quint16 port() const { return m_server.serverPort(); }

    // Filler bytes sent after the opening so far.
    int trickled() const { return m_trickled; }
    // True once the other side closed or dropped the connection.
    bool closed() const { return m_closed; }
    QByteArray received() const { return m_received; }
    // Drops the connection and stops trickling.
    void hangUp();

private:
    void begin(QTcpSocket *socket);

    QByteArray m_opening;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_socket;
    QTimer m_tick;
    QByteArray m_received;
    int m_trickled = 0;
    bool m_closed = false;
    bool m_begun = false;
};

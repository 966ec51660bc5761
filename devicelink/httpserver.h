#pragma once
// Minimal HTTP receiver for the project archive that another station POSTs to this one.

#include <QByteArray>
#include <QHash>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;
class QTimer;

class HttpServer : public QTcpServer
{
    Q_OBJECT

public:
    // The port that the transfer beacon announces.
    static constexpr quint16 DefaultPort = 8080;
    // A sender whose header block is longer than this is no station of ours.
    static constexpr int MaxHeaderBytes = 16 * 1024;

    // A connection that sends no byte for this long is closed, so a stalled or vanished sender frees the
    // receiver for the next.
    static constexpr int DefaultIdleTimeoutMs = 30000;

    explicit HttpServer(QObject *parent = nullptr);

    // Tests shorten the idle timeout; it applies to connections accepted afterwards.
    void setIdleTimeout(int milliseconds) { m_idleTimeoutMs = milliseconds; }
    int idleTimeout() const { return m_idleTimeoutMs; }

    // Listens on the station's host address (gHostIp) only; false when it is no address or cannot be bound.
    bool listenOnHost(quint16 port = DefaultPort);

    // The exact bytes answered to an accepted POST.
    static QByteArray replyText();

signals:
    // Emitted for each piece of the body of the transfer under way, in order, never beyond its length.
    void signalsDownloadData(QByteArray downloadData);
    // Emitted after each piece (and once after a header without body): body bytes so far against the length.
    void signalsReplyPercent(int percent);
    // Emitted once per transfer, when the announced number of body bytes has arrived; the sender has been
    // answered and its connection closed by then.
    void signalsReplyFinished();
    // Emitted with "no clientSocket connect" when a connection cannot be taken, and with "Invalid data." for
    // a request that is no POST with a length, a length beyond what an archive may bring (archiveSizeLimit of
    // the database folder), a header that is too long or holds a line not ended by CR LF or a control byte, or a
    // transfer cut off (closed, or idle past the timeout) after part of its body was passed on.
    void signalsReplyErrorString(QString errorString);

private slots:
    void socketNewConnection();
    void socketReadyRead();
    void socketDisconnected();

private:
    // What one connection has told us so far; each connection has its own, so a second sender spoils nothing.
    struct Connection
    {
        QByteArray header; // bytes gathered until the blank line that ends the header block
        bool headerDone = false;
        qint32 deviceType = 0;
        quint32 contentLength = 0;
        quint32 receivedBytes = 0;
        QTimer *idle = nullptr; // owned by the socket
    };

    void handleBytes(QTcpSocket *socket, const QByteArray &bytes);
    bool acceptHeader(QTcpSocket *socket, Connection &connection, int headerEnd);
    void sendReply(QTcpSocket *socket);
    void connectionClosed(QTcpSocket *socket);
    void passBody(QTcpSocket *socket, QByteArray body, bool headerPiece);
    void refuse(QTcpSocket *socket, bool invalid);
    void dropConnection(QTcpSocket *socket);

    QHash<QTcpSocket *, Connection> m_connections;
    // The one connection whose body is being passed on; others are turned away meanwhile.
    QPointer<QTcpSocket> m_transfer;
    int m_idleTimeoutMs = DefaultIdleTimeoutMs;
};

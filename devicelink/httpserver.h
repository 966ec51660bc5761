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
    // A sender has this long from its connection to the blank line that ends its header.
    static constexpr int DefaultHeaderTimeoutMs = 5000;
    // Then its body must be whole within this grace plus its Content-Length at the minimum rate: a sender that
    // trickles a byte now and then would otherwise hold the receiver's one slot for as long as it likes.
    static constexpr int DefaultBodyGraceMs = 15000;
    static constexpr qint64 DefaultMinimumBodyRate = 32 * 1024; // bytes per second

    explicit HttpServer(QObject *parent = nullptr);

    // Tests shorten the limits; they apply to connections accepted afterwards.
    void setIdleTimeout(int milliseconds) { m_idleTimeoutMs = milliseconds; }
    int idleTimeout() const { return m_idleTimeoutMs; }
    void setHeaderTimeout(int milliseconds) { m_headerTimeoutMs = milliseconds; }
    int headerTimeout() const { return m_headerTimeoutMs; }
    void setBodyDeadline(int graceMilliseconds, qint64 minimumBytesPerSecond)
    {
        m_bodyGraceMs = graceMilliseconds;
        m_minimumBodyRate = qMax<qint64>(1, minimumBytesPerSecond);
    }
    // The time a body of contentLength bytes is given once its header is in.
    qint64 bodyDeadline(quint32 contentLength) const;

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
    // Emitted with "no clientSocket connect" when a connection cannot be taken.
    void signalsReplyErrorString(QString errorString);
    // Emitted with "Invalid data." when a sender that announced a POST with a length is turned away or dropped
    // without its reply: the length is beyond what an archive may bring (archiveSizeLimit of the database
    // folder), or the connection closed, fell idle or missed its deadline after part of the body was passed
    // on. Pieces passed on so far are to be discarded; the receiver is free and goes on waiting for a sender.
    // A request that is no such POST (a stray connection, a malformed or endless header) is closed without a
    // word: it is no sender of ours.
    void signalsSenderDropped(QString reason);

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
        QTimer *idle = nullptr;     // owned by the socket
        QTimer *deadline = nullptr; // owned by the socket: the header's time, then the body's
    };

    void handleBytes(QTcpSocket *socket, const QByteArray &bytes);
    bool acceptHeader(QTcpSocket *socket, Connection &connection, int headerEnd);
    void sendReply(QTcpSocket *socket);
    void connectionClosed(QTcpSocket *socket);
    void passBody(QTcpSocket *socket, QByteArray body, bool headerPiece);
    // Closes the connection; a non-empty reason goes out through signalsSenderDropped.
    void refuse(QTcpSocket *socket, const QString &reason);
    void dropConnection(QTcpSocket *socket);

    QHash<QTcpSocket *, Connection> m_connections;
    // The one connection whose body is being passed on; others are turned away meanwhile.
    QPointer<QTcpSocket> m_transfer;
    int m_idleTimeoutMs = DefaultIdleTimeoutMs;
    int m_headerTimeoutMs = DefaultHeaderTimeoutMs;
    int m_bodyGraceMs = DefaultBodyGraceMs;
    qint64 m_minimumBodyRate = DefaultMinimumBodyRate;
};

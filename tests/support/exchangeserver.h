#pragma once
// A small project-exchange web server on 127.0.0.1 for tests: it keeps uploaded archives under tokens, hands
// them out again, records every request as it arrived, and can be told to misbehave. With a storage folder it
// keeps archives in files there, written as they arrive and sent back in pieces, so that it holds no archive in
// memory (for transfers larger than a test should keep, and for the transfer benchmark's stub process).

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QTcpServer>

#include <map>
#include <memory>

class QFile;
class QTcpSocket;

// One request as the server read it off the wire.
struct ExchangeRequest
{
    QByteArray method;
    QByteArray path;
    QByteArray version;
    QList<QPair<QByteArray, QByteArray>> headers; // in the order sent, names as written
    QByteArray body;                              // empty when it went to a file of the storage folder
    qint64 bodySize = 0;

    // Value of the first header of that name (names compared without regard to case), or a null array.
    QByteArray header(const QByteArray &name) const;
    int headerCount(const QByteArray &name) const;
};

class ExchangeServer : public QTcpServer
{
    Q_OBJECT

public:
    enum class Mode {
        Serve,       // answer as a project-exchange server does
        Silent,      // read requests and never answer
        FixedStatus, // answer every request with fixedStatus() and a short text
        Raw          // answer every request with the bytes of setRawReply as they stand
    };

    explicit ExchangeServer(QObject *parent = nullptr);

    // Listens on 127.0.0.1 at the given port, a free one by default.
    bool start(quint16 port = 0);
    QString url(const QString &path) const;

    void setMode(Mode mode) { m_mode = mode; }
    void setFixedStatus(int status) { m_fixedStatus = status; }
    int fixedStatus() const { return m_fixedStatus; }
    // What Raw mode sends, byte for byte (status line, header and body, framed or not), and whether the connection
    // is closed after it (a reply cut short then either ends with the connection or leaves the client waiting).
    void setRawReply(const QByteArray &reply, bool closeAfter = true)
    {
        m_rawReply = reply;
        m_rawCloses = closeAfter;
    }

    // Archives are kept as files <token>.zip in folder from now on (uploads are written there as they arrive);
    // an empty folder keeps them in memory, as by default.
    void setStorageFolder(const QString &folder) { m_storage = folder; }
    QString storageFolder() const { return m_storage; }
    QString archivePath(const QString &token) const;

    // Puts an archive under a token, as an earlier upload would have.
    void storeArchive(const QString &token, const QByteArray &archive);
    QByteArray archive(const QString &token) const;

    const QList<ExchangeRequest> &requests() const { return m_requests; }

signals:
    // Emitted when a whole request (header and body) has been read.
    void requestReceived();

private slots:
    void takeConnections();

private:
    // One connection: its header bytes, then its body, which goes to a file while an upload is stored.
    struct Connection
    {
        Connection();
        ~Connection();
        QByteArray buffer;
        ExchangeRequest request;
        bool headerDone = false;
        qint64 remaining = 0;
        std::unique_ptr<QFile> bodyFile;  // the upload under way, in the storage folder
        std::unique_ptr<QFile> replyFile; // the stored archive being sent back
    };

    void readFrom(QTcpSocket *socket);
    bool readHeader(Connection &connection);
    void requestDone(QTcpSocket *socket, Connection &connection);
    void answer(QTcpSocket *socket, Connection &connection);
    void sendFile(QTcpSocket *socket, const QString &path);
    void sendMore(QTcpSocket *socket);
    static void reply(QTcpSocket *socket, int status, const QByteArray &contentType, const QByteArray &body);

    Mode m_mode = Mode::Serve;
    int m_fixedStatus = 500;
    QByteArray m_rawReply;
    bool m_rawCloses = true;
    int m_nextToken = 4711;
    int m_nextUpload = 1;
    QString m_storage;
    QHash<QString, QByteArray> m_archives;
    std::map<QTcpSocket *, std::unique_ptr<Connection>> m_connections;
    QList<ExchangeRequest> m_requests;
};

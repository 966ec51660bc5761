#pragma once
// A small project-exchange web server on 127.0.0.1 for tests: it keeps uploaded archives under tokens, hands
// them out again, records every request as it arrived, and can be told to misbehave.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QTcpServer>

class QTcpSocket;

// One request as the server read it off the wire.
struct ExchangeRequest
{
    QByteArray method;
    QByteArray path;
    QByteArray version;
    QList<QPair<QByteArray, QByteArray>> headers; // in the order sent, names as written
    QByteArray body;

    // Value of the first header of that name (names compared without regard to case), or a null array.
    QByteArray header(const QByteArray &name) const;
    int headerCount(const QByteArray &name) const;
};

class ExchangeServer : public QTcpServer
{
    Q_OBJECT

public:
    enum class Mode {
        Serve,      // answer as a project-exchange server does
        Silent,     // read requests and never answer
        FixedStatus // answer every request with fixedStatus() and a short text
    };

    explicit ExchangeServer(QObject *parent = nullptr);

    // Listens on 127.0.0.1 at the given port, a free one by default.
    bool start(quint16 port = 0);
    QString url(const QString &path) const;

    void setMode(Mode mode) { m_mode = mode; }
    void setFixedStatus(int status) { m_fixedStatus = status; }
    int fixedStatus() const { return m_fixedStatus; }

    // Puts an archive under a token, as an earlier upload would have.
    void storeArchive(const QString &token, const QByteArray &archive) { m_archives.insert(token, archive); }
    QByteArray archive(const QString &token) const { return m_archives.value(token); }

    const QList<ExchangeRequest> &requests() const { return m_requests; }

signals:
    // Emitted when a whole request (header and body) has been read.
    void requestReceived();

private slots:
    void takeConnections();

private:
    void readFrom(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const ExchangeRequest &request);
    static void reply(QTcpSocket *socket, int status, const QByteArray &contentType, const QByteArray &body);

    Mode m_mode = Mode::Serve;
    int m_fixedStatus = 500;
    int m_nextToken = 4711;
    QHash<QString, QByteArray> m_archives;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<ExchangeRequest> m_requests;
};

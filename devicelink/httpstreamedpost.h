#pragma once
// Sends one POST over a connection of its own and hands the reply's body on as it arrives. The connection reads
// no further ahead than a bounded buffer, so a taker that is slow to write the pieces away holds the sender back
// instead of filling memory (the network access manager reads ahead in a thread of its own, unbounded).

#include "devicelink/httpreplyreader.h"

#include <QByteArray>
#include <QNetworkRequest>
#include <QObject>
#include <QTimer>

class QIODevice;
class QTcpSocket;

class HttpStreamedPost : public QObject
{
    Q_OBJECT

public:
    // The most of a reply that waits in memory for the taker: what one read of the connection may bring.
    static constexpr qint64 ReadBufferBytes = 256 * 1024;

    // The request's address (http only), its Content-Type header and raw headers are sent as they are set there.
    explicit HttpStreamedPost(const QNetworkRequest &request, QObject *parent = nullptr);

    // The body: bytes, or the rest of an open device, read as the connection takes it (the device must stay open
    // until finished). Empty by default.
    void setBody(const QByteArray &body);
    void setBodyDevice(QIODevice *device);
    // A transfer that moves no byte for this long is given up; 0 waits for good.
    void setTransferTimeout(int milliseconds) { m_stall.setInterval(milliseconds); }

    // Connects and sends; the outcome follows as finished, in the event loop (or at once when nothing can be sent).
    void start();
    // Gives the transfer up: the connection is dropped and finished follows at once, not ok, with the text.
    void abort(const QString &errorString) { finish(false, errorString); }

signals:
    // Emitted as the body goes out: body bytes handed to the connection so far against the body's size.
    void uploadProgress(qint64 sent, qint64 total);
    // Emitted as the reply's body comes in: its bytes so far against its announced length (-1 when unknown).
    void downloadProgress(qint64 received, qint64 total);
    // Emitted for each piece of a successful reply's body, in order, never larger than ReadBufferBytes.
    void bodyData(QByteArray piece);
    // Emitted once: ok when the whole reply arrived with a 2xx status; otherwise a text for the user says why not.
    // A reply cut short, malformed or refused by its status is never ok.
    void finished(bool ok, QString errorString);

private:
    void sendHead();
    void sendMore();
    void wrote(qint64 bytes);
    void readReply();
    void connectionClosed();
    void connectionFailed();
    void conclude();
    void finish(bool ok, const QString &errorString);

    QNetworkRequest m_request;
    QByteArray m_body;
    QIODevice *m_bodyDevice = nullptr;
    qint64 m_bodySize = 0;
    qint64 m_bodyQueued = 0;
    qint64 m_headSize = 0;
    qint64 m_written = 0;
    QTcpSocket *m_socket = nullptr;
    HttpReplyReader m_reader;
    QTimer m_stall;
    bool m_finished = false;
};

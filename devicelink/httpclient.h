#pragma once
// Posts a token or a project archive to a project-exchange server (or another station) and waits for the reply.

#include <QNetworkReply>
#include <QObject>

class QNetworkRequest;

class HttpClient : public QObject
{
    Q_OBJECT

public:
    // A transfer that moves no byte for this long is abandoned and reported as an error.
    static constexpr int DefaultTransferTimeoutMs = 30000;
    // And one that moves bytes, but too few to matter, is abandoned when it is not done within this grace plus
    // the bytes to move (the body sent, then the reply's announced length) at the minimum rate.
    static constexpr int DefaultDeadlineGraceMs = 60000;
    static constexpr qint64 DefaultMinimumRate = 32 * 1024; // bytes per second

    explicit HttpClient(QObject *parent = nullptr);

    // POSTs {"token": token} as JSON; returns once the reply has finished and its outcome has been signalled.
    void postJson(const QString &url, const QString &token);
    // POSTs the whole file as a zip body, read from the open file as it goes out, so that an archive never sits
    // in memory whole; returns once the reply has finished and its outcome has been signalled.
    void uploadFile(const QString &url, const QString &filePath, int deviceType);

    // For replies too large to hold (a project archive): while on, the body of a successful reply is handed on
    // through signalsReplyData as it arrives, in pieces of at most HttpStreamedPost::ReadBufferBytes, and
    // signalsReplyFinished then carries an empty array. The connection reads no further ahead than one piece, so a
    // receiver slow to store them holds the sender back rather than filling memory. Only a reply whose status is
    // 2xx and whose body arrived whole (to its announced length, its last chunk, or the end of the connection)
    // counts as success; any other ends in signalsReplyErrorString. Off by default.
    void setReplyInPieces(bool on) { m_replyInPieces = on; }
    bool replyInPieces() const { return m_replyInPieces; }

    // Tests shorten the stall timeout so that a silent peer does not hold them for half a minute.
    void setTransferTimeout(int milliseconds) { m_transferTimeoutMs = milliseconds; }
    int transferTimeout() const { return m_transferTimeoutMs; }
    // Tests shorten the overall deadline the same way.
    void setTransferDeadline(int graceMilliseconds, qint64 minimumBytesPerSecond)
    {
        m_deadlineGraceMs = graceMilliseconds;
        m_minimumRate = qMax<qint64>(1, minimumBytesPerSecond);
    }
    // The time a request that moves this many bytes in all is given.
    qint64 transferDeadline(qint64 bytes) const;

signals:
    // Emitted during a transfer: bytes moved so far against the total, in percent (100 when the total is unknown).
    void signalsReplyPercent(int percent);
    // Emitted with replyInPieces for each piece of a successful reply's body, in order, as it arrives.
    void signalsReplyData(QByteArray piece);
    // Emitted once per request that succeeded, with the whole reply body (empty with replyInPieces, whose body
    // went out through signalsReplyData).
    void signalsReplyFinished(QByteArray data);
    // Emitted once per request that failed or could not be sent, with a text for the user.
    void signalsReplyErrorString(QString errorString);

private slots:
    void replyFinished(QNetworkReply *reply);
    void upLoadError(QNetworkReply::NetworkError errorcode);
    void loadProgress(qlonglong bytesSent, qlonglong bytesTotal);
    void downloadProgress(qlonglong bytesReceived, qlonglong bytesTotal);

private:
    enum class Progress { Upload, Download };
    // Sends the request with body, or with the content of the open device bodyDevice when it is given.
    void post(QNetworkRequest &request, const QByteArray &body, QIODevice *bodyDevice, Progress progress);
    // The same through a connection of our own that hands the reply's body on as it arrives.
    void postInPieces(const QNetworkRequest &request, const QByteArray &body, QIODevice *bodyDevice, Progress progress);

    int m_transferTimeoutMs = DefaultTransferTimeoutMs;
    int m_deadlineGraceMs = DefaultDeadlineGraceMs;
    qint64 m_minimumRate = DefaultMinimumRate;
    // Set while a request is given up for its deadline, so that its end says why.
    bool m_deadlinePassed = false;
    bool m_replyInPieces = false;
};

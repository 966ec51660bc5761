#include "devicelink/httpclient.h"

#include "devicelink/httpstreamedpost.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <limits>

#include <memory>

namespace {

int percentOf(qlonglong done, qlonglong total)
{
    // The platform reports 0 or -1 while it does not know the size; the bar then shows full rather than stuck.
    if (done <= 0 || total <= 0)
        return 100;
    return static_cast<int>(done * 100 / total);
}

// The overall deadline of one request: it runs from the start and grows once, when the reply announces its
// length. Its timeout gives the request up through the given call.
class Deadline
{
public:
    Deadline(const HttpClient &client, qint64 bodyBytes, std::function<void()> giveUp)
        : m_client(client), m_bytes(bodyBytes)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, giveUp);
        m_clock.start();
        arm();
    }

    void replyAnnounced(qint64 total)
    {
        if (m_replySized || total <= 0)
            return;
        m_replySized = true;
        m_bytes += total;
        arm();
    }

private:
    void arm()
    {
        const qint64 left = m_client.transferDeadline(m_bytes) - m_clock.elapsed();
        m_timer.start(int(qBound<qint64>(0, left, std::numeric_limits<int>::max())));
    }

    const HttpClient &m_client;
    qint64 m_bytes;
    bool m_replySized = false;
    QElapsedTimer m_clock;
    QTimer m_timer;
};

} // namespace

HttpClient::HttpClient(QObject *parent) : QObject(parent) {}

void HttpClient::postJson(const QString &url, const QString &token)
{
    if (url.isEmpty()) {
        // The caller waits for one of our signals; staying silent would leave its dialog busy for good.
        emit signalsReplyErrorString(tr("No address to send to."));
        return;
    }
    QJsonObject object;
    object.insert(QStringLiteral("token"), token);
    const QByteArray body = QJsonDocument(object).toJson(QJsonDocument::Indented);

    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    post(request, body, nullptr, Progress::Download);
}

void HttpClient::uploadFile(const QString &url, const QString &filePath, int deviceType)
{
    if (url.isEmpty()) {
        emit signalsReplyErrorString(tr("No address to send to."));
        return;
    }
    if (filePath.isEmpty()) {
        emit signalsReplyErrorString(tr("No file to send."));
        return;
    }
    // The file stays open until the reply has finished: the body is read from it piece by piece as the
    // connection takes it.
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "file open failed";
        emit signalsReplyErrorString(tr("file open failed"));
        return;
    }
    if (file.size() == 0) {
        qWarning() << "file is empty";
        emit signalsReplyErrorString(tr("file is empty"));
        return;
    }

    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/zip"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, file.size());
    request.setRawHeader(QByteArrayLiteral("deviceType"), QByteArray::number(deviceType));
    post(request, QByteArray(), &file, Progress::Upload);
}

qint64 HttpClient::transferDeadline(qint64 bytes) const
{
    return qint64(m_deadlineGraceMs) + qMax<qint64>(0, bytes) * 1000 / m_minimumRate;
}

void HttpClient::post(QNetworkRequest &request, const QByteArray &body, QIODevice *bodyDevice, Progress progress)
{
    if (m_replyInPieces) {
        postInPieces(request, body, bodyDevice, progress);
        return;
    }

    // Without it a peer that accepts and then says nothing would keep the caller in the loop below forever.
    request.setTransferTimeout(m_transferTimeoutMs);

    std::unique_ptr<QNetworkAccessManager> manager(new QNetworkAccessManager);
    connect(manager.get(), &QNetworkAccessManager::finished, this, &HttpClient::replyFinished);
    QNetworkReply *reply = bodyDevice ? manager->post(request, bodyDevice) : manager->post(request, body);
    connect(reply, &QNetworkReply::errorOccurred, this, &HttpClient::upLoadError);
    if (progress == Progress::Upload)
        connect(reply, &QNetworkReply::uploadProgress, this, &HttpClient::loadProgress);
    else
        connect(reply, &QNetworkReply::downloadProgress, this, &HttpClient::downloadProgress);

    // The transfer timeout above ends a silence only; a peer that trickles a byte now and then needs this.
    m_deadlinePassed = false;
    Deadline deadline(*this, bodyDevice ? bodyDevice->size() : body.size(), [this, reply] {
        qWarning() << "HttpClient: request not done within its deadline, giving up";
        m_deadlinePassed = true;
        reply->abort();
    });
    const QMetaObject::Connection announced =
        connect(reply, &QNetworkReply::downloadProgress, this,
                [&deadline](qint64, qint64 total) { deadline.replyAnnounced(total); });

    // The manager's own handler of the reply was connected first, so replyFinished has run when this loop ends.
    // The loop serves the whole user interface meanwhile.
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    disconnect(announced);
}

void HttpClient::postInPieces(const QNetworkRequest &request, const QByteArray &body, QIODevice *bodyDevice,
                              Progress progress)
{
    // Not through the network access manager: its thread reads a reply ahead of us without bound (a read buffer
    // size set on the reply reaches that thread only once the reply is under way, megabytes too late when we are
    // busy), so a slow disk or a busy user interface would pile the archive up in memory. Our own connection reads
    // no further than its bounded buffer, and the sender waits for us.
    HttpStreamedPost post(request);
    post.setTransferTimeout(m_transferTimeoutMs);
    if (bodyDevice)
        post.setBodyDevice(bodyDevice);
    else
        post.setBody(body);
    connect(&post, &HttpStreamedPost::bodyData, this, &HttpClient::signalsReplyData);
    if (progress == Progress::Upload)
        connect(&post, &HttpStreamedPost::uploadProgress, this, &HttpClient::loadProgress);
    else
        connect(&post, &HttpStreamedPost::downloadProgress, this, &HttpClient::downloadProgress);

    Deadline deadline(*this, bodyDevice ? bodyDevice->size() : body.size(), [&post] {
        qWarning() << "HttpClient: request not done within its deadline, giving up";
        post.abort(tr("The transfer took too long."));
    });
    const QMetaObject::Connection announced =
        connect(&post, &HttpStreamedPost::downloadProgress, this,
                [&deadline](qint64, qint64 total) { deadline.replyAnnounced(total); });

    QEventLoop loop;
    bool done = false;
    bool ok = false;
    QString errorString;
    connect(&post, &HttpStreamedPost::finished, &loop, [&](bool success, const QString &error) {
        done = true;
        ok = success;
        errorString = error;
        loop.quit();
    });
    post.start();
    if (!done)
        loop.exec();
    disconnect(announced);

    if (ok) {
        emit signalsReplyFinished(QByteArray());
    } else {
        qWarning() << "streamed reply failed:" << errorString;
        emit signalsReplyErrorString(errorString);
    }
}

void HttpClient::replyFinished(QNetworkReply *reply)
{
    if (m_deadlinePassed)
        emit signalsReplyErrorString(tr("The transfer took too long."));
    else if (reply->error() != QNetworkReply::NoError)
        emit signalsReplyErrorString(reply->errorString());
    else
        emit signalsReplyFinished(reply->readAll());
    reply->deleteLater();
}

void HttpClient::upLoadError(QNetworkReply::NetworkError errorcode)
{
    qWarning("QNetworkReply::NetworkError::%d", static_cast<int>(errorcode));
}

void HttpClient::loadProgress(qlonglong bytesSent, qlonglong bytesTotal)
{
    emit signalsReplyPercent(percentOf(bytesSent, bytesTotal));
}

void HttpClient::downloadProgress(qlonglong bytesReceived, qlonglong bytesTotal)
{
    emit signalsReplyPercent(percentOf(bytesReceived, bytesTotal));
}

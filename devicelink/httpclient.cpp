#include "devicelink/httpclient.h"

#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>

#include <memory>

namespace {

// How much of a reply handed on in pieces may wait in memory for us to take it.
const qint64 ReplyBufferBytes = 256 * 1024;

int percentOf(qlonglong done, qlonglong total)
{
    // The platform reports 0 or -1 while it does not know the size; the bar then shows full rather than stuck.
    if (done <= 0 || total <= 0)
        return 100;
    return static_cast<int>(done * 100 / total);
}

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
        qDebug() << "file open failed";
        emit signalsReplyErrorString(tr("file open failed"));
        return;
    }
    if (file.size() == 0) {
        qDebug() << "file is empty";
        emit signalsReplyErrorString(tr("file is empty"));
        return;
    }

    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/zip"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, file.size());
    request.setRawHeader(QByteArrayLiteral("deviceType"), QByteArray::number(deviceType));
    post(request, QByteArray(), &file, Progress::Upload);
}

void HttpClient::post(QNetworkRequest &request, const QByteArray &body, QIODevice *bodyDevice, Progress progress)
{
    // Without it a peer that accepts and then says nothing would keep the caller in the loop below forever.
    request.setTransferTimeout(m_transferTimeoutMs);

    // The network module may otherwise receive a reply of known length into one buffer of that length.
    if (m_replyInPieces)
        request.setAttribute(QNetworkRequest::MaximumDownloadBufferSizeAttribute, 0);

    std::unique_ptr<QNetworkAccessManager> manager(new QNetworkAccessManager);
    connect(manager.get(), &QNetworkAccessManager::finished, this, &HttpClient::replyFinished);
    QNetworkReply *reply = bodyDevice ? manager->post(request, bodyDevice) : manager->post(request, body);
    connect(reply, &QNetworkReply::errorOccurred, this, &HttpClient::upLoadError);
    if (m_replyInPieces) {
        // What has not been taken yet is all the reply holds; a bounded buffer makes a fast sender wait for us.
        // Told again once the reply's header is in: the network thread takes the bound only from a reply under
        // way, and the request may not have been under way yet the first time.
        reply->setReadBufferSize(ReplyBufferBytes);
        connect(reply, &QNetworkReply::metaDataChanged, reply, [reply] { reply->setReadBufferSize(ReplyBufferBytes); });
        connect(reply, &QNetworkReply::readyRead, this, [this, reply] { passPiece(reply); });
    }
    if (progress == Progress::Upload)
        connect(reply, &QNetworkReply::uploadProgress, this, &HttpClient::loadProgress);
    else
        connect(reply, &QNetworkReply::downloadProgress, this, &HttpClient::downloadProgress);

    // The manager's own handler of the reply was connected first, so replyFinished has run when this loop ends.
    // The loop serves the whole user interface meanwhile.
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
}

void HttpClient::passPiece(QNetworkReply *reply)
{
    // Taken in any case, so that the bounded buffer never stalls the reply; the body of a refusal is no part of
    // what the caller asked for and is dropped (the reply then ends in the error signal).
    const QByteArray piece = reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 200 && status <= 299 && reply->error() == QNetworkReply::NoError && !piece.isEmpty())
        emit signalsReplyData(piece);
}

void HttpClient::replyFinished(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError) {
        emit signalsReplyErrorString(reply->errorString());
    } else if (m_replyInPieces) {
        passPiece(reply);
        emit signalsReplyFinished(QByteArray());
    } else {
        emit signalsReplyFinished(reply->readAll());
    }
    reply->deleteLater();
}

void HttpClient::upLoadError(QNetworkReply::NetworkError errorcode)
{
    qDebug("QNetworkReply::NetworkError::%d", static_cast<int>(errorcode));
}

void HttpClient::loadProgress(qlonglong bytesSent, qlonglong bytesTotal)
{
    emit signalsReplyPercent(percentOf(bytesSent, bytesTotal));
}

void HttpClient::downloadProgress(qlonglong bytesReceived, qlonglong bytesTotal)
{
    emit signalsReplyPercent(percentOf(bytesReceived, bytesTotal));
}

// The project-exchange client against a small exchange server on 127.0.0.1.

#include "devicelink/httpclient.h"
#include "devicelink/httpstreamedpost.h"
#include "tests/support/exchangeserver.h"
#include "tests/support/processmemory.h"
#include "tests/support/testarchive.h"
#include "tests/support/testenv.h"
#include "tests/support/tricklingpeer.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class TestHttpClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void postJsonSendsTheTokenAsJson();
    void postJsonUnknownTokenReportsTheHttpError();
    void uploadFileSendsTheArchiveAsItIs();
    void uploadedArchiveComesBackByItsToken();
    void httpErrorStatusReachesTheErrorSignal_data();
    void httpErrorStatusReachesTheErrorSignal();
    void refusedConnectionReachesTheErrorSignal_data();
    void refusedConnectionReachesTheErrorSignal();
    void silentServerEndsInTheErrorSignal_data();
    void silentServerEndsInTheErrorSignal();
    void tricklingServerMeetsTheDeadline_data();
    void tricklingServerMeetsTheDeadline();
    void requestsThatCannotBeSentAreReported_data();
    void requestsThatCannotBeSentAreReported();
    void progressPercent_data();
    void progressPercent();

    void largeUploadArrivesWhole();
    void replyInPiecesArrivesWholeAndInOrder();
    void replyInPiecesPassesNothingOfARefusal_data();
    void replyInPiecesPassesNothingOfARefusal();
    void replyInPiecesReadsEveryFraming_data();
    void replyInPiecesReadsEveryFraming();
    void replyInPiecesReportsBrokenReplies_data();
    void replyInPiecesReportsBrokenReplies();
    void replyInPiecesHoldsASlowReceiverToOneBuffer();
    void transfersHoldNoArchiveInMemory();

private:
    QTemporaryDir m_home;
    QString m_archivePath;
    QByteArray m_archive;
};

void TestHttpClient::initTestCase()
{
    QVERIFY(m_home.isValid());
    testenv::useFreshHome(m_home);
    m_archivePath = testarchive::makeProjectArchive(m_home.path(), QStringLiteral("Seaside"), 3 * 1024 * 1024);
    QVERIFY(!m_archivePath.isEmpty());
    QFile file(m_archivePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_archive = file.readAll();
    QVERIFY(m_archive.size() > 3 * 1024 * 1024);
    QVERIFY(m_archive.contains('\0'));
}

void TestHttpClient::postJsonSendsTheTokenAsJson()
{
    ExchangeServer server;
    QVERIFY(server.start());
    server.storeArchive(QStringLiteral("0042"), m_archive);

    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    QSignalSpy percent(&client, &HttpClient::signalsReplyPercent);
    client.postJson(server.url(QStringLiteral("/v1/dbDownload")), QStringLiteral("0042"));

    // The outcome is known when the call returns: no waiting here.
    QCOMPARE(failed.count(), 0);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toByteArray(), m_archive);
    QVERIFY(!percent.isEmpty());
    QCOMPARE(percent.last().at(0).toInt(), 100);

    QCOMPARE(server.requests().size(), 1);
    const ExchangeRequest &request = server.requests().at(0);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/v1/dbDownload"));
    QCOMPARE(request.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(request.header("Content-Length").toInt(), request.body.size());

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(request.body, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(document.isObject());
    const QJsonObject object = document.object();
    QCOMPARE(object.keys(), QStringList{QStringLiteral("token")});
    QVERIFY(object.value(QStringLiteral("token")).isString());
    QCOMPARE(object.value(QStringLiteral("token")).toString(), QStringLiteral("0042"));
    // The indented form of the JSON writer, as the exchange server has always received it.
    QCOMPARE(request.body, QByteArray("{\n    \"token\": \"0042\"\n}\n"));
}

void TestHttpClient::postJsonUnknownTokenReportsTheHttpError()
{
    ExchangeServer server;
    QVERIFY(server.start());

    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    client.postJson(server.url(QStringLiteral("/v1/dbDownload")), QStringLiteral("9999"));

    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
}

void TestHttpClient::uploadFileSendsTheArchiveAsItIs()
{
    ExchangeServer server;
    QVERIFY(server.start());

    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    QSignalSpy percent(&client, &HttpClient::signalsReplyPercent);
    client.uploadFile(server.url(QStringLiteral("/v1/dbUpload")), m_archivePath, 0);

    QCOMPARE(failed.count(), 0);
    QCOMPARE(finished.count(), 1);
    const QJsonObject answer = QJsonDocument::fromJson(finished.at(0).at(0).toByteArray()).object();
    QCOMPARE(answer.value(QStringLiteral("code")).toInt(-1), 0);
    QCOMPARE(answer.value(QStringLiteral("data")).toObject().value(QStringLiteral("token")).toString(),
             QStringLiteral("4711"));

    QCOMPARE(server.requests().size(), 1);
    const ExchangeRequest &request = server.requests().at(0);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/v1/dbUpload"));
    QCOMPARE(request.header("Content-Type"), QByteArray("application/zip"));
    QCOMPARE(request.headerCount("deviceType"), 1);
    QCOMPARE(request.header("deviceType"), QByteArray("0"));
    QCOMPARE(request.header("Content-Length").toInt(), m_archive.size());
    QVERIFY(request.body == m_archive);

    // Upload progress climbs to 100 and never goes back.
    QVERIFY(!percent.isEmpty());
    int last = 0;
    for (const QList<QVariant> &step : percent) {
        const int value = step.at(0).toInt();
        QVERIFY2(value >= last && value <= 100, qPrintable(QString::number(value)));
        last = value;
    }
    QCOMPARE(last, 100);
}

void TestHttpClient::uploadedArchiveComesBackByItsToken()
{
    ExchangeServer server;
    QVERIFY(server.start());

    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    client.uploadFile(server.url(QStringLiteral("/v1/dbUpload")), m_archivePath, 0);
    QCOMPARE(finished.count(), 1);
    const QString token = QJsonDocument::fromJson(finished.at(0).at(0).toByteArray())
                              .object()
                              .value(QStringLiteral("data"))
                              .toObject()
                              .value(QStringLiteral("token"))
                              .toString();
    QVERIFY(!token.isEmpty());

    client.postJson(server.url(QStringLiteral("/v1/dbDownload")), token);
    QCOMPARE(finished.count(), 2);
    QVERIFY(finished.at(1).at(0).toByteArray() == m_archive);
}

void TestHttpClient::httpErrorStatusReachesTheErrorSignal_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("upload");
    QTest::newRow("download, 404") << 404 << false;
    QTest::newRow("download, 500") << 500 << false;
    QTest::newRow("upload, 403") << 403 << true;
    QTest::newRow("upload, 503") << 503 << true;
}

void TestHttpClient::httpErrorStatusReachesTheErrorSignal()
{
    QFETCH(int, status);
    QFETCH(bool, upload);
    ExchangeServer server;
    QVERIFY(server.start());
    server.setMode(ExchangeServer::Mode::FixedStatus);
    server.setFixedStatus(status);

    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    if (upload)
        client.uploadFile(server.url(QStringLiteral("/v1/dbUpload")), m_archivePath, 0);
    else
        client.postJson(server.url(QStringLiteral("/v1/dbDownload")), QStringLiteral("1234"));

    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
}

void TestHttpClient::refusedConnectionReachesTheErrorSignal_data()
{
    QTest::addColumn<bool>("upload");
    QTest::addColumn<bool>("inPieces");
    QTest::newRow("upload") << true << false;
    QTest::newRow("download") << false << false;
    QTest::newRow("download in pieces") << false << true;
}

void TestHttpClient::refusedConnectionReachesTheErrorSignal()
{
    QFETCH(bool, upload);
    QFETCH(bool, inPieces);
    // A port that was free a moment ago and that nobody listens on now.
    QString url;
    {
        ExchangeServer probe;
        QVERIFY(probe.start());
        url = probe.url(upload ? QStringLiteral("/v1/dbUpload") : QStringLiteral("/v1/dbDownload"));
        probe.close();
    }
    HttpClient client;
    client.setReplyInPieces(inPieces);
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    if (upload)
        client.uploadFile(url, m_archivePath, 0);
    else
        client.postJson(url, QStringLiteral("1234"));
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
}

void TestHttpClient::silentServerEndsInTheErrorSignal_data()
{
    QTest::addColumn<bool>("upload");
    QTest::addColumn<bool>("inPieces");
    QTest::newRow("download") << false << false;
    QTest::newRow("download in pieces") << false << true;
    QTest::newRow("upload") << true << false;
    QTest::newRow("upload, reply in pieces") << true << true;
}

void TestHttpClient::silentServerEndsInTheErrorSignal()
{
    QFETCH(bool, upload);
    QFETCH(bool, inPieces);
    ExchangeServer server;
    QVERIFY(server.start());
    server.setMode(ExchangeServer::Mode::Silent);

    HttpClient client;
    QCOMPARE(client.transferTimeout(), 30000);
    client.setTransferTimeout(300);
    client.setReplyInPieces(inPieces);
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    QElapsedTimer clock;
    clock.start();
    if (upload)
        client.uploadFile(server.url(QStringLiteral("/v1/dbUpload")), m_archivePath, 0);
    else
        client.postJson(server.url(QStringLiteral("/v1/dbDownload")), QStringLiteral("1234"));

    // The whole request reached the server, which never said a word; the caller is let go all the same.
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
}

void TestHttpClient::tricklingServerMeetsTheDeadline_data()
{
    silentServerEndsInTheErrorSignal_data();
}

void TestHttpClient::tricklingServerMeetsTheDeadline()
{
    QFETCH(bool, upload);
    QFETCH(bool, inPieces);
    // A server that answers a byte at a time: never silent long enough for the stall timeout.
    TricklingPeer server("HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\nContent-Length: 1000000\r\n\r\n");
    QVERIFY(server.listen());
    const QString url = QStringLiteral("http://127.0.0.1:%1/v1/dbDownload").arg(server.port());

    HttpClient client;
    QCOMPARE(client.transferDeadline(0), qint64(HttpClient::DefaultDeadlineGraceMs));
    QCOMPARE(client.transferDeadline(HttpClient::DefaultMinimumRate * 10),
             qint64(HttpClient::DefaultDeadlineGraceMs) + 10000);
    client.setTransferDeadline(300, 1000 * 1000 * 1000);
    client.setReplyInPieces(inPieces);
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    // Should the deadline not hold, the server gives up after a while, and the end is of another kind.
    QTimer::singleShot(15000, &server, [&server] { server.hangUp(); });
    if (upload)
        client.uploadFile(url, m_archivePath, 0);
    else
        client.postJson(url, QStringLiteral("1234"));

    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("The transfer took too long."));
    QVERIFY(server.trickled() > 0);
}

void TestHttpClient::requestsThatCannotBeSentAreReported_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("file"); // "archive", "missing", "empty" or "" for no path
    QTest::newRow("download without url") << "download"
                                          << ""
                                          << "";
    QTest::newRow("upload without url") << "upload"
                                        << ""
                                        << "archive";
    QTest::newRow("upload without path") << "upload"
                                         << "server"
                                         << "";
    QTest::newRow("upload of a missing file") << "upload"
                                              << "server"
                                              << "missing";
    QTest::newRow("upload of an empty file") << "upload"
                                             << "server"
                                             << "empty";
    QTest::newRow("upload of a folder") << "upload"
                                        << "server"
                                        << "folder";
    QTest::newRow("download in pieces without url") << "pieces"
                                                    << ""
                                                    << "";
    QTest::newRow("download in pieces, not http") << "pieces"
                                                  << "ftp"
                                                  << "";
}

void TestHttpClient::requestsThatCannotBeSentAreReported()
{
    QFETCH(QString, call);
    QFETCH(QString, url);
    QFETCH(QString, file);
    ExchangeServer server;
    QVERIFY(server.start());
    if (url == QLatin1String("server"))
        url = server.url(QStringLiteral("/v1/dbUpload"));
    else if (url == QLatin1String("ftp"))
        url = server.url(QStringLiteral("/v1/dbDownload")).replace(QStringLiteral("http:"), QStringLiteral("ftp:"));

    QString path;
    if (file == QLatin1String("archive"))
        path = m_archivePath;
    else if (file == QLatin1String("missing"))
        path = m_home.filePath(QStringLiteral("no-such.zip"));
    else if (file == QLatin1String("folder"))
        path = m_home.path();
    else if (file == QLatin1String("empty")) {
        path = m_home.filePath(QStringLiteral("empty.zip"));
        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
    }

    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    QSignalSpy percent(&client, &HttpClient::signalsReplyPercent);
    client.setReplyInPieces(call == QLatin1String("pieces"));
    if (call == QLatin1String("upload"))
        client.uploadFile(url, path, 0);
    else
        client.postJson(url, QStringLiteral("1234"));

    QCOMPARE(finished.count(), 0);
    QCOMPARE(percent.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
    // Give a stray request every chance to arrive before looking: none must.
    QTest::qWait(50);
    QCOMPARE(server.requests().size(), 0);
}

void TestHttpClient::progressPercent_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<qlonglong>("done");
    QTest::addColumn<qlonglong>("total");
    QTest::addColumn<int>("expected");
    for (const QByteArray &slot : {QByteArray("loadProgress"), QByteArray("downloadProgress")}) {
        const char *name = slot.constData();
        QTest::addRow("%s 512 of 2048", name) << slot << 512LL << 2048LL << 25;
        QTest::addRow("%s 1 of 3", name) << slot << 1LL << 3LL << 33;
        QTest::addRow("%s all", name) << slot << 2048LL << 2048LL << 100;
        QTest::addRow("%s total unknown", name) << slot << 512LL << -1LL << 100;
        QTest::addRow("%s total zero", name) << slot << 512LL << 0LL << 100;
        QTest::addRow("%s nothing yet", name) << slot << 0LL << 2048LL << 100;
        QTest::addRow("%s 45 MB of 90 MB", name) << slot << 45000000LL << 90000000LL << 50;
        QTest::addRow("%s 3 GB of 4 GB", name) << slot << 3000000000LL << 4000000000LL << 75;
    }
}

void TestHttpClient::progressPercent()
{
    QFETCH(QByteArray, slot);
    QFETCH(qlonglong, done);
    QFETCH(qlonglong, total);
    QFETCH(int, expected);
    HttpClient client;
    QSignalSpy percent(&client, &HttpClient::signalsReplyPercent);
    QVERIFY(QMetaObject::invokeMethod(&client, slot.constData(), Q_ARG(qlonglong, done), Q_ARG(qlonglong, total)));
    QCOMPARE(percent.count(), 1);
    QCOMPARE(percent.at(0).at(0).toInt(), expected);
}

namespace {

// A file of size incompressible bytes, written a megabyte at a time.
bool writeNoise(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QRandomGenerator random(20261211);
    QVector<quint32> chunk(256 * 1024);
    for (qint64 written = 0; written < size;) {
        random.fillRange(chunk.data(), chunk.size());
        const qint64 n = qMin<qint64>(size - written, chunk.size() * 4);
        if (file.write(reinterpret_cast<const char *>(chunk.constData()), n) != n)
            return false;
        written += n;
    }
    return true;
}

} // namespace

void TestHttpClient::largeUploadArrivesWhole()
{
    const QString big = m_home.filePath(QStringLiteral("large-upload.zip"));
    QVERIFY(writeNoise(big, 24 * 1024 * 1024 + 123));
    QTemporaryDir store;
    ExchangeServer server;
    server.setStorageFolder(store.path());
    QVERIFY(server.start());

    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    QSignalSpy percent(&client, &HttpClient::signalsReplyPercent);
    client.uploadFile(server.url(QStringLiteral("/v1/dbUpload")), big, 0);

    QCOMPARE(failed.count(), 0);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().at(0).header("Content-Length").toLongLong(), QFileInfo(big).size());
    QCOMPARE(testarchive::sha1Of(server.archivePath(QStringLiteral("4711"))), testarchive::sha1Of(big));
    // Read from the file as the connection takes it: progress is told along the way, not only at the end.
    QVERIFY2(percent.count() > 2, qPrintable(QString::number(percent.count())));
    QCOMPARE(percent.last().at(0).toInt(), 100);
}

void TestHttpClient::replyInPiecesArrivesWholeAndInOrder()
{
    QTemporaryDir store;
    ExchangeServer server;
    server.setStorageFolder(store.path());
    QVERIFY(server.start());
    const QString stored = server.archivePath(QStringLiteral("0815"));
    QVERIFY(writeNoise(stored, 24 * 1024 * 1024 + 77));

    HttpClient client;
    QVERIFY(!client.replyInPieces());
    client.setReplyInPieces(true);
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    const QString received = m_home.filePath(QStringLiteral("received.zip"));
    QFile file(received);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    int pieces = 0;
    int largest = 0;
    connect(&client, &HttpClient::signalsReplyData, this, [&](const QByteArray &piece) {
        ++pieces;
        largest = qMax(largest, piece.size());
        QCOMPARE(finished.count(), 0);
        file.write(piece);
    });
    client.postJson(server.url(QStringLiteral("/v1/dbDownload")), QStringLiteral("0815"));
    file.close();

    QCOMPARE(failed.count(), 0);
    QCOMPARE(finished.count(), 1);
    QVERIFY(finished.at(0).at(0).toByteArray().isEmpty());
    QCOMPARE(testarchive::sha1Of(received), testarchive::sha1Of(stored));
    QVERIFY2(pieces > 1 && largest <= HttpStreamedPost::ReadBufferBytes,
             qPrintable(QString("%1 pieces, largest %2").arg(pieces).arg(largest)));
}

void TestHttpClient::replyInPiecesPassesNothingOfARefusal_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("unknown token") << 0; // the server's own 404 with its JSON body
    QTest::newRow("500") << 500;
}

void TestHttpClient::replyInPiecesPassesNothingOfARefusal()
{
    QFETCH(int, status);
    ExchangeServer server;
    QVERIFY(server.start());
    if (status) {
        server.setMode(ExchangeServer::Mode::FixedStatus);
        server.setFixedStatus(status);
    }
    HttpClient client;
    client.setReplyInPieces(true);
    QSignalSpy pieces(&client, &HttpClient::signalsReplyData);
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    client.postJson(server.url(QStringLiteral("/v1/dbDownload")), QStringLiteral("9999"));
    QCOMPARE(pieces.count(), 0);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
}

void TestHttpClient::replyInPiecesReadsEveryFraming_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("body");
    const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\n";
    QTest::newRow("content-length") << ok + "Content-Length: 11\r\n\r\nPK\3\4archive" << QByteArray("PK\3\4archive");
    QTest::newRow("chunked") << ok + "Transfer-Encoding: chunked\r\n\r\n4\r\nPK\3\4\r\n7\r\narchive\r\n0\r\n\r\n"
                             << QByteArray("PK\3\4archive");
    QTest::newRow("until the connection ends") << ok + "\r\nPK\3\4archive" << QByteArray("PK\3\4archive");
    QTest::newRow("HTTP/1.0 after an interim reply")
        << QByteArray("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.0 200 OK\r\nContent-Length: 11\r\n\r\nPK\3\4archive")
        << QByteArray("PK\3\4archive");
    QTest::newRow("empty body") << ok + "Content-Length: 0\r\n\r\n" << QByteArray();
}

void TestHttpClient::replyInPiecesReadsEveryFraming()
{
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, body);
    ExchangeServer server;
    QVERIFY(server.start());
    server.setMode(ExchangeServer::Mode::Raw);
    server.setRawReply(reply);

    HttpClient client;
    client.setReplyInPieces(true);
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    QSignalSpy percent(&client, &HttpClient::signalsReplyPercent);
    QByteArray received;
    connect(&client, &HttpClient::signalsReplyData, this, [&](const QByteArray &piece) { received += piece; });
    client.postJson(server.url(QStringLiteral("/v1/dbDownload")), QStringLiteral("0042"));

    QCOMPARE(failed.count(), 0);
    QCOMPARE(finished.count(), 1);
    QVERIFY(finished.at(0).at(0).toByteArray().isEmpty());
    QCOMPARE(received, body);
    QVERIFY(!percent.isEmpty());
    QCOMPARE(percent.last().at(0).toInt(), 100);

    // The same request as the network access manager sends for it.
    QCOMPARE(server.requests().size(), 1);
    const ExchangeRequest &request = server.requests().at(0);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/v1/dbDownload"));
    QCOMPARE(request.version, QByteArray("HTTP/1.1"));
    QCOMPARE(request.header("Host"), QByteArray("127.0.0.1:") + QByteArray::number(server.serverPort()));
    QCOMPARE(request.headerCount("Content-Type"), 1);
    QCOMPARE(request.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(request.headerCount("Content-Length"), 1);
    QCOMPARE(request.header("Content-Length").toInt(), request.body.size());
    QCOMPARE(request.body, QByteArray("{\n    \"token\": \"0042\"\n}\n"));
}

void TestHttpClient::replyInPiecesReportsBrokenReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("closes");
    const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\n";
    // Cut short: part of an archive is no archive, whatever the pieces before said.
    QTest::newRow("length cut short by the end of the connection")
        << ok + "Content-Length: 1000\r\n\r\nPK\3\4partial" << true;
    QTest::newRow("length cut short, connection left open")
        << ok + "Content-Length: 1000\r\n\r\nPK\3\4partial" << false;
    QTest::newRow("chunks cut short") << ok + "Transfer-Encoding: chunked\r\n\r\n4\r\nPK\3\4\r\n" << true;
    QTest::newRow("header cut short") << QByteArray("HTTP/1.1 200 OK\r\nContent-Le") << true;
    QTest::newRow("closed without a reply") << QByteArray() << true;
    // Not a reply to take.
    QTest::newRow("garbage") << QByteArray("PK\3\4 this is no HTTP\r\n\r\n") << true;
    QTest::newRow("malformed chunk") << ok + "Transfer-Encoding: chunked\r\n\r\nxyz\r\nPK\3\4\r\n0\r\n\r\n" << true;
    QTest::newRow("two lengths") << ok + "Content-Length: 4\r\nContent-Length: 5\r\n\r\nPK\3\4!" << true;
    // A status that is no success, whatever its body.
    QTest::newRow("redirect") << QByteArray("HTTP/1.1 301 Moved Permanently\r\nLocation: http://127.0.0.1:1/\r\n"
                                            "Content-Length: 4\r\n\r\nPK\3\4")
                              << true;
    QTest::newRow("refusal in chunks") << QByteArray("HTTP/1.1 500 Internal Server Error\r\nTransfer-Encoding: "
                                                     "chunked\r\n\r\n4\r\nPK\3\4\r\n0\r\n\r\n")
                                       << true;
}

void TestHttpClient::replyInPiecesReportsBrokenReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, closes);
    ExchangeServer server;
    QVERIFY(server.start());
    server.setMode(ExchangeServer::Mode::Raw);
    server.setRawReply(reply, closes);

    HttpClient client;
    client.setReplyInPieces(true);
    client.setTransferTimeout(300);
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    QElapsedTimer clock;
    clock.start();
    client.postJson(server.url(QStringLiteral("/v1/dbDownload")), QStringLiteral("0042"));

    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
}

namespace {

// An exchange server in a thread of its own: it sends as fast as the connection takes the bytes, whatever the
// receiving thread is busy with, as a real server does.
class ServerThread
{
public:
    explicit ServerThread(const QString &storage)
    {
        m_server = new ExchangeServer;
        m_server->setStorageFolder(storage);
        m_server->moveToThread(&m_thread);
        QObject::connect(&m_thread, &QThread::finished, m_server, &QObject::deleteLater);
        m_thread.start();
        QMetaObject::invokeMethod(
            m_server,
            [this] { m_url = m_server->start() ? m_server->url(QStringLiteral("/v1/dbDownload")) : QString(); },
            Qt::BlockingQueuedConnection);
    }
    ~ServerThread()
    {
        m_thread.quit();
        m_thread.wait();
    }
    QString downloadUrl() const { return m_url; }
    QString archivePath(const QString &token) const { return m_server->archivePath(token); }

private:
    QThread m_thread;
    ExchangeServer *m_server = nullptr;
    QString m_url;
};

} // namespace

void TestHttpClient::replyInPiecesHoldsASlowReceiverToOneBuffer()
{
    QTemporaryDir store;
    ServerThread server(store.path());
    QVERIFY(!server.downloadUrl().isEmpty());
    const qint64 size = 32 * 1024 * 1024 + 5;
    QVERIFY(writeNoise(server.archivePath(QStringLiteral("0815")), size));
    const bool memoryKnown = resetPeakMemory() && peakResidentKb() >= 0;
    const qint64 before = residentKb();

    HttpClient client;
    client.setReplyInPieces(true);
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    QCryptographicHash received(QCryptographicHash::Sha1);
    int pieces = 0;
    int largest = 0;
    connect(&client, &HttpClient::signalsReplyData, this, [&](const QByteArray &piece) {
        ++pieces;
        largest = qMax(largest, piece.size());
        received.addData(piece);
        // A receiver that takes its time over every piece, as a slow disk or a busy user interface does.
        QCryptographicHash work(QCryptographicHash::Sha256);
        for (int i = 0; i < 8; ++i)
            work.addData(piece);
        QVERIFY(!work.result().isEmpty());
    });
    client.postJson(server.downloadUrl(), QStringLiteral("0815"));
    const qint64 growthKb = peakResidentKb() - before;

    QCOMPARE(failed.count(), 0);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(received.result(), testarchive::sha1Of(server.archivePath(QStringLiteral("0815"))));
    // However far ahead the sender is, no piece is larger than the connection's buffer ...
    QVERIFY2(largest <= HttpStreamedPost::ReadBufferBytes,
             qPrintable(QString("%1 pieces, largest %2").arg(pieces).arg(largest)));
#if !defined(__SANITIZE_ADDRESS__)
    // ... and nothing else piles up: a copy of the archive would be 32 MB.
    if (memoryKnown)
        QVERIFY2(growthKb < 12 * 1024, qPrintable(QString("grew %1 kB").arg(growthKb)));
#else
    Q_UNUSED(memoryKnown);
    Q_UNUSED(growthKb);
#endif
}

void TestHttpClient::transfersHoldNoArchiveInMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the sanitizer keeps freed memory in quarantine");
#endif
    const qint64 size = 64 * 1024 * 1024;
    const QString big = m_home.filePath(QStringLiteral("memory.zip"));
    QVERIFY(writeNoise(big, size));
    QTemporaryDir store;
    ExchangeServer server;
    server.setStorageFolder(store.path());
    QVERIFY(server.start());
    if (!resetPeakMemory() || peakResidentKb() < 0)
        QSKIP("the platform does not tell the peak memory of a process");

    // Up from the file to the server's file, and back down in pieces to another file.
    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::signalsReplyFinished);
    const qint64 before = residentKb();
    client.uploadFile(server.url(QStringLiteral("/v1/dbUpload")), big, 0);
    QCOMPARE(finished.count(), 1);
    const qint64 uploadGrowth = peakResidentKb() - before;

    QVERIFY(resetPeakMemory());
    const qint64 beforeDownload = residentKb();
    client.setReplyInPieces(true);
    const QString received = m_home.filePath(QStringLiteral("memory-back.zip"));
    QFile file(received);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    connect(&client, &HttpClient::signalsReplyData, this, [&file](const QByteArray &piece) { file.write(piece); });
    client.postJson(server.url(QStringLiteral("/v1/dbDownload")), QStringLiteral("4711"));
    file.close();
    QCOMPARE(finished.count(), 2);
    const qint64 downloadGrowth = peakResidentKb() - beforeDownload;
    QCOMPARE(testarchive::sha1Of(received), testarchive::sha1Of(big));

    // A copy of the archive would be 64 MB; what may be in flight is a few buffers.
    QVERIFY2(uploadGrowth < 24 * 1024, qPrintable(QString("upload grew %1 kB").arg(uploadGrowth)));
    QVERIFY2(downloadGrowth < 24 * 1024, qPrintable(QString("download grew %1 kB").arg(downloadGrowth)));
}

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_httpclient.moc"

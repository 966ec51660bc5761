// The station-to-station receiver, fed by raw sockets, by the platform's HTTP client and by our own client.

#include "core/globals.h"
#include "core/projectfolders.h"
#include "devicelink/httpclient.h"
#include "devicelink/httpserver.h"
#include "tests/support/testarchive.h"
#include "tests/support/testenv.h"
#include "tests/support/tricklingpeer.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <JlCompress.h>

#include <memory>

namespace {

const QByteArray ReplyBytes = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nPOST data received!";

QByteArray header(const QByteArray &fields)
{
    return "POST / HTTP/1.1\r\nHost: 127.0.0.1:8080\r\nContent-Type: application/zip\r\n" + fields + "\r\n";
}

QByteArray header(int contentLength)
{
    return header("deviceType: 0\r\nContent-Length: " + QByteArray::number(contentLength) + "\r\n");
}

// Body bytes that hold everything a careless parser trips over: NUL bytes, a line that starts a request, a
// length field and a blank line.
QByteArray trickyBody(int size)
{
    QByteArray body = "POST / HTTP/1.1\r\nContent-Length: 7\r\n\r\n";
    body.append('\0');
    body.append("PK\x03\x04");
    for (int i = 0; body.size() < size; ++i)
        body.append(static_cast<char>(i * 31 + 7));
    body.truncate(size);
    return body;
}

// A sender on a raw socket; collects what the station answers.
class Sender
{
public:
    explicit Sender(quint16 port)
    {
        socket.connectToHost(QHostAddress::LocalHost, port);
        connected = socket.waitForConnected(5000);
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
    }

    void send(const QByteArray &bytes)
    {
        socket.write(bytes);
        socket.flush();
    }

    // True once the station closed the connection; received holds everything it wrote before.
    bool waitClosed(int timeout = 5000)
    {
        if (socket.state() != QAbstractSocket::UnconnectedState) {
            QSignalSpy closed(&socket, &QTcpSocket::disconnected);
            if (!closed.wait(timeout) && socket.state() != QAbstractSocket::UnconnectedState)
                return false;
        }
        received += socket.readAll();
        return true;
    }

    QTcpSocket socket;
    QByteArray received;
    bool connected = false;
};

// The station's signals, in the order they came.
class Recorder : public QObject
{
public:
    explicit Recorder(HttpServer &server)
    {
        connect(&server, &HttpServer::signalsDownloadData, this, [this](const QByteArray &data) {
            pieces.append(data.size());
            body += data;
            events.append("data");
        });
        connect(&server, &HttpServer::signalsReplyPercent, this, [this](int percent) {
            percents.append(percent);
            events.append("percent");
        });
        connect(&server, &HttpServer::signalsReplyFinished, this, [this] {
            ++finished;
            events.append("finished");
        });
        connect(&server, &HttpServer::signalsReplyErrorString, this, [this](const QString &text) {
            errors.append(text);
            events.append("error");
        });
        connect(&server, &HttpServer::signalsSenderDropped, this, [this](const QString &text) {
            dropped.append(text);
            events.append("dropped");
        });
    }

    QList<int> pieces;
    QByteArray body;
    QList<int> percents;
    int finished = 0;
    QStringList errors;
    QStringList dropped;
    QStringList events;
};

} // namespace

class TestHttpServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listensOnTheHostAddressOnly();
    void wholeRequestInOneRead();
    void requestInThreeReads();
    void headerWithoutBodyWaitsForTheBody();
    void headerSplitOverReads_data();
    void headerSplitOverReads();
    void malformedRequestsGetNoReply_data();
    void malformedRequestsGetNoReply();
    void headerSizeLimit_data();
    void headerSizeLimit();
    void bytesBeyondTheLengthAreDropped_data();
    void bytesBeyondTheLengthAreDropped();
    void truncatedTransferIsReported();
    void lengthBeyondTheArchiveLimit_data();
    void lengthBeyondTheArchiveLimit();
    void stalledSenderIsDropped_data();
    void stalledSenderIsDropped();
    void endlessHeaderIsClosedInTime();
    void tricklingSenderLosesTheSlot();
    void bodyDeadlineScalesWithTheLength();
    void repostAfterTheArchive_data();
    void repostAfterTheArchive();
    void secondSenderIsTurnedAway_data();
    void secondSenderIsTurnedAway();
    void largeBodyReportsTheRightPercentage();
    void archiveFromThePlatformClient_data();
    void archiveFromThePlatformClient();
    void archiveFromAnotherStation();

private:
    void closeWhenFinished();

    QTemporaryDir m_home;
    QString m_archivePath;
    QByteArray m_archive;
    std::unique_ptr<HttpServer> m_server;
    quint16 m_port = 0;
};

void TestHttpServer::initTestCase()
{
    QVERIFY(m_home.isValid());
    testenv::useFreshHome(m_home);
    gHostIp = QStringLiteral("127.0.0.1");
    m_archivePath = testarchive::makeProjectArchive(m_home.path(), QStringLiteral("Harbour"), 6 * 1024 * 1024);
    QVERIFY(!m_archivePath.isEmpty());
    QFile file(m_archivePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_archive = file.readAll();
    QVERIFY(m_archive.size() > 6 * 1024 * 1024);
}

void TestHttpServer::init()
{
    m_server = std::make_unique<HttpServer>();
    QVERIFY(m_server->listenOnHost(0));
    m_port = m_server->serverPort();
}

void TestHttpServer::cleanup()
{
    m_server.reset();
}

void TestHttpServer::listensOnTheHostAddressOnly()
{
    QCOMPARE(HttpServer::DefaultPort, quint16(8080));
    QCOMPARE(HttpServer::replyText(), ReplyBytes);
    QCOMPARE(HttpServer::replyText().size(), 64);
    QCOMPARE(m_server->serverAddress(), QHostAddress(QHostAddress::LocalHost));

    const QString saved = gHostIp;
    for (const QString &bad : {QString(), QStringLiteral("station"), QStringLiteral("300.1.1.1")}) {
        gHostIp = bad;
        HttpServer server;
        QVERIFY(!server.listenOnHost(0));
        QVERIFY(!server.isListening());
    }
    gHostIp = saved;
}

void TestHttpServer::wholeRequestInOneRead()
{
    Recorder record(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    const QByteArray body = trickyBody(1000);
    sender.send(header(1000) + body);

    QTRY_COMPARE(record.finished, 1);
    QCOMPARE(record.pieces, QList<int>{1000});
    QVERIFY(record.body == body);
    QCOMPARE(record.percents, QList<int>{100});
    QCOMPARE(record.events, (QStringList{"data", "percent", "finished"}));
    QVERIFY(record.errors.isEmpty());
    // The exact reply, and then the end of the connection, so a client that reads to the end is done.
    QVERIFY(sender.waitClosed());
    QCOMPARE(sender.received, ReplyBytes);
}

void TestHttpServer::requestInThreeReads()
{
    Recorder record(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    const QByteArray body = trickyBody(1000);

    sender.send(header(1000) + body.left(200));
    QTRY_COMPARE(record.percents.size(), 1);
    sender.send(body.mid(200, 500));
    QTRY_COMPARE(record.percents.size(), 2);
    QCOMPARE(record.finished, 0);
    // No answer while the body is still coming.
    QVERIFY(sender.received.isEmpty());
    QCOMPARE(sender.socket.state(), QAbstractSocket::ConnectedState);
    sender.send(body.mid(700));
    QTRY_COMPARE(record.finished, 1);

    QCOMPARE(record.pieces, (QList<int>{200, 500, 300}));
    QCOMPARE(record.percents, (QList<int>{20, 70, 100}));
    QVERIFY(record.body == body);
    QVERIFY(record.errors.isEmpty());
    QVERIFY(sender.waitClosed());
    QCOMPARE(sender.received, ReplyBytes);
}

void TestHttpServer::headerWithoutBodyWaitsForTheBody()
{
    Recorder record(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    sender.send(header(1000));
    QTRY_COMPARE(record.percents, QList<int>{0});
    QVERIFY(record.pieces.isEmpty());
    QTest::qWait(50);
    QVERIFY(sender.received.isEmpty());
    QCOMPARE(sender.socket.state(), QAbstractSocket::ConnectedState);

    const QByteArray body = trickyBody(1000);
    sender.send(body);
    QTRY_COMPARE(record.finished, 1);
    QVERIFY(record.body == body);
    QCOMPARE(record.percents.last(), 100);
    QVERIFY(sender.waitClosed());
    QCOMPARE(sender.received, ReplyBytes);
}

void TestHttpServer::headerSplitOverReads_data()
{
    QTest::addColumn<QByteArray>("marker"); // the first piece ends just before this text of the header
    QTest::newRow("in the request line") << QByteArray("/ HTTP/1.1");
    QTest::newRow("inside the length field name") << QByteArray("Length:");
    QTest::newRow("inside the length value") << QByteArray("00\r\n");
    QTest::newRow("inside the blank line") << QByteArray("\n\r\n");
    QTest::newRow("before the POST is complete") << QByteArray("ST /");
}

void TestHttpServer::headerSplitOverReads()
{
    QFETCH(QByteArray, marker);
    Recorder record(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    const QByteArray body = trickyBody(1000);
    const QByteArray request = header(1000) + body;
    const int split = request.indexOf(marker);
    QVERIFY(split > 0);

    sender.send(request.left(split));
    // Nothing may come of half a header.
    QTest::qWait(100);
    QVERIFY(record.events.isEmpty());
    QVERIFY(sender.received.isEmpty());
    sender.send(request.mid(split));

    QTRY_COMPARE(record.finished, 1);
    QVERIFY(record.body == body);
    QCOMPARE(record.percents.last(), 100);
    QVERIFY(record.errors.isEmpty());
    QVERIFY(sender.waitClosed());
    QCOMPARE(sender.received, ReplyBytes);
}

void TestHttpServer::malformedRequestsGetNoReply_data()
{
    QTest::addColumn<QByteArray>("request");
    const QByteArray body = trickyBody(100);
    QTest::newRow("no length field") << header("deviceType: 0\r\n") + body;
    QTest::newRow("length zero") << header(0) + body;
    QTest::newRow("length not a number") << header("Content-Length: many\r\n") + body;
    QTest::newRow("negative length") << header("Content-Length: -100\r\n") + body;
    QTest::newRow("length field in lower case") << header("content-length: 100\r\n") + body;
    QTest::newRow("length only inside another field") << header("X-Content-Length: 100\r\n") + body;
    QTest::newRow("GET") << QByteArray("GET / HTTP/1.1\r\nContent-Length: 100\r\n\r\n") + body;
    QTest::newRow("stray GET") << QByteArray("GET / HTTP/1.0\r\n\r\n");
    QTest::newRow("lower-case post") << QByteArray("post / HTTP/1.1\r\nContent-Length: 100\r\n\r\n") + body;
    QTest::newRow("binary bytes") << QByteArray("PK\x03\x04\0\0", 6) + body;
    QTest::newRow("LF line ends") << QByteArray("POST / HTTP/1.1\nContent-Length: 100\n\n") + body;
    QTest::newRow("LF line ends, header unfinished") << QByteArray("POST / HTTP/1.1\nHost: 127.0.0.1\n");
    QTest::newRow("one LF-only line") << header("Content-Length: 100\n") + body;
    QTest::newRow("CR without LF") << header("Content-Length: 100\rX: 1\r\n") + body;
    QTest::newRow("NUL in a field") << header(QByteArray("Content-Length: 3\0 5\r\n", 22)) + body;
    QTest::newRow("NUL, header unfinished") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 3\0", 35);
    QTest::newRow("escape byte in a field") << header("deviceType: \x1b[0\r\nContent-Length: 100\r\n") + body;
    QTest::newRow("length too large for 32 bits") << header("Content-Length: 4294967296\r\n") + body;
}

void TestHttpServer::malformedRequestsGetNoReply()
{
    QFETCH(QByteArray, request);
    Recorder record(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    sender.send(request);

    // No "success" for a request that is refused; the connection is closed, and no word goes to the receiver:
    // this is no sender of ours, and the wait for the real one goes on.
    QVERIFY(sender.waitClosed());
    QVERIFY(sender.received.isEmpty());
    QVERIFY(record.pieces.isEmpty());
    QCOMPARE(record.finished, 0);
    QCOMPARE(record.errors, QStringList());
    QCOMPARE(record.dropped, QStringList());

    // The station is free for a good sender afterwards.
    Recorder next(*m_server);
    Sender good(m_port);
    QVERIFY(good.connected);
    good.send(header(100) + trickyBody(100));
    QTRY_COMPARE(next.finished, 1);
    QVERIFY(next.errors.isEmpty());
}

void TestHttpServer::headerSizeLimit_data()
{
    QTest::addColumn<int>("headerSize");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("terminated");
    QTest::newRow("just within 16 KiB") << HttpServer::MaxHeaderBytes << true << true;
    QTest::newRow("one byte over") << HttpServer::MaxHeaderBytes + 1 << false << true;
    QTest::newRow("endless header") << 4 * HttpServer::MaxHeaderBytes << false << false;
}

void TestHttpServer::headerSizeLimit()
{
    QFETCH(int, headerSize);
    QFETCH(bool, accepted);
    QFETCH(bool, terminated);
    QByteArray request = header(500);
    const QByteArray pad = "X-Pad: \r\n";
    const int fill = headerSize - request.size() - pad.size();
    QVERIFY(fill > 0);
    request.insert(request.size() - 2, "X-Pad: " + QByteArray(fill, 'a') + "\r\n");
    if (!terminated)
        request.chop(4); // no blank line at all
    else
        QCOMPARE(request.size(), headerSize);
    const QByteArray body = trickyBody(500);

    Recorder record(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    sender.send(request + (terminated ? body : QByteArray()));
    if (accepted) {
        QTRY_COMPARE(record.finished, 1);
        QVERIFY(record.body == body);
        QVERIFY(sender.waitClosed());
        QCOMPARE(sender.received, ReplyBytes);
    } else {
        QVERIFY(sender.waitClosed());
        QVERIFY(sender.received.isEmpty());
        QVERIFY(record.pieces.isEmpty());
        QCOMPARE(record.errors, QStringList());
        QCOMPARE(record.dropped, QStringList());
    }
}

void TestHttpServer::bytesBeyondTheLengthAreDropped_data()
{
    QTest::addColumn<QList<int>>("pieces"); // body bytes sent per read, the first with the header; the last
                                            // read also carries the tail
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("surplus with the header") << QList<int>{1500} << QByteArray();
    QTest::newRow("surplus in a later read") << QList<int>{600, 600} << QByteArray();
    QTest::newRow("a second request behind the first") << QList<int>{1000} << header(300) + trickyBody(300);
}

void TestHttpServer::bytesBeyondTheLengthAreDropped()
{
    QFETCH(QList<int>, pieces);
    QFETCH(QByteArray, tail);
    int total = 0;
    for (int size : pieces)
        total += size;
    const QByteArray sent = trickyBody(total) + tail;

    Recorder record(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    int offset = 0;
    for (int i = 0; i < pieces.size(); ++i) {
        const int size = (i == pieces.size() - 1) ? sent.size() - offset : pieces.at(i);
        sender.send((i == 0 ? header(1000) : QByteArray()) + sent.mid(offset, size));
        offset += size;
        if (i + 1 < pieces.size())
            QTRY_COMPARE(record.percents.size(), i + 1);
    }

    QTRY_COMPARE(record.finished, 1);
    QVERIFY(sender.waitClosed());
    QTest::qWait(50);
    QCOMPARE(record.finished, 1);
    QCOMPARE(record.body.size(), 1000);
    QVERIFY(record.body == sent.left(1000));
    QCOMPARE(record.percents.last(), 100);
    for (int percent : record.percents)
        QVERIFY(percent <= 100);
    QVERIFY(record.errors.isEmpty());
    QCOMPARE(sender.received, ReplyBytes);
}

void TestHttpServer::truncatedTransferIsReported()
{
    Recorder record(*m_server);
    {
        Sender sender(m_port);
        QVERIFY(sender.connected);
        sender.send(header(1000) + trickyBody(400));
        QTRY_COMPARE(record.percents, QList<int>{40});
        sender.socket.disconnectFromHost();
    }
    // The receiver holds 400 bytes of an archive that will never be whole: it is told so, once.
    QTRY_COMPARE(record.dropped, QStringList{"Invalid data."});
    QCOMPARE(record.errors, QStringList());
    QCOMPARE(record.finished, 0);

    // A sender that gives up before its first body byte leaves nothing behind to discard.
    for (const QByteArray &sent : {header(1000).left(30), header(1000)}) {
        Sender sender(m_port);
        QVERIFY(sender.connected);
        sender.send(sent);
        QTest::qWait(50);
        sender.socket.disconnectFromHost();
    }
    QTest::qWait(100);
    QCOMPARE(record.dropped.size(), 1);
    QCOMPARE(record.pieces, QList<int>{400});

    // And the station takes the next transfer.
    Recorder next(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    sender.send(header(1000) + trickyBody(1000));
    QTRY_COMPARE(next.finished, 1);
    QVERIFY(next.errors.isEmpty());
}

void TestHttpServer::lengthBeyondTheArchiveLimit_data()
{
    QTest::addColumn<QByteArray>("length");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("largest 32-bit length") << QByteArray("4294967295") << false;
    QTest::newRow("one byte over") << QByteArray("1048577") << false;
    QTest::newRow("at the limit") << QByteArray("1048576") << true;
}

void TestHttpServer::lengthBeyondTheArchiveLimit()
{
    QFETCH(QByteArray, length);
    QFETCH(bool, accepted);
    // The limit is that of an archive unpacked in the database folder, here lowered to 1 MiB.
    setArchiveSizeCap(1024 * 1024);
    Recorder record(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    // The header alone: a refusal must not wait for the body.
    sender.send(header("Content-Length: " + length + "\r\n"));
    if (accepted) {
        QTRY_COMPARE(record.percents, QList<int>{0});
        QCOMPARE(sender.socket.state(), QAbstractSocket::ConnectedState);
    } else {
        // A sender of ours whose archive cannot be taken in: the receiver hears why, and goes on waiting.
        QTRY_COMPARE(record.dropped, QStringList{"Invalid data."});
        QCOMPARE(record.errors, QStringList());
        QVERIFY(sender.waitClosed());
        QVERIFY(sender.received.isEmpty());
    }
    QVERIFY(record.pieces.isEmpty());
    setArchiveSizeCap(0);
}

void TestHttpServer::stalledSenderIsDropped_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("cutOff"); // part of the body was passed on, so the receiver must drop it
    QTest::newRow("nothing") << QByteArray() << false;
    QTest::newRow("half a header") << header(1000).left(20) << false;
    QTest::newRow("header, no body") << header(1000) << false;
    QTest::newRow("header and part of the body") << header(1000) + trickyBody(300) << true;
}

void TestHttpServer::stalledSenderIsDropped()
{
    QFETCH(QByteArray, sent);
    QFETCH(bool, cutOff);
    QCOMPARE(HttpServer::DefaultIdleTimeoutMs, 30000);
    QCOMPARE(m_server->idleTimeout(), 30000);
    m_server->setIdleTimeout(200);
    Recorder record(*m_server);

    // The stalled sender keeps its connection open and sends nothing more.
    Sender stalled(m_port);
    QVERIFY(stalled.connected);
    if (!sent.isEmpty())
        stalled.send(sent);
    QVERIFY(stalled.waitClosed());
    QVERIFY(stalled.received.isEmpty());
    QCOMPARE(record.dropped, cutOff ? QStringList{"Invalid data."} : QStringList());
    QCOMPARE(record.errors, QStringList());
    QCOMPARE(record.finished, 0);

    Recorder next(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    const QByteArray body = trickyBody(1000);
    sender.send(header(1000) + body);
    QTRY_COMPARE(next.finished, 1);
    QVERIFY(next.body == body);
    QVERIFY(next.errors.isEmpty());
    QVERIFY(sender.waitClosed());
    QCOMPARE(sender.received, ReplyBytes);
}

void TestHttpServer::endlessHeaderIsClosedInTime()
{
    QCOMPARE(HttpServer::DefaultHeaderTimeoutMs, 5000);
    QCOMPARE(m_server->headerTimeout(), 5000);
    m_server->setHeaderTimeout(300);
    Recorder record(*m_server);

    // A header line that never ends, a byte at a time: the idle timer alone would never fire.
    TricklingPeer stray("POST / HTTP/1.1\r\nX-Pad: ");
    QVERIFY(stray.connectTo(m_port));
    QTRY_VERIFY_WITH_TIMEOUT(stray.closed(), 10000);
    QVERIFY(stray.trickled() > 0);
    QVERIFY(stray.received().isEmpty());
    QCOMPARE(record.errors, QStringList());
    QCOMPARE(record.dropped, QStringList());

    Sender sender(m_port);
    QVERIFY(sender.connected);
    const QByteArray body = trickyBody(1000);
    sender.send(header(1000) + body);
    QTRY_COMPARE(record.finished, 1);
    QVERIFY(record.body == body);
}

void TestHttpServer::tricklingSenderLosesTheSlot()
{
    // A whole header, then a body byte at a time, far below any rate an archive comes at.
    m_server->setBodyDeadline(300, 1000 * 1000 * 1000);
    Recorder record(*m_server);
    TricklingPeer slow(header(1000000));
    QVERIFY(slow.connectTo(m_port));
    QTRY_VERIFY(!record.pieces.isEmpty());

    // Meanwhile the slot is taken: another sender is turned away.
    Sender early(m_port);
    QVERIFY(early.connected);
    QVERIFY(early.waitClosed());

    QTRY_VERIFY_WITH_TIMEOUT(slow.closed(), 10000);
    QVERIFY(slow.received().isEmpty());
    QCOMPARE(record.dropped, QStringList{"Invalid data."});
    QCOMPARE(record.errors, QStringList());
    QCOMPARE(record.finished, 0);

    // The slot is free again: the real archive comes through.
    Recorder next(*m_server);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    const QByteArray body = trickyBody(1000);
    sender.send(header(1000) + body);
    QTRY_COMPARE(next.finished, 1);
    QVERIFY(next.body == body);
    QVERIFY(sender.waitClosed());
    QCOMPARE(sender.received, ReplyBytes);
}

void TestHttpServer::bodyDeadlineScalesWithTheLength()
{
    QCOMPARE(m_server->bodyDeadline(0), qint64(HttpServer::DefaultBodyGraceMs));
    QCOMPARE(m_server->bodyDeadline(quint32(HttpServer::DefaultMinimumBodyRate * 60)),
             qint64(HttpServer::DefaultBodyGraceMs) + 60000);
    // The largest length an archive may announce still gets a deadline, not an overflow.
    QVERIFY(m_server->bodyDeadline(0xFFFFFFFFu) > 100000000);
    m_server->setBodyDeadline(1000, 1000);
    QCOMPARE(m_server->bodyDeadline(5000), qint64(6000));
}

void TestHttpServer::closeWhenFinished()
{
    // As the receiving station does: once the archive is whole nobody else is let in. The platform's client
    // (the sender's HttpClient) at times posts the request once more on a fresh connection after our reply:
    // the close that ends the reply can reach it while it still counts itself as sending, and it takes that
    // for a lost connection. It gives the repeat up at once, after its header (repostAfterTheArchive).
    HttpServer *server = m_server.get();
    connect(server, &HttpServer::signalsReplyFinished, server, [server] { server->close(); });
}

void TestHttpServer::repostAfterTheArchive_data()
{
    QTest::addColumn<bool>("closedWhenFinished");
    QTest::newRow("receiver still listening") << false;
    QTest::newRow("receiver closed when finished") << true;
}

void TestHttpServer::repostAfterTheArchive()
{
    // The repeat as the platform's client sends it, seen on the wire: the same request's header on a second
    // connection, no body, then the close.
    QFETCH(bool, closedWhenFinished);
    Recorder record(*m_server);
    if (closedWhenFinished)
        closeWhenFinished();
    const QByteArray body = trickyBody(3000);
    Sender sender(m_port);
    QVERIFY(sender.connected);
    sender.send(header(3000) + body);
    QTRY_COMPARE(record.finished, 1);
    QVERIFY(sender.waitClosed());
    const QStringList events = record.events;

    Sender repeat(m_port);
    QCOMPARE(repeat.connected, !closedWhenFinished);
    if (repeat.connected) {
        repeat.send(header(3000));
        // A listening receiver starts over: progress back at 0 % for a transfer that never comes.
        QTRY_COMPARE(record.events.size(), events.size() + 1);
        QCOMPARE(record.events.last(), QStringLiteral("percent"));
        QCOMPARE(record.percents.last(), 0);
        repeat.socket.disconnectFromHost();
    }
    QTRY_VERIFY(m_server->findChildren<QTcpSocket *>().isEmpty());
    QCOMPARE(record.finished, 1);
    QVERIFY(record.errors.isEmpty());
    QVERIFY(record.body == body);
    if (closedWhenFinished)
        QCOMPARE(record.events, events);
}

void TestHttpServer::secondSenderIsTurnedAway_data()
{
    QTest::addColumn<bool>("secondConnectsFirst"); // the second sender connected before the first sent its header
    QTest::newRow("second connects during the transfer") << false;
    QTest::newRow("second connected before the transfer began") << true;
}

void TestHttpServer::secondSenderIsTurnedAway()
{
    QFETCH(bool, secondConnectsFirst);
    Recorder record(*m_server);
    const QByteArray first = trickyBody(3000);
    const QByteArray second(2000, 'B');

    Sender one(m_port);
    QVERIFY(one.connected);
    std::unique_ptr<Sender> two;
    if (secondConnectsFirst) {
        two = std::make_unique<Sender>(m_port);
        QVERIFY(two->connected);
        QTest::qWait(50);
    }
    one.send(header(3000) + first.left(1000));
    QTRY_COMPARE(record.percents.size(), 1);
    if (!secondConnectsFirst) {
        two = std::make_unique<Sender>(m_port);
        QVERIFY(two->connected);
    }
    two->send(header(2000) + second);
    // The second sender is closed without a word and without a reply; the first one's transfer goes on.
    QVERIFY(two->waitClosed());
    QVERIFY(two->received.isEmpty());
    one.send(first.mid(1000));

    QTRY_COMPARE(record.finished, 1);
    QVERIFY(record.body == first);
    QCOMPARE(record.percents.last(), 100);
    QVERIFY(record.errors.isEmpty());
    QVERIFY(one.waitClosed());
    QCOMPARE(one.received, ReplyBytes);
}

void TestHttpServer::largeBodyReportsTheRightPercentage()
{
    // 50 MB of an announced 100 MB: received × 100 no longer fits in 32 bits.
    const int announced = 100 * 1000 * 1000;
    const int sent = 50 * 1000 * 1000;
    qint64 passedOn = 0;
    int lastPercent = -1;
    bool climbing = true;
    connect(m_server.get(), &HttpServer::signalsDownloadData, this,
            [&passedOn](const QByteArray &data) { passedOn += data.size(); });
    connect(m_server.get(), &HttpServer::signalsReplyPercent, this, [&lastPercent, &climbing](int percent) {
        climbing = climbing && percent >= lastPercent && percent <= 100;
        lastPercent = percent;
    });

    Sender sender(m_port);
    QVERIFY(sender.connected);
    sender.send(header(announced));
    const QByteArray chunk(1000 * 1000, '\x5a');
    for (int i = 0; i < sent / chunk.size(); ++i)
        sender.socket.write(chunk);
    QTRY_COMPARE_WITH_TIMEOUT(passedOn, qint64(sent), 60000);
    QVERIFY(climbing);
    QCOMPARE(lastPercent, 50);
}

void TestHttpServer::archiveFromThePlatformClient_data()
{
    QTest::addColumn<int>("size"); // 0: the whole project archive
    QTest::newRow("a few bytes") << 10;
    QTest::newRow("64 KiB") << 64 * 1024;
    QTest::newRow("project archive") << 0;
}

void TestHttpServer::archiveFromThePlatformClient()
{
    QFETCH(int, size);
    const QByteArray archive = size ? m_archive.left(size) : m_archive;
    Recorder record(*m_server);
    closeWhenFinished();
    QSignalSpy connections(m_server.get(), &QTcpServer::newConnection);
    auto manager = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_port)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/zip"));
    request.setRawHeader("deviceType", "0");
    QNetworkReply *reply = manager->post(request, archive);
    QSignalSpy done(reply, &QNetworkReply::finished);
    QVERIFY(done.wait(30000));

    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    QCOMPARE(reply->readAll(), QByteArray("POST data received!"));

    // The client took the close for the end of the reply and did not post the archive a second time.
    manager.reset();
    QTRY_VERIFY(m_server->findChildren<QTcpSocket *>().isEmpty()); // every connection has ended
    QVERIFY(connections.size() <= 2); // at times a repeat of the request was begun (closeWhenFinished)
    QCOMPARE(record.finished, 1);
    QCOMPARE(record.events.last(), QStringLiteral("finished"));
    QVERIFY(record.errors.isEmpty());
    QVERIFY(record.body == archive);
    if (!size)
        QVERIFY(record.pieces.size() > 1);
    int last = -1;
    for (int percent : record.percents) {
        QVERIFY(percent >= last && percent <= 100);
        last = percent;
    }
    QCOMPARE(last, 100);
}

void TestHttpServer::archiveFromAnotherStation()
{
    Recorder record(*m_server);
    closeWhenFinished();
    QSignalSpy connections(m_server.get(), &QTcpServer::newConnection);
    HttpClient client;
    QSignalSpy answered(&client, &HttpClient::signalsReplyFinished);
    QSignalSpy failed(&client, &HttpClient::signalsReplyErrorString);
    client.uploadFile(QStringLiteral("http://127.0.0.1:%1").arg(m_port), m_archivePath, 0);

    QCOMPARE(failed.count(), 0);
    QCOMPARE(answered.count(), 1);
    QCOMPARE(answered.at(0).at(0).toByteArray(), QByteArray("POST data received!"));
    // The client's manager is gone with the call: every connection ends.
    QTRY_VERIFY(m_server->findChildren<QTcpSocket *>().isEmpty());
    QVERIFY(connections.size() <= 2);
    QCOMPARE(record.finished, 1);
    QCOMPARE(record.events.last(), QStringLiteral("finished"));
    QVERIFY(record.errors.isEmpty());
    QVERIFY(record.body == m_archive);

    // As the receiving station keeps it: the pieces make up an archive that unpacks to the project.
    const QString received = m_home.filePath(QStringLiteral("received.zip"));
    QFile file(received);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(record.body), qint64(m_archive.size()));
    file.close();
    const QString unpacked = m_home.filePath(QStringLiteral("unpacked"));
    QVERIFY(!JlCompress::extractDir(received, unpacked).isEmpty());
    QFile database(unpacked + QStringLiteral("/Harbour/Harbour.db3"));
    QVERIFY(database.exists());
    QCOMPARE(database.size(), qint64(6 * 1024 * 1024));
}

QTEST_GUILESS_MAIN(TestHttpServer)
#include "tst_httpserver.moc"

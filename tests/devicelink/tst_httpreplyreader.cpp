// Reading HTTP replies as their bytes arrive: every framing of a body, and replies that are broken or cut short.

#include "devicelink/httpreplyreader.h"

#include <QTest>

using State = HttpReplyReader::State;
Q_DECLARE_METATYPE(HttpReplyReader::State)

class TestHttpReplyReader : public QObject
{
    Q_OBJECT

private slots:
    void readsAReplyInAnyPieces_data();
    void readsAReplyInAnyPieces();
    void bodyIsHandedOnAsItComes();
    void nothingIsTakenAfterTheEnd();
};

void TestHttpReplyReader::readsAReplyInAnyPieces_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("closed"); // the connection ends after the bytes
    QTest::addColumn<State>("state");
    QTest::addColumn<int>("status");
    QTest::addColumn<qlonglong>("length");
    QTest::addColumn<QByteArray>("body");

    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    const QByteArray chunked = ok + "Transfer-Encoding: chunked\r\n\r\n";

    // Whole replies.
    QTest::newRow("content-length") << ok + "Content-Type: application/zip\r\nContent-Length: 5\r\n\r\n" +
                                           QByteArray("PK\0\3\4", 5)
                                    << false << State::Done << 200 << 5LL << QByteArray("PK\0\3\4", 5);
    QTest::newRow("content-length, bytes after the body ignored")
        << ok + "Content-Length: 3\r\n\r\nabcdef" << false << State::Done << 200 << 3LL << QByteArray("abc");
    QTest::newRow("content-length 0") << ok + "Content-Length: 0\r\n\r\n"
                                      << false << State::Done << 200 << 0LL << QByteArray();
    QTest::newRow("content-length given twice alike") << ok + "Content-Length: 2\r\ncontent-length: 2\r\n\r\nok"
                                                      << false << State::Done << 200 << 2LL << QByteArray("ok");
    QTest::newRow("chunked, extension and trailer")
        << chunked + "5\r\nhello\r\n7;name=value\r\n, world\r\n0\r\nX-Checksum: 1\r\n\r\n"
        << false << State::Done << 200 << -1LL << QByteArray("hello, world");
    QTest::newRow("chunked wins over content-length, hex in capitals")
        << ok + "Content-Length: 3\r\nTransfer-Encoding: Chunked\r\n\r\nA\r\n0123456789\r\n0\r\n\r\n"
        << false << State::Done << 200 << -1LL << QByteArray("0123456789");
    QTest::newRow("until the connection ends")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: application/zip\r\n\r\nall of it") << true << State::Done << 200
        << -1LL << QByteArray("all of it");
    QTest::newRow("lines ending in a bare LF") << QByteArray("HTTP/1.1 200 OK\nContent-Length: 2\n\nok") << false
                                               << State::Done << 200 << 2LL << QByteArray("ok");
    QTest::newRow("interim reply skipped") << "HTTP/1.1 100 Continue\r\n\r\n" + ok + "Content-Length: 2\r\n\r\nok"
                                           << false << State::Done << 200 << 2LL << QByteArray("ok");
    QTest::newRow("no content") << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << false << State::Done << 204 << 0LL
                                << QByteArray();
    QTest::newRow("a refusal is read like any reply")
        << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\nnone") << false << State::Done << 404 << 4LL
        << QByteArray("none");

    // Still on their way.
    QTest::newRow("until the end, still open")
        << QByteArray("HTTP/1.0 200 OK\r\n\r\nso far") << false << State::Body << 200 << -1LL << QByteArray("so far");
    QTest::newRow("content-length, rest still coming")
        << ok + "Content-Length: 10\r\n\r\nhello" << false << State::Body << 200 << 10LL << QByteArray("hello");
    QTest::newRow("header still coming") << ok + "Content-Length: 10\r\n"
                                         << false << State::Header << 0 << -1LL << QByteArray();

    // Cut short.
    QTest::newRow("content-length, cut short")
        << ok + "Content-Length: 10\r\n\r\nhello" << true << State::Failed << 200 << 10LL << QByteArray("hello");
    QTest::newRow("chunked, last chunk missing") << chunked + "5\r\nhello\r\n"
                                                 << true << State::Failed << 200 << -1LL << QByteArray("hello");
    QTest::newRow("chunked, inside a chunk")
        << chunked + "a\r\nhello" << true << State::Failed << 200 << -1LL << QByteArray("hello");
    QTest::newRow("chunked, trailer unfinished") << chunked + "2\r\nok\r\n0\r\n"
                                                 << true << State::Failed << 200 << -1LL << QByteArray("ok");
    QTest::newRow("header cut short") << ok + "Content-Len" << true << State::Failed << 0 << -1LL << QByteArray();
    QTest::newRow("closed without a word") << QByteArray() << true << State::Failed << 0 << -1LL << QByteArray();

    // No reply we can read.
    QTest::newRow("not HTTP") << QByteArray("garbage\r\n\r\nmore") << false << State::Failed << 0 << -1LL
                              << QByteArray();
    QTest::newRow("a zip instead of a reply")
        << QByteArray("PK\3\4\n\n\0\0", 8) << false << State::Failed << 0 << -1LL << QByteArray();
    QTest::newRow("status not three digits")
        << QByteArray("HTTP/1.1 2000 OK\r\n\r\n") << false << State::Failed << 0 << -1LL << QByteArray();
    QTest::newRow("switching protocols") << QByteArray("HTTP/1.1 101 Switching Protocols\r\n\r\n") << false
                                         << State::Failed << 0 << -1LL << QByteArray();
    QTest::newRow("two different lengths") << ok + "Content-Length: 2\r\nContent-Length: 3\r\n\r\nabc" << false
                                           << State::Failed << 0 << -1LL << QByteArray();
    QTest::newRow("negative length") << ok + "Content-Length: -1\r\n\r\n"
                                     << false << State::Failed << 0 << -1LL << QByteArray();
    QTest::newRow("length not a number") << ok + "Content-Length: 12abc\r\n\r\n"
                                         << false << State::Failed << 0 << -1LL << QByteArray();
    QTest::newRow("blank before the colon")
        << ok + "Content-Length : 2\r\n\r\nok" << false << State::Failed << 0 << -1LL << QByteArray();
    QTest::newRow("folded line") << ok + "X-Note: a\r\n b\r\n\r\n"
                                 << false << State::Failed << 0 << -1LL << QByteArray();
    QTest::newRow("coding we cannot read") << ok + "Transfer-Encoding: gzip, chunked\r\n\r\n0\r\n\r\n"
                                           << false << State::Failed << 200 << -1LL << QByteArray();
    QTest::newRow("chunk size not hexadecimal") << chunked + "zz\r\nhello\r\n0\r\n\r\n"
                                                << false << State::Failed << 200 << -1LL << QByteArray();
    QTest::newRow("chunk size with a sign") << chunked + "-5\r\nhello\r\n0\r\n\r\n"
                                            << false << State::Failed << 200 << -1LL << QByteArray();
    QTest::newRow("chunk longer than its size") << chunked + "5\r\nhello!\r\n0\r\n\r\n"
                                                << false << State::Failed << 200 << -1LL << QByteArray("hello");
    QTest::newRow("chunk size beyond any file") << chunked + "1000000000000000\r\n"
                                                << false << State::Failed << 200 << -1LL << QByteArray();
    QTest::newRow("header without end") << ok + "X-Padding: " + QByteArray(70 * 1024, 'a') << false << State::Failed
                                        << 0 << -1LL << QByteArray();
    QTest::newRow("chunk line without end")
        << chunked + "5;" + QByteArray(10 * 1024, 'a') << false << State::Failed << 200 << -1LL << QByteArray();
}

void TestHttpReplyReader::readsAReplyInAnyPieces()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, closed);
    QFETCH(State, state);
    QFETCH(int, status);
    QFETCH(qlonglong, length);
    QFETCH(QByteArray, body);

    // However the connection happens to cut the bytes, the outcome is the same.
    for (const int pieceSize : {1, 2, 7, 1000, 100000}) {
        HttpReplyReader reader;
        QByteArray received;
        for (int at = 0; at < reply.size(); at += pieceSize)
            received += reader.take(reply.mid(at, pieceSize));
        if (closed)
            reader.connectionClosed();
        const QByteArray where = "pieces of " + QByteArray::number(pieceSize);
        QVERIFY2(reader.state() == state, where.constData());
        QVERIFY2(reader.statusCode() == status, where.constData());
        QVERIFY2(received == body, where.constData());
        QVERIFY2(reader.bodyReceived() == body.size(), where.constData());
        if (reader.state() != State::Failed)
            QVERIFY2(reader.contentLength() == length, where.constData());
        QVERIFY2(reader.errorString().isEmpty() == (state != State::Failed), where.constData());
    }
}

void TestHttpReplyReader::bodyIsHandedOnAsItComes()
{
    HttpReplyReader reader;
    QCOMPARE(reader.take("HTTP/1.1 200 OK\r\nContent-Length: 300000\r\n\r\nfirst"), QByteArray("first"));
    QCOMPARE(reader.statusCode(), 200);
    QCOMPARE(reader.reasonPhrase(), QByteArray("OK"));
    QCOMPARE(reader.contentLength(), 300000LL);
    // Each read gives back just its own bytes: nothing of the body is gathered inside.
    const QByteArray piece(100000, 'x');
    QCOMPARE(reader.take(piece), piece);
    QCOMPARE(reader.take(piece), piece);
    QCOMPARE(reader.bodyReceived(), 200005LL);
    QCOMPARE(reader.state(), State::Body);
    QCOMPARE(reader.take(piece).size(), 99995);
    QCOMPARE(reader.state(), State::Done);
}

void TestHttpReplyReader::nothingIsTakenAfterTheEnd()
{
    HttpReplyReader failed;
    failed.take("nonsense\r\n\r\n");
    QCOMPARE(failed.state(), State::Failed);
    const QString why = failed.errorString();
    QCOMPARE(failed.take("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"), QByteArray());
    failed.connectionClosed();
    QCOMPARE(failed.state(), State::Failed);
    QCOMPARE(failed.errorString(), why);

    HttpReplyReader done;
    done.take("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
    QCOMPARE(done.state(), State::Done);
    QCOMPARE(done.take("more"), QByteArray());
    done.connectionClosed();
    QCOMPARE(done.state(), State::Done);
}

QTEST_APPLESS_MAIN(TestHttpReplyReader)
#include "tst_httpreplyreader.moc"

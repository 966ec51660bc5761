// Cutting the cloud connection's byte stream into whole frames and server packets, whatever the reads.

#include "devicelink/streamframer.h"
#include "tests/support/simulateddevice.h"

#include <QtTest>

namespace {

QByteArray frameA()
{
    return makeDeviceFrame(1, 20, 0xE01C, 255, 255, QByteArray::fromHex("0601"));
}

QByteArray frameB()
{
    return makeDeviceFrame(1, 10, 0x0032, 1, 254, QByteArray::fromHex("01F864"));
}

QByteArray loginReply()
{
    return makeServerPacket(QByteArray::fromHex("CCCC001000A30000000000000003"));
}

// Everything the framer hands on after the chunks were appended one by one.
QList<QByteArray> feed(StreamFramer &framer, const QList<QByteArray> &chunks)
{
    QList<QByteArray> out;
    QByteArray packet;
    for (const QByteArray &chunk : chunks) {
        framer.append(chunk.constData(), chunk.size());
        while (framer.next(packet))
            out.append(packet);
    }
    return out;
}

} // namespace

class TestStreamFramer : public QObject
{
    Q_OBJECT

private slots:
    void cutsTheStream_data();
    void cutsTheStream();
    void garbageIsBounded();
};

void TestStreamFramer::cutsTheStream_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("expected");

    const QByteArray a = frameA();
    const QByteArray b = frameB();
    const QByteArray reply = loginReply();
    QTest::newRow("two frames in one read") << QList<QByteArray>{a + b} << QList<QByteArray>{a, b};
    QTest::newRow("a frame over three reads")
        << QList<QByteArray>{a.left(3), a.mid(3, 14), a.mid(17)} << QList<QByteArray>{a};
    QTest::newRow("a frame and the start of the next")
        << QList<QByteArray>{a + b.left(20), b.mid(20)} << QList<QByteArray>{a, b};
    QTest::newRow("garbage before, between and after")
        << QList<QByteArray>{QByteArray("noise") + a + QByteArray::fromHex("00CC11AAAA56") + b + "tail"}
        << QList<QByteArray>{a, b};
    QTest::newRow("server packet between frames") << QList<QByteArray>{a + reply + b} << QList<QByteArray>{a, reply, b};
    QTest::newRow("server packet over two reads")
        << QList<QByteArray>{reply.left(3), reply.mid(3)} << QList<QByteArray>{reply};

    // A lead-in whose length byte cannot be right is skipped; the next lead-in is a frame again.
    QByteArray shortLength = a;
    shortLength[16] = char(10);
    QTest::newRow("length byte below a frame's") << QList<QByteArray>{shortLength + b} << QList<QByteArray>{b};

    // A broken frame claims more bytes than follow it; the whole frame inside them is still found.
    QByteArray claimsMore = a.left(16) + char(255) + a.mid(17, 8);
    QTest::newRow("false start swallowing a frame") << QList<QByteArray>{claimsMore + b} << QList<QByteArray>{b};

    QByteArray badCrc = a;
    badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 0x01);
    QTest::newRow("bad crc") << QList<QByteArray>{badCrc + b} << QList<QByteArray>{b};

    QByteArray badReply = reply;
    badReply[5] = char(0xA4);
    QTest::newRow("server packet with a bad crc") << QList<QByteArray>{badReply + a} << QList<QByteArray>{a};
    QTest::newRow("server length that cannot be right")
        << QList<QByteArray>{QByteArray::fromHex("CCCCFFFF") + a} << QList<QByteArray>{a};

    // A station address 204.204.x.x starts the frame with CC CC.
    QByteArray ccAddress = a;
    ccAddress[0] = char(0xCC);
    ccAddress[1] = char(0xCC);
    QTest::newRow("frame from an address starting CC CC")
        << QList<QByteArray>{ccAddress} << QList<QByteArray>{ccAddress};

    QTest::newRow("byte by byte") << [&] {
        QList<QByteArray> bytes;
        for (char c : a + reply)
            bytes.append(QByteArray(1, c));
        return bytes;
    }() << QList<QByteArray>{a, reply};
}

void TestStreamFramer::cutsTheStream()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, expected);
    StreamFramer framer;
    QCOMPARE(feed(framer, chunks), expected);
}

void TestStreamFramer::garbageIsBounded()
{
    StreamFramer framer;
    const QByteArray garbage(100000, 'x');
    QCOMPARE(feed(framer, {garbage, garbage}).size(), 0);
    QVERIFY(framer.buffered() <= StreamFramer::TailKept);

    // An unfinished frame is kept for the next read, but not without end.
    const QByteArray a = frameA();
    QCOMPARE(feed(framer, {a.left(20)}).size(), 0);
    QCOMPARE(framer.buffered(), 20);
    QCOMPARE(feed(framer, {QByteArray(StreamFramer::BufferLimit * 2, 'y')}).size(), 0);
    QVERIFY(framer.buffered() <= StreamFramer::BufferLimit);
    QCOMPARE(feed(framer, {a}), QList<QByteArray>{a});
}

QTEST_GUILESS_MAIN(TestStreamFramer)
#include "tst_streamframer.moc"

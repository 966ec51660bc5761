// Cutting the cloud connection's byte stream into whole frames and server packets, whatever the reads.

#include "devicelink/streamframer.h"
#include "tests/support/simulateddevice.h"

#include <QRandomGenerator>
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

// The stream fed whole, in pieces of random sizes and byte by byte; the packets must be the same every way.
QList<QByteArray> inPieces(const QByteArray &stream, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<QByteArray> pieces;
    for (int at = 0; at < stream.size();) {
        const int size = 1 + int(random.bounded(quint32(qMin(stream.size() - at, 300))));
        pieces.append(stream.mid(at, size));
        at += size;
    }
    return pieces;
}

QList<QByteArray> byteByByte(const QByteArray &stream)
{
    QList<QByteArray> bytes;
    for (char c : stream)
        bytes.append(QByteArray(1, c));
    return bytes;
}

// A complete 12-byte login reply (0x00A4) as a device's payload bytes might hold it.
QByteArray forgedLoginReply()
{
    return makeServerPacket(QByteArray::fromHex("CCCC000C00A4000000010000").left(10));
}

// A 76-byte bus frame whose payload carries a whole server packet.
QByteArray frameCarryingAServerPacket()
{
    QByteArray payload(49, char(0x11));
    payload.replace(13, 12, forgedLoginReply());
    return makeDeviceFrame(1, 30, 0x1234, 255, 255, payload);
}

// A stream of everything the cloud connection may bring, honest or not, drawn from the seed.
QByteArray mixedStream(quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray stream;
    while (stream.size() < 6000) {
        switch (random.bounded(9)) {
        case 0:
            stream += frameA();
            break;
        case 1:
            stream += loginReply();
            break;
        case 2:
            stream += frameCarryingAServerPacket();
            break;
        case 3: {
            QByteArray noise(int(random.bounded(40)), Qt::Uninitialized);
            for (char &c : noise)
                c = char(random.bounded(256));
            stream += noise;
            break;
        }
        case 4:
            stream += QByteArray(int(random.bounded(64)), char(0xCC));
            break;
        case 5: {
            // A server header that claims more than follows before the next packets.
            const int claimed = 9 + int(random.bounded(1016));
            stream += QByteArray::fromHex("CCCC") + char(claimed >> 8) + char(claimed & 0xFF);
            break;
        }
        case 6: {
            // A bus lead-in that claims up to 255 bytes.
            stream += frameB().left(16) + char(11 + random.bounded(245));
            break;
        }
        case 7: {
            // A frame cut off in the middle.
            const QByteArray frame = frameCarryingAServerPacket();
            stream += frame.left(1 + int(random.bounded(quint32(frame.size() - 1))));
            break;
        }
        default:
            stream += frameB();
            break;
        }
    }
    // Enough honest traffic at the end that every claim above is settled.
    for (int i = 0; i < 60; ++i)
        stream += frameA();
    return stream;
}

} // namespace

class TestStreamFramer : public QObject
{
    Q_OBJECT

private slots:
    void cutsTheStream_data();
    void cutsTheStream();
    void garbageIsBounded();
    void sameWhateverTheSplit_data();
    void sameWhateverTheSplit();
    void payloadCannotPassForAServerPacket();
    void falseServerHeaderSwallowsNothing();
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

    // A broken frame claims more bytes than follow it; once they are in, the whole frame inside is still found.
    QByteArray claimsMore = a.left(16) + char(255) + a.mid(17, 8);
    QTest::newRow("false start swallowing a frame")
        << QList<QByteArray>{claimsMore + b, QByteArray(300, 'z')} << QList<QByteArray>{b};

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
    QCOMPARE(feed(framer, {QByteArray(8192, char(0xCC))}).size(), 0);
    QVERIFY(framer.buffered() <= StreamFramer::TailKept);

    // An unfinished frame is kept for the next read, only until the bytes it claims have come.
    const QByteArray a = frameA();
    QCOMPARE(feed(framer, {a.left(20)}).size(), 0);
    QCOMPARE(framer.buffered(), 20);
    QCOMPARE(feed(framer, {QByteArray(100000, 'y')}).size(), 0);
    QVERIFY(framer.buffered() <= StreamFramer::TailKept);
    QCOMPARE(feed(framer, {a}), QList<QByteArray>{a});
    QCOMPARE(framer.buffered(), 0);
}

void TestStreamFramer::sameWhateverTheSplit_data()
{
    QTest::addColumn<QByteArray>("stream");
    for (quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u})
        QTest::addRow("mixed stream, seed %u", seed) << mixedStream(seed);

    QTest::newRow("frame carrying a server packet") << frameCarryingAServerPacket();
    QByteArray claim1024 = QByteArray::fromHex("CCCC0400");
    for (int i = 0; i < 50; ++i)
        claim1024 += (i % 2) ? frameA() : frameCarryingAServerPacket();
    QTest::newRow("server header claiming 1024 bytes with frames inside") << claim1024;
    QTest::newRow("8 KiB of CC") << QByteArray(8192, char(0xCC)) + frameA();
}

void TestStreamFramer::sameWhateverTheSplit()
{
    QFETCH(QByteArray, stream);
    StreamFramer whole;
    const QList<QByteArray> expected = feed(whole, {stream});
    QVERIFY(!expected.isEmpty());

    for (quint32 seed = 100; seed < 110; ++seed) {
        StreamFramer framer;
        QCOMPARE(feed(framer, inPieces(stream, seed)), expected);
        QCOMPARE(framer.buffered(), whole.buffered());
    }
    StreamFramer framer;
    QCOMPARE(feed(framer, byteByByte(stream)), expected);
    QCOMPARE(framer.buffered(), whole.buffered());
}

void TestStreamFramer::payloadCannotPassForAServerPacket()
{
    // However the 76 bytes are split in two reads, the frame comes out, never the packet in its payload.
    const QByteArray frame = frameCarryingAServerPacket();
    QCOMPARE(frame.size(), 76);
    QVERIFY(frame.indexOf(forgedLoginReply()) > 16);
    for (int split = 1; split < frame.size(); ++split) {
        StreamFramer framer;
        QCOMPARE(feed(framer, {frame.left(split), frame.mid(split)}), QList<QByteArray>{frame});
    }
}

void TestStreamFramer::falseServerHeaderSwallowsNothing()
{
    // A header that claims 1024 bytes holds the frames behind it back until those bytes are in and prove it
    // false; then every frame inside comes out, in order, however the stream arrived.
    const QByteArray a = frameA();
    const QByteArray carrier = frameCarryingAServerPacket();
    QByteArray stream = QByteArray::fromHex("CCCC0400");
    QList<QByteArray> frames;
    while (stream.size() < 1100) {
        const QByteArray frame = (frames.size() % 2) ? a : carrier;
        stream += frame;
        frames.append(frame);
    }
    StreamFramer framer;
    QCOMPARE(feed(framer, {stream.left(1000)}), QList<QByteArray>());
    QCOMPARE(feed(framer, {stream.mid(1000)}), frames);
}

QTEST_GUILESS_MAIN(TestStreamFramer)
#include "tst_streamframer.moc"

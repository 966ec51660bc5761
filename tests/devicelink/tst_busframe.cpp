// Frame layout, CRC and the acceptance checks of received data.

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "tests/support/buspeercrc.h"

#include <QRandomGenerator>
#include <QtTest>

#include <memory>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A received frame as a device would send it, with the CRC computed by the independent routine.
QByteArray frame(quint8 targetSubnet, quint8 targetDevice, const QByteArray &payload = QByteArray(),
                 quint16 opcode = 0x0032)
{
    QByteArray f = hex("7F000003 564F56555A4156495A45 AAAA");
    QByteArray body;
    body.append(char(11 + payload.size()));
    body.append(char(1)).append(char(10)).append(char(0x01)).append(char(0x23));
    body.append(char(opcode >> 8)).append(char(opcode & 0xFF));
    body.append(char(targetSubnet)).append(char(targetDevice));
    body.append(payload);
    return f + buspeer::withCrc(body);
}

// The acceptance rule written out independently, for the fuzz comparison.
bool referenceAccepts(const QByteArray &b, quint8 subnet, quint8 device)
{
    if (b.size() < 27 || quint8(b[14]) != 0xAA || quint8(b[15]) != 0xAA)
        return false;
    const int l = quint8(b[16]);
    if (l < 2 || 16 + l > b.size())
        return false;
    const quint16 crc = quint16((quint8(b[14 + l]) << 8) | quint8(b[15 + l]));
    if (buspeer::crc16Bitwise(b.constData() + 16, l - 2) != crc)
        return false;
    const quint8 ts = quint8(b[23]), td = quint8(b[24]);
    return (ts == subnet && td == device) || (ts == 255 && td == 255);
}

// Heap copy of exactly the received bytes, so that a read past them is caught by the address sanitizer.
std::unique_ptr<quint8[]> exactCopy(const QByteArray &data)
{
    std::unique_ptr<quint8[]> copy(new quint8[size_t(qMax(1, data.size()))]);
    memcpy(copy.get(), data.constData(), size_t(data.size()));
    return copy;
}

} // namespace

class TestBusFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void crcKnownValues();
    void crcMatchesBitwise();
    void crcStoreAndCheck();
    void leadIn_data();
    void leadIn();
    void workedExample();
    void frameWithoutPayload();
    void lengthByteComputedBySend_data();
    void lengthByteComputedBySend();
    void oversizedPayloadRefused();
    void checkPacket_data();
    void checkPacket();
    void checkShortPacket_data();
    void checkShortPacket();
    void checkLongPacket();
    void pieceByPieceAssembly();
    void fuzzAcceptanceChecks();

private:
    std::unique_ptr<BroadcastSocket> link;
};

void TestBusFrame::init()
{
    gNetworkType = 3; // no transport: frames are built but go nowhere
    gHostIp = QStringLiteral("192.168.1.20");
    link.reset(new BroadcastSocket);
    link->setLocalAddress(1, 254);
}

void TestBusFrame::cleanup()
{
    link.reset();
    gNetworkType = LocalNetwork;
    gHostIp.clear();
}

void TestBusFrame::crcKnownValues()
{
    QCOMPARE(crc16Xmodem(reinterpret_cast<const quint8 *>(""), 0), quint16(0x0000));
    QCOMPARE(crc16Xmodem(reinterpret_cast<const quint8 *>("123456789"), 9), quint16(0x31C3));
    QCOMPARE(buspeer::crc16Bitwise("123456789", 9), quint16(0x31C3));
}

void TestBusFrame::crcMatchesBitwise()
{
    QRandomGenerator rng(42);
    for (int round = 0; round < 2000; ++round) {
        QByteArray data(int(rng.bounded(300)), Qt::Uninitialized);
        for (char &c : data)
            c = char(rng.bounded(256));
        QCOMPARE(crc16Xmodem(reinterpret_cast<const quint8 *>(data.constData()), unsigned(data.size())),
                 buspeer::crc16Bitwise(data));
    }
}

void TestBusFrame::crcStoreAndCheck()
{
    quint8 buf[12] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', 0xEE, 0xEE, 0xEE};
    appendCrc16(buf, 9);
    QCOMPARE(buf[9], quint8(0x31));
    QCOMPARE(buf[10], quint8(0xC3));
    QCOMPARE(buf[11], quint8(0xEE));
    QVERIFY(checkCrc16(buf, 9));
    buf[4] ^= 1;
    QVERIFY(!checkCrc16(buf, 9));

    quint8 empty[2] = {0x55, 0x55};
    QVERIFY(!checkCrc16(empty, 0));
    appendCrc16(empty, 0);
    QCOMPARE(empty[0], quint8(0));
    QCOMPARE(empty[1], quint8(0));
    QVERIFY(checkCrc16(empty, 0));
}

void TestBusFrame::leadIn_data()
{
    QTest::addColumn<QString>("hostIp");
    QTest::addColumn<QByteArray>("address");
    QTest::newRow("dotted") << "192.168.1.20" << hex("C0A80114");
    QTest::newRow("empty") << "" << hex("00000000");
    QTest::newRow("three components") << "10.1.2" << hex("0A010200");
    QTest::newRow("component above 255") << "300.1.2.3" << hex("2C010203");
    QTest::newRow("leading zeros read as decimal") << "192.168.001.020" << hex("C0A80114");
    QTest::newRow("not an address") << "router.local" << hex("00000000");
}

void TestBusFrame::leadIn()
{
    QFETCH(QString, hostIp);
    QFETCH(QByteArray, address);
    gHostIp = hostIp;
    link->initPacketHeader();
    QCOMPARE(link->currentPacketLength(), qint64(16));
    const QByteArray head(reinterpret_cast<const char *>(link->packetData()), 16);
    QCOMPARE(head, address + QByteArray("VOVUZAVIZE") + hex("AAAA"));
}

void TestBusFrame::workedExample()
{
    link->initPacketHeader();
    const char payload[] = {1, 100, 0, 0};
    link->sendCommand(15, 0x0031, 1, 10, payload, 4);
    QCOMPARE(link->currentPacketLength(), qint64(29));
    const QByteArray sent(reinterpret_cast<const char *>(link->packetData()), 31);
    QCOMPARE(sent, hex("C0A80114 564F56555A4156495A45 AAAA 0F 01FE CCC2 0031 010A 01640000 27C4"));
}

void TestBusFrame::frameWithoutPayload()
{
    link->initPacketHeader();
    link->sendCommand(11, 0xEFFD, 1, 10);
    QCOMPARE(link->currentPacketLength(), qint64(25));
    const QByteArray sent(reinterpret_cast<const char *>(link->packetData()), 27);
    QCOMPARE(quint8(sent[16]), quint8(11));
    const quint16 crc = buspeer::crc16Bitwise(sent.constData() + 16, 9);
    QCOMPARE(quint8(sent[25]), quint8(crc >> 8));
    QCOMPARE(quint8(sent[26]), quint8(crc & 0xFF));
    QVERIFY(link->packetData()[27] == 0); // nothing behind the CRC
}

void TestBusFrame::lengthByteComputedBySend_data()
{
    QTest::addColumn<int>("callerLength");
    QTest::newRow("right") << 13;
    QTest::newRow("zero") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("too large") << 255;
}

void TestBusFrame::lengthByteComputedBySend()
{
    // The CRC is placed from the payload, whatever length byte the caller hands in.
    QFETCH(int, callerLength);
    link->initPacketHeader();
    const char payload[] = {5, 1};
    link->sendCommand(quint8(callerLength), 0xE01D, 255, 255, payload, 2);
    const QByteArray sent(reinterpret_cast<const char *>(link->packetData()), 29);
    QCOMPARE(quint8(sent[16]), quint8(13));
    QCOMPARE(sent.mid(25, 2), hex("0501"));
    const quint16 crc = buspeer::crc16Bitwise(sent.constData() + 16, 11);
    QCOMPARE(quint8(sent[27]), quint8(crc >> 8));
    QCOMPARE(quint8(sent[28]), quint8(crc & 0xFF));
    QVERIFY(link->checkPacket(link->packetData(), 29));
}

void TestBusFrame::oversizedPayloadRefused()
{
    link->initPacketHeader();
    QByteArray largest(244, '\x5A');
    link->sendCommand(quint8(255), 0x2024, 1, 2, largest.constData(), largest.size());
    QCOMPARE(link->currentPacketLength(), qint64(25 + 244));
    QCOMPARE(link->packetData()[16], quint8(255));
    QVERIFY(checkCrc16(link->packetData() + 16, 253));

    // One byte more, or a negative count, is refused and leaves the last frame as it was.
    QByteArray tooLong(245, '\x33');
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("refusing to send opcode"));
    link->sendCommand(quint8(11 + 245), 0x2024, 1, 2, tooLong.constData(), tooLong.size());
    QCOMPARE(link->currentPacketLength(), qint64(25 + 244));
    QCOMPARE(link->packetData()[25], quint8(0x5A));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("refusing to send opcode"));
    link->sendCommand(10, 0x2024, 1, 2, tooLong.constData(), -1);
    QCOMPARE(link->currentPacketLength(), qint64(25 + 244));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("refusing to send opcode"));
    link->sendCommand(20, 0x2024, 1, 2, nullptr, 9);
    QCOMPARE(link->currentPacketLength(), qint64(25 + 244));
}

void TestBusFrame::checkPacket_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("accepted");

    const QByteArray toAll = frame(255, 255);
    const QByteArray toUs = frame(1, 254, hex("01F864"));
    QTest::newRow("27 bytes to 255/255") << toAll << true;
    QTest::newRow("26 bytes") << toAll.left(26) << false;
    QTest::newRow("to this station") << toUs << true;
    QTest::newRow("to another station") << frame(1, 253, hex("01F864")) << false;
    QTest::newRow("to 255 of another subnet") << frame(2, 255) << false;
    QTest::newRow("extra bytes after the CRC") << toUs + hex("DEADBEEF") << true;
    QTest::newRow("truncated CRC") << toUs.left(toUs.size() - 1) << false;

    QByteArray badCrc = toUs;
    badCrc[badCrc.size() - 1] = char(badCrc[badCrc.size() - 1] ^ 0x01);
    QTest::newRow("bad CRC") << badCrc << false;
    QByteArray badMark = toAll;
    badMark[15] = char(0xAB);
    QTest::newRow("bad start mark") << badMark << false;
    QByteArray longClaim = toAll;
    longClaim[16] = char(40);
    QTest::newRow("length byte beyond the bytes received") << longClaim << false;
    QByteArray zero = toAll;
    zero[16] = 0;
    QTest::newRow("length byte 0") << zero << false;
    QByteArray one = toAll;
    one[16] = 1;
    QTest::newRow("length byte 1") << one << false;
    // L = 2 covers no bytes: its CRC is 00 00 at offsets 16 and 17, but offset 16 holds L itself.
    QByteArray two = toAll;
    two[16] = 2;
    QTest::newRow("length byte 2") << two << false;
}

void TestBusFrame::checkPacket()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, accepted);
    auto copy = exactCopy(data);
    QCOMPARE(link->checkPacket(copy.get(), data.size()), accepted);
    QCOMPARE(referenceAccepts(data, 1, 254), accepted);
}

void TestBusFrame::checkShortPacket_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("accepted");
    const QByteArray nine = buspeer::withCrc(hex("CCCC 0009 00A4 00"));
    QTest::newRow("CC CC, five bytes and their CRC") << nine << true;
    QTest::newRow("8 bytes") << buspeer::withCrc(hex("CCCC 0008 00A4")) << false;
    QByteArray bad = nine;
    bad[8] = char(bad[8] ^ 0x10);
    QTest::newRow("bad CRC") << bad << false;
    QTest::newRow("wrong mark") << buspeer::withCrc(hex("CCCD 0009 00A4 00")) << false;
    QTest::newRow("login reply") << buspeer::withCrc(hex("CCCC 0010 00A3 00000000000000 03")) << true;
}

void TestBusFrame::checkShortPacket()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, accepted);
    auto copy = exactCopy(data);
    QCOMPARE(link->checkShortPacket(copy.get(), data.size()), accepted);
}

void TestBusFrame::checkLongPacket()
{
    QByteArray f = hex("00000000 564F56555A4156495A45 BBBB");
    QByteArray body = hex("0014") + QByteArray(16, '\x07'); // N = 20: the CRC covers 18 bytes
    f += buspeer::withCrc(body);
    QCOMPARE(f.size(), 36);
    auto copy = exactCopy(f);
    QVERIFY(link->checkLongPacket(copy.get(), f.size()));
    QVERIFY(!link->checkLongPacket(copy.get(), 35));
    QByteArray claimsMore = f;
    claimsMore[17] = char(40);
    auto more = exactCopy(claimsMore);
    QVERIFY(!link->checkLongPacket(more.get(), claimsMore.size()));
    QByteArray aa = f;
    aa[14] = aa[15] = char(0xAA);
    auto wrongMark = exactCopy(aa);
    QVERIFY(!link->checkLongPacket(wrongMark.get(), aa.size()));
}

void TestBusFrame::pieceByPieceAssembly()
{
    link->initPacketHeader();
    link->resetPacket();
    const quint8 command[] = {13, 0x00, 0x31, 1, 10, 7, 8};
    QVERIFY(link->appendBytes(command, sizeof command));
    QCOMPARE(link->currentPacketLength(), qint64(16 + 11));
    const QByteArray built(reinterpret_cast<const char *>(link->packetData()) + 16, 11);
    QCOMPARE(built, hex("0D 01FE FFFE 0031 010A 0708"));
    QVERIFY(!link->appendBytes(command, 4));

    link->resetPacket();
    int appended = 0;
    while (link->appendByte(0x11))
        ++appended;
    QCOMPARE(appended, BroadcastSocket::PacketBufferSize - 16 - 2);
    QCOMPARE(link->currentPacketLength(), qint64(BroadcastSocket::PacketBufferSize - 2));
    QVERIFY(!link->appendBytes(command, sizeof command));
    link->resetPacket();
    QCOMPARE(link->currentPacketLength(), qint64(16));
    QCOMPARE(link->packetData()[20], quint8(0));
}

void TestBusFrame::fuzzAcceptanceChecks()
{
    QRandomGenerator rng(20261210);
    const QByteArray good = frame(1, 254, hex("01F864"));
    const QByteArray server = buspeer::withCrc(hex("CCCC 0010 00A3 00000000000000 00"));
    int accepted = 0;
    for (int round = 0; round < 30000; ++round) {
        QByteArray data;
        switch (round % 4) {
        case 0: // random bytes of random size
            data.resize(int(rng.bounded(320)));
            for (char &c : data)
                c = char(rng.bounded(256));
            break;
        case 1: // a good frame cut short or with one byte changed
            data = good.left(int(rng.bounded(good.size() + 1)));
            if (!data.isEmpty() && rng.bounded(2))
                data[int(rng.bounded(data.size()))] = char(rng.bounded(256));
            break;
        case 2: // a good lead-in with a random length byte over random tails
            data = good.left(17) + QByteArray(int(rng.bounded(260)), char(rng.bounded(256)));
            data[16] = char(rng.bounded(256));
            break;
        default: // server packets cut short or garbled
            data = server.left(int(rng.bounded(server.size() + 1)));
            if (!data.isEmpty() && rng.bounded(2))
                data[int(rng.bounded(data.size()))] = char(rng.bounded(256));
            break;
        }
        auto copy = exactCopy(data);
        const bool result = link->checkPacket(copy.get(), data.size());
        QCOMPARE(result, referenceAccepts(data, 1, 254));
        accepted += result ? 1 : 0;
        link->checkShortPacket(copy.get(), data.size());
        link->checkLongPacket(copy.get(), data.size());
    }
    QVERIFY(accepted > 0);
}

QTEST_GUILESS_MAIN(TestBusFrame)
#include "tst_busframe.moc"

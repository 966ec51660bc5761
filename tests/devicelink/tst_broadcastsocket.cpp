// The transport in each network style: open, send, receive, keep-alive and the reported failures.

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "tests/support/buspeercrc.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/simulatedcloudserver.h"
#include "tests/support/simulateddevice.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

const quint16 udpPort = 16000;
const quint16 tcpPort = 16010;
const QHostAddress broadcastAll(QStringLiteral("127.255.255.255"));

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The blocks delivered through dataIsComming, copied while the buffer is valid.
struct Received
{
    QList<QByteArray> blocks;
    void attach(BroadcastSocket *link)
    {
        QObject::connect(link, &BroadcastSocket::dataIsComming, link, [this](quint8 *buf, qlonglong n) {
            blocks.append(QByteArray(reinterpret_cast<const char *>(buf), int(n)));
        });
    }
    bool contains(const QByteArray &b) const { return blocks.contains(b); }
    int countOpcode(quint16 opcode) const
    {
        int n = 0;
        for (const QByteArray &b : blocks)
            if (b.size() >= 27 && quint8(b[21]) == opcode >> 8 && quint8(b[22]) == (opcode & 0xFF))
                ++n;
        return n;
    }
};

// A listening TCP socket whose accept queue is full, so that the next connect is never answered.
struct StalledListener
{
    int fd = -1;
    QList<QTcpSocket *> fillers;
    bool open(quint16 port)
    {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr = {};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(port);
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || ::listen(fd, 0) != 0)
            return false;
        for (int i = 0; i < 3; ++i) {
            auto *s = new QTcpSocket;
            s->connectToHost(QHostAddress::LocalHost, port);
            s->waitForConnected(200);
            fillers.append(s);
        }
        return true;
    }
    int acceptAll()
    {
        int accepted = 0;
        timeval tv = {0, 200000};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        for (;;) {
            const int c = ::accept(fd, nullptr, nullptr);
            if (c < 0)
                break;
            ::close(c);
            ++accepted;
        }
        return accepted;
    }
    ~StalledListener()
    {
        qDeleteAll(fillers);
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

class TestBroadcastSocket : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sendBeforeFirstOpenDoesNothing();
    void localNetworkRoundTrip();
    void localNetworkKeepAlive();
    void rawDataToGivenAddress();
    void localNetworkBindFailures_data();
    void localNetworkBindFailures();
    void unusableDatagramsAreDroppedAndReceptionGoesOn();
    void localNetworkSourceFilter();
    void randomDatagramsThroughTheSocket();
    void unknownStyleOpensNothing();
    void dnsFailures_data();
    void dnsFailures();
    void dnsRoundTripAndFilter();
    void cloudFailures_data();
    void cloudFailures();
    void cloudConnectRefused();
    void cloudConnectTimeoutIsAborted();
    void cloudRoundTrip();
    void cloudStreamIsFramed();
    void localNetworkSendsFromTheHostAddress();
    void floodLeavesTimersTheirTurn_data();
    void floodLeavesTimersTheirTurn();
    void backlogIsReadInPassesBetweenTimers();
    void cloudDisconnectReported();
    void reopenDoesNotReportDisconnect();
    void socketOfAnotherStyleIsNotRead();

private:
    BroadcastSocket *makeLink();
    std::unique_ptr<BroadcastSocket> link;
    Received received;
};

BroadcastSocket *TestBroadcastSocket::makeLink()
{
    link.reset(new BroadcastSocket);
    link->setPorts(udpPort, tcpPort);
    link->setKeepAliveInterval(3600 * 1000);
    link->setConnectTimeout(1000);
    link->setLocalAddress(1, 254);
    received = Received();
    received.attach(link.get());
    return link.get();
}

void TestBroadcastSocket::init()
{
    REQUIRE_PRIVATE_NETWORK();
    gNetworkType = LocalNetwork;
    gHostIp = QStringLiteral("127.0.0.2");
    gServerIp.clear();
    gDomainName.clear();
    gIpPortMac = QStringLiteral("01-02-03-04-05-06-07-08");
    makeLink();
}

void TestBroadcastSocket::cleanup()
{
    link.reset();
    gNetworkType = LocalNetwork;
    gHostIp.clear();
}

void TestBroadcastSocket::sendBeforeFirstOpenDoesNothing()
{
    SimulatedDevice device(1, 10, udpPort);
    QVERIFY(device.isBound());
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    link->sendCommand(11, 0xEFFD, 1, 10);
    link->sendRawData("hello", 5);
    QTest::qWait(100);
    QCOMPARE(device.received.size(), 0);
    QCOMPARE(state.count(), 0);
}

void TestBroadcastSocket::localNetworkRoundTrip()
{
    SimulatedDevice device(1, 10, udpPort);
    device.replyPayload = [](quint16, const QByteArray &payload) {
        return QByteArray(1, payload[0]) + hex("F8") + QByteArray(1, payload[1]);
    };
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    QVERIFY(link->connectNetwork());
    QCOMPARE(state.count(), 0);
    QCOMPARE(link->currentTargetAddress(), broadcastAll);
    QVERIFY(link->hasUsableUdpSocket());

    const char payload[] = {1, 100, 0, 0};
    link->sendCommand(15, 0x0031, 1, 10, payload, 4);
    QTRY_COMPARE(device.framesFromStation.size(), 1);
    const QByteArray body = hex("0F 01FE CCC2 0031 010A 01640000");
    QCOMPARE(device.framesFromStation[0], hex("7F000002 564F56555A4156495A45 AAAA") + buspeer::withCrc(body));

    // The reply is broadcast by the device and reaches the station although it is bound to every address.
    QTRY_COMPARE(received.countOpcode(0x0032), 1);
    for (const QByteArray &b : received.blocks) {
        if (quint8(b[22]) == 0x32) {
            QVERIFY(link->checkPacket(reinterpret_cast<const quint8 *>(b.constData()), b.size()));
            QCOMPARE(b.mid(17, 2), hex("010A"));
            QCOMPARE(b.mid(25, 3), hex("01F864"));
        }
    }
}

void TestBroadcastSocket::localNetworkKeepAlive()
{
    SimulatedDevice device(1, 10, udpPort);
    QCOMPARE(BroadcastSocket().keepAliveInterval(), 10000);
    link->setKeepAliveInterval(40);
    QSignalSpy spy(&device, &SimulatedDevice::datagramReceived);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(link->connectNetwork());
    QCOMPARE(link->keepAliveInterval(), 40);
    QVERIFY(spy.wait(2000));
    QVERIFY(clock.elapsed() >= 35); // one interval after the open, not at once
    QCOMPARE(spy[0][0].toByteArray(), QByteArray(BroadcastSocket::keepAliveText, 18));
    QCOMPARE(QByteArray(BroadcastSocket::keepAliveText).size(), 18);
    QTRY_VERIFY(spy.count() >= 3);

    // The timer keeps running across a failed open, but without a usable socket nothing goes out.
    gHostIp.clear();
    QVERIFY(!link->connectNetwork());
    QTest::qWait(50);
    const int before = spy.count();
    QTest::qWait(200);
    QCOMPARE(spy.count(), before);
}

void TestBroadcastSocket::rawDataToGivenAddress()
{
    QUdpSocket peer;
    QVERIFY(peer.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
    link->sendRawDataTo("early", 5, QHostAddress(QStringLiteral("127.0.0.1")), peer.localPort());
    QVERIFY(link->connectNetwork());
    link->sendRawDataTo("hello", 5, QHostAddress(QStringLiteral("127.0.0.1")), peer.localPort());
    QTRY_VERIFY(peer.hasPendingDatagrams());
    QNetworkDatagram d = peer.receiveDatagram();
    QCOMPARE(d.data(), QByteArray("hello"));
    QCOMPARE(d.senderPort(), int(udpPort));
    QTest::qWait(50);
    QVERIFY(!peer.hasPendingDatagrams());
}

void TestBroadcastSocket::localNetworkBindFailures_data()
{
    QTest::addColumn<QString>("hostIp");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty host address") << ""
                                        << "failed to bind :16000!";
    QTest::newRow("address of no interface") << "10.9.9.9"
                                             << "failed to bind 10.9.9.9:16000!";
    QTest::newRow("not an address") << "gateway"
                                    << "failed to bind gateway:16000!";
}

void TestBroadcastSocket::localNetworkBindFailures()
{
    QFETCH(QString, hostIp);
    QFETCH(QString, text);
    SimulatedDevice device(1, 10, udpPort);
    gHostIp = hostIp;
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    QVERIFY(!link->connectNetwork());
    QCOMPARE(state.count(), 1);
    QCOMPARE(state[0], QVariantList({false, text}));
    // No interface carries the address, so the target falls back to the limited broadcast.
    QCOMPARE(link->currentTargetAddress(), QHostAddress(QHostAddress::Broadcast));
    QVERIFY(!link->hasUsableUdpSocket());

    // A socket that failed to bind must not bind itself to some port on the next send.
    link->sendCommand(11, 0xEFFD, 1, 10);
    link->sendRawData("abc", 3);
    QTest::qWait(100);
    QCOMPARE(device.received.size(), 0);
}

void TestBroadcastSocket::unusableDatagramsAreDroppedAndReceptionGoesOn()
{
    SimulatedDevice device(1, 10, udpPort);
    QVERIFY(link->connectNetwork());
    const QByteArray good = makeDeviceFrame(1, 10, 0x0034, 1, 254, hex("0264 00"));
    device.sendDatagram(QByteArray(), broadcastAll, udpPort);
    device.sendDatagram(QByteArray(9000, '\x42'), broadcastAll, udpPort);
    device.sendDatagram(QByteArray(8193, '\x43'), broadcastAll, udpPort);
    device.sendDatagram(QByteArray(8192, '\x44'), broadcastAll, udpPort);
    device.sendDatagram(good, broadcastAll, udpPort);
    QTRY_VERIFY(received.contains(good));
    QCOMPARE(received.blocks.size(), 2);
    QCOMPARE(received.blocks[0], QByteArray(8192, '\x44'));

    // Only dropped datagrams waiting: reception still goes on afterwards.
    device.sendDatagram(QByteArray(), broadcastAll, udpPort);
    QTest::qWait(50);
    device.sendDatagram(good + hex("00"), broadcastAll, udpPort);
    QTRY_COMPARE(received.blocks.size(), 3);
}

void TestBroadcastSocket::localNetworkSourceFilter()
{
    // The router's address, resolved in the DNS style, stays known when the style changes back.
    gNetworkType = DnsServer;
    gDomainName = QStringLiteral("127.0.0.1");
    QVERIFY(link->connectNetwork());
    QCOMPARE(link->domainAddress(), QString("127.0.0.1"));
    gNetworkType = LocalNetwork;
    QVERIFY(link->connectNetwork());
    QCOMPARE(link->currentTargetAddress(), broadcastAll);

    QUdpSocket fromRouter;
    QVERIFY(fromRouter.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
    QUdpSocket fromElsewhere;
    QVERIFY(fromElsewhere.bind(QHostAddress(QStringLiteral("127.0.0.3")), 0));

    const QByteArray frame = makeDeviceFrame(1, 10, 0x0032, 1, 254, hex("01F864"));
    const QByteArray serverPacket = makeServerPacket(hex("CCCC 000C 00A4 000000 01"));
    QByteArray badServerPacket = serverPacket;
    badServerPacket[9] = char(2);

    fromRouter.writeDatagram(frame, broadcastAll, udpPort);
    fromRouter.writeDatagram(badServerPacket, broadcastAll, udpPort);
    fromRouter.writeDatagram(serverPacket, broadcastAll, udpPort);
    fromElsewhere.writeDatagram(frame + hex("01"), broadcastAll, udpPort);
    QTRY_COMPARE(received.blocks.size(), 2);
    QTest::qWait(50);
    QCOMPARE(received.blocks, QList<QByteArray>({serverPacket, frame + hex("01")}));
}

void TestBroadcastSocket::randomDatagramsThroughTheSocket()
{
    // Every block goes through the checks a receiver applies; the last, good frame must still arrive.
    SimulatedDevice device(1, 10, udpPort);
    QVERIFY(link->connectNetwork());
    int accepted = 0;
    connect(link.get(), &BroadcastSocket::dataIsComming, this, [&](quint8 *buf, qlonglong n) {
        if (link->checkPacket(buf, n))
            ++accepted;
        link->checkShortPacket(buf, n);
        link->checkLongPacket(buf, n);
    });
    QRandomGenerator rng(6000);
    const QByteArray good = makeDeviceFrame(1, 10, 0x0032, 1, 254, hex("01F864"));
    const QByteArray login = makeServerPacket(hex("CCCC 0010 00A3 00000000000000 00"));
    for (int i = 0; i < 3000; ++i) {
        QByteArray data;
        if (i % 3 == 0) {
            data.resize(int(rng.bounded(400)));
            for (char &c : data)
                c = char(rng.bounded(256));
        } else {
            data = (i % 3 == 1 ? good : login).left(int(rng.bounded(good.size())));
            if (!data.isEmpty())
                data[int(rng.bounded(data.size()))] = char(rng.bounded(256));
        }
        device.sendDatagram(data, broadcastAll, udpPort);
        if (i % 200 == 0)
            QCoreApplication::processEvents();
    }
    QTest::qWait(100); // let the station drain its queue, so the kernel keeps the marker
    const QByteArray marker = good + hex("5A5A");
    device.sendDatagram(marker, broadcastAll, udpPort);
    QTRY_VERIFY_WITH_TIMEOUT(received.contains(marker), 10000);
    QVERIFY(accepted >= 1);
}

void TestBroadcastSocket::unknownStyleOpensNothing()
{
    SimulatedDevice device(1, 10, udpPort);
    gNetworkType = 3;
    link->setKeepAliveInterval(20);
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    QVERIFY(link->connectNetwork());
    QCOMPARE(link->currentPacketLength(), qint64(16));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(link->packetData()), 4), hex("7F000002"));
    link->sendCommand(11, 0xEFFD, 1, 10);
    QTest::qWait(150);
    QCOMPARE(device.received.size(), 0);
    QCOMPARE(state.count(), 0);
}

void TestBroadcastSocket::dnsFailures_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("text");
    QTest::newRow("no domain") << ""
                               << ""
                               << "invalid domain name by router!";
    QTest::newRow("no mac") << "127.0.0.1"
                            << ""
                            << "invalid mac address!";
    QTest::newRow("unresolved") << "router.invalid"
                                << "01-02-03-04-05-06-07-08"
                                << "failed to parse host name router.invalid!";
    QTest::newRow("IPv6 only") << "::1"
                               << "01-02-03-04-05-06-07-08"
                               << "no IPv4 address for host name ::1!";
}

void TestBroadcastSocket::dnsFailures()
{
    QFETCH(QString, domain);
    QFETCH(QString, mac);
    QFETCH(QString, text);
    gNetworkType = DnsServer;
    gDomainName = domain;
    gIpPortMac = mac;
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    QVERIFY(!link->connectNetwork());
    QCOMPARE(state.count(), 1);
    QCOMPARE(state[0], QVariantList({false, text}));
    QVERIFY(!link->hasUsableUdpSocket());
}

void TestBroadcastSocket::dnsRoundTripAndFilter()
{
    // The router listens on its own address and answers to the station's.
    SimulatedDevice router(1, 10, udpPort, QHostAddress(QStringLiteral("127.0.0.1")),
                           QHostAddress(QStringLiteral("127.0.0.2")));
    QVERIFY(router.isBound());
    gNetworkType = DnsServer;
    gDomainName = QStringLiteral("127.0.0.1");
    link->setKeepAliveInterval(50);
    QVERIFY(link->connectNetwork());
    QCOMPARE(link->currentTargetAddress(), QHostAddress(QStringLiteral("127.0.0.1")));

    QSignalSpy heard(&router, &SimulatedDevice::datagramReceived);
    QVERIFY(heard.wait(2000));
    QCOMPARE(heard[0][0].toByteArray(), QByteArray(BroadcastSocket::keepAliveText, 18));
    link->setKeepAliveInterval(3600 * 1000);

    // DNS login and its reply.
    const QByteArray login = buspeer::withCrc(hex("CCCC 0017 00A5 00 00000000 0102030405060708 0000"));
    link->sendRawData(login.constData(), login.size());
    const QByteArray reply = makeServerPacket(hex("CCCC 000C 00A4 000000 01"));
    QTRY_VERIFY(received.contains(reply));

    // A bus request relayed by the router is answered with opcode + 1.
    link->sendCommand(11, 0x0033, 1, 10);
    QTRY_COMPARE(received.countOpcode(0x0034), 1);

    // Only the router and the station itself are heard.
    QUdpSocket stranger;
    QVERIFY(stranger.bind(QHostAddress(QStringLiteral("127.0.0.3")), 0));
    QUdpSocket self;
    QVERIFY(self.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0));
    const QByteArray frame = makeDeviceFrame(1, 11, 0x0032, 1, 254, hex("01F864"));
    stranger.writeDatagram(frame, QHostAddress(QStringLiteral("127.0.0.2")), udpPort);
    self.writeDatagram(frame + hex("AA"), QHostAddress(QStringLiteral("127.0.0.2")), udpPort);
    QTRY_VERIFY(received.contains(frame + hex("AA")));
    QTest::qWait(50);
    QVERIFY(!received.contains(frame));
}

void TestBroadcastSocket::cloudFailures_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("text");
    QTest::newRow("no server, no mac") << ""
                                       << ""
                                       << "invalid server ip or domain name!";
    QTest::newRow("no mac") << "127.0.0.1"
                            << ""
                            << "invalid mac address!";
    QTest::newRow("unresolved") << "cloud.invalid"
                                << "01-02-03-04-05-06-07-08"
                                << "failed to parse host name cloud.invalid!";
}

void TestBroadcastSocket::cloudFailures()
{
    QFETCH(QString, server);
    QFETCH(QString, mac);
    QFETCH(QString, text);
    gNetworkType = CloudServer;
    gServerIp = server;
    gIpPortMac = mac;
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    QVERIFY(!link->connectNetwork());
    QCOMPARE(state.count(), 1);
    QCOMPARE(state[0], QVariantList({false, text}));
    QVERIFY(!link->isTcpConnected());
}

void TestBroadcastSocket::cloudConnectRefused()
{
    gNetworkType = CloudServer;
    gServerIp = QStringLiteral("127.0.0.1");
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    QVERIFY(!link->connectNetwork());
    QCOMPARE(state.count(), 1);
    QCOMPARE(state[0], QVariantList({false, QString("failed to connect to 127.0.0.1!")}));
    QCOMPARE(link->serverAddress(), QString("127.0.0.1"));
    link->sendCommand(11, 0xEFFD, 1, 10); // skipped without a report
    QCOMPARE(state.count(), 1);
}

void TestBroadcastSocket::cloudConnectTimeoutIsAborted()
{
    StalledListener listener;
    QVERIFY(listener.open(tcpPort));
    gNetworkType = CloudServer;
    gServerIp = QStringLiteral("127.0.0.1");
    QCOMPARE(BroadcastSocket().connectTimeout(), 3000);
    link->setConnectTimeout(300);
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!link->connectNetwork());
    QVERIFY(clock.elapsed() >= 250);
    QCOMPARE(state.count(), 1);
    QCOMPARE(state[0][1].toString(), QString("failed to connect to 127.0.0.1!"));

    // Once the server catches up, the given-up connect must not come to life.
    listener.acceptAll();
    QTest::qWait(300);
    QVERIFY(!link->hasUsableTcpSocket());
    QVERIFY(!link->isTcpConnected());
    link->sendCommand(11, 0xEFFD, 1, 10);
    QCOMPARE(state.count(), 1);
}

void TestBroadcastSocket::cloudRoundTrip()
{
    SimulatedCloudServer server(tcpPort);
    QVERIFY(server.isListening());
    gNetworkType = CloudServer;
    gServerIp = QStringLiteral("127.0.0.1");
    link->setKeepAliveInterval(20);
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    QVERIFY(link->connectNetwork());
    QVERIFY(link->isTcpConnected());
    QCOMPARE(link->currentTargetAddress(), QHostAddress(QStringLiteral("127.0.0.1")));

    // Cloud login packet and its 0x00A3 reply.
    QByteArray login = hex("CCCC 0038 00A2 01 00 31323334 0102030405060708 01 FE") + QByteArray(32, '\0');
    login = buspeer::withCrc(login);
    QCOMPARE(login.size(), 56);
    QSignalSpy logins(&server, &SimulatedCloudServer::loginReceived);
    link->sendRawData(login.constData(), login.size());
    QVERIFY(logins.wait(2000));
    const QByteArray reply = makeServerPacket(hex("CCCC 0010 00A3 00000000000000 00"));
    QTRY_VERIFY(received.contains(reply));
    QVERIFY(link->checkShortPacket(reinterpret_cast<const quint8 *>(reply.constData()), reply.size()));

    // A bus request goes out framed and its answer comes back on the connection.
    const char payload[] = {2};
    link->sendCommand(12, 0xE124, 1, 10, payload, 1);
    QTRY_COMPARE(received.countOpcode(0xE125), 1);

    // No keep-alive on the cloud connection.
    QTest::qWait(150);
    QVERIFY(!server.received.contains(QByteArray(BroadcastSocket::keepAliveText, 18)));
    QCOMPARE(state.count(), 0);
}

void TestBroadcastSocket::cloudStreamIsFramed()
{
    SimulatedCloudServer server(tcpPort);
    gNetworkType = CloudServer;
    gServerIp = QStringLiteral("127.0.0.1");
    QVERIFY(link->connectNetwork());
    QTRY_VERIFY(server.hasClient());
    const QByteArray first = makeDeviceFrame(1, 20, 0xE01C, 255, 255, hex("0601"));
    const QByteArray second = makeDeviceFrame(1, 10, 0x0032, 1, 254, hex("01F864"));
    const QByteArray reply = makeServerPacket(hex("CCCC 0010 00A3 00000000000000 03"));

    // Two frames in one write: two deliveries.
    server.push(first + second);
    QTRY_COMPARE(received.blocks, QList<QByteArray>({first, second}));

    // A frame over three writes: one delivery, once the last piece is in.
    received.blocks.clear();
    server.push(second.left(10));
    server.push(second.mid(10, 10));
    QTest::qWait(50);
    QVERIFY(received.blocks.isEmpty());
    server.push(second.mid(20));
    QTRY_COMPARE(received.blocks, QList<QByteArray>({second}));

    // Garbage between frames and packets is skipped; a burst larger than a read is cut the same way.
    received.blocks.clear();
    QByteArray burst;
    QList<QByteArray> expected;
    for (int i = 0; i < 600; ++i) {
        burst += (i % 3 == 0 ? QByteArray("\x01garbage\xCC") : QByteArray()) + (i % 2 ? first : reply);
        expected.append(i % 2 ? first : reply);
    }
    server.push(burst);
    QTRY_COMPARE(received.blocks.size(), expected.size());
    QCOMPARE(received.blocks, expected);
}

void TestBroadcastSocket::localNetworkSendsFromTheHostAddress()
{
    SimulatedDevice device(1, 10, udpPort);
    QVERIFY(link->connectNetwork());
    QCOMPARE(link->sendingAddress(), QHostAddress(QStringLiteral("127.0.0.2")));
    link->sendCommand(11, 0xEFFD, 1, 10);
    QTRY_COMPARE(device.framesFromStation.size(), 1);
    QCOMPARE(device.received.last().sender, QHostAddress(QStringLiteral("127.0.0.2")));
    QCOMPARE(device.received.last().senderPort, udpPort);

    // What a peer sends to the host address alone is received as well.
    QUdpSocket peer;
    QVERIFY(peer.bind(QHostAddress(QStringLiteral("127.0.0.3")), 0));
    const QByteArray frame = makeDeviceFrame(1, 10, 0xEFFE, 1, 254, QByteArray());
    peer.writeDatagram(frame, QHostAddress(QStringLiteral("127.0.0.2")), udpPort);
    QTRY_VERIFY(received.contains(frame));
}

void TestBroadcastSocket::floodLeavesTimersTheirTurn_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("local network") << int(LocalNetwork);
    QTest::newRow("cloud server") << int(CloudServer);
}

void TestBroadcastSocket::floodLeavesTimersTheirTurn()
{
    // Each delivery takes a while, and the peer sends faster than that without pause: the keep-alive and an
    // ordinary timer still come round while the flood goes on.
    QFETCH(int, style);
    SimulatedDevice device(1, 10, udpPort);
    SimulatedCloudServer server(tcpPort);
    gNetworkType = style;
    gServerIp = QStringLiteral("127.0.0.1");
    link->setKeepAliveInterval(30);
    QVERIFY(link->connectNetwork());
    QTRY_VERIFY(style != CloudServer || server.hasClient());
    QObject::connect(link.get(), &BroadcastSocket::dataIsComming, link.get(), [] {
        QElapsedTimer busy;
        busy.start();
        while (busy.nsecsElapsed() < 200000) {
        }
    });

    const QByteArray frame = makeDeviceFrame(1, 20, 0xE01C, 255, 255, hex("0601"));
    // The datagrams flood the local network only: in the cloud style nobody but the simulated device would
    // read them.
    std::atomic<bool> flooding{style == LocalNetwork};
    std::thread peer([&] {
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in to = {};
        to.sin_family = AF_INET;
        to.sin_port = htons(udpPort);
        to.sin_addr.s_addr = htonl(0x7F000002);
        while (flooding.load())
            ::sendto(fd, frame.constData(), size_t(frame.size()), 0, reinterpret_cast<sockaddr *>(&to), sizeof to);
        ::close(fd);
    });
    QByteArray stream;
    for (int i = 0; i < 2000; ++i)
        stream += frame;
    if (style == CloudServer) {
        for (int i = 0; i < 20; ++i)
            server.push(stream);
    }

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(20);
    const int deliveredBefore = received.blocks.size();
    QSignalSpy keepAlives(&device, &SimulatedDevice::datagramReceived);
    QTRY_VERIFY(ticks >= 5 && (style == CloudServer || keepAlives.count() >= 3));
    const int deliveredMeanwhile = received.blocks.size() - deliveredBefore;
    flooding = false;
    peer.join();
    QVERIFY(deliveredMeanwhile > 0);
    if (style == CloudServer)
        QVERIFY(deliveredMeanwhile < 40000); // the stream had not been read to its end
}

void TestBroadcastSocket::backlogIsReadInPassesBetweenTimers()
{
    // A backlog waiting in the socket is read a pass at a time, and a timer that falls due during the first pass
    // fires before the backlog is through, in the loop the station runs (exec), not only under QTRY's polling.
    QVERIFY(link->connectNetwork());
    link->setReceiveBatchLimit(8);
    const int total = 150;
    const QByteArray frame = makeDeviceFrame(1, 20, 0xE01C, 255, 255, hex("0601"));
    QUdpSocket peer;
    QVERIFY(peer.bind(QHostAddress(QStringLiteral("127.0.0.3")), 0));
    for (int i = 0; i < total; ++i)
        QCOMPARE(peer.writeDatagram(frame, QHostAddress(QStringLiteral("127.0.0.2")), udpPort), qint64(frame.size()));

    QEventLoop loop;
    int delivered = 0;
    int deliveredWhenTimerFired = -1;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] { deliveredWhenTimerFired = delivered; });
    QObject::connect(link.get(), &BroadcastSocket::dataIsComming, &loop, [&] {
        if (++delivered == 1)
            timer.start(0);
        if (delivered == total)
            loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    QCOMPARE(delivered, total);
    QVERIFY2(deliveredWhenTimerFired >= 1 && deliveredWhenTimerFired <= 16,
             qPrintable(QString::number(deliveredWhenTimerFired)));
}

void TestBroadcastSocket::cloudDisconnectReported()
{
    SimulatedCloudServer server(tcpPort);
    gNetworkType = CloudServer;
    gServerIp = QStringLiteral("127.0.0.1");
    QVERIFY(link->connectNetwork());
    QTRY_VERIFY(server.hasClient());
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    server.closeClient();
    QVERIFY(state.wait(2000));
    QCOMPARE(state[0], QVariantList({false, QString("disconnect from 127.0.0.1!")}));
    QVERIFY(link->isTcpConnected()); // stays set until the next open

    // A send through the closed connection writes nothing and says why.
    const int before = server.received.size();
    link->sendCommand(11, 0xEFFD, 1, 10);
    QCOMPARE(state.count(), 2);
    QCOMPARE(state[1], QVariantList({false, QString("disconnect from 127.0.0.1,can not write data!")}));
    QTest::qWait(50);
    QCOMPARE(server.received.size(), before);
}

void TestBroadcastSocket::reopenDoesNotReportDisconnect()
{
    SimulatedCloudServer server(tcpPort);
    gNetworkType = CloudServer;
    gServerIp = QStringLiteral("127.0.0.1");
    QVERIFY(link->connectNetwork());
    QSignalSpy state(link.get(), &BroadcastSocket::signalsNetworkConnectState);
    QVERIFY(link->connectNetwork());
    QVERIFY(link->isTcpConnected());
    QTest::qWait(100);
    QCOMPARE(state.count(), 0);

    // Changing style drops the connection silently as well.
    gNetworkType = LocalNetwork;
    QVERIFY(link->connectNetwork());
    QTest::qWait(100);
    QCOMPARE(state.count(), 0);
    QVERIFY(!link->isTcpConnected());
}

void TestBroadcastSocket::socketOfAnotherStyleIsNotRead()
{
    // The cloud connection is not read while the style is another one; its bytes wait for the cloud style.
    SimulatedCloudServer server(tcpPort);
    gNetworkType = CloudServer;
    gServerIp = QStringLiteral("127.0.0.1");
    QVERIFY(link->connectNetwork());
    QTRY_VERIFY(server.hasClient());
    const QByteArray first = makeDeviceFrame(1, 10, 0x0032, 1, 254, hex("01F864"));
    const QByteArray second = makeDeviceFrame(1, 10, 0x0034, 1, 254, hex("0164"));
    gNetworkType = LocalNetwork;
    server.push(first);
    QTest::qWait(200);
    QCOMPARE(received.blocks.size(), 0);
    gNetworkType = CloudServer;
    server.push(second);
    QTRY_COMPARE(received.blocks.join(), first + second);

    // A datagram on the local-network socket is not delivered in the cloud style. It comes from an address
    // other than the server's, which the local network would drop anyway.
    QUdpSocket peer;
    QVERIFY(peer.bind(QHostAddress(QStringLiteral("127.0.0.3")), 0));
    gNetworkType = LocalNetwork;
    QVERIFY(link->connectNetwork());
    received.blocks.clear();
    gNetworkType = CloudServer;
    peer.writeDatagram(first, broadcastAll, udpPort);
    QTest::qWait(200);
    QCOMPARE(received.blocks.size(), 0);

    // Reopened in the local network, reception goes on.
    gNetworkType = LocalNetwork;
    QVERIFY(link->connectNetwork());
    peer.writeDatagram(second, broadcastAll, udpPort);
    QTRY_VERIFY(received.contains(second));
    QVERIFY(!received.contains(first));
}

QTEST_GUILESS_MAIN(TestBroadcastSocket)
#include "tst_broadcastsocket.moc"

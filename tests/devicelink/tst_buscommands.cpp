// Every command builder, checked on the wire: opcode, target, payload, length byte and CRC.

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "devicelink/devicerecords.h"
#include "tests/support/buspeercrc.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/simulateddevice.h"

#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <functional>

namespace {

const quint16 udpPort = 16100;

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The frame the station must send from 127.0.0.2, bus address 1/254, written out independently.
QByteArray expectedFrame(quint16 opcode, quint8 subnet, quint8 device, const QByteArray &payload)
{
    QByteArray body;
    body.append(char(11 + payload.size()));
    body.append(char(1)).append(char(254)).append(char(0xCC)).append(char(0xC2));
    body.append(char(opcode >> 8)).append(char(opcode & 0xFF));
    body.append(char(subnet)).append(char(device));
    body.append(payload);
    return hex("7F000002") + QByteArray("VOVUZAVIZE") + hex("AAAA") + buspeer::withCrc(body);
}

airConditionerRecord acRecord()
{
    airConditionerRecord ac;
    std::memset(&ac, 0, sizeof ac);
    ac.status = 1;
    ac.mode = ModeAuto;
    ac.speed = FanSpeedMedium;
    ac.current_cool_temperature = 24;
    ac.current_heat_temperature = 26;
    ac.current_auto_temperature = 25;
    ac.current_dry_temperature = 23;
    ac.current_temperature = 99; // not sent
    return ac;
}

} // namespace

using Builder = std::function<void()>;
Q_DECLARE_METATYPE(Builder)

class TestBusCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void frames_data();
    void frames();
    void irKeys_data();
    void irKeys();
    void replyComesBackAsNextOpcode();
    void oversizedGatewayCommandNotSent();

private:
    SimulatedDevice *m_device = nullptr;
    QByteArray nextDatagram(const Builder &build);
};

void TestBusCommands::initTestCase()
{
    REQUIRE_PRIVATE_NETWORK();
    gNetworkType = LocalNetwork;
    gHostIp = QStringLiteral("127.0.0.2");
    gBroadcastSocket.setPorts(udpPort, 16110);
    gBroadcastSocket.setKeepAliveInterval(3600 * 1000);
    gBroadcastSocket.setLocalAddress(1, 254);
    QVERIFY(gBroadcastSocket.connectNetwork());
    m_device = new SimulatedDevice(1, 10, udpPort, QHostAddress(QHostAddress::AnyIPv4),
                                   QHostAddress(QStringLiteral("127.255.255.255")), this);
    m_device->answers = false;
    QVERIFY(m_device->isBound());
}

void TestBusCommands::cleanupTestCase()
{
    delete m_device;
    m_device = nullptr;
}

QByteArray TestBusCommands::nextDatagram(const Builder &build)
{
    QSignalSpy spy(m_device, &SimulatedDevice::datagramReceived);
    build();
    if (!spy.wait(2000))
        return QByteArray();
    return spy.takeFirst().at(0).toByteArray();
}

void TestBusCommands::frames_data()
{
    QTest::addColumn<Builder>("build");
    QTest::addColumn<int>("opcode");
    QTest::addColumn<int>("subnet");
    QTest::addColumn<int>("device");
    QTest::addColumn<QByteArray>("payload");

    auto row = [](const char *name, Builder b, int opcode, int subnet, int device, const char *payload) {
        QTest::newRow(name) << b << opcode << subnet << device << hex(payload);
    };
    row(
        "read device info", [] { sendReadDeviceInfo(1, 10); }, 0xEFFD, 1, 10, "");
    row(
        "read channel status", [] { sendReadChannelStatus(2, 11); }, 0x0033, 2, 11, "");
    row(
        "single channel control", [] { sendSingleChannelControl(1, 10, 1, 100); }, 0x0031, 1, 10, "01640000");
    row(
        "single channel control, low bytes", [] { sendSingleChannelControl(257, 266, 259, -1); }, 0x0031, 1, 10,
        "03FF0000");
    row(
        "read colour status", [] { sendReadColorStatus(1, 10, 3); }, 0x2036, 1, 10, "03");
    row(
        "colour control", [] { sendColorControl(1, 10, 2, 80, 120, 200); }, 0x2034, 1, 10, "025078 00C8");
    row(
        "scene control", [] { sendSceneControl(1, 10, 4, 9); }, 0x0002, 1, 10, "0409");
    row(
        "scene up", [] { sendLightCommandF03C(1, 10, 5, true); }, 0xF03C, 1, 10, "0587");
    row(
        "scene down", [] { sendLightCommandF03C(1, 10, 5, false); }, 0xF03C, 1, 10, "0507");
    row(
        "read occupation", [] { sendReadOccupation(3, 4); }, 0x012C, 3, 4, "");
    row(
        "ac unit query", [] { sendAcQueryE120(1, 10); }, 0xE120, 1, 10, "");
    row(
        "ac capabilities", [] { sendAcQueryE124(1, 10, 1); }, 0xE124, 1, 10, "01");
    row(
        "ac capabilities, no channel", [] { sendAcQueryE124NoChannel(1, 10); }, 0xE124, 1, 10, "");
    row(
        "ac limits", [] { sendAcQuery1900(1, 10, 2); }, 0x1900, 1, 10, "02");
    row(
        "ac limits, no channel", [] { sendAcQuery1900NoChannel(1, 10); }, 0x1900, 1, 10, "");
    row(
        "ac status", [] { sendAcQueryE0EC(1, 10, 1); }, 0xE0EC, 1, 10, "01");
    row(
        "ac status, no channel", [] { sendAcQueryE0ECNoChannel(1, 10); }, 0xE0EC, 1, 10, "");
    row(
        "ac control", [] { sendAcControl(1, 10, 1, acRecord()); }, 0xE0EE, 1, 10, "01 01 18 32 01 1A 19 17 00");
    row(
        "ac control, no channel", [] { sendAcControlNoChannel(1, 10, acRecord()); }, 0xE0EE, 1, 10,
        "01 18 32 01 1A 19 17 00");
    row(
        "ir room temperature", [] { sendAcQueryE3E7(1, 10); }, 0xE3E7, 1, 10, "00");
    row(
        "universal switch on", [] { sendUniversalSwitch(1, 20, 6, true); }, 0xE01C, 1, 20, "06FF");
    row(
        "universal switch off", [] { sendUniversalSwitch(1, 20, 261, false); }, 0xE01C, 1, 20, "0500");
    row(
        "ir power on", [] { sendIrAcPower(1, 10, 0, 1); }, 0xE01C, 1, 10, "0BFF");
    row(
        "ir mode heat, second unit", [] { sendIrAcMode(1, 10, 1, ModeHeat); }, 0xE01C, 1, 10, "84FF");
    row(
        "ir fan low in cool", [] { sendIrAcFanSpeed(1, 10, 0, ModeCool, FanSpeedLow); }, 0xE01C, 1, 10, "0DFF");
    row(
        "ir set point 25 auto, second unit", [] { sendIrAcTemperature(1, 10, 1, ModeAuto, 25); }, 0xE01C, 1, 10,
        "A5FF");
    row(
        "floor heat limits, first channel", [] { sendFloorHeatQueryA13E(1, 10, 0); }, 0xA13E, 1, 10, "");
    row(
        "floor heat limits, second channel", [] { sendFloorHeatQueryA13E(1, 10, 1); }, 0xA13E, 1, 10, "01");
    row(
        "floor heat status, first channel", [] { sendFloorHeatQuery1944(1, 10, 0); }, 0x1944, 1, 10, "");
    row(
        "floor heat status, second channel", [] { sendFloorHeatQuery1944(1, 10, 1); }, 0x1944, 1, 10, "01");
    row(
        "floor heat power, first channel", [] { sendFloorHeatControl14(1, 10, 0, 1); }, 0xE3D8, 1, 10,
        "14 01 00 00 01");
    row(
        "floor heat power, second channel", [] { sendFloorHeatControl14(1, 10, 1, 1); }, 0xE3D8, 1, 10, "23 14 01");
    row(
        "floor heat power, channel index 2", [] { sendFloorHeatControl14(1, 10, 2, 0); }, 0xE3D8, 1, 10, "23 14 00");
    row(
        "floor heat set point, first channel", [] { sendFloorHeatControl18(1, 10, 0, 28); }, 0xE3D8, 1, 10,
        "18 1C 00 00 01");
    row(
        "floor heat set point, second channel", [] { sendFloorHeatControl18(1, 10, 1, 28); }, 0xE3D8, 1, 10,
        "23 18 1C");
    row(
        "read server info", [] { sendReadServerInfo(1, 10); }, 0x2024, 1, 10, "08");
    row(
        "write server info", [] { sendWriteServerInfo(1, 10, "192.168.1.9", "1234", 6010, 1); }, 0x2024, 1, 10,
        "09 C0A80109 177A 31323334 01");
    row(
        "write server info, empty address, short password", [] { sendWriteServerInfo(1, 10, "", "ab", 6010, 2); },
        0x2024, 1, 10, "09 00000000 177A 61620000 02");
    row(
        "write server info, long password", [] { sendWriteServerInfo(1, 10, "10.1.2", "abcdef", 80, 0); }, 0x2024, 1,
        10, "09 0A010200 0050 61626364 00");
    row(
        "read server domain", [] { sendReadServerDomain(1, 10); }, 0x2024, 1, 10, "BC01");
    {
        QByteArray domain = hex("BD01") + QByteArray("hotel.home") + QByteArray(38, '\0');
        QTest::newRow("write server domain")
            << Builder([] { sendWriteServerDomain(1, 10, "hotel.home"); }) << 0x2024 << 1 << 10 << domain;
        const QString longName = QString("d").repeated(60);
        QTest::newRow("write server domain, cut to 48")
            << Builder([longName] { sendWriteServerDomain(1, 10, longName); }) << 0x2024 << 1 << 10
            << (hex("BD01") + QByteArray(48, 'd'));
    }
    row(
        "project download beacon", [] { sendProjectDownloadRequest(4321, "192.168.1.20", 8080); }, 0x2025, 255, 255,
        "38 10E1 C0A80114 1F90");
    row(
        "gateway query 38", [] { sendGatewayQuery38(); }, 0x2024, 255, 255, "38");
    row(
        "gateway query 34", [] { sendGatewayQuery34(1, 10); }, 0x2024, 1, 10, "34");
    row(
        "gateway command 22", [] { sendGatewayCommand22(1, 10, 7); }, 0x2024, 1, 10, "22FF07");
    row(
        "gateway command 28", [] { sendGatewayCommand28(1, 10, 1, 2); }, 0x2024, 1, 10, "280102");
    row(
        "gateway command 2A", [] { sendGatewayCommand2A(1, 10, 3, 4); }, 0x2024, 1, 10, "2A0304");
    row(
        "gateway command 30", [] { sendGatewayCommand30(1, 10, 5, false); }, 0x2024, 1, 10, "300400");
    row(
        "gateway command 32", [] { sendGatewayCommand30(1, 10, 5, true); }, 0x2024, 1, 10, "320400");
    row(
        "gateway command 30, value 0", [] { sendGatewayCommand30(1, 10, 0, false); }, 0x2024, 1, 10, "30FF00");
    row(
        "gateway command, free bytes", [] { sendGatewayCommand(1, 10, "\x01\x02\x03", 3); }, 0x2024, 1, 10, "010203");
    row(
        "gateway command, no bytes", [] { sendGatewayCommand(1, 10, nullptr, 0); }, 0x2024, 1, 10, "");
    {
        const QByteArray largest(244, '\x66');
        QTest::newRow("gateway command, largest payload")
            << Builder([largest] { sendGatewayCommand(1, 10, largest.constData(), largest.size()); }) << 0x2024 << 1
            << 10 << largest;
    }
}

void TestBusCommands::frames()
{
    QFETCH(Builder, build);
    QFETCH(int, opcode);
    QFETCH(int, subnet);
    QFETCH(int, device);
    QFETCH(QByteArray, payload);
    const QByteArray sent = nextDatagram(build);
    const QByteArray expected = expectedFrame(quint16(opcode), quint8(subnet), quint8(device), payload);
    QCOMPARE(sent.toHex(' '), expected.toHex(' '));
    QCOMPARE(quint8(sent[16]), quint8(11 + payload.size()));
}

void TestBusCommands::irKeys_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("acIndex");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("key");

    QTest::newRow("power off") << "power" << 0 << 0 << 0 << 10;
    QTest::newRow("power negative status") << "power" << 0 << -3 << 0 << 10;
    QTest::newRow("power on, second unit") << "power" << 1 << 1 << 0 << 111;
    QTest::newRow("power off, second unit") << "power" << 1 << 0 << 0 << 110;
    QTest::newRow("power, unit 2") << "power" << 2 << 1 << 0 << 0;
    const int modes[] = {12, 32, 31, 52, 51};
    for (int mode = 0; mode < 5; ++mode) {
        QTest::addRow("mode %d", mode) << "mode" << 0 << mode << 0 << modes[mode];
        QTest::addRow("mode %d, second unit", mode) << "mode" << 1 << mode << 0 << modes[mode] + 100;
    }
    QTest::newRow("mode 5") << "mode" << 0 << 5 << 0 << 0;
    QTest::newRow("mode -1") << "mode" << 0 << -1 << 0 << 0;
    const int autoKeys[] = {16, 36, 0, 56, 0};
    for (int mode = 0; mode < 5; ++mode) {
        for (int speed = 0; speed < 4; ++speed) {
            const int key = autoKeys[mode] ? autoKeys[mode] - speed : 0;
            QTest::addRow("fan mode %d speed %d", mode, speed) << "fan" << 0 << mode << speed << key;
            QTest::addRow("fan mode %d speed %d, second unit", mode, speed)
                << "fan" << 1 << mode << speed << (key ? key + 100 : 0);
        }
    }
    QTest::newRow("fan speed 4") << "fan" << 0 << 0 << 4 << 0;
    QTest::newRow("fan, unit 3") << "fan" << 3 << 0 << 1 << 0;
    QTest::newRow("cool 25") << "temperature" << 0 << 0 << 25 << 25;
    QTest::newRow("heat 25, second unit") << "temperature" << 1 << 1 << 25 << 145;
    QTest::newRow("auto 25, second unit") << "temperature" << 1 << 3 << 25 << 165;
    QTest::newRow("heat 30") << "temperature" << 0 << 1 << 30 << 50;
    QTest::newRow("auto 30, second unit, low byte") << "temperature" << 1 << 3 << 130 << 14;
    QTest::newRow("fan mode set point") << "temperature" << 0 << 2 << 25 << 0;
    QTest::newRow("dry mode set point") << "temperature" << 1 << 4 << 25 << 0;
}

void TestBusCommands::irKeys()
{
    QFETCH(QString, function);
    QFETCH(int, acIndex);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, key);
    Builder build;
    if (function == "power") {
        QCOMPARE(int(irAcPowerKey(acIndex, a)), key);
        build = [=] { sendIrAcPower(1, 10, acIndex, a); };
    } else if (function == "mode") {
        QCOMPARE(int(irAcModeKey(acIndex, a)), key);
        build = [=] { sendIrAcMode(1, 10, acIndex, a); };
    } else if (function == "fan") {
        QCOMPARE(int(irAcFanSpeedKey(acIndex, a, b)), key);
        build = [=] { sendIrAcFanSpeed(1, 10, acIndex, a, b); };
    } else {
        QCOMPARE(int(irAcTemperatureKey(acIndex, a, b)), key);
        build = [=] { sendIrAcTemperature(1, 10, acIndex, a, b); };
    }
    // The frame is sent even where no key exists.
    const QByteArray sent = nextDatagram(build);
    QCOMPARE(sent.toHex(' '), expectedFrame(0xE01C, 1, 10, QByteArray(1, char(key)) + hex("FF")).toHex(' '));
}

void TestBusCommands::replyComesBackAsNextOpcode()
{
    SimulatedDevice answering(2, 20, udpPort);
    answering.replyPayload = [](quint16 opcode, const QByteArray &) {
        return opcode == 0xEFFD ? QByteArray("V1.02") : QByteArray();
    };
    QByteArray reply;
    auto connection = connect(&gBroadcastSocket, &BroadcastSocket::dataIsComming, this, [&](quint8 *buf, qlonglong n) {
        if (gBroadcastSocket.checkPacket(buf, n) && buf[17] == 2 && buf[18] == 20 && buf[21] == 0xEF && buf[22] == 0xFE)
            reply = QByteArray(reinterpret_cast<const char *>(buf), int(n));
    });
    sendReadDeviceInfo(2, 20);
    QTRY_VERIFY(!reply.isEmpty());
    disconnect(connection);
    QCOMPARE(reply.mid(25, 5), QByteArray("V1.02"));
    QCOMPARE(reply.mid(23, 2), hex("01FE"));
}

void TestBusCommands::oversizedGatewayCommandNotSent()
{
    QSignalSpy spy(m_device, &SimulatedDevice::datagramReceived);
    const QByteArray tooLong(245, '\x01');
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("refusing to send opcode"));
    sendGatewayCommand(1, 10, tooLong.constData(), tooLong.size());
    QVERIFY(!spy.wait(200));
}

QTEST_GUILESS_MAIN(TestBusCommands)
#include "tst_buscommands.moc"

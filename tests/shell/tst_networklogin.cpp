// The main window opens the network and logs in, in each network style, against a simulated cloud server on
// 127.0.0.1:6010 and a simulated router reached as the "domain" 127.0.0.1; it reports every result text.

#include "core/appsettings.h"
#include "materialwidgets/qtmateriallabel.h"
#include "shell/mainwindow.h"
#include "shell/menubar.h"
#include "tests/shell/shelltestpages.h"
#include "tests/support/loginpackets.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/simulatedcloudserver.h"
#include "tests/support/simulateddevice.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QTcpSocket>
#include <QtTest>

namespace {
constexpr int tick = 20; // the login attempts' period in these tests
} // namespace

class TestNetworkLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void localStyleSucceedsAtTheFirstTick();
    void cloudLogin_data();
    void cloudLogin();
    void cloudWithoutAnswerGivesUpAfterTenPackets();
    void cloudShortReplyIsIgnored_data();
    void cloudShortReplyIsIgnored();
    void reopenRestartsTheLogin();
    void cloudServerUnreachableIsReported();
    void dnsLogin_data();
    void dnsLogin();
    void dnsWithoutAnswerGivesUpAfterTenPackets();

private:
    QTemporaryDir home;
};

void TestNetworkLogin::initTestCase()
{
    testenv::useFreshHome(home);
    MainWindow::setTimerIntervals(tick, tick);
    writeRegistrySetting("machineUniqueId", loginpackets::machineId);
}

void TestNetworkLogin::init()
{
    REQUIRE_PRIVATE_NETWORK();
    useRecordingPages();
}

void TestNetworkLogin::cleanup()
{
    PageFactory::resetCreators();
    gBroadcastSocket.shutDown();
}

void TestNetworkLogin::cleanupTestCase()
{
    gDatabase.close();
}

static QString networkTooltip(MainWindow &window)
{
    auto *label = window.menu()->findChild<QtMaterialLabel *>("labelNetwork");
    return label ? label->toolTip() : QString();
}

void TestNetworkLogin::localStyleSucceedsAtTheFirstTick()
{
    stationfixture::prepareProject(home.path(), LocalNetwork);
    SimulatedDevice listener(9, 9, BroadcastSocket::UdpPort);
    listener.answers = false;
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    QSignalSpy icon(&gBroadcastSocket, &BroadcastSocket::signalsNetworkStateChanged);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);

    MainWindow window;
    QTRY_COMPARE(state.size(), 1);
    QCOMPARE(state.at(0), QVariantList({true, QString("Success")}));
    QCOMPARE(icon.last().at(0).toBool(), true);
    QVERIFY(toast.isEmpty());
    QVERIFY(!window.networkConnectTimer().isActive());
    QCOMPARE(networkTooltip(window), QString("Local Network"));
    QTest::qWait(5 * tick);
    QCOMPARE(state.size(), 1);
    for (const SimulatedDevice::Datagram &d : listener.received)
        QVERIFY(!d.data.startsWith("\xCC\xCC")); // no login packet in the local network
}

void TestNetworkLogin::cloudLogin_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("msg");
    QTest::newRow("success") << 0 << true << "Success";
    QTest::newRow("mac") << 1 << false << "MAC Error";
    QTest::newRow("offline") << 2 << false << "IPPORT Offline";
    QTest::newRow("password") << 3 << false << "Password Error";
    QTest::newRow("firmware") << 4 << false << "Firmware Version Too Low";
    QTest::newRow("other") << 9 << false << "Failed To Connect Server";
}

void TestNetworkLogin::cloudLogin()
{
    QFETCH(int, result);
    QFETCH(bool, success);
    QFETCH(QString, msg);
    stationfixture::prepareProject(home.path(), CloudServer);
    SimulatedCloudServer server(BroadcastSocket::TcpPort);
    QVERIFY(server.isListening());
    server.loginResult = result;
    QSignalSpy logins(&server, &SimulatedCloudServer::loginReceived);
    // One answer: on a busy machine a second attempt can leave before the first answer has been read (a tick
    // is 20 ms here), and a second answer would report the outcome twice.
    int seen = 0;
    connect(&server, &SimulatedCloudServer::loginReceived, &server,
            [&server, &seen] { server.answersLogin = ++seen == 1; });
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    QSignalSpy icon(&gBroadcastSocket, &BroadcastSocket::signalsNetworkStateChanged);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);

    MainWindow window;
    QTRY_COMPARE(state.size(), 1);
    QCOMPARE(state.at(0), QVariantList({success, msg}));
    QCOMPARE(icon.last().at(0).toBool(), success);
    QCOMPARE(toast.size(), success ? 0 : 1);
    if (!success)
        QCOMPARE(toast.at(0).at(0).toString(), msg);
    QCOMPARE(networkTooltip(window), QString("Cloud Server"));
    QVERIFY(!window.networkConnectTimer().isActive());

    // Nothing goes out once the answer is in; what went out is the login packet, byte for byte.
    auto *link = gBroadcastSocket.findChild<QTcpSocket *>();
    QVERIFY(link);
    QSignalSpy written(link, &QTcpSocket::bytesWritten);
    QTest::qWait(5 * tick);
    QVERIFY(written.isEmpty());
    QVERIFY(!logins.isEmpty());
    for (const QList<QVariant> &login : logins)
        QCOMPARE(login.at(0).toByteArray().toHex(' '), loginpackets::cloudLogin().toHex(' '));
    QCOMPARE(state.size(), 1);
}

void TestNetworkLogin::cloudWithoutAnswerGivesUpAfterTenPackets()
{
    stationfixture::prepareProject(home.path(), CloudServer);
    SimulatedCloudServer server(BroadcastSocket::TcpPort);
    server.answersLogin = false;
    QSignalSpy logins(&server, &SimulatedCloudServer::loginReceived);
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);

    MainWindow window;
    QTRY_COMPARE(state.size(), 1);
    QCOMPARE(state.at(0), QVariantList({false, QString("Failed to connect cloud server")}));
    QCOMPARE(toast.at(0).at(0).toString(), QString("Failed to connect cloud server"));
    QVERIFY(!window.networkConnectTimer().isActive());
    QTRY_COMPARE(logins.size(), 10);
    QTest::qWait(5 * tick);
    QCOMPARE(logins.size(), 10);
    QCOMPARE(state.size(), 1);
}

void TestNetworkLogin::cloudShortReplyIsIgnored_data()
{
    QTest::addColumn<QByteArray>("reply");
    // Neither carries a result byte of its own: byte 13 lies past the end, or is a CRC byte.
    QTest::newRow("9 bytes") << makeServerPacket(QByteArray::fromHex("CCCC000900A300"));
    QTest::newRow("15 bytes") << makeServerPacket(QByteArray::fromHex("CCCC000F00A300000000000000"));
}

void TestNetworkLogin::cloudShortReplyIsIgnored()
{
    QFETCH(QByteArray, reply);
    stationfixture::prepareProject(home.path(), CloudServer);
    SimulatedCloudServer server(BroadcastSocket::TcpPort);
    server.answersLogin = false;
    QSignalSpy logins(&server, &SimulatedCloudServer::loginReceived);
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);

    bool pushed = false;
    connect(&server, &SimulatedCloudServer::loginReceived, &server, [&server, &pushed, reply] {
        if (!pushed)
            server.push(reply);
        pushed = true;
    });
    MainWindow window;
    QTRY_VERIFY(logins.size() >= 3); // the login goes on
    QVERIFY(pushed);
    QVERIFY(state.isEmpty());
    QVERIFY(window.networkConnectTimer().isActive());

    server.push(makeServerPacket(QByteArray::fromHex("CCCC001000A300000000000000") + char(3)));
    QTRY_COMPARE(state.size(), 1);
    QCOMPARE(state.at(0), QVariantList({false, QString("Password Error")}));
    QVERIFY(!window.networkConnectTimer().isActive());
}

void TestNetworkLogin::reopenRestartsTheLogin()
{
    stationfixture::prepareProject(home.path(), CloudServer);
    SimulatedCloudServer server(BroadcastSocket::TcpPort);
    server.answersLogin = false;
    QSignalSpy logins(&server, &SimulatedCloudServer::loginReceived);
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);

    MainWindow window;
    QTRY_VERIFY(logins.size() >= 4);
    emit gBroadcastSocket.signalsNetworkOpen();
    const int beforeReopen = logins.size();
    QVERIFY(state.isEmpty());
    QTRY_COMPARE(state.size(), 1);
    QCOMPARE(state.at(0).at(1).toString(), QString("Failed to connect cloud server"));
    // The attempts were counted again from 0 after the reopen.
    QTRY_VERIFY(logins.size() >= beforeReopen + 10);
}

void TestNetworkLogin::cloudServerUnreachableIsReported()
{
    stationfixture::prepareProject(home.path(), CloudServer);
    gBroadcastSocket.setConnectTimeout(500);
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QSignalSpy icon(&gBroadcastSocket, &BroadcastSocket::signalsNetworkStateChanged);

    MainWindow window; // nobody listens on 127.0.0.1:6010
    QCOMPARE(state.size(), 1);
    QCOMPARE(state.at(0).at(0).toBool(), false);
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.at(0).at(0), state.at(0).at(1));
    QCOMPARE(icon.last().at(0).toBool(), false);
    QVERIFY(!window.networkConnectTimer().isActive());
    gBroadcastSocket.setConnectTimeout(3000);
}

void TestNetworkLogin::dnsLogin_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("msg");
    QTest::newRow("success") << 1 << true << "Success";
    QTest::newRow("a2") << 2 << false << "A2 trigger A4";
    QTest::newRow("password") << 3 << false << "Password Error";
    QTest::newRow("mac") << 4 << false << "MAC Error";
    QTest::newRow("both") << 5 << false << "MAC And Password Error";
    QTest::newRow("full") << 6 << false << "Full";
    QTest::newRow("zero") << 0 << false << "Failed To Connect IPPORT";
}

void TestNetworkLogin::dnsLogin()
{
    QFETCH(int, result);
    QFETCH(bool, success);
    QFETCH(QString, msg);
    stationfixture::prepareProject(home.path(), DnsServer);
    SimulatedDevice router(1, 10, BroadcastSocket::UdpPort, QHostAddress(QStringLiteral("127.0.0.1")),
                           QHostAddress(stationfixture::hostIp));
    QVERIFY(router.isBound());
    router.dnsLoginResult = result;
    // One answer, as for the cloud login: a second attempt may leave before the first answer is read.
    int seen = 0;
    connect(&router, &SimulatedDevice::datagramReceived, &router, [&router, &seen](const QByteArray &data) {
        if (data.startsWith("\xCC\xCC"))
            router.answers = ++seen == 1;
    });
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);

    MainWindow window;
    QTRY_COMPARE(state.size(), 1);
    QCOMPARE(state.at(0), QVariantList({success, msg}));
    QCOMPARE(toast.size(), success ? 0 : 1);
    QCOMPARE(networkTooltip(window), QString("DNS Server"));
    QVERIFY(!window.networkConnectTimer().isActive());

    QList<QByteArray> loginPackets;
    for (const SimulatedDevice::Datagram &d : router.received)
        if (d.data.startsWith("\xCC\xCC"))
            loginPackets.append(d.data);
    QVERIFY(!loginPackets.isEmpty());
    for (const QByteArray &packet : loginPackets)
        QCOMPARE(packet.toHex(' '), loginpackets::dnsLogin().toHex(' '));
    QTest::qWait(5 * tick);
    QCOMPARE(state.size(), 1);
}

void TestNetworkLogin::dnsWithoutAnswerGivesUpAfterTenPackets()
{
    stationfixture::prepareProject(home.path(), DnsServer);
    SimulatedDevice router(1, 10, BroadcastSocket::UdpPort, QHostAddress(QStringLiteral("127.0.0.1")),
                           QHostAddress(stationfixture::hostIp));
    router.answers = false;
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);

    MainWindow window;
    QTRY_COMPARE(state.size(), 1);
    QCOMPARE(state.at(0), QVariantList({false, QString("Failed To connect dns server")}));
    int packets = 0;
    for (const SimulatedDevice::Datagram &d : router.received)
        packets += d.data.startsWith("\xCC\xCC") ? 1 : 0;
    QCOMPARE(packets, 10);
}

QTEST_MAIN(TestNetworkLogin)
#include "tst_networklogin.moc"

// The occupancy and master strip against a simulated occupancy sensor and master switch on loopback: the read
// chain (sensor first, master after the sensor's reply), the replies it accepts, a part that stays silent, the
// master switched until acknowledged, and the rows it updates by bus address. Ticks are driven by hand (the tick
// interval is an hour) unless a test says otherwise.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "panels/devicepanel.h"
#include "panels/devicerecordloaders.h"
#include "panels/occupationmasteritem.h"
#include "resources/stationresources.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QLabel>
#include <QtTest>

using namespace projectfixture;
using panelbus::LightController;

namespace {

constexpr int manualTick = 3600 * 1000;

QStringList repeated(int count, const QString &frame)
{
    QStringList frames;
    for (int i = 0; i < count; ++i)
        frames << frame;
    return frames;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

} // namespace

class TestOccupationMasterItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sensorFirstThenMaster();
    void refusedStatusIsShownButNotLogged();
    void universalSwitchReplies_data();
    void universalSwitchReplies();
    void relayReplies_data();
    void relayReplies();
    void onlyMasterConfigured();
    void onlyOccupationConfigured();
    void neitherConfigured();
    void relayAndMasterOnOneDevice();
    void silentSensor();
    void silentMaster();
    void silentPartWithRealTicks();
    void rowsSelectedByAddress();
    void masterSwitchedUntilAcknowledged();
    void masterPressFromUnknownSwitchesOn();
    void pressWithoutMasterSendsNothing();
    void hiddenStripIgnoresReplies();
    void pageChangeStopsTheRead();

private:
    OccupationMasterItem *strip(bool visible = true);
    SimulatedDevice *device(quint8 subnet, quint8 device);
    SimulatedDevice *switchDevice(quint8 subnet, quint8 device, LightController *state);
    QString text(const char *name) const;
    int logRows(const QString &device, const QString &event) const;
    QVariant occupationStatus(int room) const;
    QVariant masterStatus(int room) const;

    QTemporaryDir home;
    QScopedPointer<QWidget> host;
    OccupationMasterItem *item = nullptr;
    QList<SimulatedDevice *> devices;
    int roomId = 0;
};

void TestOccupationMasterItem::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
}

void TestOccupationMasterItem::init()
{
    REQUIRE_PRIVATE_NETWORK();
    QVERIFY(panelbus::open());
    DevicePanel::setTickInterval(manualTick);
    gAppDirPath = home.path();
    openFreshDatabase(QDir(home.path()).filePath("occupation.db3"));
    roomId = addPlace("North", "Ground", "101").roomId;
    host.reset(new QWidget);
    host->resize(600, 200);
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.data()));
}

void TestOccupationMasterItem::cleanup()
{
    host.reset();
    item = nullptr;
    qDeleteAll(devices);
    devices.clear();
}

OccupationMasterItem *TestOccupationMasterItem::strip(bool visible)
{
    item = new OccupationMasterItem(36, 36, host.data());
    item->setDevices(loadOccupationMasterRecord(roomId));
    if (visible)
        item->show();
    return item;
}

SimulatedDevice *TestOccupationMasterItem::device(quint8 subnet, quint8 deviceId)
{
    SimulatedDevice *d = panelbus::addDevice(subnet, deviceId, nullptr);
    devices << d;
    return d;
}

// A relay or switch module: levels per channel, acknowledging every channel control.
SimulatedDevice *TestOccupationMasterItem::switchDevice(quint8 subnet, quint8 deviceId, LightController *state)
{
    SimulatedDevice *d = device(subnet, deviceId);
    panelbus::actAsLightController(*d, state);
    return d;
}

QString TestOccupationMasterItem::text(const char *name) const
{
    return item->findChild<QLabel *>(name)->text();
}

int TestOccupationMasterItem::logRows(const QString &deviceKey, const QString &event) const
{
    return rowCount("tbl_log", "log_device=? and log_event=? and log_type=0", {deviceKey, event});
}

QVariant TestOccupationMasterItem::occupationStatus(int room) const
{
    return value("select status from tbl_occupation where room_id=?", {room}, "status");
}

QVariant TestOccupationMasterItem::masterStatus(int room) const
{
    return value("select status from tbl_master where room_id=?", {room}, "status");
}

void TestOccupationMasterItem::sensorFirstThenMaster()
{
    QVERIFY(addOccupation(roomId, OccupationUniversalSwitch, 1, 40, 1));
    QVERIFY(addMaster(roomId, 1, 41, 2));
    SimulatedDevice *sensor = device(1, 40);
    sensor->replyPayloads[0x012C] = bytes({0xF8, 2, 7, 7, 0, 255});
    sensor->answers = false;
    LightController masterState;
    masterState.levels = bytes({0, 100});
    SimulatedDevice *master = switchDevice(1, 41, &masterState);
    strip();
    QVERIFY(item->findChild<QLabel *>("occupationIcon")->isVisible());
    QVERIFY(item->findChild<QLabel *>("masterIcon")->isVisible());
    QCOMPARE(text("occupationText"), QString("Unknown"));

    // The master is asked only once the sensor has answered.
    item->restartRefresh();
    item->slotsGetStatus();
    QVERIFY(panelbus::settle(*sensor));
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*sensor), QStringList({"012C:", "012C:"}));
    QCOMPARE(panelbus::framesTo(*master), QStringList());
    QVERIFY(!item->isRefreshFinished());

    sensor->answers = true;
    item->slotsGetStatus();
    QTRY_VERIFY(item->isRefreshFinished());
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*sensor), repeated(3, "012C:"));
    QCOMPARE(panelbus::framesTo(*master), QStringList({"0033:"}));

    QCOMPARE(item->devices().occupation_status, quint8(OccupationMasterOn));
    QCOMPARE(item->devices().master_status, quint8(OccupationMasterOn));
    QCOMPARE(text("occupationText"), QString("Occupied"));
    QCOMPARE(text("masterText"), QString("On"));
    QCOMPARE(item->findChild<QLabel *>("masterIcon")->pixmap(Qt::ReturnByValue).toImage(),
             QPixmap(":/myImages/png/master_on.png").toImage());
    QCOMPARE(occupationStatus(roomId).toInt(), 2);
    QCOMPARE(masterStatus(roomId).toInt(), 2);
    QCOMPARE(logRows("occupation", "status is occupied"), 1);
    QCOMPARE(logRows("master", "status is on"), 1);

    // The next tick ends the read; a second read logs nothing new.
    item->slotsGetStatus();
    QVERIFY(!item->hasPendingTick());
    item->restartRefresh();
    QTRY_VERIFY(item->isRefreshFinished());
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*master).size(), 2);
    QCOMPARE(rowCount("tbl_log"), 2);
}

void TestOccupationMasterItem::refusedStatusIsShownButNotLogged()
{
    QVERIFY(addOccupation(roomId, OccupationUniversalSwitch, 1, 40, 1));
    QVERIFY(addMaster(roomId, 1, 41, 2));
    QVERIFY(gDatabase.execSql("create trigger refuse_status before update on tbl_occupation begin select "
                              "raise(abort, 'refused'); end"));
    SimulatedDevice *sensor = device(1, 40);
    sensor->replyPayloads[0x012C] = bytes({0xF8, 2, 7, 7, 0, 255});
    LightController masterState;
    masterState.levels = bytes({0, 100});
    SimulatedDevice *master = switchDevice(1, 41, &masterState);
    strip();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*refused.*"));
    item->restartRefresh();
    QTRY_VERIFY(item->isRefreshFinished());
    QVERIFY(panelbus::settle(*sensor));
    QVERIFY(panelbus::settle(*master));

    // The strip shows what the sensor said; the stored status and the log keep to what was stored.
    QCOMPARE(text("occupationText"), QString("Occupied"));
    QCOMPARE(occupationStatus(roomId).toInt(), 0);
    QCOMPARE(logRows("occupation", "status is occupied"), 0);
    QCOMPARE(masterStatus(roomId).toInt(), 2);
    QCOMPARE(logRows("master", "status is on"), 1);
}

void TestOccupationMasterItem::universalSwitchReplies_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("status");

    QTest::newRow("channel 1: state 0 is occupied") << 1 << bytes({0xF8, 2, 7, 7, 0, 255}) << 2;
    QTest::newRow("channel 2: state 255 is unoccupied") << 2 << bytes({0xF8, 2, 7, 7, 0, 255}) << 1;
    // No length test: the state byte lies past the frame and its checksum, where 0 is read.
    QTest::newRow("state past the frame reads 0") << 5 << bytes({0xF8, 5, 7, 7, 7, 7, 7, 1}) << 2;
    QTest::newRow("count 0 ignored") << 1 << bytes({0xF8, 0, 0, 0}) << 0;
    QTest::newRow("channel above the count ignored") << 3 << bytes({0xF8, 2, 7, 7, 0, 255}) << 0;
    QTest::newRow("no F8 marker ignored") << 1 << bytes({0xF5, 2, 7, 7, 0, 255}) << 0;
}

void TestOccupationMasterItem::universalSwitchReplies()
{
    QFETCH(int, channel);
    QFETCH(QByteArray, payload);
    QFETCH(int, status);
    QVERIFY(addOccupation(roomId, OccupationUniversalSwitch, 1, 40, channel));
    strip();
    item->restartRefresh();
    panelbus::deliver(panelbus::replyFrom(1, 40, 0x012D, payload));
    QCOMPARE(int(item->devices().occupation_status), status);
    QCOMPARE(occupationStatus(roomId).toInt(), status);
    QCOMPARE(item->isRefreshFinished(), status != 0);
    // The same frame from another device, or as a relay reply, changes nothing.
    if (status == 0) {
        panelbus::deliver(panelbus::replyFrom(1, 42, 0x012D, bytes({0xF8, 2, 7, 7, 0, 0, 0})));
        panelbus::deliver(panelbus::replyFrom(1, 40, 0x0034, bytes({4, 100, 100, 100, 100})));
        QCOMPARE(int(item->devices().occupation_status), 0);
        QCOMPARE(rowCount("tbl_log"), 0);
    }
}

void TestOccupationMasterItem::relayReplies_data()
{
    QTest::addColumn<quint16>("opcode");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("finishes");

    QTest::newRow("level read: on is occupied") << quint16(0x0034) << bytes({3, 0, 50, 0}) << 2 << true;
    QTest::newRow("level read: 0 is unoccupied") << quint16(0x0034) << bytes({3, 50, 0, 50}) << 1 << true;
    QTest::newRow("level read: channel above the count") << quint16(0x0034) << bytes({1, 50}) << 0 << false;
    QTest::newRow("level read: count 0") << quint16(0x0034) << bytes({0, 50, 50}) << 0 << false;
    QTest::newRow("acknowledgement sets the status only") << quint16(0x0032) << bytes({2, 0xF8, 80}) << 2 << false;
    QTest::newRow("acknowledgement of another channel") << quint16(0x0032) << bytes({1, 0xF8, 80}) << 0 << false;
    QTest::newRow("acknowledgement without F8") << quint16(0x0032) << bytes({2, 0xF5, 80}) << 0 << false;
}

void TestOccupationMasterItem::relayReplies()
{
    QFETCH(quint16, opcode);
    QFETCH(QByteArray, payload);
    QFETCH(int, status);
    QFETCH(bool, finishes);
    QVERIFY(addOccupation(roomId, OccupationRelayChannel, 1, 43, 2));
    strip();
    item->restartRefresh();
    panelbus::deliver(panelbus::replyFrom(1, 43, opcode, payload));
    QCOMPARE(int(item->devices().occupation_status), status);
    QCOMPARE(occupationStatus(roomId).toInt(), status);
    QCOMPARE(item->isRefreshFinished(), finishes);
    if (status == 0)
        QCOMPARE(rowCount("tbl_log"), 0);
    else
        QCOMPARE(logRows("occupation", status == 2 ? "status is occupied" : "status is unoccupied"), 1);
}

void TestOccupationMasterItem::onlyMasterConfigured()
{
    QVERIFY(addMaster(roomId, 1, 41, 1));
    LightController state;
    state.levels = bytes({0});
    SimulatedDevice *master = switchDevice(1, 41, &state);
    strip();
    QVERIFY(!item->findChild<QLabel *>("occupationIcon")->isVisible());
    QVERIFY(!item->findChild<QLabel *>("occupationText")->isVisible());
    QVERIFY(item->findChild<QLabel *>("masterText")->isVisible());
    item->restartRefresh();
    QTRY_VERIFY(item->isRefreshFinished());
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*master), QStringList({"0033:"}));
    QCOMPARE(text("masterText"), QString("Off"));
    QCOMPARE(masterStatus(roomId).toInt(), 1);
    QCOMPARE(logRows("master", "status is off"), 1);
}

void TestOccupationMasterItem::onlyOccupationConfigured()
{
    QVERIFY(addOccupation(roomId, OccupationRelayChannel, 1, 43, 1));
    LightController state;
    state.levels = bytes({0});
    SimulatedDevice *sensor = switchDevice(1, 43, &state);
    strip();
    QVERIFY(!item->findChild<QLabel *>("masterIcon")->isVisible());
    QVERIFY(!item->findChild<QLabel *>("masterText")->isVisible());
    item->restartRefresh();
    QTRY_VERIFY(item->isRefreshFinished());
    QVERIFY(panelbus::settle(*sensor));
    QCOMPARE(panelbus::framesTo(*sensor), QStringList({"0033:"}));
    QCOMPARE(text("occupationText"), QString("Unoccupied"));
    QCOMPARE(logRows("occupation", "status is unoccupied"), 1);
    item->slotsGetStatus();
    QVERIFY(!item->hasPendingTick());
}

void TestOccupationMasterItem::neitherConfigured()
{
    // A sensor without a channel is not configured either.
    QVERIFY(addOccupation(roomId, OccupationUniversalSwitch, 1, 40, 0));
    SimulatedDevice *sensor = device(1, 40);
    strip();
    QVERIFY(!item->findChild<QLabel *>("occupationIcon")->isVisible());
    QVERIFY(!item->findChild<QLabel *>("masterIcon")->isVisible());
    item->restartRefresh();
    QVERIFY(item->isRefreshFinished());
    item->slotsGetStatus();
    QVERIFY(!item->hasPendingTick());
    QVERIFY(panelbus::settle(*sensor));
    QCOMPARE(panelbus::framesTo(*sensor), QStringList());
}

void TestOccupationMasterItem::relayAndMasterOnOneDevice()
{
    QVERIFY(addOccupation(roomId, OccupationRelayChannel, 1, 44, 1));
    QVERIFY(addMaster(roomId, 1, 44, 3));
    LightController state;
    state.levels = bytes({100, 0, 0});
    SimulatedDevice *module = switchDevice(1, 44, &state);
    strip();
    item->restartRefresh();
    QTRY_VERIFY(item->isRefreshFinished());
    QVERIFY(panelbus::settle(*module));
    // One reply answers both parts.
    QCOMPARE(panelbus::framesTo(*module), QStringList({"0033:"}));
    QCOMPARE(text("occupationText"), QString("Occupied"));
    QCOMPARE(text("masterText"), QString("Off"));
    QCOMPARE(occupationStatus(roomId).toInt(), 2);
    QCOMPARE(masterStatus(roomId).toInt(), 1);
}

void TestOccupationMasterItem::silentSensor()
{
    QVERIFY(addOccupation(roomId, OccupationUniversalSwitch, 1, 40, 1, 2));
    QVERIFY(addMaster(roomId, 1, 41, 1, 2));
    SimulatedDevice *sensor = device(1, 40);
    sensor->answers = false;
    SimulatedDevice *master = device(1, 41);
    strip();
    QCOMPARE(text("occupationText"), QString("Occupied"));
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    item->restartRefresh(); // 0 s
    for (int second = 1; second <= 9; ++second)
        item->slotsGetStatus();
    QVERIFY(item->isRefreshFinished());
    QCOMPARE(toast.size(), 0);
    item->slotsGetStatus(); // 10 s
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.first().at(0).toString(), QString("occupation(1-40) lost connection"));
    QVERIFY(!item->hasPendingTick());

    QCOMPARE(text("occupationText"), QString("Unknown"));
    QCOMPARE(item->findChild<QLabel *>("occupationIcon")->pixmap(Qt::ReturnByValue).toImage(),
             QPixmap(":/myImages/png/occupation_unknown.png").toImage());
    QCOMPARE(occupationStatus(roomId).toInt(), 0);
    QCOMPARE(logRows("occupation", "status is unknown"), 1);
    // The master, behind the silent sensor in the chain, was neither asked nor changed.
    QCOMPARE(masterStatus(roomId).toInt(), 2);
    QCOMPARE(text("masterText"), QString("On"));
    QVERIFY(panelbus::settle(*sensor));
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*sensor), repeated(10, "012C:"));
    QCOMPARE(panelbus::framesTo(*master), QStringList());
}

void TestOccupationMasterItem::silentMaster()
{
    QVERIFY(addOccupation(roomId, OccupationUniversalSwitch, 1, 40, 1));
    QVERIFY(addMaster(roomId, 1, 41, 1, 1));
    SimulatedDevice *sensor = device(1, 40);
    sensor->replyPayloads[0x012C] = bytes({0xF8, 1, 7, 9});
    SimulatedDevice *master = device(1, 41);
    master->answers = false;
    strip();
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    item->restartRefresh();
    QTRY_COMPARE(text("occupationText"), QString("Unoccupied"));
    // The sensor's reply sent the master's request at once; ten ticks follow it, the eleventh gives up.
    for (int second = 1; second <= 10; ++second)
        item->slotsGetStatus();
    QCOMPARE(toast.size(), 0);
    item->slotsGetStatus();
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.first().at(0).toString(), QString("master(1-41) lost connection"));
    QCOMPARE(text("masterText"), QString("Unknown"));
    QCOMPARE(masterStatus(roomId).toInt(), 0);
    QCOMPARE(logRows("master", "status is unknown"), 1);
    QCOMPARE(occupationStatus(roomId).toInt(), 1);
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*master), repeated(11, "0033:"));
}

void TestOccupationMasterItem::silentPartWithRealTicks()
{
    DevicePanel::setTickInterval(20);
    QVERIFY(addMaster(roomId, 1, 41, 1, 2));
    SimulatedDevice *master = device(1, 41);
    master->answers = false;
    strip();
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    item->restartRefresh();
    QVERIFY(toast.wait(5000));
    QVERIFY(!item->hasPendingTick());
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*master), repeated(10, "0033:"));
    QCOMPARE(toast.size(), 1);
    QCOMPARE(masterStatus(roomId).toInt(), 0);
}

void TestOccupationMasterItem::rowsSelectedByAddress()
{
    const int otherRoom = addPlace("South", "First", "201").roomId;
    QVERIFY(addOccupation(roomId, OccupationUniversalSwitch, 1, 40, 1));
    QVERIFY(addMaster(roomId, 1, 41, 1));
    // The other room shares the sensor and the master's channel; a third row has another master channel.
    QVERIFY(addOccupation(otherRoom, OccupationUniversalSwitch, 1, 40, 1));
    QVERIFY(addMaster(otherRoom, 1, 41, 1));
    QVERIFY(addMaster(otherRoom, 1, 41, 2, 1));
    // The same address as a relay sensor is another row.
    QVERIFY(addOccupation(otherRoom, OccupationRelayChannel, 1, 40, 1, 1));
    strip();
    item->restartRefresh();
    panelbus::deliver(panelbus::replyFrom(1, 40, 0x012D, bytes({0xF8, 1, 7, 0})));
    panelbus::deliver(panelbus::replyFrom(1, 41, 0x0034, bytes({2, 100, 0})));
    QVERIFY(item->isRefreshFinished());
    QCOMPARE(rowCount("tbl_occupation", "status=2 and occupation_type=0"), 2);
    QCOMPARE(rowCount("tbl_occupation", "status=1 and occupation_type=1"), 1);
    QCOMPARE(rowCount("tbl_master", "status=2 and channel=1"), 2);
    QCOMPARE(rowCount("tbl_master", "status=1 and channel=2"), 1);
}

void TestOccupationMasterItem::masterSwitchedUntilAcknowledged()
{
    QVERIFY(addMaster(roomId, 1, 41, 2, 2));
    LightController state;
    state.levels = bytes({0, 100});
    SimulatedDevice *master = switchDevice(1, 41, &state);
    master->silentOpcodes << 0x0031;
    strip();
    QCOMPARE(text("masterText"), QString("On"));

    QTest::mouseClick(item->findChild<QLabel *>("masterIcon"), Qt::LeftButton);
    // The picture follows the press at once; the row and the log wait for the acknowledgement.
    QCOMPARE(text("masterText"), QString("Off"));
    QCOMPARE(masterStatus(roomId).toInt(), 2);
    QCOMPARE(rowCount("tbl_log"), 0);
    item->slotsSetStatus();
    item->slotsSetStatus();
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*master), repeated(3, "0031:02000000"));

    master->silentOpcodes.clear();
    item->slotsSetStatus();
    QTRY_VERIFY(item->isRefreshFinished());
    QCOMPARE(masterStatus(roomId).toInt(), 1);
    QCOMPARE(logRows("master", "status is off"), 1);
    item->slotsSetStatus();
    QVERIFY(!item->hasPendingTick());
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*master), repeated(4, "0031:02000000"));

    // Unacknowledged: ten frames, then the master is unknown.
    master->silentOpcodes << 0x0031;
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QTest::mouseClick(item->findChild<QLabel *>("masterIcon"), Qt::LeftButton);
    QCOMPARE(text("masterText"), QString("On"));
    for (int second = 1; second <= 10; ++second)
        item->slotsSetStatus();
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.first().at(0).toString(), QString("master(1-41) lost connection"));
    QCOMPARE(text("masterText"), QString("Unknown"));
    QCOMPARE(masterStatus(roomId).toInt(), 0);
    QCOMPARE(logRows("master", "status is unknown"), 1);
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*master).mid(4), repeated(10, "0031:02640000"));
}

void TestOccupationMasterItem::masterPressFromUnknownSwitchesOn()
{
    QVERIFY(addMaster(roomId, 1, 41, 1, 0));
    LightController state;
    SimulatedDevice *master = switchDevice(1, 41, &state);
    strip();
    QCOMPARE(text("masterText"), QString("Unknown"));
    QTest::mouseClick(item->findChild<QLabel *>("masterIcon"), Qt::LeftButton);
    QTRY_VERIFY(item->isRefreshFinished());
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*master), QStringList({"0031:01640000"}));
    QCOMPARE(text("masterText"), QString("On"));
    QCOMPARE(masterStatus(roomId).toInt(), 2);
    QCOMPARE(logRows("master", "status is on"), 1);
}

void TestOccupationMasterItem::pressWithoutMasterSendsNothing()
{
    QVERIFY(addOccupation(roomId, OccupationUniversalSwitch, 1, 40, 1));
    QVERIFY(addMaster(roomId, 1, 41, 0));
    SimulatedDevice *master = device(1, 41);
    strip();
    QVERIFY(!item->findChild<QLabel *>("masterIcon")->isVisible());
    QMetaObject::invokeMethod(item, "labelMaster_pressed");
    QVERIFY(item->isRefreshFinished());
    item->slotsSetStatus();
    QVERIFY(!item->hasPendingTick());
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(panelbus::framesTo(*master), QStringList());
}

void TestOccupationMasterItem::hiddenStripIgnoresReplies()
{
    QVERIFY(addOccupation(roomId, OccupationUniversalSwitch, 1, 40, 1));
    SimulatedDevice *sensor = device(1, 40);
    sensor->replyPayloads[0x012C] = bytes({0xF8, 1, 7, 0});
    strip(false);
    item->restartRefresh();
    QVERIFY(panelbus::settle(*sensor));
    QCOMPARE(panelbus::framesTo(*sensor), QStringList({"012C:"}));
    panelbus::deliver(panelbus::replyFrom(1, 40, 0x012D, bytes({0xF8, 1, 7, 0})));
    QVERIFY(!item->isRefreshFinished());
    QCOMPARE(int(item->devices().occupation_status), 0);
    QCOMPARE(occupationStatus(roomId).toInt(), 0);
}

void TestOccupationMasterItem::pageChangeStopsTheRead()
{
    QVERIFY(addMaster(roomId, 1, 41, 1));
    SimulatedDevice *master = device(1, 41);
    master->answers = false;
    strip();
    item->restartRefresh();
    QVERIFY(item->hasPendingTick());
    emit gBroadcastSocket.signalsStopRefresh(false);
    QVERIFY(!item->hasPendingTick());
    QVERIFY(!item->isRefreshFinished());
}

QTEST_MAIN(TestOccupationMasterItem)
#include "tst_occupationmasteritem.moc"

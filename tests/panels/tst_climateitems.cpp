// The air-conditioner and floor-heating panels against simulated controllers on loopback: the exact request and
// control frames of each channel form, the replies they take (by whole length, markers and channel byte) and the
// ones they ignore, what they store, show and log, and the infra-red key sequences with their pauses. Ticks are
// driven by hand (the tick interval is an hour).

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/projectlist.h"
#include "panels/acitem.h"
#include "panels/devicerecordloaders.h"
#include "panels/floorheatitem.h"
#include "panels/modespeeditem.h"
#include "panels/sliderctrl.h"
#include "resources/stationresources.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QAbstractSlider>
#include <QElapsedTimer>
#include <QLabel>
#include <QMutex>
#include <QThread>
#include <QUdpSocket>
#include <QtTest>

#include <cstring>

using namespace projectfixture;

namespace {

constexpr int manualTick = 3600 * 1000;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

QString hex(std::initializer_list<int> values)
{
    return QString::fromLatin1(bytes(values).toHex());
}

QStringList repeated(int count, const QString &frame)
{
    QStringList frames;
    for (int i = 0; i < count; ++i)
        frames << frame;
    return frames;
}

// A two-way air-conditioner controller: answers every request in the form it was asked (a request with a channel
// byte gets 0xF8 and that byte before its values) and takes the whole state of a control frame.
struct AcUnit
{
    quint8 unit = 0;
    QByteArray modes = bytes({1, 1, 0, 1});              // cool, heat, fan, auto
    QByteArray speeds = bytes({1, 1, 1, 0, 0});          // codes 0 to 4
    QByteArray limits = bytes({16, 30, 18, 32, 17, 31}); // low and high of cool, heat, auto
    quint8 status = 1, cool = 22, modeSpeed = 0x12, room = 25, heat = 27, autoPoint = 24, dry = 26;
    QByteArray version = "AC-2.0";

    // status, cool, mode and speed, -, room, heat, -, auto, dry, -
    QByteArray block() const { return bytes({status, cool, modeSpeed, 0, room, heat, 0, autoPoint, dry, 0}); }
};

QByteArray codesOf(const QByteArray &supported, int width)
{
    QByteArray codes;
    for (int code = 0; code < supported.size(); ++code) {
        if (supported.at(code))
            codes.append(char(code));
    }
    return char(codes.size()) + codes + QByteArray(width - codes.size(), '\0');
}

void actAsAcController(SimulatedDevice &device, AcUnit *unit)
{
    device.deviceType = 0x0270;
    device.replyPayload = [unit](quint16 opcode, const QByteArray &p) -> QByteArray {
        const bool channelForm = opcode == 0xE0EE ? p.size() == 9 : p.size() == 1;
        const QByteArray lead = channelForm ? bytes({0xF8, quint8(p.at(0))}) : QByteArray();
        switch (opcode) {
        case 0xEFFD:
            return unit->version;
        case 0xE120:
            return QByteArray(1, char(unit->unit));
        case 0xE124:
            if (channelForm)
                return lead + unit->modes + unit->speeds + bytes({0});
            return codesOf(unit->modes, 4) + codesOf(unit->speeds, 5);
        case 0x1900:
            return lead + unit->limits + QByteArray(channelForm ? 2 : 3, '\0');
        case 0xE0EC:
            return lead + unit->block();
        case 0xE0EE: {
            const QByteArray state = channelForm ? p.mid(1) : p;
            unit->status = quint8(state.at(0));
            unit->cool = quint8(state.at(1));
            unit->modeSpeed = quint8(state.at(2));
            unit->heat = quint8(state.at(4));
            unit->autoPoint = quint8(state.at(5));
            unit->dry = quint8(state.at(6));
            return (channelForm ? lead : bytes({0xF8})) + unit->block();
        }
        case 0xE3E7:
            return bytes({0, unit->room});
        default:
            return p;
        }
    };
}

// A floor-heating controller: limits and status in the form asked, acknowledgements echoing the control.
struct FloorHeating
{
    quint8 unit = 0, room = 21, status = 1, mode = 2;
    QByteArray setPoints = bytes({25, 26, 27, 28});
    quint8 low = 5, high = 35;
    QByteArray version = "FH-1.3";
};

void actAsFloorHeatingController(SimulatedDevice &device, FloorHeating *zone)
{
    device.deviceType = 0x0280;
    device.replyPayload = [zone](quint16 opcode, const QByteArray &p) -> QByteArray {
        switch (opcode) {
        case 0xEFFD:
            return zone->version;
        case 0xA13E:
            if (!p.isEmpty())
                return bytes({quint8(p.at(0)), 0xF8, zone->low, zone->high, 0, 0});
            return bytes({0xF8, zone->low, zone->high, 0, 0});
        case 0x1944:
            return (p.isEmpty() ? QByteArray() : p.left(1)) +
                   bytes({zone->unit, zone->room, zone->status, zone->mode}) + zone->setPoints;
        case 0xE3D8: {
            const bool second = p.size() == 3;
            const QByteArray control = second ? p.mid(1) : p;
            if (quint8(control.at(0)) == 0x14)
                zone->status = quint8(control.at(1));
            else if (zone->mode >= 1 && zone->mode <= 4)
                zone->setPoints[zone->mode - 1] = control.at(1);
            return second ? p : p.left(2);
        }
        default:
            return p;
        }
    };
}

// Records the key frames (0xE01C) the station sends to one address with the time each arrived, on a thread of its
// own: the station's pauses between keys block the test's thread, so only another thread sees when keys arrive.
class KeyRecorder : public QThread
{
public:
    struct Key
    {
        int number;
        qint64 atMs;
    };

    KeyRecorder(quint8 subnetId, quint8 deviceId) : subnet(subnetId), device(deviceId) { clock.start(); }
    ~KeyRecorder() override { stop(); }

    bool startListening()
    {
        start();
        return QTest::qWaitFor([this] { return bound.loadAcquire() != 0; });
    }
    void stop()
    {
        stopping.storeRelease(1);
        wait();
    }
    QList<Key> keys() const
    {
        QMutexLocker lock(&mutex);
        return recorded;
    }

protected:
    void run() override
    {
        QUdpSocket socket;
        socket.bind(QHostAddress::AnyIPv4, panelbus::udpPort,
                    QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
        bound.storeRelease(1);
        while (!stopping.loadAcquire()) {
            if (!socket.waitForReadyRead(20))
                continue;
            while (socket.hasPendingDatagrams()) {
                QByteArray d(int(qMax<qint64>(0, socket.pendingDatagramSize())), '\0');
                d.truncate(int(qMax<qint64>(0, socket.readDatagram(d.data(), d.size()))));
                const qint64 at = clock.elapsed();
                if (d.size() < 27 || quint8(d.at(21)) != 0xE0 || quint8(d.at(22)) != 0x1C ||
                    quint8(d.at(23)) != subnet || quint8(d.at(24)) != device)
                    continue;
                QMutexLocker lock(&mutex);
                recorded.append({quint8(d.at(25)), at});
            }
        }
    }

private:
    const quint8 subnet;
    const quint8 device;
    QElapsedTimer clock;
    QAtomicInt bound;
    QAtomicInt stopping;
    mutable QMutex mutex;
    QList<Key> recorded;
};

// Shows the record's state on a panel: the texts and which parts are visible.
QString textOf(QWidget *panel, const char *name)
{
    return panel->findChild<QLabel *>(name)->text();
}

bool shown(QWidget *panel, const char *name)
{
    return panel->findChild<QWidget *>(name)->isVisibleTo(panel);
}

int sliderValue(QWidget *panel)
{
    return panel->findChild<SliderCtrl *>("setPointSlider")->value();
}

QPair<int, int> sliderRange(QWidget *panel)
{
    auto *slider = panel->findChild<SliderCtrl *>("setPointSlider")->findChild<QAbstractSlider *>("slider");
    return {slider->minimum(), slider->maximum()};
}

void pressPowerIcon(QWidget *panel)
{
    QTest::mousePress(panel->findChild<QLabel *>("powerIcon"), Qt::LeftButton);
    QTest::mouseRelease(panel->findChild<QLabel *>("powerIcon"), Qt::LeftButton);
}

// The next picker answers by pressing the tile of value; -1 closes it.
void answerPicker(int value)
{
    ModeSpeedSelectDlg::setExecHook([value](ModeSpeedSelectDlg &dialog) {
        if (value < 0) {
            dialog.close();
            return dialog.result();
        }
        for (ModeSpeedItem *tile : dialog.findChildren<ModeSpeedItem *>()) {
            if (tile->value() == value)
                emit tile->signalsPressed();
        }
        return dialog.result();
    });
}

AirConditionerRow acRow(int channel, int type = AirConditionerTwoWay, int subnet = 1, int device = 30)
{
    AirConditionerRow r;
    r.remark = "Bedroom";
    r.type = type;
    r.subnet = subnet;
    r.device = device;
    r.channel = channel;
    return r;
}

AirConditionerRow floorRow(int channel, int subnet = 1, int device = 40)
{
    AirConditionerRow r;
    r.number = 2;
    r.remark = "Bath";
    r.subnet = subnet;
    r.device = device;
    r.channel = channel;
    return r;
}

const QString degreesC = QStringLiteral("\u00B0C");
const QString degreesF = QStringLiteral("\u00B0F");

// The panel of the stored row among the room's records, built in host and repainted once, as its own timer
// would 100 ms later.
template <class Panel>
Panel *panelOf(const AirConditionerRow &row, const QList<airConditionerRecord> &records, QWidget *host, bool visible)
{
    for (const airConditionerRecord &record : records) {
        if (record.air_conditioner_no != row.number)
            continue;
        auto *item = new Panel(record, false, host);
        if (visible)
            item->show();
        item->updateStatus();
        return item;
    }
    return nullptr;
}

} // namespace

class TestClimateItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Air conditioners.
    void twoWayReadChain_data();
    void twoWayReadChain();
    void shortFormSupportedModes();
    void twoWayControls_data();
    void twoWayControls();
    void twoWaySliderIsDeferred();
    void pickerChoices();
    void infraredRead();
    void infraredPowerSequence();
    void infraredControls_data();
    void infraredControls();
    void otherTypesSendNothing();
    void acRepaint();
    void acStatusLog_data();
    void acStatusLog();
    void allOnOnlyVisible();

    // Floor heatings.
    void floorHeatReadChain_data();
    void floorHeatReadChain();
    void floorHeatControls_data();
    void floorHeatControls();
    void floorHeatSliderThenPower();
    void floorHeatAcknowledgementEndsEitherControl();
    void floorHeatRepaintAndLog();
    void refusedStoreIsAskedAgain_data();
    void refusedStoreIsAskedAgain();

    // Both.
    void replyForms_data();
    void replyForms();
    void channelZeroEndsLost();
    void versionAndLimitsBound();

private:
    ACItem *acPanel(const AirConditionerRow &row, bool visible = true);
    FloorHeatItem *floorHeatPanel(const AirConditionerRow &row, bool visible = true);
    SimulatedDevice *device(quint8 subnet, quint8 device);
    void writeProjectList(const QString &low, const QString &high);
    int logRows(const QString &device, const QString &event, int logType) const;
    QVariant stored(const QString &column, int number = 0) const;

    QTemporaryDir home;
    QScopedPointer<QWidget> host;
    QList<SimulatedDevice *> devices;
    int roomId = 0;
};

void TestClimateItems::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
}

void TestClimateItems::init()
{
    REQUIRE_PRIVATE_NETWORK();
    QVERIFY(panelbus::open());
    DevicePanel::setTickInterval(manualTick);
    gAppDirPath = home.path();
    QVERIFY(QDir(home.path()).mkpath("database"));
    writeProjectList("20", "35");
    openFreshDatabase(QDir(home.path()).filePath("climate.db3"));
    roomId = addPlace("North", "Ground", "101").roomId;
    host.reset(new QWidget);
    host->resize(600, 400);
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.data()));
}

void TestClimateItems::cleanup()
{
    ModeSpeedSelectDlg::setExecHook(nullptr);
    host.reset();
    qDeleteAll(devices);
    devices.clear();
}

// A project list whose current project has the given indoor range; a null text leaves the property out.
void TestClimateItems::writeProjectList(const QString &low, const QString &high)
{
    QString project = "<name>Home</name>";
    if (!low.isNull())
        project += QString("<indoor_temperature_low>%1</indoor_temperature_low>").arg(low);
    if (!high.isNull())
        project += QString("<indoor_temperature_high>%1</indoor_temperature_high>").arg(high);
    QFile file(projectXmlPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<general><project>%1<network_type>0</network_type>"
                       "</project><current><name>Home</name></current></general>\n")
                   .arg(project)
                   .toUtf8());
}

ACItem *TestClimateItems::acPanel(const AirConditionerRow &row, bool visible)
{
    if (!addAirConditioner(roomId, row))
        return nullptr;
    return panelOf<ACItem>(row, loadAirConditionerRecords(roomId), host.data(), visible);
}

FloorHeatItem *TestClimateItems::floorHeatPanel(const AirConditionerRow &row, bool visible)
{
    if (!addAirConditioner(roomId, row))
        return nullptr;
    return panelOf<FloorHeatItem>(row, loadFloorHeatingRecords(roomId), host.data(), visible);
}

SimulatedDevice *TestClimateItems::device(quint8 subnet, quint8 deviceId)
{
    SimulatedDevice *d = panelbus::addDevice(subnet, deviceId, nullptr);
    devices << d;
    return d;
}

int TestClimateItems::logRows(const QString &device, const QString &event, int logType) const
{
    return rowCount("tbl_log", "log_device=? and log_event=? and log_type=?", {device, event, logType});
}

QVariant TestClimateItems::stored(const QString &column, int number) const
{
    return value(QString("select %1 from tbl_air_conditioner where air_conditioner_no=? and room_id=?").arg(column),
                 {number, roomId}, column);
}

// ---- Air conditioners ------------------------------------------------------------------------------------------

void TestClimateItems::twoWayReadChain_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QStringList>("frames");
    QTest::newRow("channel 1: short form") << 1 << QStringList({"EFFD:", "E120:", "E124:", "1900:", "E0EC:"});
    QTest::newRow("channel 3: channel byte 2") << 3 << QStringList({"EFFD:", "E120:", "E124:02", "1900:02", "E0EC:02"});
}

void TestClimateItems::twoWayReadChain()
{
    QFETCH(int, channel);
    QFETCH(QStringList, frames);
    AcUnit unit;
    unit.limits = bytes({0x17, 0x30, 0x17, 0x30, 0x17, 0x30});
    SimulatedDevice *d = device(1, 30);
    actAsAcController(*d, &unit);
    ACItem *p = acPanel(acRow(channel));
    QVERIFY(p);
    p->startRefreshDelayed(0);
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), frames);

    const airConditionerRecord r = p->deviceInfo();
    QCOMPARE(QList<int>({r.modeSupported[0], r.modeSupported[1], r.modeSupported[2], r.modeSupported[3]}),
             QList<int>({1, 1, 0, 1}));
    QCOMPARE(QList<int>({r.speedSupported[0], r.speedSupported[1], r.speedSupported[2], r.speedSupported[3],
                         r.speedSupported[4]}),
             QList<int>({1, 1, 1, 0, 0}));
    QCOMPARE(QByteArray(r.low_limit), QByteArray("23-23-23"));
    QCOMPARE(QByteArray(r.high_limit), QByteArray("48-48-48"));
    QCOMPARE(QList<int>({r.status, r.mode, r.speed, r.room_temperature, r.current_cool_temperature,
                         r.current_heat_temperature, r.current_auto_temperature, r.current_dry_temperature}),
             QList<int>({1, 1, 2, 25, 22, 27, 24, 26}));
    QCOMPARE(r.original_type, 0x0270);

    QCOMPARE(stored("original_type").toInt(), 0x0270);
    QCOMPARE(stored("version").toString(), QString("AC-2.0"));
    QCOMPARE(stored("temperature_unit").toInt(), 0);
    QCOMPARE(stored("low_limit").toString(), QString("23-23-23"));
    QCOMPARE(stored("high_limit").toString(), QString("48-48-48"));
    for (const auto &[column, expected] : {std::pair<const char *, int>{"status", 1},
                                           {"mode", 1},
                                           {"speed", 2},
                                           {"room_temperature", 25},
                                           {"current_cool_temperature", 22},
                                           {"current_heat_temperature", 27},
                                           {"current_auto_temperature", 24},
                                           {"current_dry_temperature", 26}})
        QCOMPARE(stored(column).toInt(), expected);

    QCOMPARE(textOf(p, "setPointText"), "27" + degreesC);
    QCOMPARE(textOf(p, "roomTemperatureText"), "Room 25" + degreesC);
    QCOMPARE(sliderRange(p), qMakePair(23, 48));
    QCOMPARE(sliderValue(p), 27);
    QCOMPARE(p->findChild<ModeSpeedItem *>("modeTile")->value(), 1);
    QCOMPARE(p->findChild<ModeSpeedItem *>("speedTile")->value(), 2);
    QCOMPARE(rowCount("tbl_log"), 1);
    QCOMPARE(logRows("ac_Bedroom",
                     "room temperature is 25" + degreesC + ",heat mode,setting temperature is 27" + degreesC +
                         ",medium speed",
                     0),
             1);

    // The tick after the closing reply ends the read.
    p->slotsGetStatus();
    QVERIFY(!p->hasPendingTick());
}

void TestClimateItems::shortFormSupportedModes()
{
    ACItem *p = acPanel(acRow(1));
    QVERIFY(p);
    // Mode codes 0 and 3 (9 is no mode), fan-speed codes 4 and 1.
    panelbus::deliver(panelbus::replyFrom(1, 30, 0xE125, bytes({3, 0, 3, 9, 0, 2, 4, 1, 0, 0, 0})));
    airConditionerRecord r = p->deviceInfo();
    QCOMPARE(QList<int>({r.modeSupported[0], r.modeSupported[1], r.modeSupported[2], r.modeSupported[3]}),
             QList<int>({1, 0, 0, 1}));
    QCOMPARE(QList<int>({r.speedSupported[0], r.speedSupported[1], r.speedSupported[2], r.speedSupported[3],
                         r.speedSupported[4]}),
             QList<int>({0, 1, 0, 0, 1}));
    // Counts beyond their fields are read only as far as the fields go (the 2 at byte 31 is a speed, not a mode);
    // entries are set, never cleared.
    panelbus::deliver(panelbus::replyFrom(1, 30, 0xE125, bytes({200, 1, 1, 1, 1, 9, 2, 2, 2, 2, 2})));
    r = p->deviceInfo();
    QCOMPARE(QList<int>({r.modeSupported[0], r.modeSupported[1], r.modeSupported[2], r.modeSupported[3]}),
             QList<int>({1, 1, 0, 1}));
    QCOMPARE(QList<int>({r.speedSupported[0], r.speedSupported[1], r.speedSupported[2], r.speedSupported[3],
                         r.speedSupported[4]}),
             QList<int>({0, 1, 1, 0, 1}));

    // The channel form's bytes are taken as they are.
    delete p;
    QVERIFY(gDatabase.execSql("delete from tbl_air_conditioner"));
    p = acPanel(acRow(3));
    QVERIFY(p);
    panelbus::deliver(panelbus::replyFrom(1, 30, 0xE125, bytes({0xF8, 2, 2, 1, 0, 5, 7, 0, 0, 0, 1, 0})));
    r = p->deviceInfo();
    QCOMPARE(QList<int>({r.modeSupported[0], r.modeSupported[1], r.modeSupported[2], r.modeSupported[3]}),
             QList<int>({2, 1, 0, 5}));
    QCOMPARE(QList<int>({r.speedSupported[0], r.speedSupported[1], r.speedSupported[2], r.speedSupported[3],
                         r.speedSupported[4]}),
             QList<int>({7, 0, 0, 0, 1}));
}

void TestClimateItems::twoWayControls_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("onFrame");
    QTest::addColumn<QString>("offFrame");
    // status, cool, mode x 16 + speed, 1, heat, auto, dry, 0
    QTest::newRow("channel 1") << 1 << "E0EE:" + hex({1, 24, 0x03, 1, 25, 26, 27, 0})
                               << "E0EE:" + hex({0, 22, 0x12, 1, 27, 24, 26, 0});
    QTest::newRow("channel 3") << 3 << "E0EE:" + hex({2, 1, 24, 0x03, 1, 25, 26, 27, 0})
                               << "E0EE:" + hex({2, 0, 22, 0x12, 1, 27, 24, 26, 0});
}

void TestClimateItems::twoWayControls()
{
    QFETCH(int, channel);
    QFETCH(QString, onFrame);
    QFETCH(QString, offFrame);
    AcUnit unit;
    SimulatedDevice *d = device(1, 30);
    actAsAcController(*d, &unit);
    d->silentOpcodes << 0xE0EE;
    AirConditionerRow row = acRow(channel);
    row.speed = 3;
    row.heatTemperature = 25;
    row.autoTemperature = 26;
    row.dryTemperature = 27;
    ACItem *p = acPanel(row);
    QVERIFY(p);

    // Sent at once and every tick until acknowledged; the database waits for the acknowledgement.
    pressPowerIcon(p);
    QVERIFY(p->controlRuns());
    p->slotsSetStatus();
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), repeated(2, onFrame));
    QCOMPARE(stored("status").toInt(), 0);
    QCOMPARE(textOf(p, "setPointText"), "24" + degreesC);
    d->silentOpcodes.clear();
    p->slotsSetStatus();
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(stored("status").toInt(), 1);
    QCOMPARE(stored("speed").toInt(), 3);
    QCOMPARE(
        logRows("ac_Bedroom",
                "room temperature is 25" + degreesC + ",cool mode,setting temperature is 24" + degreesC + ",low speed",
                0),
        1);
    p->slotsSetStatus();
    QVERIFY(!p->hasPendingTick());

    // The acknowledgement carries the device's state, which the panel takes as it is.
    unit.status = 1;
    unit.cool = 22;
    unit.modeSpeed = 0x12;
    unit.heat = 27;
    unit.autoPoint = 24;
    unit.dry = 26;
    panelbus::deliver(
        panelbus::replyFrom(1, 30, 0xE0EF, (channel == 1 ? bytes({0xF8}) : bytes({0xF8, channel - 1})) + unit.block()));
    QCOMPARE(p->deviceInfo().current_heat_temperature, 27);
    d->framesFromStation.clear();
    QMetaObject::invokeMethod(p, "slotsACStatus", Q_ARG(int, 0));
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({offFrame}));
    QCOMPARE(textOf(p, "setPointText"), QString("OFF"));
    QCOMPARE(logRows("ac_Bedroom", "room temperature is 25" + degreesC + ",status is off", 0), 1);
}

void TestClimateItems::twoWaySliderIsDeferred()
{
    AcUnit unit;
    SimulatedDevice *d = device(1, 30);
    actAsAcController(*d, &unit);
    AirConditionerRow row = acRow(1);
    row.status = 1;
    row.lowLimit = "16-18-17";
    row.highLimit = "30-32-31";
    ACItem *p = acPanel(row);
    QVERIFY(p);
    QCOMPARE(sliderRange(p), qMakePair(16, 30));
    auto *slider = p->findChild<SliderCtrl *>("setPointSlider");
    for (int value : {20, 21})
        slider->setValue(value);
    QCOMPARE(textOf(p, "setPointText"), "21" + degreesC);
    QVERIFY(p->controlRuns());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
    p->slotsSetStatus(); // one tick after the last move
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"E0EE:" + hex({1, 21, 0x00, 1, 24, 24, 24, 0})}));
    QCOMPARE(stored("current_cool_temperature").toInt(), 21);

    // A press within the second after a move: the power frame already carries the new set point, so it is the only
    // frame.
    d->framesFromStation.clear();
    slider->setValue(19);
    pressPowerIcon(p);
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"E0EE:" + hex({0, 19, 0x00, 1, 24, 24, 24, 0})}));
    QCOMPARE(stored("current_cool_temperature").toInt(), 19);
    QCOMPARE(stored("status").toInt(), 0);
}

void TestClimateItems::pickerChoices()
{
    AcUnit unit;
    SimulatedDevice *d = device(1, 30);
    actAsAcController(*d, &unit);
    AirConditionerRow row = acRow(1);
    row.status = 1;
    row.mode = ModeDry;
    ACItem *p = acPanel(row);
    QVERIFY(p);
    auto *modeTile = p->findChild<ModeSpeedItem *>("modeTile");
    auto *speedTile = p->findChild<ModeSpeedItem *>("speedTile");
    QCOMPARE(modeTile->value(), 0); // dry shows as cool

    // The value the tile shows, or a closed picker: nothing changes, nothing is sent.
    answerPicker(0);
    emit modeTile->signalsPressed();
    answerPicker(-1);
    emit speedTile->signalsPressed();
    QVERIFY(!p->controlRuns());
    QCOMPARE(p->deviceInfo().mode, int(ModeDry));

    answerPicker(3);
    emit modeTile->signalsPressed();
    QTRY_VERIFY(p->isRefreshFinished());
    answerPicker(1);
    emit speedTile->signalsPressed();
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"E0EE:" + hex({1, 24, 0x30, 1, 24, 24, 24, 0}),
                                                  "E0EE:" + hex({1, 24, 0x31, 1, 24, 24, 24, 0})}));
    QCOMPARE(stored("mode").toInt(), 3);
    QCOMPARE(stored("speed").toInt(), 1);
    QCOMPARE(modeTile->value(), 3);
    QCOMPARE(speedTile->value(), 1);
}

void TestClimateItems::infraredRead()
{
    AcUnit unit;
    unit.unit = 1;
    unit.room = 0xFB; // -5 degrees Celsius
    SimulatedDevice *d = device(1, 31);
    actAsAcController(*d, &unit);
    ACItem *p = acPanel(acRow(1, AirConditionerInfrared, 1, 31));
    QVERIFY(p);
    p->startRefreshDelayed(0);
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"EFFD:", "E120:", "E3E7:00"}));
    QCOMPARE(p->deviceInfo().room_temperature, 23);
    QCOMPARE(stored("room_temperature").toInt(), 23);
    QCOMPARE(stored("temperature_unit").toInt(), 1);
    QCOMPARE(textOf(p, "roomTemperatureText"), "Room 23" + degreesF);
    QCOMPARE(rowCount("tbl_log"), 0);
    p->slotsGetStatus();
    QVERIFY(!p->hasPendingTick());

    // Another unit index byte: ignored.
    panelbus::deliver(panelbus::replyFrom(1, 31, 0xE3E8, bytes({1, 30})));
    QCOMPARE(p->deviceInfo().room_temperature, 23);
}

void TestClimateItems::infraredPowerSequence()
{
    SimulatedDevice *d = device(1, 32);
    d->answers = false;
    KeyRecorder recorder(1, 32);
    QVERIFY(recorder.startListening());
    AirConditionerRow row = acRow(2, AirConditionerInfrared, 1, 32);
    row.mode = ModeHeat;
    row.speed = FanSpeedLow;
    row.heatTemperature = 24;
    ACItem *p = acPanel(row);
    QVERIFY(p);

    pressPowerIcon(p);
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"E01C:" + hex({111, 0xFF}), "E01C:" + hex({132, 0xFF}),
                                                  "E01C:" + hex({133, 0xFF}), "E01C:" + hex({144, 0xFF})}));
    QTRY_COMPARE(recorder.keys().size(), 4);
    const QList<KeyRecorder::Key> keys = recorder.keys();
    for (int i = 1; i < keys.size(); ++i) {
        const qint64 gap = keys.at(i).atMs - keys.at(i - 1).atMs;
        QVERIFY2(gap >= 40 && gap < 2000, qPrintable(QString("gap %1: %2 ms").arg(i).arg(gap)));
    }
    QCOMPARE(stored("status").toInt(), 1);
    QCOMPARE(
        logRows("ac_Bedroom",
                "room temperature is 0" + degreesC + ",heat mode,setting temperature is 24" + degreesC + ",low speed",
                0),
        1);
    // Nothing waits for an answer and nothing is repeated.
    QVERIFY(!p->controlRuns());
    QVERIFY(!p->hasPendingTick());

    d->framesFromStation.clear();
    pressPowerIcon(p);
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"E01C:" + hex({110, 0xFF})}));
    QCOMPARE(stored("status").toInt(), 0);
    QCOMPARE(logRows("ac_Bedroom", "room temperature is 0" + degreesC + ",status is off", 0), 1);
}

void TestClimateItems::infraredControls_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("action"); // slider, mode or speed
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("logged");

    QTest::newRow("set point, cool") << 1 << 0 << "slider" << 20 << QList<int>{20} << "current_cool_temperature" << 20
                                     << true;
    QTest::newRow("set point, heat, second unit")
        << 2 << 1 << "slider" << 22 << QList<int>{142} << "current_heat_temperature" << 22 << true;
    QTest::newRow("set point, auto") << 1 << 3 << "slider" << 25 << QList<int>{65} << "current_auto_temperature" << 25
                                     << true;
    QTest::newRow("set point, dry: no key, not stored, logged")
        << 1 << 4 << "slider" << 21 << QList<int>{} << "current_cool_temperature" << 24 << true;
    QTest::newRow("set point, channel 0: key 0")
        << 0 << 0 << "slider" << 20 << QList<int>{0} << "current_cool_temperature" << 20 << true;
    QTest::newRow("mode heat: mode and set point keys")
        << 1 << 0 << "mode" << 1 << QList<int>{32, 44} << "mode" << 1 << true;
    QTest::newRow("mode auto") << 1 << 0 << "mode" << 3 << QList<int>{52, 64} << "mode" << 3 << true;
    QTest::newRow("mode fan, second unit") << 2 << 0 << "mode" << 2 << QList<int>{131} << "mode" << 2 << true;
    QTest::newRow("mode cool, channel 3: key 0") << 3 << 1 << "mode" << 0 << QList<int>{0, 0} << "mode" << 0 << true;
    QTest::newRow("fan high in cool") << 1 << 0 << "speed" << 1 << QList<int>{15} << "speed" << 1 << true;
    QTest::newRow("fan low in heat, second unit") << 2 << 1 << "speed" << 3 << QList<int>{133} << "speed" << 3 << true;
    QTest::newRow("fan speed in fan mode: key 0") << 1 << 2 << "speed" << 3 << QList<int>{0} << "speed" << 3 << true;
}

void TestClimateItems::infraredControls()
{
    QFETCH(int, channel);
    QFETCH(int, mode);
    QFETCH(QString, action);
    QFETCH(int, value);
    QFETCH(QList<int>, keys);
    QFETCH(QString, column);
    QFETCH(int, stored);
    QFETCH(bool, logged);
    SimulatedDevice *d = device(1, 33);
    d->answers = false;
    AirConditionerRow row = acRow(channel, AirConditionerInfrared, 1, 33);
    row.status = 1;
    row.mode = mode;
    ACItem *p = acPanel(row);
    QVERIFY(p);
    if (action == "slider") {
        p->findChild<SliderCtrl *>("setPointSlider")->setValue(value);
    } else {
        answerPicker(value);
        emit p->findChild<ModeSpeedItem *>(action == "mode" ? "modeTile" : "speedTile")->signalsPressed();
    }
    QVERIFY(panelbus::settle(*d));
    QStringList frames;
    for (int key : keys)
        frames << "E01C:" + hex({key, 0xFF});
    QCOMPARE(panelbus::framesTo(*d), frames);
    QCOMPARE(this->stored(column).toInt(), stored);
    QCOMPARE(rowCount("tbl_log") == 1, logged);
    QVERIFY(!p->controlRuns());
}

void TestClimateItems::otherTypesSendNothing()
{
    SimulatedDevice *d = device(1, 34);
    ACItem *p = acPanel(acRow(1, 2, 1, 34));
    QVERIFY(p);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    p->startRefreshDelayed(0);
    for (int tick = 1; tick <= 10; ++tick)
        p->slotsGetStatus();
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.first().at(0).toString(), QString("Bedroom lost connection"));

    // A press is shown but not sent; the control ends lost as well.
    pressPowerIcon(p);
    QCOMPARE(textOf(p, "setPointText"), "24" + degreesC);
    for (int tick = 1; tick <= 10; ++tick)
        p->slotsSetStatus();
    QCOMPARE(toast.size(), 2);
    QVERIFY(!p->hasPendingTick());
    QCOMPARE(stored("status").toInt(), 0);
    // Its replies are not taken either.
    panelbus::deliver(panelbus::replyFrom(1, 34, 0xE0ED, QByteArray(10, '\x05')));
    QCOMPARE(p->deviceInfo().current_cool_temperature, 24);
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
}

void TestClimateItems::acRepaint()
{
    SimulatedDevice *d = device(1, 35);
    d->answers = false;
    auto make = [this](int status, int mode, int speed, const QString &low, const QString &high) -> ACItem * {
        if (!gDatabase.execSql("delete from tbl_air_conditioner"))
            return nullptr;
        AirConditionerRow row = acRow(1, AirConditionerTwoWay, 1, 35);
        row.status = status;
        row.mode = mode;
        row.speed = speed;
        row.coolTemperature = 21;
        row.autoTemperature = 23;
        row.lowLimit = low;
        row.highLimit = high;
        return acPanel(row);
    };

    ACItem *fan = make(1, ModeFan, 4, "", "");
    QVERIFY(fan);
    QCOMPARE(textOf(fan, "setPointText"), QString("FAN"));
    QVERIFY(!shown(fan, "setPointSlider"));
    QVERIFY(shown(fan, "modeTile"));
    QCOMPARE(fan->findChild<ModeSpeedItem *>("modeTile")->value(), 2);
    QVERIFY(shown(fan, "speedTile"));
    QCOMPARE(fan->findChild<ModeSpeedItem *>("speedTile")->value(), 0); // speed 4 shows as auto
    // The slider is ignored in fan mode.
    fan->findChild<SliderCtrl *>("setPointSlider")->setValue(40);
    QVERIFY(!fan->controlRuns());
    delete fan;

    ACItem *off = make(0, ModeHeat, 1, "", "");
    QVERIFY(off);
    QCOMPARE(textOf(off, "setPointText"), QString("OFF"));
    QVERIFY(!shown(off, "setPointSlider"));
    QVERIFY(!shown(off, "modeTile"));
    QVERIFY(!shown(off, "speedTile"));
    QCOMPARE(off->findChild<QLabel *>("powerIcon")->pixmap(Qt::ReturnByValue).toImage(),
             QPixmap(":/myImages/png/airConditioner/icon-ac-power-off.png").toImage());
    delete off;

    // Dry mode shows the cool set point and range on the cool tile.
    ACItem *dry = make(1, ModeDry, 2, "15-18-17", "28-32-31");
    QVERIFY(dry);
    QCOMPARE(dry->findChild<ModeSpeedItem *>("modeTile")->value(), 0);
    QCOMPARE(sliderRange(dry), qMakePair(15, 28));
    QCOMPARE(sliderValue(dry), 21);
    QCOMPARE(dry->findChild<QLabel *>("powerIcon")->pixmap(Qt::ReturnByValue).toImage(),
             QPixmap(":/myImages/png/airConditioner/icon-ac-power-on.png").toImage());
    delete dry;

    // A low limit of two numbers leaves the auto range without its low bound.
    ACItem *autoMode = make(1, ModeAuto, 0, "18-19", "30-30-31");
    QVERIFY(autoMode);
    QCOMPARE(sliderRange(autoMode), qMakePair(0, 31));
    QCOMPARE(sliderValue(autoMode), 23);
    QCOMPARE(textOf(autoMode, "setPointText"), "23" + degreesC);
    // A repaint that changes the range and value sends nothing.
    autoMode->updateStatus();
    QVERIFY(!autoMode->controlRuns());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
    QCOMPARE(rowCount("tbl_log"), 0);
    QCOMPARE(autoMode->size(), QSize(500, 320));
    delete autoMode;

    QVERIFY(gDatabase.execSql("delete from tbl_air_conditioner"));
    AirConditionerRow hidden = acRow(1, AirConditionerTwoWay, 1, 35);
    hidden.roomTemperatureType = 1;
    hidden.temperatureUnit = 1;
    hidden.status = 1;
    hidden.coolTemperature = 75;
    hidden.highLimit = "90-90-90";
    ACItem *fahrenheit = acPanel(hidden);
    QVERIFY(!shown(fahrenheit, "roomTemperatureText"));
    QVERIFY(!shown(fahrenheit, "roomTemperatureIcon"));
    QCOMPARE(textOf(fahrenheit, "setPointText"), "75" + degreesF);
}

void TestClimateItems::acStatusLog_data()
{
    QTest::addColumn<QString>("low"); // a null text: the project does not give the bound
    QTest::addColumn<QString>("high");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QByteArray>("block"); // status, cool, mode and speed, -, room, heat, -, auto, dry, -
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("logType");

    const QString c = degreesC;
    QTest::newRow("off: no speed") << "20"
                                   << "35" << 0 << bytes({0, 16, 0x01, 0, 25, 24, 0, 24, 24, 0})
                                   << "room temperature is 25" + c + ",status is off" << 0;
    QTest::newRow("fan mode") << "20"
                              << "35" << 0 << bytes({1, 16, 0x21, 0, 25, 24, 0, 24, 24, 0})
                              << "room temperature is 25" + c + ",fan mode,high speed" << 0;
    QTest::newRow("cool below the range")
        << "20"
        << "35" << 0 << bytes({1, 16, 0x00, 0, 25, 24, 0, 24, 24, 0})
        << "room temperature is 25" + c + ",cool mode,setting temperature is 16" + c +
               ",the lower effective temperature limit(20" + c + ") has been exceeded,auto speed"
        << 1;
    QTest::newRow("heat above the range")
        << "20"
        << "35" << 0 << bytes({1, 22, 0x12, 0, 25, 36, 0, 24, 24, 0})
        << "room temperature is 25" + c + ",heat mode,setting temperature is 36" + c +
               ",the upper effective temperature limit(35" + c + ") has been exceeded,medium speed"
        << 1;
    QTest::newRow("auto inside the range")
        << "20"
        << "35" << 0 << bytes({1, 22, 0x33, 0, 25, 36, 0, 30, 24, 0})
        << "room temperature is 25" + c + ",auto mode,setting temperature is 30" + c + ",low speed" << 0;
    QTest::newRow("dry logs the cool set point")
        << "20"
        << "35" << 0 << bytes({1, 22, 0x40, 0, 25, 36, 0, 30, 18, 0})
        << "room temperature is 25" + c + ",cool mode,setting temperature is 22" + c + ",auto speed" << 0;
    QTest::newRow("no range: no bound") << QString() << QString() << 0 << bytes({1, 28, 0x00, 0, 25, 0, 0, 0, 0, 0})
                                        << "room temperature is 25" + c + ",cool mode,setting temperature is 28" + c +
                                               ",auto speed"
                                        << 0;
    QTest::newRow("empty low: no low bound")
        << ""
        << "35" << 0 << bytes({1, 10, 0x00, 0, 25, 0, 0, 0, 0, 0})
        << "room temperature is 25" + c + ",cool mode,setting temperature is 10" + c + ",auto speed" << 0;
    QTest::newRow("non-numeric high: no high bound")
        << "20"
        << "warm" << 0 << bytes({1, 40, 0x00, 0, 25, 0, 0, 0, 0, 0})
        << "room temperature is 25" + c + ",cool mode,setting temperature is 40" + c + ",auto speed" << 0;
    QTest::newRow("high missing, low still a bound")
        << "20" << QString() << 0 << bytes({1, 16, 0x00, 0, 25, 0, 0, 0, 0, 0})
        << "room temperature is 25" + c + ",cool mode,setting temperature is 16" + c +
               ",the lower effective temperature limit(20" + c + ") has been exceeded,auto speed"
        << 1;
    const QString f = degreesF;
    QTest::newRow("fahrenheit") << "20"
                                << "35" << 1 << bytes({1, 80, 0x00, 0, 77, 0, 0, 0, 0, 0})
                                << "room temperature is 77" + f + ",cool mode,setting temperature is 80" + f +
                                       ",the upper effective temperature limit(35" + f +
                                       ") has been exceeded,auto speed"
                                << 1;
}

void TestClimateItems::acStatusLog()
{
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(int, unit);
    QFETCH(QByteArray, block);
    QFETCH(QString, event);
    QFETCH(int, logType);
    writeProjectList(low, high);
    AirConditionerRow row = acRow(1);
    row.temperatureUnit = unit;
    ACItem *p = acPanel(row);
    QVERIFY(p);
    panelbus::deliver(panelbus::replyFrom(1, 30, 0xE0ED, block));
    QCOMPARE(value("select log_event from tbl_log", {}, "log_event").toString(), event);
    QCOMPARE(logRows("ac_Bedroom", event, logType), 1);
}

void TestClimateItems::allOnOnlyVisible()
{
    SimulatedDevice *shownAc = device(1, 36);
    SimulatedDevice *hiddenAc = device(1, 37);
    SimulatedDevice *shownFloor = device(1, 46);
    SimulatedDevice *hiddenFloor = device(1, 47);
    for (SimulatedDevice *d : {shownAc, hiddenAc, shownFloor, hiddenFloor})
        d->answers = false;
    AirConditionerRow second = acRow(1, AirConditionerTwoWay, 1, 37);
    second.number = 1;
    AirConditionerRow secondFloor = floorRow(1, 1, 47);
    secondFloor.number = 3;
    QVERIFY(acPanel(acRow(1, AirConditionerTwoWay, 1, 36)));
    QVERIFY(acPanel(second, false));
    QVERIFY(floorHeatPanel(floorRow(1, 1, 46)));
    QVERIFY(floorHeatPanel(secondFloor, false));
    emit gBroadcastSocket.signalsACStatus(1);
    for (SimulatedDevice *d : {shownAc, hiddenAc, shownFloor, hiddenFloor})
        QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*shownAc), QStringList({"E0EE:" + hex({1, 24, 0, 1, 24, 24, 24, 0})}));
    QCOMPARE(panelbus::framesTo(*shownFloor), QStringList({"E3D8:" + hex({0x14, 1, 0, 0, 1})}));
    QCOMPARE(panelbus::framesTo(*hiddenAc), QStringList());
    QCOMPARE(panelbus::framesTo(*hiddenFloor), QStringList());
}
// ---- Floor heatings --------------------------------------------------------------------------------------------

void TestClimateItems::floorHeatReadChain_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<int>("setPoint");
    QTest::newRow("channel 1, mode 2: second set point") << 1 << 2 << QStringList({"EFFD:", "A13E:", "1944:"}) << 26;
    QTest::newRow("channel 2, mode 3: third set point") << 2 << 3 << QStringList({"EFFD:", "A13E:01", "1944:01"}) << 27;
    QTest::newRow("channel 1, mode 0: set point kept") << 1 << 0 << QStringList({"EFFD:", "A13E:", "1944:"}) << 23;
}

void TestClimateItems::floorHeatReadChain()
{
    QFETCH(int, channel);
    QFETCH(int, mode);
    QFETCH(QStringList, frames);
    QFETCH(int, setPoint);
    FloorHeating zone;
    zone.mode = quint8(mode);
    SimulatedDevice *d = device(1, 40);
    actAsFloorHeatingController(*d, &zone);
    AirConditionerRow row = floorRow(channel);
    row.temperature = 23;
    FloorHeatItem *p = floorHeatPanel(row);
    QVERIFY(p);
    p->startRefreshDelayed(0);
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), frames);

    const airConditionerRecord r = p->deviceInfo();
    QCOMPARE(QList<int>({r.status, r.room_temperature, r.temperature_unit, r.current_temperature}),
             QList<int>({1, 21, 0, setPoint}));
    QCOMPARE(QByteArray(r.low_limit), QByteArray("5"));
    QCOMPARE(QByteArray(r.high_limit), QByteArray("35"));
    QCOMPARE(stored("low_limit", 2).toString(), QString("5"));
    QCOMPARE(stored("high_limit", 2).toString(), QString("35"));
    QCOMPARE(stored("status", 2).toInt(), 1);
    QCOMPARE(stored("room_temperature", 2).toInt(), 21);
    QCOMPARE(stored("current_temperature", 2).toInt(), setPoint);
    QCOMPARE(stored("version", 2).toString(), QString("FH-1.3"));
    QCOMPARE(stored("original_type", 2).toInt(), 0x0280);
    QCOMPARE(textOf(p, "setPointText"), QString::number(setPoint) + degreesC);
    QCOMPARE(sliderRange(p), qMakePair(5, 35));
    QCOMPARE(sliderValue(p), setPoint);
    QCOMPARE(rowCount("tbl_log"), 1);
    QCOMPARE(
        logRows("fh_Bath",
                "room temperature is 21" + degreesC + ",setting temperature is " + QString::number(setPoint) + degreesC,
                0),
        1);
    p->slotsGetStatus();
    QVERIFY(!p->hasPendingTick());
}

void TestClimateItems::floorHeatControls_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("powerFrame");
    QTest::addColumn<QString>("setPointFrame");
    QTest::newRow("channel 1") << 1 << "E3D8:" + hex({0x14, 1, 0, 0, 1}) << "E3D8:" + hex({0x18, 30, 0, 0, 1});
    QTest::newRow("channel 2: second channel")
        << 2 << "E3D8:" + hex({0x23, 0x14, 1}) << "E3D8:" + hex({0x23, 0x18, 30});
    QTest::newRow("channel 5: second channel too")
        << 5 << "E3D8:" + hex({0x23, 0x14, 1}) << "E3D8:" + hex({0x23, 0x18, 30});
}

void TestClimateItems::floorHeatControls()
{
    QFETCH(int, channel);
    QFETCH(QString, powerFrame);
    QFETCH(QString, setPointFrame);
    FloorHeating zone;
    SimulatedDevice *d = device(1, 40);
    actAsFloorHeatingController(*d, &zone);
    d->silentOpcodes << 0xE3D8;
    AirConditionerRow row = floorRow(channel);
    row.temperature = 25;
    FloorHeatItem *p = floorHeatPanel(row);
    QVERIFY(p);

    pressPowerIcon(p);
    QVERIFY(p->controlRuns());
    QVERIFY(shown(p, "setPointSlider"));
    p->slotsSetStatus();
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), repeated(2, powerFrame));
    QCOMPARE(stored("status", 2).toInt(), 0);
    d->silentOpcodes.clear();
    p->slotsSetStatus();
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(stored("status", 2).toInt(), 1);
    QCOMPARE(logRows("fh_Bath", "room temperature is 0" + degreesC + ",setting temperature is 25" + degreesC, 0), 1);

    d->framesFromStation.clear();
    auto *slider = p->findChild<SliderCtrl *>("setPointSlider");
    for (int value : {28, 30})
        slider->setValue(value);
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
    p->slotsSetStatus();
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({setPointFrame}));
    QCOMPARE(stored("current_temperature", 2).toInt(), 30);
    QCOMPARE(textOf(p, "setPointText"), "30" + degreesC);
}

void TestClimateItems::floorHeatSliderThenPower()
{
    SimulatedDevice *d = device(1, 41);
    d->answers = false;
    AirConditionerRow row = floorRow(2, 1, 41);
    row.status = 1;
    FloorHeatItem *p = floorHeatPanel(row);
    QVERIFY(p);
    p->findChild<SliderCtrl *>("setPointSlider")->setValue(30);
    pressPowerIcon(p);
    // The waiting set point goes out once, then the power frame, which alone is repeated.
    p->slotsSetStatus();
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"E3D8:" + hex({0x23, 0x18, 30}), "E3D8:" + hex({0x23, 0x14, 0}),
                                                  "E3D8:" + hex({0x23, 0x14, 0})}));
    QCOMPARE(p->deviceInfo().current_temperature, 30);
    QCOMPARE(p->deviceInfo().status, 0);
    QCOMPARE(textOf(p, "setPointText"), QString("OFF"));
    QVERIFY(!shown(p, "setPointSlider"));
}

void TestClimateItems::floorHeatAcknowledgementEndsEitherControl()
{
    SimulatedDevice *d = device(1, 42);
    d->answers = false;
    FloorHeatItem *p = floorHeatPanel(floorRow(1, 1, 42));
    QVERIFY(p);
    pressPowerIcon(p);
    panelbus::deliver(panelbus::replyFrom(1, 42, 0xE3D9, bytes({0x15, 9})));
    QVERIFY(!p->isRefreshFinished());
    // A set-point acknowledgement ends the power control.
    panelbus::deliver(panelbus::replyFrom(1, 42, 0xE3D9, bytes({0x18, 31})));
    QVERIFY(p->isRefreshFinished());
    QCOMPARE(stored("current_temperature", 2).toInt(), 31);
    QCOMPARE(stored("status", 2).toInt(), 0);
    QCOMPARE(p->deviceInfo().status, 1);
    p->slotsSetStatus();
    QVERIFY(!p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"E3D8:" + hex({0x14, 1, 0, 0, 1})}));
}

void TestClimateItems::floorHeatRepaintAndLog()
{
    device(1, 43)->answers = false;
    FloorHeatItem *p = floorHeatPanel(floorRow(1, 1, 43));
    QVERIFY(p);
    QCOMPARE(p->size(), QSize(500, 320));
    QCOMPARE(textOf(p, "setPointText"), QString("OFF"));
    QVERIFY(!shown(p, "setPointSlider"));
    QVERIFY(shown(p, "roomTemperatureText"));

    // Status replies (unit, room temperature, status, mode, four set points) and the log event of each.
    const auto status = [](int unit, int room, int on, int setPoint) {
        return panelbus::replyFrom(1, 43, 0x1945, bytes({unit, room, on, 1, setPoint, 0, 0, 0}));
    };
    const QString c = degreesC;
    panelbus::deliver(status(0, 21, 1, 40));
    QCOMPARE(textOf(p, "setPointText"), "40" + c);
    QVERIFY(shown(p, "setPointSlider"));
    QCOMPARE(logRows("fh_Bath",
                     "room temperature is 21" + c + ",setting temperature is 40" + c +
                         ",the upper effective temperature limit(35" + c + ") has been exceeded",
                     1),
             1);
    const QString f = degreesF;
    panelbus::deliver(status(1, 70, 1, 10));
    QCOMPARE(textOf(p, "roomTemperatureText"), "Room 70" + f);
    QCOMPARE(logRows("fh_Bath",
                     "room temperature is 70" + f + ",setting temperature is 10" + f +
                         ",the lower effective temperature limit(20" + f + ") has been exceeded",
                     1),
             1);
    writeProjectList(QString(), "");
    panelbus::deliver(status(0, 21, 1, 45));
    QCOMPARE(logRows("fh_Bath", "room temperature is 21" + c + ",setting temperature is 45" + c, 0), 1);
    panelbus::deliver(status(0, 22, 0, 45));
    QCOMPARE(logRows("fh_Bath", "room temperature is 22" + c + ",status is off", 0), 1);
    QCOMPARE(textOf(p, "setPointText"), QString("OFF"));
    QCOMPARE(stored("temperature_unit", 2).toInt(), 0);
    QCOMPARE(stored("room_temperature", 2).toInt(), 22);

    delete p;
    QVERIFY(gDatabase.execSql("delete from tbl_air_conditioner"));
    AirConditionerRow hidden = floorRow(1, 1, 43);
    hidden.roomTemperatureType = 1;
    p = floorHeatPanel(hidden);
    QVERIFY(!shown(p, "roomTemperatureText"));
    QVERIFY(!shown(p, "roomTemperatureIcon"));
}

// ---- Both ------------------------------------------------------------------------------------------------------

void TestClimateItems::refusedStoreIsAskedAgain_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("step");
    QTest::newRow("device info") << "version" << 0;
    QTest::newRow("limits") << "low_limit" << 1;
    QTest::newRow("status") << "status" << 2;
}

void TestClimateItems::refusedStoreIsAskedAgain()
{
    QFETCH(QString, column);
    QFETCH(int, step);
    const QStringList chain = {"EFFD:", "A13E:", "1944:"};
    FloorHeating zone;
    zone.mode = 2;
    SimulatedDevice *d = device(1, 40);
    actAsFloorHeatingController(*d, &zone);
    FloorHeatItem *p = floorHeatPanel(floorRow(1));
    QVERIFY(p);
    QVERIFY(gDatabase.execSql(QString("create trigger refuse before update of %1 on tbl_air_conditioner begin select "
                                      "raise(abort, 'refused'); end")
                                  .arg(column)));
    p->startRefreshDelayed(0);
    const auto replied = [&] {
        const airConditionerRecord r = p->deviceInfo();
        return step == 0   ? QByteArray(r.version) == "FH-1.3"
               : step == 1 ? QByteArray(r.low_limit) == "5"
                           : r.status == 1;
    };
    QTRY_VERIFY(replied());
    // The reply whose values were refused asks for nothing further and is not logged.
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), chain.mid(0, step + 1));
    QVERIFY(!p->isRefreshFinished());
    QCOMPARE(stored(column, 2).toString(), column == "status" ? QString("0") : QString());
    QCOMPARE(rowCount("tbl_log"), 0);

    // Once the values are taken again, the next tick asks the refused step anew and the chain goes on.
    QVERIFY(gDatabase.execSql("drop trigger refuse"));
    p->slotsGetStatus();
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), chain.mid(0, step + 1) + chain.mid(step));
    QCOMPARE(stored("version", 2).toString(), QString("FH-1.3"));
    QCOMPARE(stored("low_limit", 2).toString(), QString("5"));
    QCOMPARE(stored("status", 2).toInt(), 1);
    QCOMPARE(rowCount("tbl_log"), 1);
}

void TestClimateItems::replyForms_data()
{
    QTest::addColumn<QString>("kind"); // ac or fh
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("opcode");
    QTest::addColumn<QByteArray>("lead"); // the leading payload bytes; the rest up to the length are 0x13
    QTest::addColumn<int>("length");      // of the whole frame
    QTest::addColumn<bool>("accepted");

    struct Row
    {
        const char *name;
        const char *kind;
        int channel;
        int opcode;
        QByteArray lead;
        int length;
        bool accepted;
    };
    const QByteArray none;
    const QList<Row> rows = {
        // Air conditioner, supported modes 0xE125.
        {"AC ch1 E125 38", "ac", 1, 0xE125, bytes({2, 0, 1}), 38, true},
        {"AC ch1 E125 37", "ac", 1, 0xE125, bytes({2, 0, 1}), 37, false},
        {"AC ch1 E125 39", "ac", 1, 0xE125, bytes({2, 0, 1}), 39, false},
        {"AC ch3 E125 39", "ac", 3, 0xE125, bytes({0xF8, 2}), 39, true},
        {"AC ch3 E125 38", "ac", 3, 0xE125, bytes({0xF8, 2}), 38, false},
        {"AC ch3 E125 40", "ac", 3, 0xE125, bytes({0xF8, 2}), 40, false},
        {"AC ch3 E125 other channel", "ac", 3, 0xE125, bytes({0xF8, 1}), 39, false},
        {"AC ch3 E125 no marker", "ac", 3, 0xE125, bytes({0xF7, 2}), 39, false},
        // Set-point limits 0x1901.
        {"AC ch1 1901 36", "ac", 1, 0x1901, none, 36, true},
        {"AC ch1 1901 35", "ac", 1, 0x1901, none, 35, false},
        {"AC ch1 1901 37", "ac", 1, 0x1901, none, 37, false},
        {"AC ch3 1901 37", "ac", 3, 0x1901, bytes({0xF8, 2}), 37, true},
        {"AC ch3 1901 36", "ac", 3, 0x1901, bytes({0xF8, 2}), 36, false},
        {"AC ch3 1901 38", "ac", 3, 0x1901, bytes({0xF8, 2}), 38, false},
        {"AC ch3 1901 other channel", "ac", 3, 0x1901, bytes({0xF8, 3}), 37, false},
        // Status 0xE0ED.
        {"AC ch1 E0ED 37", "ac", 1, 0xE0ED, none, 37, true},
        {"AC ch1 E0ED 36", "ac", 1, 0xE0ED, none, 36, false},
        {"AC ch1 E0ED 38", "ac", 1, 0xE0ED, none, 38, false},
        {"AC ch1 E0ED channel form 39", "ac", 1, 0xE0ED, bytes({0xF8, 0}), 39, true},
        {"AC ch3 E0ED 39", "ac", 3, 0xE0ED, bytes({0xF8, 2}), 39, true},
        {"AC ch3 E0ED 37", "ac", 3, 0xE0ED, none, 37, false},
        {"AC ch3 E0ED 38", "ac", 3, 0xE0ED, bytes({0xF8, 2}), 38, false},
        {"AC ch3 E0ED other channel", "ac", 3, 0xE0ED, bytes({0xF8, 1}), 39, false},
        // Control acknowledgement 0xE0EF.
        {"AC ch1 E0EF 38", "ac", 1, 0xE0EF, bytes({0xF8}), 38, true},
        {"AC ch1 E0EF 38 no marker", "ac", 1, 0xE0EF, bytes({0xF7}), 38, false},
        {"AC ch1 E0EF 37", "ac", 1, 0xE0EF, bytes({0xF8}), 37, false},
        {"AC ch1 E0EF 39", "ac", 1, 0xE0EF, bytes({0xF8, 0}), 39, false},
        {"AC ch3 E0EF 39", "ac", 3, 0xE0EF, bytes({0xF8, 2}), 39, true},
        {"AC ch3 E0EF 38", "ac", 3, 0xE0EF, bytes({0xF8, 2}), 38, false},
        {"AC ch3 E0EF other channel", "ac", 3, 0xE0EF, bytes({0xF8, 0}), 39, false},
        // Channel 0: none of them.
        {"AC ch0 E125 38", "ac", 0, 0xE125, bytes({2, 0, 1}), 38, false},
        {"AC ch0 1901 36", "ac", 0, 0x1901, none, 36, false},
        {"AC ch0 E0ED 37", "ac", 0, 0xE0ED, none, 37, false},
        {"AC ch0 E0ED 39", "ac", 0, 0xE0ED, bytes({0xF8, 0xFF}), 39, false},
        {"AC ch0 E0EF 38", "ac", 0, 0xE0EF, bytes({0xF8}), 38, false},
        // Floor heating, limits 0xA13F: the channel byte before the marker.
        {"FH ch1 A13F 32", "fh", 1, 0xA13F, bytes({0xF8}), 32, true},
        {"FH ch1 A13F 31", "fh", 1, 0xA13F, bytes({0xF8}), 31, false},
        {"FH ch1 A13F 33", "fh", 1, 0xA13F, bytes({0xF8}), 33, false},
        {"FH ch1 A13F no marker", "fh", 1, 0xA13F, bytes({0xF7}), 32, false},
        {"FH ch2 A13F 33", "fh", 2, 0xA13F, bytes({1, 0xF8}), 33, true},
        {"FH ch2 A13F 32", "fh", 2, 0xA13F, bytes({1, 0xF8}), 32, false},
        {"FH ch2 A13F 34", "fh", 2, 0xA13F, bytes({1, 0xF8}), 34, false},
        {"FH ch2 A13F marker first", "fh", 2, 0xA13F, bytes({0xF8, 1}), 33, false},
        // Status 0x1945.
        {"FH ch1 1945 35", "fh", 1, 0x1945, none, 35, true},
        {"FH ch1 1945 34", "fh", 1, 0x1945, none, 34, false},
        {"FH ch1 1945 channel form 36", "fh", 1, 0x1945, bytes({0}), 36, true},
        {"FH ch1 1945 36 other channel", "fh", 1, 0x1945, bytes({5}), 36, false},
        {"FH ch2 1945 36", "fh", 2, 0x1945, bytes({1}), 36, true},
        {"FH ch2 1945 35", "fh", 2, 0x1945, bytes({1}), 35, false},
        {"FH ch2 1945 37", "fh", 2, 0x1945, bytes({1}), 37, false},
        {"FH ch2 1945 other channel", "fh", 2, 0x1945, bytes({2}), 36, false},
        // Acknowledgement 0xE3D9.
        {"FH ch1 E3D9 29 power", "fh", 1, 0xE3D9, bytes({0x14}), 29, true},
        {"FH ch1 E3D9 29 set point", "fh", 1, 0xE3D9, bytes({0x18}), 29, true},
        {"FH ch1 E3D9 29 other function", "fh", 1, 0xE3D9, bytes({0x15}), 29, false},
        {"FH ch1 E3D9 30", "fh", 1, 0xE3D9, bytes({0x14}), 30, false},
        {"FH ch1 E3D9 28", "fh", 1, 0xE3D9, bytes({0x14}), 28, false},
        {"FH ch2 E3D9 30 power", "fh", 2, 0xE3D9, bytes({0x23, 0x14}), 30, true},
        {"FH ch2 E3D9 30 set point", "fh", 2, 0xE3D9, bytes({0x23, 0x18}), 30, true},
        {"FH ch2 E3D9 30 other function", "fh", 2, 0xE3D9, bytes({0x23, 0x15}), 30, false},
        {"FH ch2 E3D9 30 not second channel", "fh", 2, 0xE3D9, bytes({0x24, 0x14}), 30, false},
        {"FH ch2 E3D9 29", "fh", 2, 0xE3D9, bytes({0x23, 0x14}), 29, false},
        {"FH ch2 E3D9 31", "fh", 2, 0xE3D9, bytes({0x23, 0x14}), 31, false},
        // Channel 0: none of them.
        {"FH ch0 A13F 32", "fh", 0, 0xA13F, bytes({0xF8}), 32, false},
        {"FH ch0 1945 35", "fh", 0, 0x1945, none, 35, false},
        {"FH ch0 1945 36", "fh", 0, 0x1945, bytes({0xFF}), 36, false},
        {"FH ch0 E3D9 29", "fh", 0, 0xE3D9, bytes({0x14}), 29, false},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << QString(row.kind) << row.channel << row.opcode << row.lead << row.length
                                << row.accepted;
}

void TestClimateItems::replyForms()
{
    QFETCH(QString, kind);
    QFETCH(int, channel);
    QFETCH(int, opcode);
    QFETCH(QByteArray, lead);
    QFETCH(int, length);
    QFETCH(bool, accepted);
    DevicePanelOf<airConditionerRecord> *p = nullptr;
    if (kind == "ac")
        p = acPanel(acRow(channel, AirConditionerTwoWay, 1, 30));
    else
        p = floorHeatPanel(floorRow(channel, 1, 30));
    QVERIFY(p);
    const airConditionerRecord before = p->deviceInfo();
    const QByteArray frame =
        panelbus::replyFrom(1, 30, quint16(opcode), lead + QByteArray(length - 27 - lead.size(), '\x13'));
    QCOMPARE(frame.size(), length);
    panelbus::deliver(frame);
    const airConditionerRecord after = p->deviceInfo();
    QCOMPARE(std::memcmp(&before, &after, sizeof before) != 0, accepted);
    // Only the replies that are taken are logged (status replies and acknowledgements).
    if (!accepted)
        QCOMPARE(rowCount("tbl_log"), 0);
}

void TestClimateItems::channelZeroEndsLost()
{
    AcUnit unit;
    SimulatedDevice *acDevice = device(1, 30);
    actAsAcController(*acDevice, &unit);
    FloorHeating zone;
    SimulatedDevice *floorDevice = device(1, 40);
    actAsFloorHeatingController(*floorDevice, &zone);
    ACItem *ac = acPanel(acRow(0));
    FloorHeatItem *floor = floorHeatPanel(floorRow(0));
    QVERIFY(ac && floor);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    ac->startRefreshDelayed(0);
    floor->startRefreshDelayed(0);
    // Short-form requests; the chains stop at the first reply with a form test.
    QTRY_COMPARE(panelbus::framesTo(*acDevice), QStringList({"EFFD:", "E120:", "E124:"}));
    QTRY_COMPARE(panelbus::framesTo(*floorDevice), QStringList({"EFFD:", "A13E:"}));
    for (int tick = 1; tick <= 11; ++tick) {
        ac->slotsGetStatus();
        floor->slotsGetStatus();
    }
    QCOMPARE(toast.size(), 2);
    QCOMPARE(toast.at(0).at(0).toString(), QString("Bedroom lost connection"));
    QCOMPARE(toast.at(1).at(0).toString(), QString("Bath lost connection"));
    QVERIFY(panelbus::settle(*acDevice));
    QVERIFY(panelbus::settle(*floorDevice));
    QCOMPARE(panelbus::framesTo(*acDevice).mid(2), repeated(11, "E124:"));
    QCOMPARE(panelbus::framesTo(*floorDevice).mid(1), repeated(11, "A13E:"));
    QCOMPARE(QByteArray(ac->deviceInfo().low_limit), QByteArray("0-0-0"));
    QCOMPARE(QByteArray(floor->deviceInfo().low_limit), QByteArray("0"));
    QCOMPARE(rowCount("tbl_log"), 0);
}

void TestClimateItems::versionAndLimitsBound()
{
    device(1, 30)->answers = false;
    // The same numbers in another room stay untouched.
    QVERIFY(addAirConditioner(roomId + 1, acRow(1)));
    QVERIFY(addAirConditioner(roomId + 1, floorRow(1, 1, 30)));
    ACItem *ac = acPanel(acRow(1));
    FloorHeatItem *floor = floorHeatPanel(floorRow(1, 1, 30));
    QVERIFY(ac && floor);
    const QByteArray version = "it's 5%' or '1'='1";
    panelbus::deliver(panelbus::replyFrom(1, 30, 0xEFFE, version, 0x0777));
    for (int number : {0, 2}) {
        QCOMPARE(stored("version", number).toString(), QString::fromLatin1(version));
        QCOMPARE(stored("original_type", number).toInt(), 0x0777);
        QCOMPARE(value("select version from tbl_air_conditioner where room_id=? and air_conditioner_no=?",
                       {roomId + 1, number}, "version")
                     .toString(),
                 QString());
    }
    QCOMPARE(QByteArray(ac->deviceInfo().version), version);
    QCOMPARE(QByteArray(floor->deviceInfo().version), version);
}

QTEST_MAIN(TestClimateItems)
#include "tst_climateitems.moc"

// The light panel against simulated light controllers on loopback: the exact frames of every light type, what
// the panel stores, shows and logs, the control paths with their repetition, and the refresh cycle it shares
// with the other panels. Ticks are driven by hand (the tick interval is an hour) unless a test says otherwise.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "panels/colorlabel.h"
#include "panels/colorselectdlg.h"
#include "panels/devicerecordloaders.h"
#include "panels/lightitem.h"
#include "panels/lightsliderctrl.h"
#include "panels/sliderctrl.h"
#include "resources/stationresources.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QAbstractSlider>
#include <QLabel>
#include <QtTest>

using namespace projectfixture;
using panelbus::LightController;

namespace {

constexpr int manualTick = 3600 * 1000;

LightRow row(int type, int subnet, int device, int channel, const QVariant &brightness = 0, int rgb = 0)
{
    LightRow r;
    r.lightId = 1;
    r.type = type;
    r.remark = "Desk";
    r.subnet = subnet;
    r.device = device;
    r.channel = channel;
    r.brightness = brightness;
    r.rgb = rgb;
    return r;
}

QStringList repeated(int count, const QString &frame)
{
    QStringList frames;
    for (int i = 0; i < count; ++i)
        frames << frame;
    return frames;
}

QString hex(std::initializer_list<int> bytes)
{
    QByteArray b;
    for (int v : bytes)
        b.append(char(v));
    return QString::fromLatin1(b.toHex());
}

} // namespace

class TestLightItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dimmerReadEndToEnd();
    void eachTypeReads_data();
    void eachTypeReads();
    void unassignedTypesSendNothingAndGoOffline();
    void silentDeviceTenFramesOneToast();
    void silentDeviceWithRealTicks();
    void startRefreshDelayed();
    void startRefreshKeepsAnsweredSteps();
    void rgbLightOnOneDevice();
    void rgbRowsOnTheirOwnDevices();
    void rgbWhiteRowWithoutChannelTakesNoPart();
    void rgbControlChainAndMemory();
    void pressRepeatedUntilAcknowledged();
    void dimmerMemoryOfThePress();
    void deferredSliderFrame();
    void deferredSliderWithRealTicks();
    void waitingSliderFrameGoesOutOnAnotherControl();
    void pageChangeDropsTheControl();
    void dt8ColourTemperature();
    void hsbColourDialogAndReply();
    void rgbSwatchOpensTheDialog();
    void sceneLight();
    void sceneButtonsSendOnce();
    void allOnAndOffOnlyWhenVisible();
    void hiddenPanels();
    void idleListeningPanelStoresButSendsNothing();
    void lateAcknowledgementAfterLost();
    void versionStoredAsReceived();
    void pictureAndColours();

private:
    LightItem *panel(const QList<LightRow> &rows, bool alwaysListen = false, bool visible = true);
    SimulatedDevice *device(quint8 subnet, quint8 device, LightController *state = nullptr);
    int logRows(const QString &event) const;
    QVariant stored(const QString &column, int rgb = -1) const;

    QTemporaryDir home;
    QScopedPointer<QWidget> host;
    QList<SimulatedDevice *> devices;
    QList<LightController *> controllers;
    int roomId = 0;
};

void TestLightItem::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
}

void TestLightItem::init()
{
    REQUIRE_PRIVATE_NETWORK();
    QVERIFY(panelbus::open());
    DevicePanel::setTickInterval(manualTick);
    gAppDirPath = home.path();
    openFreshDatabase(QDir(home.path()).filePath("lights.db3"));
    roomId = addPlace("North", "Ground", "101").roomId;
    host.reset(new QWidget);
    host->resize(600, 400);
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.data()));
}

void TestLightItem::cleanup()
{
    ColorSelectDlg::setExecHook({});
    host.reset();
    qDeleteAll(devices);
    devices.clear();
    qDeleteAll(controllers);
    controllers.clear();
}

LightItem *TestLightItem::panel(const QList<LightRow> &rows, bool alwaysListen, bool visible)
{
    for (const LightRow &r : rows) {
        if (!addLight(roomId, r))
            return nullptr;
    }
    const QList<lightRecord> records = loadLightRecords(roomId);
    if (records.isEmpty())
        return nullptr;
    auto *item = new LightItem(records.last(), alwaysListen, host.data());
    if (visible)
        item->show();
    // The first repaint, which the panel's own timer runs 100 ms later.
    item->updateStatus();
    return item;
}

SimulatedDevice *TestLightItem::device(quint8 subnet, quint8 deviceId, LightController *state)
{
    SimulatedDevice *d = panelbus::addDevice(subnet, deviceId, nullptr);
    devices << d;
    if (!state) {
        state = new LightController;
        controllers << state;
    }
    panelbus::actAsLightController(*d, state);
    return d;
}

int TestLightItem::logRows(const QString &event) const
{
    return rowCount("tbl_log", "log_device='light_Desk' and log_event=? and log_type=0", {event});
}

QVariant TestLightItem::stored(const QString &column, int rgb) const
{
    QString sql = QString("select %1 from tbl_light where light_id=1 and room_id=?").arg(column);
    if (rgb >= 0)
        sql += QString(" and rgb=%1").arg(rgb);
    return value(sql, {roomId}, column);
}

void TestLightItem::dimmerReadEndToEnd()
{
    LightController state;
    state.levels = QByteArray("\x0A\x28\x46", 3);
    SimulatedDevice *d = device(1, 10, &state);
    LightItem *p = panel({row(LightDimmer, 1, 10, 2, 0)});
    QVERIFY(p);

    p->startRefreshDelayed(0);
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"EFFD:", "0033:"}));
    QCOMPARE(p->deviceInfo().brightness[0], 40);
    QCOMPARE(p->deviceInfo().original_type[0], 0x0260);
    QCOMPARE(QByteArray(p->deviceInfo().version[0]), QByteArray("V1.0"));
    QCOMPARE(stored("brightness").toInt(), 40);
    QCOMPARE(stored("original_type").toInt(), 0x0260);
    QCOMPARE(stored("version").toString(), QString("V1.0"));
    QCOMPARE(p->findChild<LightSliderCtrl *>("brightnessSlider")->findChild<QLabel *>("valueLabel")->text(),
             QString("40%"));
    QCOMPARE(logRows("status is 40%"), 1);

    // The next tick ends the read.
    p->slotsGetStatus();
    QVERIFY(!p->hasPendingTick());

    p->startRefreshDelayed(0);
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d).size(), 4);
    QCOMPARE(rowCount("tbl_log"), 1);
}

void TestLightItem::eachTypeReads_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<QString>("event");

    QTest::newRow("on/off") << int(LightOnOff) << 3 << QStringList({"EFFD:", "0033:"}) << 70 << "status is on";
    QTest::newRow("dimmer off") << int(LightDimmer) << 4 << QStringList({"EFFD:", "0033:"}) << 0 << "status is off";
    QTest::newRow("HSB RGB") << int(LightHsbRgb) << 2 << QStringList({"EFFD:", "2036:02"})
                             << 50 * 65536 + 80 * 256 + 240 << "";
    QTest::newRow("scene: never read") << int(LightScene) << 1 << QStringList() << 0 << "";
    QTest::newRow("DALI DT8: device information only")
        << int(LightDaliDt8) << 1 << QStringList({"EFFD:"}) << 1234 << "";
}

void TestLightItem::eachTypeReads()
{
    QFETCH(int, type);
    QFETCH(int, channel);
    QFETCH(QStringList, frames);
    QFETCH(int, brightness);
    QFETCH(QString, event);
    LightController state;
    state.levels = QByteArray("\x0A\x28\x46\x00", 4);
    state.hsb = QByteArray("\x32\x50\xF0", 3);
    SimulatedDevice *d = device(1, 11, &state);
    LightItem *p = panel({row(type, 1, 11, channel, type == LightDaliDt8 ? 1234 : 0)});
    QVERIFY(p);
    p->startRefreshDelayed(0);
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), frames);
    QCOMPARE(stored("brightness").toInt(), brightness);
    if (type == LightHsbRgb) {
        QCOMPARE(p->deviceInfo().brightness[0], 50);
        QCOMPARE(p->deviceInfo().brightness[1], 80);
        QCOMPARE(p->deviceInfo().brightness[2], 240);
        const QColor c = p->findChild<ColorLabel *>("colorSwatch")->color();
        event = QString::asprintf("status is red=%d,green=%d,blue=%d", c.red(), c.green(), c.blue());
    }
    if (type == LightDaliDt8 || type == LightScene)
        QCOMPARE(rowCount("tbl_log"), 0);
    else
        QCOMPARE(logRows(event), 1);
    p->slotsGetStatus();
    QVERIFY(!p->hasPendingTick());
}

void TestLightItem::unassignedTypesSendNothingAndGoOffline()
{
    SimulatedDevice *d = device(1, 12);
    for (int type : {3, 4, 5}) {
        QVERIFY(gDatabase.execSql("delete from tbl_light"));
        LightItem *p = panel({row(type, 1, 12, 1)});
        QVERIFY(p);
        QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
        p->startRefreshDelayed(0);
        for (int tick = 1; tick < 10; ++tick)
            p->slotsGetStatus();
        QVERIFY(p->isRefreshFinished());
        QCOMPARE(toast.size(), 0);
        p->slotsGetStatus();
        QCOMPARE(toast.size(), 1);
        QVERIFY(p->findChild<QLabel *>("offlineText")->isVisible());
        QVERIFY(p->findChild<QLabel *>("offlineIcon")->isVisible());
        delete p;
    }
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
}

void TestLightItem::silentDeviceTenFramesOneToast()
{
    SimulatedDevice *d = device(1, 13);
    d->answers = false;
    LightItem *p = panel({row(LightDimmer, 1, 13, 1)});
    QVERIFY(p);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    p->startRefreshDelayed(0); // 0 s
    for (int second = 1; second <= 9; ++second) {
        QVERIFY(!p->isRefreshFinished());
        p->slotsGetStatus();
    }
    // The tenth request went out at 9 s.
    QVERIFY(p->isRefreshFinished());
    QCOMPARE(toast.size(), 0);
    QVERIFY(!p->findChild<QLabel *>("offlineText")->isVisible());
    p->slotsGetStatus(); // 10 s
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.first().at(0).toString(), QString("Desk lost connection"));
    QVERIFY(p->findChild<QLabel *>("offlineText")->isVisible());
    QVERIFY(!p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), repeated(10, "EFFD:"));

    // A new start hides the hint again.
    p->startRefreshDelayed(0);
    QVERIFY(!p->findChild<QLabel *>("offlineText")->isVisible());
}

void TestLightItem::silentDeviceWithRealTicks()
{
    DevicePanel::setTickInterval(20);
    SimulatedDevice *d = device(1, 14);
    d->answers = false;
    LightItem *p = panel({row(LightOnOff, 1, 14, 1)});
    QVERIFY(p);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    p->startRefreshDelayed(0);
    QVERIFY(toast.wait(5000));
    QVERIFY(!p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), repeated(10, "EFFD:"));
    QCOMPARE(toast.size(), 1);
}

void TestLightItem::startRefreshDelayed()
{
    SimulatedDevice *d = device(1, 15);
    LightItem *p = panel({row(LightDimmer, 1, 15, 1)});
    QVERIFY(p);
    for (int msec : {0, -5}) {
        d->framesFromStation.clear();
        p->startRefreshDelayed(msec);
        QVERIFY(p->readRuns());
        QTRY_VERIFY(p->isRefreshFinished());
    }
    d->framesFromStation.clear();
    p->startRefreshDelayed(300);
    QVERIFY(!p->readRuns());
    QVERIFY(p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(panelbus::framesTo(*d), QStringList({"EFFD:", "0033:"}));
}

void TestLightItem::startRefreshKeepsAnsweredSteps()
{
    SimulatedDevice *d = device(1, 16);
    d->silentOpcodes << 0x0033;
    LightItem *p = panel({row(LightDimmer, 1, 16, 1)});
    QVERIFY(p);
    p->startRefreshDelayed(0);
    QTRY_COMPARE(panelbus::framesTo(*d).size(), 2);
    p->startRefresh();
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"EFFD:", "0033:", "0033:"}));
}

void TestLightItem::rgbLightOnOneDevice()
{
    LightController state;
    state.levels = QByteArray("\x14\x28\x3C", 3);
    SimulatedDevice *d = device(1, 17, &state);
    LightItem *p = panel({row(LightRgb, 1, 17, 1, 0, 1), row(LightRgb, 1, 17, 2, 0, 2), row(LightRgb, 1, 17, 3, 0, 3)});
    QVERIFY(p);
    p->startRefreshDelayed(0);
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    // One answer of the device serves all three rows.
    QCOMPARE(panelbus::framesTo(*d), QStringList({"EFFD:", "0033:"}));
    QCOMPARE(stored("brightness", 1).toInt(), 20);
    QCOMPARE(stored("brightness", 2).toInt(), 40);
    QCOMPARE(stored("brightness", 3).toInt(), 60);
    QCOMPARE(stored("version", 3).toString(), QString("V1.0"));
    QCOMPARE(rowCount("tbl_log"), 1);
    QCOMPARE(logRows("status is red=51,green=102,blue=153"), 1);
    QCOMPARE(p->findChild<ColorLabel *>("colorSwatch")->color(), QColor(51, 102, 153));
}

void TestLightItem::rgbRowsOnTheirOwnDevices()
{
    QList<SimulatedDevice *> rows;
    QList<LightRow> lightRows;
    for (int i = 0; i < 4; ++i) {
        auto *state = new LightController;
        controllers << state;
        state->levels = QByteArray(1, char(10 * (i + 1)));
        rows << device(2, quint8(20 + i), state);
        lightRows << row(LightRgb, 2, 20 + i, 1, 0, i + 1);
    }
    LightItem *p = panel(lightRows);
    QVERIFY(p);
    p->startRefreshDelayed(0);
    QTRY_VERIFY(p->isRefreshFinished());
    for (SimulatedDevice *d : rows) {
        QVERIFY(panelbus::settle(*d));
        QCOMPARE(panelbus::framesTo(*d), QStringList({"EFFD:", "0033:"}));
    }
    const lightRecord r = p->deviceInfo();
    QCOMPARE(QList<int>({r.brightness[0], r.brightness[1], r.brightness[2], r.brightness[3]}),
             QList<int>({10, 20, 30, 40}));
    QCOMPARE(stored("brightness", 4).toInt(), 40);
    QCOMPARE(rowCount("tbl_log"), 1);
}

void TestLightItem::rgbWhiteRowWithoutChannelTakesNoPart()
{
    SimulatedDevice *colours = device(2, 30);
    SimulatedDevice *white = device(2, 31);
    LightItem *p = panel({row(LightRgb, 2, 30, 1, 0, 1), row(LightRgb, 2, 30, 2, 0, 2), row(LightRgb, 2, 30, 3, 0, 3),
                          row(LightRgb, 2, 31, 0, 0, 4)});
    QVERIFY(p);
    p->startRefreshDelayed(0);
    QTRY_VERIFY(p->isRefreshFinished());
    // Not even the device information is asked of it.
    QVERIFY(panelbus::settle(*white));
    QCOMPARE(panelbus::framesTo(*white), QStringList());
    QCOMPARE(panelbus::framesTo(*colours), QStringList({"EFFD:", "0033:"}));

    // Switched on by a press: the three colour rows only.
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*white));
    QCOMPARE(panelbus::framesTo(*white), QStringList());
}

void TestLightItem::rgbControlChainAndMemory()
{
    LightController state;
    state.levels = QByteArray("\x0A\x14\x1E", 3);
    SimulatedDevice *d = device(2, 40, &state);
    LightItem *p =
        panel({row(LightRgb, 2, 40, 1, 10, 1), row(LightRgb, 2, 40, 2, 20, 2), row(LightRgb, 2, 40, 3, 30, 3)});
    QVERIFY(p);
    QVERIFY(p->isOn());

    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // off
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d),
             QStringList({"0031:" + hex({1, 0, 0, 0}), "0031:" + hex({2, 0, 0, 0}), "0031:" + hex({3, 0, 0, 0})}));
    QVERIFY(!p->isOn());
    QCOMPARE(stored("brightness", 2).toInt(), 0);
    QCOMPARE(logRows("status is red=0,green=0,blue=0"), 1);

    d->framesFromStation.clear();
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // on: the levels come back
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d),
             QStringList({"0031:" + hex({1, 10, 0, 0}), "0031:" + hex({2, 20, 0, 0}), "0031:" + hex({3, 30, 0, 0})}));
    QCOMPARE(stored("brightness", 3).toInt(), 30);

    // Off twice, then on: nothing was kept, so every row goes to 100.
    QMetaObject::invokeMethod(p, "slotsLightStatus", Q_ARG(int, 0));
    QTRY_VERIFY(p->isRefreshFinished());
    QMetaObject::invokeMethod(p, "slotsLightStatus", Q_ARG(int, 0));
    QTRY_VERIFY(p->isRefreshFinished());
    d->framesFromStation.clear();
    QMetaObject::invokeMethod(p, "slotsLightStatus", Q_ARG(int, 100));
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"0031:" + hex({1, 100, 0, 0}), "0031:" + hex({2, 100, 0, 0}),
                                                  "0031:" + hex({3, 100, 0, 0})}));
}

void TestLightItem::pressRepeatedUntilAcknowledged()
{
    SimulatedDevice *d = device(1, 18);
    d->silentOpcodes << 0x0031;
    LightItem *p = panel({row(LightDimmer, 1, 18, 2, 40)});
    QVERIFY(p);
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(p->controlRuns());
    p->slotsSetStatus();
    p->slotsSetStatus();
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), repeated(3, "0031:" + hex({2, 0, 0, 0})));

    d->silentOpcodes.clear();
    p->slotsSetStatus();
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(stored("brightness").toInt(), 0);
    QCOMPARE(logRows("status is off"), 1);
    p->slotsSetStatus(); // the tick after the acknowledgement ends the control
    QVERIFY(!p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d).size(), 4);

    // Unanswered, a control goes out ten times and is then reported once.
    d->silentOpcodes << 0x0031;
    d->framesFromStation.clear();
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    for (int tick = 1; tick <= 10; ++tick)
        p->slotsSetStatus();
    QCOMPARE(toast.size(), 1);
    QVERIFY(!p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), repeated(10, "0031:" + hex({2, 40, 0, 0})));
}

void TestLightItem::dimmerMemoryOfThePress()
{
    SimulatedDevice *d = device(1, 19);
    LightItem *p = panel({row(LightDimmer, 1, 19, 1, 0)});
    QVERIFY(p);
    // Nothing remembered: on means 100.
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(p->deviceInfo().brightness[0], 100);
    p->findChild<LightSliderCtrl *>("brightnessSlider")->setValue(40);
    p->slotsSetStatus();
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(stored("brightness").toInt(), 40);
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(p->deviceInfo().brightness[0], 0);
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(p->deviceInfo().brightness[0], 40);
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d).last(), "0031:" + hex({1, 40, 0, 0}));
}

void TestLightItem::deferredSliderFrame()
{
    SimulatedDevice *d = device(1, 21);
    LightItem *p = panel({row(LightDimmer, 1, 21, 3, 0)});
    QVERIFY(p);
    auto *slider = p->findChild<LightSliderCtrl *>("brightnessSlider");
    for (int level : {10, 20, 30})
        slider->setValue(level);
    QCOMPARE(p->deviceInfo().brightness[0], 30);
    QVERIFY(p->controlRuns());
    QVERIFY(p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
    p->slotsSetStatus(); // one tick after the last move
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"0031:" + hex({3, 30, 0, 0})}));
    QCOMPARE(stored("brightness").toInt(), 30);
    QCOMPARE(logRows("status is 30%"), 1);
}

void TestLightItem::deferredSliderWithRealTicks()
{
    DevicePanel::setTickInterval(30);
    SimulatedDevice *d = device(1, 22);
    d->silentOpcodes << 0x0031;
    LightItem *p = panel({row(LightDimmer, 1, 22, 1, 0)});
    QVERIFY(p);
    p->findChild<LightSliderCtrl *>("brightnessSlider")->setValue(55);
    QTRY_VERIFY(panelbus::framesTo(*d).size() >= 3);
    d->silentOpcodes.clear();
    QTRY_VERIFY(p->isRefreshFinished());
    QTRY_VERIFY(!p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    for (const QString &frame : panelbus::framesTo(*d))
        QCOMPARE(frame, "0031:" + hex({1, 55, 0, 0}));
    QCOMPARE(stored("brightness").toInt(), 55);
}

void TestLightItem::waitingSliderFrameGoesOutOnAnotherControl()
{
    SimulatedDevice *d = device(1, 23);
    d->answers = false;
    LightItem *dt8 = panel({row(LightDaliDt8, 1, 23, 5, 50 * 256 + 20)});
    QVERIFY(dt8);
    auto *temperature = dt8->findChild<LightSliderCtrl *>("temperatureSlider");
    auto *brightness = dt8->findChild<LightSliderCtrl *>("brightnessSlider");
    temperature->setValue(30);
    temperature->setValue(35); // the same slider only restarts the wait
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
    brightness->setValue(60); // the other slider: the waiting colour-temperature frame goes out now
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"0031:" + hex({105, 35, 0, 0})}));
    dt8->slotsSetStatus();
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"0031:" + hex({105, 35, 0, 0}), "0031:" + hex({5, 60, 0, 0})}));
    delete dt8;

    // A press while a dimmer's slider frame waits: the slider's level goes out once, then the press's own frame.
    QVERIFY(gDatabase.execSql("delete from tbl_light"));
    d->framesFromStation.clear();
    LightItem *dimmer = panel({row(LightDimmer, 1, 23, 2, 0)});
    QVERIFY(dimmer);
    dimmer->findChild<LightSliderCtrl *>("brightnessSlider")->setValue(45);
    QTest::mouseClick(dimmer, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"0031:" + hex({2, 45, 0, 0}), "0031:" + hex({2, 0, 0, 0})}));
    // After its first send a frame no longer waits: a further control sends only its own.
    d->framesFromStation.clear();
    QMetaObject::invokeMethod(dimmer, "slotsLightStatus", Q_ARG(int, 100));
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"0031:" + hex({2, 45, 0, 0})}));
}

void TestLightItem::pageChangeDropsTheControl()
{
    SimulatedDevice *d = device(1, 24);
    d->answers = false;
    LightItem *p = panel({row(LightDimmer, 1, 24, 1, 0)});
    QVERIFY(p);
    p->findChild<LightSliderCtrl *>("brightnessSlider")->setValue(70);
    emit gBroadcastSocket.signalsStopRefresh(false);
    QVERIFY(!p->hasPendingTick());
    QMetaObject::invokeMethod(p, "slotsLightStatus", Q_ARG(int, 0));
    p->slotsSetStatus();
    emit gBroadcastSocket.signalsStopRefresh(false);
    QVERIFY(!p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    // The waiting slider frame was dropped; the resending stopped after two frames; the record keeps the value.
    QCOMPARE(panelbus::framesTo(*d), repeated(2, "0031:" + hex({1, 0, 0, 0})));
    QCOMPARE(p->deviceInfo().brightness[0], 0);
    QCOMPARE(p->deviceInfo().savedBrightness[0], 70);
}

void TestLightItem::dt8ColourTemperature()
{
    SimulatedDevice *d = device(1, 25);
    LightItem *p = panel({row(LightDaliDt8, 1, 25, 5, 50 * 256 + 20)});
    QVERIFY(p);
    QCOMPARE(p->deviceInfo().brightness[1], 20);
    auto *temperature = p->findChild<LightSliderCtrl *>("temperatureSlider");
    temperature->findChild<QAbstractSlider *>("slider")->setValue(0); // left end
    QCOMPARE(temperature->findChild<QLabel *>("valueLabel")->text(), QString("2700K"));
    p->slotsSetStatus();
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"0031:" + hex({105, 100, 0, 0})}));
    // The acknowledgement on channel + 100 changes only the colour temperature.
    QCOMPARE(p->deviceInfo().brightness[0], 50);
    QCOMPARE(p->deviceInfo().brightness[1], 100);
    QCOMPARE(stored("brightness").toInt(), 50 * 256 + 100);
    QCOMPARE(logRows("status is level 50%,temperature is 2700(kelvin)"), 1);

    temperature->findChild<QAbstractSlider *>("slider")->setValue(100); // right end
    QCOMPARE(temperature->findChild<QLabel *>("valueLabel")->text(), QString("6500K"));
    p->slotsSetStatus();
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(stored("brightness").toInt(), 50 * 256 + 0);
    // A press on the swatch of a DALI DT8 light switches it.
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier,
                      p->findChild<ColorLabel *>("colorSwatch")->geometry().center());
    QTRY_VERIFY(p->isRefreshFinished());
    QCOMPARE(p->deviceInfo().brightness[0], 0);
    QCOMPARE(stored("brightness").toInt(), 0);
}

void TestLightItem::hsbColourDialogAndReply()
{
    LightController state;
    SimulatedDevice *d = device(1, 26, &state);
    LightItem *p = panel({row(LightHsbRgb, 1, 26, 2, 100 * 65536 + 80 * 256 + 240)});
    QVERIFY(p);
    int opened = 0;
    ColorSelectDlg::setExecHook([&](ColorSelectDlg &dialog) {
        ++opened;
        if (!QTest::qWaitFor([&] { return dialog.findChild<SliderCtrl *>("hueSlider")->value() == 80; }))
            return int(QDialog::Rejected);
        dialog.findChild<SliderCtrl *>("hueSlider")->setValue(160);
        dialog.findChild<SliderCtrl *>("brightnessSlider")->setValue(50);
        QMetaObject::invokeMethod(&dialog, "colorSelected");
        return dialog.result();
    });
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier,
                      p->findChild<ColorLabel *>("colorSwatch")->geometry().center());
    QCOMPARE(opened, 1);
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"2034:" + hex({2, 50, 160, 0, 240})}));
    QCOMPARE(stored("brightness").toInt(), 50 * 65536 + 160 * 256 + 240);

    // A rejected dialog sends nothing and changes nothing.
    ColorSelectDlg::setExecHook([](ColorSelectDlg &) { return int(QDialog::Rejected); });
    d->framesFromStation.clear();
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier,
                      p->findChild<ColorLabel *>("colorSwatch")->geometry().center());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
    QCOMPARE(p->deviceInfo().brightness[1], 160);
}

void TestLightItem::rgbSwatchOpensTheDialog()
{
    SimulatedDevice *d = device(2, 41);
    LightItem *p =
        panel({row(LightRgb, 2, 41, 1, 50, 1), row(LightRgb, 2, 41, 2, 0, 2), row(LightRgb, 2, 41, 3, 100, 3)});
    QVERIFY(p);
    // Unchanged and accepted: 50 comes back as 49.
    ColorSelectDlg::setExecHook([](ColorSelectDlg &dialog) {
        if (!QTest::qWaitFor([&] { return dialog.findChild<SliderCtrl *>("blueSlider")->value() == 255; }))
            return int(QDialog::Rejected);
        QMetaObject::invokeMethod(&dialog, "colorSelected");
        return dialog.result();
    });
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier,
                      p->findChild<ColorLabel *>("colorSwatch")->geometry().center());
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d),
             QStringList({"0031:" + hex({1, 49, 0, 0}), "0031:" + hex({2, 0, 0, 0}), "0031:" + hex({3, 100, 0, 0})}));
    // The press opened the dialog and did not switch the light.
    QVERIFY(p->isOn());
}

void TestLightItem::sceneLight()
{
    SimulatedDevice *d = device(1, 27);
    LightRow scene = row(LightScene, 1, 27, 4, 0);
    scene.usId = 9;
    LightItem *p = panel({scene});
    QVERIFY(p);
    p->startRefreshDelayed(0);
    QVERIFY(p->isRefreshFinished());
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // off to on
    QTRY_VERIFY(p->isRefreshFinished());
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // on to off
    QTRY_VERIFY(p->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"0002:" + hex({4, 9}), "0002:" + hex({4, 0})}));
    QCOMPARE(logRows("status is on"), 1);
    QCOMPARE(logRows("status is off"), 1);

    // Acknowledgements: scene 0 or the light's own scene number; any other is ignored.
    d->answers = false;
    for (int sceneNumber : {9, 0, 5}) {
        QMetaObject::invokeMethod(p, "slotsLightStatus", Q_ARG(int, 100));
        panelbus::deliver(panelbus::replyFrom(1, 27, 0x0003, QByteArray() + char(4) + char(sceneNumber)));
        QCOMPARE(p->isRefreshFinished(), sceneNumber != 5);
    }
}

void TestLightItem::sceneButtonsSendOnce()
{
    SimulatedDevice *d = device(1, 28);
    LightItem *p = panel({row(LightScene, 1, 28, 6, 0)});
    QVERIFY(p);
    p->findChild<QtMaterialIconButton *>("pushButtonSceneReduce")->click();
    p->findChild<QtMaterialIconButton *>("pushButtonSceneAdd")->click();
    QVERIFY(!p->hasPendingTick());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"F03C:" + hex({6, 0x07}), "F03C:" + hex({6, 0x87})}));
    QCOMPARE(rowCount("tbl_log"), 0);
}

void TestLightItem::allOnAndOffOnlyWhenVisible()
{
    SimulatedDevice *d = device(1, 29);
    LightItem *shown = panel({row(LightDimmer, 1, 29, 1, 0)});
    LightItem *hidden = new LightItem(shown->deviceInfo(), false, nullptr);
    QScopedPointer<LightItem> owner(hidden);
    emit gBroadcastSocket.signalsLightStatus(100);
    QTRY_VERIFY(shown->isRefreshFinished());
    QCOMPARE(shown->deviceInfo().brightness[0], 100);
    QCOMPARE(hidden->deviceInfo().brightness[0], 0);
    QVERIFY(!hidden->controlRuns());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList({"0031:" + hex({1, 100, 0, 0})}));
}

void TestLightItem::hiddenPanels()
{
    SimulatedDevice *d = device(1, 31);
    d->answers = false;
    LightItem *hidden = panel({row(LightDimmer, 1, 31, 1, 0)}, false, false);
    QScopedPointer<LightItem> listening(new LightItem(hidden->deviceInfo(), true, nullptr));
    hidden->startRefreshDelayed(0);
    listening->startRefreshDelayed(0);
    const QByteArray info = panelbus::replyFrom(1, 31, 0xEFFE, "V2");
    panelbus::deliver(info);
    QCOMPARE(QByteArray(hidden->deviceInfo().version[0]), QByteArray());
    QCOMPARE(QByteArray(listening->deviceInfo().version[0]), QByteArray("V2"));
    // A hidden panel does not press or take broadcasts either.
    QTest::mouseClick(hidden, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!hidden->controlRuns());
}

void TestLightItem::idleListeningPanelStoresButSendsNothing()
{
    SimulatedDevice *d = device(1, 32);
    d->answers = false;
    LightRow r = row(LightDimmer, 1, 32, 2, 0);
    QVERIFY(addLight(roomId, r));
    QScopedPointer<LightItem> idle(new LightItem(loadLightRecords(roomId).first(), true, nullptr));
    panelbus::deliver(panelbus::replyFrom(1, 32, 0xEFFE, "V3"));
    panelbus::deliver(panelbus::replyFrom(1, 32, 0x0034, QByteArray("\x02\x05\x21", 3)));
    QCOMPARE(QByteArray(idle->deviceInfo().version[0]), QByteArray("V3"));
    QCOMPARE(idle->deviceInfo().brightness[0], 33);
    QCOMPARE(stored("brightness").toInt(), 33);
    QCOMPARE(stored("version").toString(), QString("V3"));
    QCOMPARE(logRows("status is 33%"), 1);
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());

    // Nor does an RGB light continue a chain it did not start.
    idle.reset();
    QVERIFY(gDatabase.execSql("delete from tbl_light"));
    QVERIFY(addLight(roomId, row(LightRgb, 1, 32, 1, 0, 1)));
    QVERIFY(addLight(roomId, row(LightRgb, 1, 33, 1, 0, 2)));
    QVERIFY(addLight(roomId, row(LightRgb, 1, 34, 1, 0, 3)));
    QScopedPointer<LightItem> rgb(new LightItem(loadLightRecords(roomId).first(), true, nullptr));
    panelbus::deliver(panelbus::replyFrom(1, 32, 0xEFFE, "V4"));
    panelbus::deliver(panelbus::replyFrom(1, 32, 0x0034, QByteArray("\x01\x0A", 2)));
    panelbus::deliver(panelbus::replyFrom(1, 32, 0x0032, QByteArray("\x01\xF8\x0B", 3)));
    QCOMPARE(rgb->deviceInfo().brightness[0], 11);
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(panelbus::framesTo(*d), QStringList());
}

void TestLightItem::lateAcknowledgementAfterLost()
{
    SimulatedDevice *d = device(1, 35);
    d->answers = false;
    LightItem *p = panel({row(LightDimmer, 1, 35, 1, 0)});
    QVERIFY(p);
    QMetaObject::invokeMethod(p, "slotsLightStatus", Q_ARG(int, 100));
    for (int tick = 1; tick <= 10; ++tick)
        p->slotsSetStatus();
    QVERIFY(p->findChild<QLabel *>("offlineText")->isVisible());
    panelbus::deliver(panelbus::replyFrom(1, 35, 0x0032, QByteArray("\x01\xF8\x64", 3)));
    QCOMPARE(stored("brightness").toInt(), 100);
    QCOMPARE(logRows("status is 100%"), 1);
    QCOMPARE(p->findChild<LightSliderCtrl *>("brightnessSlider")->findChild<QLabel *>("valueLabel")->text(),
             QString("100%"));
    // Wrong channel or marker: ignored.
    panelbus::deliver(panelbus::replyFrom(1, 35, 0x0032, QByteArray("\x02\xF8\x10", 3)));
    panelbus::deliver(panelbus::replyFrom(1, 35, 0x0032, QByteArray("\x01\xF7\x10", 3)));
    QCOMPARE(p->deviceInfo().brightness[0], 100);
}

void TestLightItem::versionStoredAsReceived()
{
    device(1, 36)->answers = false;
    QVERIFY(addLight(roomId + 1, row(LightDimmer, 1, 36, 1, 0))); // same light id in another room
    LightItem *p = panel({row(LightDimmer, 1, 36, 1, 0)});
    QVERIFY(p);
    const QByteArray version = "it's 100%' or '1'='1";
    panelbus::deliver(panelbus::replyFrom(1, 36, 0xEFFE, version, 0x0777));
    QCOMPARE(stored("version").toString(), QString::fromLatin1(version));
    QCOMPARE(stored("original_type").toInt(), 0x0777);
    QCOMPARE(value("select version from tbl_light where room_id=?", {roomId + 1}, "version").toString(), QString());
}

void TestLightItem::pictureAndColours()
{
    device(1, 37)->answers = false;
    LightRow r = row(LightRgb, 1, 37, 1, 0, 1);
    r.iconOn = "light_02_on.png";
    LightItem *p = panel({r, row(LightRgb, 1, 37, 2, 0, 2), row(LightRgb, 1, 37, 3, 0, 3)});
    QVERIFY(p);
    QCOMPARE(p->size(), QSize(500, 320));
    auto *icon = p->findChild<QLabel *>("iconLabel");
    QCOMPARE(icon->pixmap(Qt::ReturnByValue).toImage(), QPixmap(":/myImages/png/light/light_01_off.png").toImage());
    QMetaObject::invokeMethod(p, "slotsLightStatus", Q_ARG(int, 100));
    QCOMPARE(icon->pixmap(Qt::ReturnByValue).toImage(), QPixmap(":/myImages/png/light/light_02_on.png").toImage());
    QCOMPARE(p->findChild<ColorLabel *>("colorSwatch")->color(), QColor(255, 255, 255));
    QImage image(p->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    p->render(&image);
    QCOMPARE(image.pixelColor(250, 5), QColor(31, 41, 51));

    // DALI DT8 swatches: cold to warm, values above 100 at the warmest.
    QVERIFY(gDatabase.execSql("delete from tbl_light"));
    LightItem *dt8 = panel({row(LightDaliDt8, 1, 37, 1, 10 * 256 + 0)});
    auto *swatch = dt8->findChild<ColorLabel *>("colorSwatch");
    QCOMPARE(swatch->color(), QColor(255, 255, 255));
    panelbus::deliver(panelbus::replyFrom(1, 37, 0x0032, QByteArray("\x65\xF8\x64", 3)));
    QCOMPARE(swatch->color(), QColor(218, 103, 19));
    panelbus::deliver(panelbus::replyFrom(1, 37, 0x0032, QByteArray("\x65\xF8\xC8", 3)));
    QCOMPARE(dt8->deviceInfo().brightness[1], 200);
    QCOMPARE(swatch->color(), QColor(218, 103, 19));
    panelbus::deliver(panelbus::replyFrom(1, 37, 0x0032, QByteArray("\x65\xF8\x30", 3)));
    QCOMPARE(swatch->color(), QColor(245, 190, 24));
}

QTEST_MAIN(TestLightItem)
#include "tst_lightitem.moc"

// The room 3D operation page in the station's own window, reached from the "3D View" grid: the one "Lighting" tab
// offered for rooms with addressed lights, the refresh that entering starts with the lights read 100 ms apart,
// the occupancy and master strip, the banner's success once all are done, and what leaving and re-entering do.
// Simulated light controllers and an occupancy sensor and master switch answer on loopback.

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "pages/view3d/light3dviewitem.h"
#include "pages/view3d/page3dview.h"
#include "pages/view3d/pageroomoperate3dview.h"
#include "pages/view3d/pageroomoperate3dviewlighting.h"
#include "panels/devicepanel.h"
#include "panels/occupationmasteritem.h"
#include "panels/refreshingctrl.h"
#include "resources/stationresources.h"
#include "shell/mainwindow.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QtTest>

using namespace projectfixture;

namespace {

constexpr int manualTick = 3600 * 1000;
const QString operate3D = QStringLiteral("Operate Room 3D View");

LightRow light(int lightId, int device, int subnet = 1)
{
    LightRow r;
    r.lightId = lightId;
    r.type = LightDimmer;
    r.remark = QString("Light %1").arg(lightId);
    r.subnet = subnet;
    r.device = device;
    r.channel = 1;
    return r;
}

QStringList opcodes(const SimulatedDevice &device)
{
    QStringList list;
    for (const QString &frame : panelbus::framesTo(device))
        list << frame.left(4);
    return list;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

} // namespace

class TestRoomOperate3D : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cardOpensTheRoomAndItsLightsAreReadApart();
    void fullPassEndsWithSuccess();
    void roomWithoutAddressedLightsGetsNoTab_data();
    void roomWithoutAddressedLightsGetsNoTab();
    void tabChangeStopsAndRefreshes();
    void refreshIconStartsOver();
    void leavingDuringARefresh();
    void secondEntryWithAnotherRoom();
    void hiddenPageIgnoresEntry();

private:
    PageRoomOperate3DView *open(int room);
    SimulatedDevice *lightController(quint8 device, int level);
    QStringList lastUpdateKeys() const;

    QTemporaryDir home;
    QScopedPointer<MainWindow> window;
    QList<SimulatedDevice *> devices;
    QList<panelbus::LightController *> controllers;
    Place place;
};

void TestRoomOperate3D::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    registerStationPages();
}

void TestRoomOperate3D::init()
{
    REQUIRE_PRIVATE_NETWORK();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    gScreenWidth = 1920;
    DevicePanel::setTickInterval(manualTick);
    RefreshingCtrl::setStepInterval(100);
    MarkerView3D::setStaggerInterval(manualTick);
    MarkerView3D::setCheckInterval(10);
    place = addPlace("A", "1F", "101");
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    window.reset(new MainWindow);
    QTRY_COMPARE(state.size(), 1);
}

void TestRoomOperate3D::cleanup()
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qDeleteAll(devices);
    devices.clear();
    qDeleteAll(controllers);
    controllers.clear();
    gBroadcastSocket.shutDown();
    DevicePanel::setTickInterval(1000);
    MarkerView3D::setStaggerInterval(100);
    MarkerView3D::setCheckInterval(100);
}

PageRoomOperate3DView *TestRoomOperate3D::open(int room)
{
    emit gBroadcastSocket.signalsPageIdChanged(operate3D, "A-1F-101", QString::number(room), QString());
    return qobject_cast<PageRoomOperate3DView *>(window->page(operate3D));
}

SimulatedDevice *TestRoomOperate3D::lightController(quint8 device, int level)
{
    auto *d = new SimulatedDevice(1, device, BroadcastSocket::UdpPort);
    devices << d;
    auto *state = new panelbus::LightController;
    state->levels = bytes({level, 0, 0, 0});
    controllers << state;
    panelbus::actAsLightController(*d, state);
    return d;
}

QStringList TestRoomOperate3D::lastUpdateKeys() const
{
    QStringList keys;
    QSqlQuery query = gDatabase.querySql("select * from tbl_last_update");
    while (query.next())
        keys << query.value("last_update_id").toString();
    return keys;
}

void TestRoomOperate3D::cardOpensTheRoomAndItsLightsAreReadApart()
{
    QVERIFY(addLight(place.roomId, light(1, 20)));
    QVERIFY(addLight(place.roomId, light(2, 21)));
    SimulatedDevice *first = lightController(20, 0x30);
    SimulatedDevice *second = lightController(21, 0x00);

    // From the "3D View" grid, as staff open it.
    emit gBroadcastSocket.signalsPageIdChanged("3D View", "3D View", QString(), QString());
    auto *grid = qobject_cast<Page3DView *>(window->page("3D View"));
    QVERIFY(grid);
    QCOMPARE(grid->grid()->tiles().size(), 1);
    emit qobject_cast<ManagerItem *>(grid->grid()->tiles().at(0))->signalsPressed();
    auto *page = qobject_cast<PageRoomOperate3DView *>(window->page(operate3D));
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QCOMPARE(page->pageName(), QString("A-1F-101"));
    QCOMPARE(page->roomId(), place.roomId);

    auto *tabs = page->findChild<QtMaterialTabs *>("tabs");
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QString("Lighting"));
    QVERIFY(tabs->isVisible());
    PageRoomOperate3DViewLighting *tab = page->lightingTab();
    QVERIFY(tab->isVisible());
    QVERIFY(tab->banner()->isVisible());
    QCOMPARE(tab->lightView()->iconName(), QString("3d_view_01"));
    QCOMPARE(tab->lightView()->markerCount(), 2);

    // The first light is read at once; the next one waits its turn (an hour here).
    QTRY_VERIFY(tab->lightView()->entries().at(0).item->isRefreshFinished());
    QVERIFY(panelbus::settle(*first));
    QVERIFY(panelbus::settle(*second));
    QCOMPARE(opcodes(*first), (QStringList{"EFFD", "0033"}));
    QVERIFY(opcodes(*second).isEmpty());
    QCOMPARE(lastUpdateKeys(), QStringList{QString("%1_lighting").arg(place.roomId)});
    QVERIFY(!tab->lightView()->isRefreshFinished());
    QVERIFY(tab->isRefreshRunning());
}

void TestRoomOperate3D::fullPassEndsWithSuccess()
{
    MarkerView3D::setStaggerInterval(10);
    QVERIFY(addLight(place.roomId, light(1, 20)));
    QVERIFY(addLight(place.roomId, light(2, 21)));
    QVERIFY(addOccupation(place.roomId, OccupationUniversalSwitch, 1, 40, 1));
    QVERIFY(addMaster(place.roomId, 1, 41, 2));
    SimulatedDevice *a = lightController(20, 0x30);
    SimulatedDevice *b = lightController(21, 0x00);
    auto *sensor = new SimulatedDevice(1, 40, BroadcastSocket::UdpPort);
    devices << sensor;
    sensor->replyPayloads[0x012C] = bytes({0xF8, 2, 7, 7, 0, 255});
    SimulatedDevice *master = lightController(41, 0);
    controllers.last()->levels = bytes({0, 100});

    PageRoomOperate3DView *page = open(place.roomId);
    PageRoomOperate3DViewLighting *tab = page->lightingTab();
    QVERIFY(tab->occupationMaster()->isOccupationConfigured());
    QVERIFY(tab->occupationMaster()->isMasterConfigured());
    QTRY_VERIFY(tab->lightView()->isRefreshFinished());
    QTRY_VERIFY(!tab->isRefreshRunning());
    QCOMPARE(tab->banner()->findChild<QtMaterialLabel *>("labelStatus")->text(), QString("Refresh Successfully"));
    QTRY_VERIFY(!tab->banner()->isVisible());

    QCOMPARE(tab->lightView()->entries().at(0).record.brightness[0], 0x30);
    QVERIFY(Light3DViewItem::isOn(tab->lightView()->entries().at(0).record));
    QVERIFY(!Light3DViewItem::isOn(tab->lightView()->entries().at(1).record));
    QCOMPARE(tab->occupationMaster()->devices().occupation_status, quint8(OccupationMasterOn));
    QCOMPARE(tab->occupationMaster()->devices().master_status, quint8(OccupationMasterOn));
    for (SimulatedDevice *d : {a, b})
        QVERIFY(panelbus::settle(*d));
    QVERIFY(panelbus::settle(*sensor));
    QVERIFY(panelbus::settle(*master));
    QCOMPARE(opcodes(*a), (QStringList{"EFFD", "0033"}));
    QCOMPARE(opcodes(*b), (QStringList{"EFFD", "0033"}));
    QCOMPARE(opcodes(*sensor), QStringList{"012C"});
    QCOMPARE(opcodes(*master), QStringList{"0033"});
}

void TestRoomOperate3D::roomWithoutAddressedLightsGetsNoTab_data()
{
    QTest::addColumn<int>("subnet");
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("prm1");
    QTest::newRow("subnet 0") << 0 << 20 << QString();
    QTest::newRow("device 0") << 1 << 0 << QString();
    QTest::newRow("prm1 not a number") << 1 << 20 << QString("abc");
}

void TestRoomOperate3D::roomWithoutAddressedLightsGetsNoTab()
{
    QFETCH(int, subnet);
    QFETCH(int, device);
    QFETCH(QString, prm1);
    QVERIFY(addLight(place.roomId, light(1, device, subnet)));
    SimulatedDevice *d = lightController(20, 0x30);
    emit gBroadcastSocket.signalsPageIdChanged(operate3D, "A-1F-101",
                                               prm1.isEmpty() ? QString::number(place.roomId) : prm1, QString());
    auto *page = qobject_cast<PageRoomOperate3DView *>(window->page(operate3D));
    QVERIFY(page->isVisible());
    auto *tabs = page->findChild<QtMaterialTabs *>("tabs");
    QCOMPARE(tabs->count(), 0);
    QVERIFY(!tabs->isVisible());
    QVERIFY(!page->lightingTab()->isVisible());
    QVERIFY(panelbus::settle(*d));
    QVERIFY(d->framesFromStation.isEmpty());
    QVERIFY(lastUpdateKeys().isEmpty());
}

void TestRoomOperate3D::tabChangeStopsAndRefreshes()
{
    QVERIFY(addLight(place.roomId, light(1, 20)));
    SimulatedDevice *d = lightController(20, 0x30);
    PageRoomOperate3DView *page = open(place.roomId);
    QTRY_VERIFY(page->lightingTab()->lightView()->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QSignalSpy stops(&gBroadcastSocket, &BroadcastSocket::signalsStopRefresh);
    page->findChild<QtMaterialTabs *>("tabs")->setCurrentTab(0);
    QCOMPARE(stops.size(), 1);
    QCOMPARE(stops.at(0).at(0).toBool(), false);
    QVERIFY(page->lightingTab()->isRefreshRunning());
    QTRY_VERIFY(page->lightingTab()->lightView()->isRefreshFinished());
    QVERIFY(panelbus::settle(*d));
    QCOMPARE(opcodes(*d).size(), 4);
}

void TestRoomOperate3D::refreshIconStartsOver()
{
    QVERIFY(addLight(place.roomId, light(1, 20)));
    QVERIFY(addLight(place.roomId, light(2, 21)));
    SimulatedDevice *first = lightController(20, 0x30);
    PageRoomOperate3DView *page = open(place.roomId);
    PageRoomOperate3DViewLighting *tab = page->lightingTab();
    QTRY_VERIFY(tab->lightView()->entries().at(0).item->isRefreshFinished());
    QVERIFY(panelbus::settle(*first));
    QVERIFY(gDatabase.execSql("update tbl_last_update set last_update_time='earlier'"));
    auto *icon = tab->findChild<QtMaterialLabel *>("labelRefresh");
    QVERIFY(icon);
    QCOMPARE(icon->toolTip(), QString("Refresh All Ligths Information"));
    emit icon->signalsPressed();
    QVERIFY(tab->banner()->isVisible());
    QCOMPARE(tab->banner()->findChild<QtMaterialLabel *>("labelLastUpdate")->text(), QString("Last Update:earlier"));
    QTRY_COMPARE(opcodes(*first).size(), 4);
    QVERIFY(!tab->lightView()->isRefreshFinished());
}

void TestRoomOperate3D::leavingDuringARefresh()
{
    QVERIFY(addLight(place.roomId, light(1, 20)));
    QVERIFY(addLight(place.roomId, light(2, 21)));
    lightController(20, 0x30);
    SimulatedDevice *second = lightController(21, 0x30);
    PageRoomOperate3DView *page = open(place.roomId);
    PageRoomOperate3DViewLighting *tab = page->lightingTab();
    QVERIFY(tab->banner()->isVisible());
    LightItem *waiting = tab->lightView()->entries().at(1).item;
    QVERIFY(waiting->hasPendingTick());

    emit gBroadcastSocket.signalsPageIdChanged("3D View", "3D View", QString(), QString());
    QVERIFY(!page->isVisible());
    QVERIFY(!tab->banner()->isVisible());
    QVERIFY(!waiting->hasPendingTick());
    QTRY_VERIFY(!tab->isRefreshRunning());
    QTRY_VERIFY(!tab->lightView()->isRefreshRunning());
    QVERIFY(!tab->lightView()->isRefreshFinished());
    QVERIFY(panelbus::settle(*second));
    QVERIFY(second->framesFromStation.isEmpty());
}

void TestRoomOperate3D::secondEntryWithAnotherRoom()
{
    QVERIFY(addLight(place.roomId, light(1, 20)));
    const Place other = addPlace("B", "2F", "202");
    QVERIFY(addLight(other.roomId, light(1, 30)));
    QVERIFY(addLight(other.roomId, light(2, 31)));
    lightController(20, 0x30);
    SimulatedDevice *next = lightController(30, 0x10);
    PageRoomOperate3DView *page = open(place.roomId);
    QPointer<LightItem> old = page->lightingTab()->lightView()->entries().at(0).item;
    open(other.roomId);
    QCOMPARE(page->roomId(), other.roomId);
    QCOMPARE(page->lightingTab()->lightView()->markerCount(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
    QTRY_VERIFY(page->lightingTab()->lightView()->entries().at(0).item->isRefreshFinished());
    QVERIFY(panelbus::settle(*next));
    QCOMPARE(opcodes(*next), (QStringList{"EFFD", "0033"}));
    QVERIFY(lastUpdateKeys().contains(QString("%1_lighting").arg(other.roomId)));

    // A room without lights afterwards: the tab page is hidden, its last room stays loaded.
    const Place empty = addPlace("C", "3F", "303");
    open(empty.roomId);
    QVERIFY(!page->lightingTab()->isVisible());
    QCOMPARE(page->lightingTab()->roomId(), other.roomId);
}

void TestRoomOperate3D::hiddenPageIgnoresEntry()
{
    QVERIFY(addLight(place.roomId, light(1, 20)));
    PageRoomOperate3DView *page = open(place.roomId);
    const Place other = addPlace("B", "2F", "202");
    QVERIFY(addLight(other.roomId, light(1, 30)));
    emit gBroadcastSocket.signalsPageIdChanged("3D View", "3D View", QString(), QString());
    emit gBroadcastSocket.signalsPageEnter(QString::number(other.roomId), QString());
    QCOMPARE(page->roomId(), place.roomId);
    QCOMPARE(page->lightingTab()->roomId(), place.roomId);
}

QTEST_MAIN(TestRoomOperate3D)
#include "tst_roomoperate3d.moc"

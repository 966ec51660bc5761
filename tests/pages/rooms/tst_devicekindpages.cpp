// The pages that show one kind of device across every room, in the station's own window: which rooms get a card
// and in what order, the refresh of every card under the banner, All On/Off counted at simulated light controllers
// on loopback, and the moods page that only lists its cards.

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/rooms/pagedeviceoperate.h"
#include "panels/devicepanel.h"
#include "panels/lightitem.h"
#include "panels/refreshingctrl.h"
#include "panels/roomitem.h"
#include "resources/stationresources.h"
#include "shell/mainwindow.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QtTest>

using namespace projectfixture;

namespace {

constexpr int manualTick = 3600 * 1000;

LightRow light(int lightId, int subnet, int device, int rgb = 0)
{
    LightRow r;
    r.lightId = lightId;
    r.type = 1;
    r.remark = QString("Light %1").arg(lightId);
    r.subnet = subnet;
    r.device = device;
    r.channel = 1;
    r.rgb = rgb;
    return r;
}

} // namespace

class TestDeviceKindPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void lightingListsRoomsWithAddressedLightsInIdOrder();
    void entryRefreshesEveryCardStaggered();
    void emptyPageSucceedsAtTheFirstTick();
    void refreshPictureStartsOver();
    void leavingEndsTheRefreshWithoutSuccess();
    void allSwitchReachesTheLightsOfTheShownPageOnly();
    void controlRow();
    void climatePagesSplitByNumber();
    void moodsPageListsCardsAndRefreshesNothing();
    void hiddenPageIgnoresEntry();

private:
    PageDeviceOperate *go(const QString &id)
    {
        emit gBroadcastSocket.signalsPageIdChanged(id, id, QString(), QString());
        return qobject_cast<PageDeviceOperate *>(window->page(id));
    }
    SimulatedDevice *controller(quint8 subnet, quint8 device, bool answers = true);
    QString bannerStatus(PageDeviceOperate *page) const
    {
        return page->banner()->findChild<QtMaterialLabel *>("labelStatus")->text();
    }
    void pressAll(PageDeviceOperate *page);
    QList<int> cardRooms(PageDeviceOperate *page) const;

    QTemporaryDir home;
    QScopedPointer<MainWindow> window;
    QList<SimulatedDevice *> devices;
    QList<panelbus::LightController *> controllers;
};

void TestDeviceKindPages::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    registerStationPages();
}

void TestDeviceKindPages::init()
{
    REQUIRE_PRIVATE_NETWORK();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    gScreenWidth = 1920;
    DevicePanel::setTickInterval(manualTick);
    RefreshingCtrl::setStepInterval(100);
}

void TestDeviceKindPages::cleanup()
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qDeleteAll(devices);
    devices.clear();
    qDeleteAll(controllers);
    controllers.clear();
    gBroadcastSocket.shutDown();
    DevicePanel::setTickInterval(1000);
}

SimulatedDevice *TestDeviceKindPages::controller(quint8 subnet, quint8 device, bool answers)
{
    auto *d = new SimulatedDevice(subnet, device, BroadcastSocket::UdpPort);
    d->answers = answers;
    devices << d;
    auto *state = new panelbus::LightController;
    state->levels = QByteArray("\x20\x00\x00\x00", 4);
    controllers << state;
    panelbus::actAsLightController(*d, state);
    return d;
}

void TestDeviceKindPages::pressAll(PageDeviceOperate *page)
{
    // Any button switches; a left press is held back by the kinetic scrolling of the page's canvas.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page->allPicture(), &press);
}

QList<int> TestDeviceKindPages::cardRooms(PageDeviceOperate *page) const
{
    QList<int> ids;
    for (RoomItem *card : page->cards())
        ids << card->roomId();
    return ids;
}

void TestDeviceKindPages::lightingListsRoomsWithAddressedLightsInIdOrder()
{
    // Room ids and names disagree with the order of regions and floors.
    const int regionB = addRegion("B");
    const int regionA = addRegion("A");
    const int floorB = addFloor(regionB, "1");
    const int floorA = addFloor(regionA, "1");
    const int first = addRoom(regionA, floorA, "900");  // region 2
    const int second = addRoom(regionB, floorB, "100"); // region 1
    const int noSubnet = addRoom(regionB, floorB, "101");
    const int noDevice = addRoom(regionB, floorB, "102");
    const int channelsOnly = addRoom(regionB, floorB, "103");
    const int climateOnly = addRoom(regionB, floorB, "104");
    QVERIFY(addLight(first, light(1, 1, 20)));
    QVERIFY(addLight(second, light(1, 1, 21)));
    QVERIFY(addLight(noSubnet, light(1, 0, 22)));
    QVERIFY(addLight(noDevice, light(1, 1, 0)));
    QVERIFY(addLight(channelsOnly, light(1, 1, 23, 2)));
    QVERIFY(addLight(channelsOnly, light(1, 1, 23, 3)));
    AirConditionerRow ac;
    QVERIFY(addAirConditioner(climateOnly, ac));

    window.reset(new MainWindow);
    PageDeviceOperate *page = go("Lighting");
    QVERIFY(page && page->isVisible());
    QCOMPARE(cardRooms(page), QList<int>({second, first}));
    QCOMPARE(page->cards().first()->title(), QString("B-1-100"));
    QCOMPARE(page->cards().first()->mode(), int(RoomItemLights));
    // One card per row, the row after the last stretched.
    auto *grid = qobject_cast<QGridLayout *>(page->cards().first()->parentWidget()->layout());
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 20);
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(page->cards().last()), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QPoint(column, row), QPoint(0, 1));
    QCOMPARE(grid->rowStretch(2), 1);

    // Every entry rebuilds: a removed light takes its room's card away.
    QVERIFY(gDatabase.execSql("delete from tbl_light where room_id=?", {first}));
    go("Home");
    page = go("Lighting");
    QCOMPARE(cardRooms(page), QList<int>({second}));
    QCOMPARE(grid->rowStretch(2), 0);
    QCOMPARE(grid->rowStretch(1), 1);
}

void TestDeviceKindPages::entryRefreshesEveryCardStaggered()
{
    const Place a = addPlace("A", "1", "101");
    const Place b = addPlace("A", "1", "102");
    QVERIFY(addLight(a.roomId, light(1, 1, 20)));
    QVERIFY(addLight(a.roomId, light(2, 1, 21)));
    QVERIFY(addLight(b.roomId, light(1, 1, 22)));
    SimulatedDevice *first = controller(1, 20);
    SimulatedDevice *second = controller(1, 21);
    SimulatedDevice *third = controller(1, 22);
    window.reset(new MainWindow);

    PageDeviceOperate *page = go("Lighting");
    const QList<RoomItem *> cards = page->cards();
    QCOMPARE(cards.size(), 2);
    // Card 0 starts at once (its first panel at once, its second 100 ms later); card 1 waits its 100 ms.
    QVERIFY(cards.at(0)->panels().at(0)->readRuns());
    QVERIFY(!cards.at(0)->panels().at(1)->readRuns());
    QVERIFY(cards.at(1)->isRefreshPending());
    QVERIFY(!cards.at(1)->panels().at(0)->readRuns());
    QVERIFY(page->isRefreshing());
    QVERIFY(page->banner()->isVisible());
    QCOMPARE(rowCount("tbl_last_update", "last_update_id='all_lightings'"), 1);

    QTRY_VERIFY(!page->isRefreshing());
    QCOMPARE(bannerStatus(page), QString("Refresh Successfully"));
    for (RoomItem *card : cards)
        QVERIFY(card->isRefreshFinished());
    QTRY_VERIFY(page->banner()->isHidden());
    for (SimulatedDevice *d : {first, second, third})
        QCOMPARE(panelbus::framesTo(*d), QStringList({"EFFD:", "0033:"}));
}

void TestDeviceKindPages::emptyPageSucceedsAtTheFirstTick()
{
    addPlace("A", "1", "101");
    window.reset(new MainWindow);
    PageDeviceOperate *page = go("Lighting");
    QVERIFY(page->cards().isEmpty());
    QVERIFY(page->banner()->isVisible());
    QVERIFY(page->isRefreshing());
    QTRY_VERIFY(!page->isRefreshing());
    QCOMPARE(bannerStatus(page), QString("Refresh Successfully"));
}

void TestDeviceKindPages::refreshPictureStartsOver()
{
    const Place a = addPlace("A", "1", "101");
    QVERIFY(addLight(a.roomId, light(1, 1, 20)));
    QVERIFY(addLight(a.roomId, light(2, 1, 21)));
    SimulatedDevice *answering = controller(1, 20);
    SimulatedDevice *silent = controller(1, 21, false);
    window.reset(new MainWindow);
    PageDeviceOperate *page = go("Lighting");
    RoomItem *card = page->cards().first();
    QTRY_VERIFY(card->panels().at(0)->isRefreshFinished());
    QTRY_VERIFY(card->panels().at(1)->readRuns());
    QVERIFY(page->isRefreshing());

    // A click during the refresh starts it over from the first card; no success while the silent light holds.
    emit page->refreshPicture()->signalsPressed();
    QVERIFY(page->isRefreshing());
    QCOMPARE(bannerStatus(page), QString("Start Refreshing..."));
    QVERIFY(!card->isRefreshFinished());
    // The answering light reads again from the start.
    QTRY_COMPARE(panelbus::opcodeCount(*answering, 0x0033), 2);
    QCOMPARE(panelbus::opcodeCount(*answering, 0xEFFD), 2);
    QTRY_VERIFY(card->panels().at(1)->readRuns());
    for (int i = 0; i < 9; ++i)
        card->panels().at(1)->slotsGetStatus();
    QTRY_VERIFY(!page->isRefreshing());
    QCOMPARE(bannerStatus(page), QString("Refresh Successfully"));
    QVERIFY(panelbus::settle(*silent));
}

void TestDeviceKindPages::leavingEndsTheRefreshWithoutSuccess()
{
    const Place a = addPlace("A", "1", "101");
    const Place b = addPlace("A", "1", "102");
    QVERIFY(addLight(a.roomId, light(1, 1, 20)));
    QVERIFY(addLight(b.roomId, light(1, 1, 21)));
    controller(1, 20, false);
    SimulatedDevice *later = controller(1, 21);
    window.reset(new MainWindow);
    PageDeviceOperate *page = go("Lighting");
    QVERIFY(page->cards().at(1)->isRefreshPending());
    go("Rooms");
    QVERIFY(page->banner()->isHidden());
    QTRY_VERIFY(!page->isRefreshing());
    QVERIFY(bannerStatus(page) != QString("Refresh Successfully"));
    // The card still waiting for its turn never starts on the hidden page.
    QVERIFY(!page->cards().at(1)->isRefreshPending());
    QVERIFY(panelbus::settle(*later));
    QVERIFY(panelbus::framesTo(*later).isEmpty());
}

void TestDeviceKindPages::allSwitchReachesTheLightsOfTheShownPageOnly()
{
    const Place a = addPlace("A", "1", "101");
    const Place b = addPlace("A", "1", "102");
    QVERIFY(addLight(a.roomId, light(1, 1, 20)));
    QVERIFY(addLight(b.roomId, light(1, 1, 21)));
    SimulatedDevice *first = controller(1, 20);
    SimulatedDevice *second = controller(1, 21);
    QSignalSpy lightStatus(&gBroadcastSocket, &BroadcastSocket::signalsLightStatus);
    QSignalSpy acStatus(&gBroadcastSocket, &BroadcastSocket::signalsACStatus);
    window.reset(new MainWindow);
    PageDeviceOperate *page = go("Lighting");
    QTRY_VERIFY(!page->isRefreshing());
    QCOMPARE(page->allState(), 0);

    pressAll(page);
    QCOMPARE(page->allState(), 100);
    QCOMPARE(lightStatus.size(), 1);
    QCOMPARE(lightStatus.last().first().toInt(), 100);
    QVERIFY(acStatus.isEmpty());
    QVERIFY(panelbus::settle(*first));
    QVERIFY(panelbus::settle(*second));
    QCOMPARE(panelbus::opcodeCount(*first, 0x0031), 1);
    QCOMPARE(panelbus::opcodeCount(*second, 0x0031), 1);

    pressAll(page);
    QCOMPARE(page->allState(), 0);
    QCOMPARE(lightStatus.last().first().toInt(), 0);
    QVERIFY(panelbus::settle(*first));
    QCOMPARE(panelbus::opcodeCount(*first, 0x0031), 2);
    QCOMPARE(panelbus::opcodeCount(*second, 0x0031), 2);

    // Entering again shows off and broadcasts nothing; on the moods page the lights are hidden and deaf.
    pressAll(page);
    QCOMPARE(lightStatus.size(), 3);
    go("Lighting");
    QCOMPARE(page->allState(), 0);
    QCOMPARE(lightStatus.size(), 3);
    go("Moods");
    emit gBroadcastSocket.signalsLightStatus(100);
    QVERIFY(panelbus::settle(*first));
    QVERIFY(panelbus::settle(*second));
    QCOMPARE(panelbus::opcodeCount(*first, 0x0031), 3);
    QCOMPARE(panelbus::opcodeCount(*second, 0x0031), 3);
}

void TestDeviceKindPages::controlRow()
{
    window.reset(new MainWindow);
    PageDeviceOperate *page = go("Lighting");
    QCOMPARE(page->allPicture()->size(), QSize(64, 36));
    QCOMPARE(page->refreshPicture()->size(), QSize(36, 36));
    QCOMPARE(page->refreshPicture()->toolTip(), QString("Refresh All Ligths Information"));
    QStringList texts;
    for (QtMaterialLabel *label : page->findChildren<QtMaterialLabel *>())
        texts << label->text();
    QVERIFY(texts.contains("All Off"));
    QVERIFY(texts.contains("All On"));
}

void TestDeviceKindPages::climatePagesSplitByNumber()
{
    const Place ac = addPlace("A", "1", "101");
    const Place heat = addPlace("A", "1", "102");
    const Place both = addPlace("A", "1", "103");
    AirConditionerRow row;
    row.device = 60; // no device answers: the pages' lists are what is tested
    row.number = 1;
    QVERIFY(addAirConditioner(ac.roomId, row));
    row.number = 3;
    QVERIFY(addAirConditioner(heat.roomId, row));
    row.number = 0;
    QVERIFY(addAirConditioner(both.roomId, row));
    row.number = 2;
    QVERIFY(addAirConditioner(both.roomId, row));
    QSignalSpy acStatus(&gBroadcastSocket, &BroadcastSocket::signalsACStatus);
    QSignalSpy lightStatus(&gBroadcastSocket, &BroadcastSocket::signalsLightStatus);
    window.reset(new MainWindow);

    PageDeviceOperate *page = go("AC");
    QCOMPARE(cardRooms(page), QList<int>({ac.roomId, both.roomId}));
    QCOMPARE(page->cards().first()->mode(), int(RoomItemAirConditioners));
    QCOMPARE(page->cards().at(1)->panels().size(), 1);
    QCOMPARE(page->refreshPicture()->toolTip(), QString("Refresh All ACs Information"));
    QCOMPARE(rowCount("tbl_last_update", "last_update_id='all_airConditioners'"), 1);
    pressAll(page);
    pressAll(page);
    QCOMPARE(acStatus.size(), 2);
    QCOMPARE(acStatus.at(0).first().toInt(), 1);
    QCOMPARE(acStatus.at(1).first().toInt(), 0);

    page = go("Floor Heat");
    QCOMPARE(cardRooms(page), QList<int>({heat.roomId, both.roomId}));
    QCOMPARE(page->cards().first()->mode(), int(RoomItemFloorHeatings));
    QCOMPARE(page->refreshPicture()->toolTip(), QString("Refresh All FHs Information"));
    QCOMPARE(rowCount("tbl_last_update", "last_update_id='all_floorHeatings'"), 1);
    pressAll(page);
    QCOMPARE(acStatus.size(), 3);
    QCOMPARE(acStatus.last().first().toInt(), 1);
    QVERIFY(lightStatus.isEmpty());
}

void TestDeviceKindPages::moodsPageListsCardsAndRefreshesNothing()
{
    const Place a = addPlace("A", "1", "101");
    const Place b = addPlace("A", "1", "102");
    addPlace("A", "1", "103");
    QVERIFY(addMood(a.roomId, 1, "Evening"));
    QVERIFY(addMood(b.roomId, 1, "Night"));
    QVERIFY(addMood(b.roomId, 2, "Day"));
    QVERIFY(addLight(a.roomId, light(1, 1, 20)));
    SimulatedDevice *lamp = controller(1, 20);
    window.reset(new MainWindow);
    PageDeviceOperate *page = go("Moods");
    QCOMPARE(cardRooms(page), QList<int>({a.roomId, b.roomId}));
    QCOMPARE(page->cards().at(1)->items().size(), 2);
    QVERIFY(!page->banner());
    QVERIFY(!page->allPicture());
    QVERIFY(!page->isRefreshing());
    for (RoomItem *card : page->cards())
        QVERIFY(!card->isRefreshPending());

    QVERIFY(addMood(a.roomId, 2, "Late"));
    go("Home");
    page = go("Moods");
    QCOMPARE(page->cards().at(0)->items().size(), 2);
    QVERIFY(panelbus::settle(*lamp));
    QVERIFY(panelbus::framesTo(*lamp).isEmpty());
}

void TestDeviceKindPages::hiddenPageIgnoresEntry()
{
    const Place a = addPlace("A", "1", "101");
    QVERIFY(addLight(a.roomId, light(1, 1, 20)));
    controller(1, 20);
    window.reset(new MainWindow);
    PageDeviceOperate *page = go("Lighting");
    QTRY_VERIFY(!page->isRefreshing());
    go("Rooms");
    const Place b = addPlace("A", "1", "102");
    QVERIFY(addLight(b.roomId, light(1, 1, 21)));
    emit gBroadcastSocket.signalsPageEnter(QString(), QString());
    QCOMPARE(page->cards().size(), 1);
    QVERIFY(!page->isRefreshing());
}

QTEST_MAIN(TestDeviceKindPages)
#include "tst_devicekindpages.moc"

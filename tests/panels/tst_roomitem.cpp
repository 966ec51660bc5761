// The room card of the device-kind pages: its title, picture and panel grid as the database gives them, and the
// refresh it runs for its page (the strip, then its panels 100 ms apart) against simulated light controllers.
// Ticks are driven by hand (the tick interval is an hour).

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "panels/devicepanel.h"
#include "panels/lightitem.h"
#include "panels/mooditem.h"
#include "panels/occupationmasteritem.h"
#include "panels/roomitem.h"
#include "resources/stationresources.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QGridLayout>
#include <QtTest>

using namespace projectfixture;

namespace {

constexpr int manualTick = 3600 * 1000;

LightRow dimmer(int lightId, int device)
{
    LightRow r;
    r.lightId = lightId;
    r.type = 1;
    r.remark = QString("Light %1").arg(lightId);
    r.subnet = 1;
    r.device = device;
    r.channel = 1;
    return r;
}

} // namespace

class TestRoomItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void panelGrid_data();
    void panelGrid();
    void titleAndPicture();
    void refreshStartsTheStripThenThePanelsStaggered();
    void delayedStartRunsOnceForTheLastCall();
    void pageChangeCancelsAWaitingCard();
    void finishedAsksThePanelsInOrderThenTheStrip();
    void moodCardsRefreshOnlyTheStrip();

private:
    RoomItem *card(int mode = RoomItemLights);
    SimulatedDevice *device(quint8 device, bool answers = true);

    QTemporaryDir home;
    QScopedPointer<QWidget> host;
    QList<SimulatedDevice *> devices;
    QList<panelbus::LightController *> controllers;
    int roomId = 0;
};

void TestRoomItem::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
}

void TestRoomItem::init()
{
    REQUIRE_PRIVATE_NETWORK();
    QVERIFY(panelbus::open());
    DevicePanel::setTickInterval(manualTick);
    gAppDirPath = home.path();
    gScreenWidth = 1920;
    openFreshDatabase(QDir(home.path()).filePath("rooms.db3"));
    roomId = addPlace("A", "1", "101").roomId;
    host.reset(new QWidget);
    host->resize(1920, 500);
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.data()));
}

void TestRoomItem::cleanup()
{
    host.reset();
    qDeleteAll(devices);
    devices.clear();
    qDeleteAll(controllers);
    controllers.clear();
    DevicePanel::setTickInterval(1000);
}

RoomItem *TestRoomItem::card(int mode)
{
    auto *item = new RoomItem(roomId, mode, host.data());
    item->resize(1920, RoomItem::cardHeight);
    item->show();
    return item;
}

SimulatedDevice *TestRoomItem::device(quint8 deviceId, bool answers)
{
    auto *d = panelbus::addDevice(1, deviceId, nullptr);
    d->answers = answers;
    auto *state = new panelbus::LightController;
    state->levels = QByteArray("\x20\x00\x00\x00", 4);
    panelbus::actAsLightController(*d, state);
    devices << d;
    controllers << state;
    return d;
}

void TestRoomItem::panelGrid_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("lights");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QPoint>("lastCell");
    QTest::addColumn<int>("stretchColumn");
    QTest::addColumn<int>("stretchRow");
    QTest::newRow("1920, four lights") << 1920 << 4 << 105 << QPoint(0, 1) << 3 << 2;
    QTest::newRow("1920, one full row") << 1920 << 3 << 105 << QPoint(2, 0) << 3 << 1;
    QTest::newRow("1920, two lights") << 1920 << 2 << 105 << QPoint(1, 0) << 2 << 1;
    QTest::newRow("1920, none") << 1920 << 0 << 105 << QPoint() << 3 << 0;
    QTest::newRow("1366") << 1366 << 3 << 122 << QPoint(0, 1) << 2 << 2;
    QTest::newRow("1000, a multiple") << 1000 << 2 << 250 << QPoint(0, 1) << 1 << 2;
    // Narrower than a panel: one column, no gap, instead of a division by zero.
    QTest::newRow("400") << 400 << 2 << 0 << QPoint(0, 1) << 1 << 2;
}

void TestRoomItem::panelGrid()
{
    QFETCH(int, screen);
    QFETCH(int, lights);
    QFETCH(int, spacing);
    QFETCH(QPoint, lastCell);
    QFETCH(int, stretchColumn);
    QFETCH(int, stretchRow);
    gScreenWidth = screen;
    for (int i = 1; i <= lights; ++i)
        QVERIFY(addLight(roomId, dimmer(i, 20 + i)));
    RoomItem *item = card();
    QCOMPARE(item->panels().size(), lights);
    QCOMPARE(item->height(), 400);
    QGridLayout *grid = item->panelGrid();
    QCOMPARE(grid->horizontalSpacing(), spacing);
    QCOMPARE(grid->verticalSpacing(), 20);
    if (lights > 0) {
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(item->panels().last()), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(column, row), lastCell);
        QCOMPARE(qobject_cast<LightItem *>(item->panels().first())->deviceInfo().light_id, 1);
    }
    QVERIFY(stretchColumn < grid->columnCount());
    QVERIFY(stretchRow < grid->rowCount());
    for (int c = 0; c < grid->columnCount(); ++c)
        QVERIFY2(grid->columnStretch(c) == (c == stretchColumn ? 1 : 0), qPrintable(QString::number(c)));
    for (int r = 0; r < grid->rowCount(); ++r)
        QVERIFY2(grid->rowStretch(r) == (r == stretchRow ? 1 : 0), qPrintable(QString::number(r)));
}

void TestRoomItem::titleAndPicture()
{
    QVERIFY(gDatabase.execSql("update tbl_room set icon_name='room_5'"));
    RoomItem *item = card();
    QCOMPARE(item->title(), QString("A-1-101"));
    QCOMPARE(item->pictureName(), QString("room_5"));
    QCOMPARE(RoomItem::picturePath("room_5"), QString(":/myImages/jpg/room/room_5.jpg"));
    // A user photo is drawn only from the current project's folder, which this station does not have.
    QVERIFY(RoomItem::picturePath("photo_7").isEmpty());

    roomId = 99;
    RoomItem *missing = card();
    QCOMPARE(missing->title(), QString("--"));
    QVERIFY(missing->pictureName().isEmpty());
    QVERIFY(missing->panels().isEmpty());
    // Painting a card without picture is harmless.
    missing->repaint();
}

void TestRoomItem::refreshStartsTheStripThenThePanelsStaggered()
{
    for (int i = 1; i <= 3; ++i)
        QVERIFY(addLight(roomId, dimmer(i, 20 + i)));
    QVERIFY(addOccupation(roomId, 0, 1, 40, 1));
    SimulatedDevice *sensor = panelbus::addDevice(1, 40, nullptr);
    devices << sensor;
    QList<SimulatedDevice *> lights = {device(21), device(22), device(23)};
    RoomItem *item = card();
    QVERIFY(item->strip()->isOccupationConfigured());

    item->startRefreshDelayed(0);
    const QList<DevicePanel *> panels = item->panels();
    QVERIFY(panels.at(0)->readRuns());
    QVERIFY(!panels.at(1)->readRuns());
    QVERIFY(!panels.at(2)->readRuns());
    QVERIFY(panels.at(1)->hasPendingTick());
    QVERIFY(item->strip()->hasPendingTick() || item->strip()->isRefreshFinished());
    QTRY_VERIFY(panels.at(1)->readRuns());
    QVERIFY(!panels.at(2)->readRuns());
    QTRY_VERIFY(panels.at(2)->readRuns());
    for (int i = 0; i < 3; ++i)
        QTRY_VERIFY(panels.at(i)->isRefreshFinished());
    for (SimulatedDevice *light : lights)
        QCOMPARE(panelbus::framesTo(*light), QStringList({"EFFD:", "0033:"}));
    QVERIFY(panelbus::settle(*sensor));
    QCOMPARE(panelbus::framesTo(*sensor).first(), QString("012C:"));
}

void TestRoomItem::delayedStartRunsOnceForTheLastCall()
{
    QVERIFY(addLight(roomId, dimmer(1, 21)));
    SimulatedDevice *light = device(21);
    RoomItem *item = card();
    DevicePanel *panel = item->panels().first();

    // A long wait replaced by a short one: the short one runs.
    item->startRefreshDelayed(3600 * 1000);
    QVERIFY(item->isRefreshPending());
    item->startRefreshDelayed(30);
    QTRY_VERIFY(panel->readRuns());
    QVERIFY(!item->isRefreshPending());
    QTRY_VERIFY(item->isRefreshFinished());

    // A short wait replaced by a long one: nothing starts.
    emit gBroadcastSocket.signalsStopRefresh(false);
    item->startRefreshDelayed(1);
    item->startRefreshDelayed(3600 * 1000);
    QVERIFY(panelbus::settle(*light));
    QCOMPARE(panelbus::framesTo(*light).size(), 2);
    QVERIFY(!panel->readRuns());
    QVERIFY(item->isRefreshPending());

    // Zero and less start at once.
    item->startRefreshDelayed(-5);
    QVERIFY(panel->readRuns());
    QVERIFY(!item->isRefreshPending());
}

void TestRoomItem::pageChangeCancelsAWaitingCard()
{
    QVERIFY(addLight(roomId, dimmer(1, 21)));
    SimulatedDevice *light = device(21);
    RoomItem *item = card();
    item->startRefreshDelayed(50);
    emit gBroadcastSocket.signalsStopRefresh(false);
    QVERIFY(!item->isRefreshPending());
    QVERIFY(panelbus::settle(*light));
    QVERIFY(panelbus::framesTo(*light).isEmpty());
}

void TestRoomItem::finishedAsksThePanelsInOrderThenTheStrip()
{
    for (int i = 1; i <= 3; ++i)
        QVERIFY(addLight(roomId, dimmer(i, 20 + i)));
    device(21);
    device(22, false);
    device(23);
    QVERIFY(addMaster(roomId, 1, 41, 1));
    SimulatedDevice *master = panelbus::addDevice(1, 41, nullptr);
    master->answers = false;
    devices << master;

    RoomItem *item = card();
    item->startRefreshDelayed(0);
    const QList<DevicePanel *> panels = item->panels();
    QTRY_VERIFY(panels.at(0)->isRefreshFinished());
    QTRY_VERIFY(panels.at(2)->isRefreshFinished());
    // The second panel's device is silent: the card is not done, whatever the third says.
    QVERIFY(!panels.at(1)->isRefreshFinished());
    QVERIFY(!item->isRefreshFinished());

    // Ten unanswered requests end the second panel's read; the silent master switch still holds the card.
    for (int i = 0; i < 9; ++i)
        panels.at(1)->slotsGetStatus();
    QVERIFY(panels.at(1)->isRefreshFinished());
    QVERIFY(!item->strip()->isRefreshFinished());
    QVERIFY(!item->isRefreshFinished());
    for (int i = 0; i < 9; ++i)
        item->strip()->slotsGetStatus();
    QVERIFY(item->strip()->isRefreshFinished());
    QVERIFY(item->isRefreshFinished());
}

void TestRoomItem::moodCardsRefreshOnlyTheStrip()
{
    QVERIFY(addLight(roomId, dimmer(1, 21)));
    SimulatedDevice *light = device(21);
    QVERIFY(addMood(roomId, 1, "Evening"));
    QVERIFY(addMood(roomId, 2, "Night"));
    RoomItem *item = card(RoomItemMoods);
    QVERIFY(item->panels().isEmpty());
    QCOMPARE(item->items().size(), 2);
    QCOMPARE(qobject_cast<MoodItem *>(item->items().at(1))->mood().mood_id, 2);
    item->startRefreshDelayed(0);
    // No strip configured and no panel: finished at once, and no light was asked.
    QVERIFY(item->isRefreshFinished());
    QVERIFY(panelbus::settle(*light));
    QVERIFY(panelbus::framesTo(*light).isEmpty());
}

QTEST_MAIN(TestRoomItem)
#include "tst_roomitem.moc"

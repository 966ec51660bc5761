// The 3D room grids "3D View" and "3D View Manager": cards in region, floor and room order, the default picture
// row given on a visible build only, the columns across the screen, and where a card leads.

#include "pages/view3d/page3dview.h"
#include "pages/view3d/pagesetting3dviewmanager.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "resources/stationresources.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"
#include "tests/support/projectfixture.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QGridLayout>
#include <QSignalSpy>
#include <QtTest>

using namespace projectfixture;

namespace {

QString pictureOf(int roomId)
{
    const QVariant name = value("select icon_name from tbl_3d_view_manager where room_id=?", {roomId}, "icon_name");
    return name.isValid() ? name.toString() : QString("<no row>");
}

} // namespace

class TestRoomGrids : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cardsAndDefaultPictures_data();
    void cardsAndDefaultPictures();
    void hiddenPageBuildsNothing();
    void refusedDefaultRowIsTold_data();
    void refusedDefaultRowIsTold();
    void columnsAcrossTheScreen_data();
    void columnsAcrossTheScreen();
    void rebuildReplacesTheCards();
    void operationCardNavigates();
    void managerCardNavigates();
    void cardOfARemovedRoomGoesNowhere();

private:
    RoomGrid3D *makePage(bool manager, bool visible = true);
    QList<ManagerItem *> cards(RoomGrid3D *page) const;
    void enter() { emit gBroadcastSocket.signalsPageEnter(QString(), QString()); }

    QTemporaryDir home;
    QScopedPointer<RoomGrid3D> page;
    QStringList navigations;
};

void TestRoomGrids::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged, this,
            [this](QString id, QString name, QString prm1, QString prm2) {
                navigations << QStringList{id, name, prm1, prm2}.join('|');
            });
}

void TestRoomGrids::init()
{
    stationfixture::prepareProject(home.path(), LocalNetwork);
    gScreenWidth = 1920;
    navigations.clear();
}

void TestRoomGrids::cleanup()
{
    page.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

RoomGrid3D *TestRoomGrids::makePage(bool manager, bool visible)
{
    if (manager)
        page.reset(new PageSetting3DViewManager("3D View Manager", "3D View Manager", nullptr));
    else
        page.reset(new Page3DView("3D View", "3D View", nullptr));
    if (visible)
        page->show();
    return page.data();
}

QList<ManagerItem *> TestRoomGrids::cards(RoomGrid3D *grid) const
{
    QList<ManagerItem *> list;
    for (QWidget *tile : grid->grid()->tiles())
        list << qobject_cast<ManagerItem *>(tile);
    return list;
}

void TestRoomGrids::cardsAndDefaultPictures_data()
{
    QTest::addColumn<bool>("manager");
    QTest::newRow("3D View") << false;
    QTest::newRow("3D View Manager") << true;
}

void TestRoomGrids::cardsAndDefaultPictures()
{
    QFETCH(bool, manager);
    const int south = addRegion("South");
    const int north = addRegion("North");
    const int upper = addFloor(north, "2F");
    const int ground = addFloor(north, "1F");
    const int southGround = addFloor(south, "G");
    const int plain = addRoom(north, upper, "201");
    const int photo = addRoom(north, ground, "102");
    const int empty = addRoom(north, ground, "101");
    const int first = addRoom(south, southGround, "S1");
    const int orphan = addRoom(99, 98, "Lost");
    QVERIFY(
        insertRow("tbl_3d_view_manager", {{"icon_name", QString("photo_3dView_%1").arg(photo)}, {"room_id", photo}}));
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", QString()}, {"room_id", empty}}));

    RoomGrid3D *grid = makePage(manager);
    enter();
    const QList<ManagerItem *> list = cards(grid);
    QStringList seen;
    for (ManagerItem *card : list) {
        QCOMPARE(card->type(), int(View3DTile));
        QVERIFY(!card->deleteButton());
        QCOMPARE(card->size(), QSize(300, 160));
        seen << QString("%1 %2 %3").arg(card->id()).arg(card->name(), card->iconName());
    }
    // Region ids, then floor ids, then room ids; a missing region or floor leaves its part of the label empty.
    QCOMPARE(seen, (QStringList{QString("%1 South-G-S1 3d_view_01").arg(first),
                                QString("%1 North-2F-201 3d_view_01").arg(plain),
                                QString("%1 North-1F-102 photo_3dView_%1").arg(photo),
                                QString("%1 North-1F-101 ").arg(empty), QString("%1 --Lost 3d_view_01").arg(orphan)}));
    QCOMPARE(pictureOf(plain), QString("3d_view_01"));
    QCOMPARE(pictureOf(first), QString("3d_view_01"));
    QCOMPARE(pictureOf(empty), QString(""));
    QCOMPARE(rowCount("tbl_3d_view_manager"), 5);

    // Later builds find the rows and insert nothing.
    enter();
    QCOMPARE(rowCount("tbl_3d_view_manager"), 5);
    QCOMPARE(cards(grid).size(), 5);
}

void TestRoomGrids::refusedDefaultRowIsTold_data()
{
    cardsAndDefaultPictures_data();
}

void TestRoomGrids::refusedDefaultRowIsTold()
{
    QFETCH(bool, manager);
    const int first = addPlace("A", "1F", "101").roomId;
    const int second = addPlace("B", "1F", "102").roomId;
    const int placed = addPlace("C", "1F", "103").roomId;
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", "3d_view_07"}, {"room_id", placed}}));
    QVERIFY(gDatabase.execSql(
        "create trigger refuse before insert on tbl_3d_view_manager begin select raise(abort, 'refused'); end"));
    QSignalSpy told(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    RoomGrid3D *grid = makePage(manager);
    enter();

    // Told once for the build; the cards still show the default picture, and the stored row is read.
    QCOMPARE(told.count(), 1);
    const QString text = told.first().at(0).toString();
    QVERIFY2(text.startsWith("The 3D view pictures of the rooms could not be read or stored: ") &&
                 text.contains("refused"),
             qPrintable(text));
    QStringList pictures;
    for (ManagerItem *card : cards(grid))
        pictures << QString("%1 %2").arg(card->id()).arg(card->iconName());
    QCOMPARE(pictures, (QStringList{QString("%1 3d_view_01").arg(first), QString("%1 3d_view_01").arg(second),
                                    QString("%1 3d_view_07").arg(placed)}));
    QCOMPARE(pictureOf(first), QString("<no row>"));
    QCOMPARE(rowCount("tbl_3d_view_manager"), 1);
}

void TestRoomGrids::hiddenPageBuildsNothing()
{
    const Place place = addPlace("A", "1F", "101");
    makePage(false, false);
    enter();
    QCOMPARE(cards(page.data()).size(), 0);
    QCOMPARE(pictureOf(place.roomId), QString("<no row>"));
    makePage(true, false);
    enter();
    QCOMPARE(pictureOf(place.roomId), QString("<no row>"));
}

void TestRoomGrids::columnsAcrossTheScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spacing");
    QTest::newRow("1920") << 1920 << 6 << 17;
    QTest::newRow("1800, an exact multiple") << 1800 << 5 << 50;
    QTest::newRow("300, one card wide") << 300 << 1 << 0;
    QTest::newRow("narrower than a card") << 200 << 1 << 0;
}

void TestRoomGrids::columnsAcrossTheScreen()
{
    QFETCH(int, width);
    QFETCH(int, columns);
    QFETCH(int, spacing);
    gScreenWidth = width;
    const Place place = addPlace("A", "1F", "101");
    addRoom(place.regionId, place.floorId, "102");
    RoomGrid3D *grid = makePage(false);
    enter();
    QCOMPARE(grid->grid()->columns(), columns);
    QCOMPARE(grid->grid()->layout()->horizontalSpacing(), spacing);
    QCOMPARE(grid->grid()->layout()->verticalSpacing(), 20);
    const QList<ManagerItem *> list = cards(grid);
    QCOMPARE(list.size(), 2);
    int row = -1, column = -1, span = 0;
    grid->grid()->layout()->getItemPosition(grid->grid()->layout()->indexOf(list.last()), &row, &column, &span, &span);
    QCOMPARE(row, columns == 1 ? 1 : 0);
    QCOMPARE(column, columns == 1 ? 0 : 1);
}

void TestRoomGrids::rebuildReplacesTheCards()
{
    const Place place = addPlace("A", "1F", "101");
    RoomGrid3D *grid = makePage(true);
    enter();
    QPointer<ManagerItem> old = cards(grid).value(0);
    QVERIFY(old);
    addRoom(place.regionId, place.floorId, "102");
    enter();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
    QCOMPARE(cards(grid).size(), 2);
}

void TestRoomGrids::operationCardNavigates()
{
    QVERIFY(insertRow("tbl_region", {{"region_id", 1}, {"region_name", "A"}}));
    QVERIFY(insertRow("tbl_floor", {{"floor_id", 3}, {"region_id", 1}, {"floor_name", "1F"}}));
    QVERIFY(insertRow("tbl_room", {{"room_id", 12}, {"room_name", "101"}, {"floor_id", 3}, {"region_id", 1}}));
    RoomGrid3D *grid = makePage(false);
    enter();
    emit cards(grid).value(0)->signalsPressed();
    QCOMPARE(navigations, QStringList{"Operate Room 3D View|A-1F-101|12|"});
}

void TestRoomGrids::managerCardNavigates()
{
    QVERIFY(insertRow("tbl_room", {{"room_id", 12}, {"room_name", "101"}, {"floor_id", 3}, {"region_id", 1}}));
    RoomGrid3D *grid = makePage(true);
    enter();
    emit cards(grid).value(0)->signalsPressed();
    QCOMPARE(navigations, QStringList{"3D View Setting|3D View Setting|12|"});
}

void TestRoomGrids::cardOfARemovedRoomGoesNowhere()
{
    const Place place = addPlace("A", "1F", "101");
    RoomGrid3D *grid = makePage(false);
    enter();
    QVERIFY(gDatabase.execSql("delete from tbl_room where room_id=?", {place.roomId}));
    emit cards(grid).value(0)->signalsPressed();
    QVERIFY(navigations.isEmpty());
}

QTEST_MAIN(TestRoomGrids)
#include "tst_roomgrids.moc"

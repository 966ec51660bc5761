// "Home" and "Rooms" in the station's main window: the grid rule of every card grid, the room cards in id order
// with their names and pending messages, the reloads, and the navigation that tiles and cards ask for.

#include "pages/rooms/homemanager3dviewiconitem.h"
#include "pages/rooms/homemanageritem.h"
#include "pages/rooms/homemanagerroomsiconitem.h"
#include "pages/rooms/pagehome.h"
#include "pages/rooms/pagerooms.h"
#include "pages/rooms/roomcardgrid.h"

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "resources/stationresources.h"
#include "shell/mainwindow.h"
#include "shell/manageritem.h"
#include "shell/settingitem.h"
#include "shell/tilegrid.h"
#include "tests/support/layoutcells.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QScrollBar>
#include <QWindow>
#include <QtTest>

#include <algorithm>

using namespace projectfixture;

class TestHomePages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void gridRule_data();
    void gridRule();
    void roomStretches_data();
    void roomStretches();

    void startsOnHomeWithTheRoomCards();
    void frameShowsBeforeTheProjectIsRead();
    void cardsInIdOrderWhateverTheNames();
    void cardClickOpensTheRoom();
    void deletedRoomOpensNothing();
    void missingRegionLeavesItsPartEmpty();
    void homeReloadsOnEntryAndOnProjectSwitchWhileHidden();
    void roomsReloadsOnEntryOnly();
    void hiddenPagesIgnoreEntry();
    void tilesAndDeviceKindCardsNavigate();
    void homeCardShowsPendingMessagesOfToday();
    void cardsAreMadeAsTheirRowsComeIntoView();
    void cardMadeLateShowsItsRoomAsItIsThen();

private:
    void go(const QString &id) { emit gBroadcastSocket.signalsPageIdChanged(id, id, QString(), QString()); }
    PageHome *home() const { return qobject_cast<PageHome *>(window->page("Home")); }
    PageRooms *rooms() const { return qobject_cast<PageRooms *>(window->page("Rooms")); }
    static QStringList names(const RoomCardGrid *grid);
    static QPoint cellOf(QGridLayout *layout, QWidget *widget);

    QTemporaryDir tmp;
    QScopedPointer<MainWindow> window;
    QStringList navigations;
};

void TestHomePages::initTestCase()
{
    testenv::useFreshHome(tmp);
    initStationResources();
    registerStationPages();
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged, this,
            [this](QString id, QString name, QString prm1, QString prm2) {
                navigations << QStringList{id, name, prm1, prm2}.join('|');
            });
}

void TestHomePages::init()
{
    REQUIRE_PRIVATE_NETWORK();
    stationfixture::prepareProject(tmp.path(), LocalNetwork);
    gScreenWidth = 1920;
    navigations.clear();
}

void TestHomePages::cleanup()
{
    ManagerItem::setRotationInterval(3000);
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList TestHomePages::names(const RoomCardGrid *grid)
{
    QStringList list;
    for (ManagerItem *card : grid->cards())
        list << card->name();
    return list;
}

QPoint TestHomePages::cellOf(QGridLayout *layout, QWidget *widget)
{
    int row, column, rowSpan, columnSpan;
    layout->getItemPosition(layout->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}

void TestHomePages::gridRule_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spacing");
    // Room cards of the rooms page (A = screen width).
    QTest::newRow("rooms 1920") << 1920 << 300 << 6 << 17;
    QTest::newRow("rooms 1280") << 1280 << 300 << 4 << 16;
    QTest::newRow("rooms 1200, a multiple") << 1200 << 300 << 3 << 75;
    // The home strip (A = screen width - 128).
    QTest::newRow("strip 1920") << 1920 - 128 << 300 << 5 << 48;
    QTest::newRow("strip 1366") << 1366 - 128 << 300 << 4 << 7;
    // Device-kind cards.
    QTest::newRow("kinds 1920, a multiple") << 1920 << 192 << 9 << 19;
    QTest::newRow("kinds 1366") << 1366 << 192 << 7 << 2;
    // Panels inside a room card.
    QTest::newRow("panels 1920") << 1920 << 500 << 3 << 105;
    QTest::newRow("panels 1366") << 1366 << 500 << 2 << 122;
    QTest::newRow("panels 1600") << 1600 << 500 << 3 << 25;
    QTest::newRow("panels 1000, a multiple") << 1000 << 500 << 1 << 250;
    QTest::newRow("panels 501") << 501 << 500 << 1 << 0;
    // Too narrow for one card: still one column, no negative spacing.
    QTest::newRow("panels 500") << 500 << 500 << 1 << 0;
    QTest::newRow("panels 320") << 320 << 500 << 1 << 0;
    QTest::newRow("rooms 300") << 300 << 300 << 1 << 0;
    QTest::newRow("strip on 400") << 400 - 128 << 300 << 1 << 0;
    QTest::newRow("kinds 100") << 100 << 192 << 1 << 0;
}

void TestHomePages::gridRule()
{
    QFETCH(int, width);
    QFETCH(int, card);
    QFETCH(int, columns);
    QFETCH(int, spacing);
    QCOMPARE(TileGrid::columnsFor(width, card), columns);
    QCOMPARE(TileGrid::spacingFor(width, card), spacing);
}

void TestHomePages::roomStretches_data()
{
    QTest::addColumn<int>("roomCount");
    QTest::addColumn<int>("stretchColumn");
    QTest::addColumn<int>("stretchRow");
    // 1920 wide: six columns.
    QTest::newRow("no room") << 0 << 6 << 0;
    QTest::newRow("three") << 3 << 3 << 1;
    QTest::newRow("one full row") << 6 << 6 << 1;
    QTest::newRow("seven") << 7 << 6 << 2;
}

void TestHomePages::roomStretches()
{
    QFETCH(int, roomCount);
    QFETCH(int, stretchColumn);
    QFETCH(int, stretchRow);
    const int region = addRegion("A");
    const int floor = addFloor(region, "1");
    for (int i = 0; i < roomCount; ++i)
        addRoom(region, floor, QString::number(101 + i));
    window.reset(new MainWindow);
    go("Rooms");
    QGridLayout *layout = rooms()->roomCards()->grid()->layout();
    QCOMPARE(rooms()->roomCards()->cards().size(), roomCount);
    QCOMPARE(layout->horizontalSpacing(), 17);
    QCOMPARE(layout->verticalSpacing(), 20);
    if (roomCount > 0)
        QCOMPARE(cellOf(layout, rooms()->roomCards()->cards().last()),
                 QPoint((roomCount - 1) % 6, (roomCount - 1) / 6));
    for (int c = 0; c < layout->columnCount(); ++c)
        QCOMPARE(layout->columnStretch(c), c == stretchColumn ? 1 : 0);
    for (int r = 0; r < layout->rowCount(); ++r)
        QCOMPARE(layout->rowStretch(r), r == stretchRow ? 1 : 0);
}

void TestHomePages::startsOnHomeWithTheRoomCards()
{
    addPlace("A", "1", "101");
    addPlace("B", "2", "201");
    window.reset(new MainWindow);
    QVERIFY(home());
    QVERIFY(home()->isVisible());
    QCOMPARE(names(home()->strip()->roomCards()), QStringList({"A-1-101", "B-2-201"}));
    // The strip's five columns of 300 on 1920 - 128.
    QCOMPARE(home()->strip()->roomCards()->grid()->columns(), 5);
    QCOMPARE(home()->strip()->roomCards()->grid()->layout()->horizontalSpacing(), 48);
    for (ManagerItem *card : home()->strip()->roomCards()->cards()) {
        QCOMPARE(card->type(), int(RoomTile));
        QCOMPARE(card->size(), QSize(300, 160));
        QCOMPARE(card->color(), QColor(0x1F, 0x29, 0x33));
        QVERIFY(!card->deleteButton());
        QTRY_VERIFY(card->isVisible());
    }
    QCOMPARE(home()->strip()->height(), 300);
}

void TestHomePages::frameShowsBeforeTheProjectIsRead()
{
    addPlace("A", "1", "101");
    // What the program's start does there (opening the project) comes after the frame is on screen and before
    // any page exists; the home page then reads what it left.
    bool ran = false, frameExposed = false;
    int pagesThen = -1;
    window.reset(new MainWindow(nullptr, [&] {
        ran = true;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *shown = qobject_cast<MainWindow *>(top)) {
                frameExposed = shown->isVisible() && shown->windowHandle() && shown->windowHandle()->isExposed();
                pagesThen = shown->createdPages().size();
            }
        }
        addPlace("B", "2", "201");
    }));
    QVERIFY(ran);
    QVERIFY(frameExposed);
    QCOMPARE(pagesThen, 0);
    QVERIFY(home());
    QCOMPARE(names(home()->strip()->roomCards()), QStringList({"A-1-101", "B-2-201"}));
}

void TestHomePages::cardsInIdOrderWhateverTheNames()
{
    // Regions, floors and rooms are added so that names and ids disagree.
    const int regionZ = addRegion("Z");
    const int regionA = addRegion("A");
    const int floorZ2 = addFloor(regionZ, "2");
    const int floorZ1 = addFloor(regionZ, "1");
    const int floorA = addFloor(regionA, "9");
    addRoom(regionA, floorA, "001");
    addRoom(regionZ, floorZ1, "900");
    addRoom(regionZ, floorZ2, "500");
    addRoom(regionZ, floorZ2, "100");
    window.reset(new MainWindow);
    QCOMPARE(names(home()->strip()->roomCards()), QStringList({"Z-2-500", "Z-2-100", "Z-1-900", "A-9-001"}));
    go("Rooms");
    QCOMPARE(names(rooms()->roomCards()), QStringList({"Z-2-500", "Z-2-100", "Z-1-900", "A-9-001"}));
}

void TestHomePages::cardClickOpensTheRoom()
{
    const Place place = addPlace("A", "1", "101");
    QCOMPARE(place.roomId, 1);
    window.reset(new MainWindow);
    navigations.clear();
    emit home()->strip()->roomCards()->cards().first()->signalsPressed();
    QCOMPARE(navigations, QStringList({"Operate Room|A-1-101|1|1"}));

    // A renamed room is opened under its name now, not the card's.
    QVERIFY(gDatabase.execSql("update tbl_room set room_name='102' where room_id=1"));
    go("Rooms");
    navigations.clear();
    emit rooms()->roomCards()->cards().first()->signalsPressed();
    QCOMPARE(navigations, QStringList({"Operate Room|A-1-102|1|1"}));

    // Only rooms open.
    navigations.clear();
    rooms()->slotsEdit(AddTile, 1);
    home()->strip()->slotsEdit(MessageTile, 1);
    QVERIFY(navigations.isEmpty());
}

void TestHomePages::deletedRoomOpensNothing()
{
    addPlace("A", "1", "101");
    window.reset(new MainWindow);
    QVERIFY(gDatabase.execSql("delete from tbl_room"));
    navigations.clear();
    emit home()->strip()->roomCards()->cards().first()->signalsPressed();
    QVERIFY(navigations.isEmpty());
}

void TestHomePages::missingRegionLeavesItsPartEmpty()
{
    const Place place = addPlace("A", "1", "101");
    QVERIFY(gDatabase.execSql("delete from tbl_region"));
    window.reset(new MainWindow);
    QCOMPARE(names(home()->strip()->roomCards()), QStringList({"-1-101"}));
    navigations.clear();
    home()->strip()->slotsEdit(RoomTile, place.roomId);
    QCOMPARE(navigations, QStringList({"Operate Room|-1-101|1|1"}));
}

void TestHomePages::homeReloadsOnEntryAndOnProjectSwitchWhileHidden()
{
    const Place place = addPlace("A", "1", "101");
    window.reset(new MainWindow);
    QCOMPARE(home()->strip()->roomCards()->cards().size(), 1);

    addRoom(place.regionId, place.floorId, "102");
    go("Rooms");
    QCOMPARE(home()->strip()->roomCards()->cards().size(), 1);
    go("Home");
    QCOMPARE(names(home()->strip()->roomCards()), QStringList({"A-1-101", "A-1-102"}));

    // Another project while "Rooms" is shown: Home follows at once.
    go("Rooms");
    openFreshDatabase(QDir(tmp.path()).filePath("other.db3"));
    addPlace("X", "7", "701");
    emit gBroadcastSocket.signalsProjectStateChanged("other");
    QVERIFY(!home()->isVisible());
    QCOMPARE(names(home()->strip()->roomCards()), QStringList({"X-7-701"}));
}

void TestHomePages::roomsReloadsOnEntryOnly()
{
    const Place place = addPlace("A", "1", "101");
    window.reset(new MainWindow);
    go("Rooms");
    QCOMPARE(names(rooms()->roomCards()), QStringList({"A-1-101"}));
    addRoom(place.regionId, place.floorId, "102");
    emit gBroadcastSocket.signalsProjectStateChanged("Home");
    QCOMPARE(rooms()->roomCards()->cards().size(), 1);
    go("Rooms");
    QCOMPARE(names(rooms()->roomCards()), QStringList({"A-1-101", "A-1-102"}));
    // The old cards go later, not while a click on one of them may still run.
    QCOMPARE(layoutcells::widgets(rooms()->roomCards()->grid()->layout()), 2);
    QCOMPARE(layoutcells::keptCells(rooms()->roomCards()->grid()->layout()), 2);
}

void TestHomePages::hiddenPagesIgnoreEntry()
{
    const Place place = addPlace("A", "1", "101");
    window.reset(new MainWindow);
    go("Rooms");
    go("Setting");
    addRoom(place.regionId, place.floorId, "102");
    emit gBroadcastSocket.signalsPageEnter(QString(), QString());
    QCOMPARE(home()->strip()->roomCards()->cards().size(), 1);
    QCOMPARE(rooms()->roomCards()->cards().size(), 1);
}

void TestHomePages::tilesAndDeviceKindCardsNavigate()
{
    window.reset(new MainWindow);
    navigations.clear();
    emit home()->strip()->view3DTile()->signalsPressed();
    emit home()->strip()->roomsTile()->signalsPressed();
    QCOMPARE(navigations, QStringList({"3D View|3D View||", "Rooms|Rooms||"}));
    QCOMPARE(home()->strip()->view3DTile()->size(), QSize(128, 128));
    QVERIFY(rooms() && rooms()->isVisible());

    go("Home");
    navigations.clear();
    QStringList ids;
    QGridLayout *layout = qobject_cast<QGridLayout *>(home()->deviceKindBox()->layout());
    QVERIFY(layout);
    // Nine columns of 192 on 1920; the four cards fill one short row.
    QCOMPARE(layout->horizontalSpacing(), 19);
    QCOMPARE(layout->columnStretch(4), 1);
    QCOMPARE(layout->rowStretch(1), 1);
    for (int i = 0; i < 4; ++i) {
        auto *card = qobject_cast<SettingItem *>(layout->itemAtPosition(0, i)->widget());
        QVERIFY(card);
        QCOMPARE(card->size(), QSize(192, 192));
        QCOMPARE(card->pictureSize(), QSize(128, 128));
        ids << card->pageId();
        emit card->signalsPressed();
    }
    QCOMPARE(ids, QStringList({"Lighting", "AC", "Floor Heat", "Moods"}));
    QCOMPARE(navigations, QStringList({"Lighting|Lighting||", "AC|AC||", "Floor Heat|Floor Heat||", "Moods|Moods||"}));
}

void TestHomePages::homeCardShowsPendingMessagesOfToday()
{
    const Place place = addPlace("A", "1", "101");
    const QString now = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss");
    QVERIFY(insertRow("tbl_message", {{"message_id", 1},
                                      {"message_remark", "Towels"},
                                      {"message_type", 0},
                                      {"icon_name", "message_01"},
                                      {"universal_switch_no", 1}}));
    QVERIFY(insertRow("tbl_message_log", {{"id", 1},
                                          {"message_id", 1},
                                          {"message_type", 0},
                                          {"message_status", 0},
                                          {"panel_id", 1},
                                          {"room_id", place.roomId},
                                          {"recv_time", now}}));
    QVERIFY(insertRow("tbl_message_log", {{"id", 2},
                                          {"message_id", 1},
                                          {"message_type", 0},
                                          {"message_status", 3},
                                          {"panel_id", 1},
                                          {"room_id", place.roomId},
                                          {"recv_time", now}}));
    window.reset(new MainWindow);
    const QList<ManagerItem *> cards = home()->strip()->roomCards()->cards();
    QCOMPARE(cards.size(), 1);
    QCOMPARE(cards.first()->messages().size(), 1);
    QCOMPARE(cards.first()->messages().first().id, 1);
}

void TestHomePages::cardsAreMadeAsTheirRowsComeIntoView()
{
    // Fifty-five rooms, nine rows of six and one card on "Rooms". Room "101" (id 1) is the only one of region A,
    // whose id comes after B's: its card is the last of the grid, alone in row 9.
    const int regionB = addRegion("B");
    const int regionA = addRegion("A");
    const int floorA = addFloor(regionA, "1");
    const int floorB = addFloor(regionB, "2");
    QCOMPARE(addRoom(regionA, floorA, "101"), 1);
    for (int i = 0; i < 54; ++i)
        addRoom(regionB, floorB, QString::number(201 + i));
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    QVERIFY(insertRow("tbl_message", {{"message_id", 1},
                                      {"message_remark", "Towels"},
                                      {"message_type", 0},
                                      {"icon_name", "message_01"},
                                      {"universal_switch_no", 1}}));
    QVERIFY(insertRow("tbl_message_log", {{"id", 1},
                                          {"message_id", 1},
                                          {"message_type", 0},
                                          {"message_status", 0},
                                          {"panel_id", 1},
                                          {"room_id", 1},
                                          {"recv_time", today + " 08:00:00"}}));
    ManagerItem::setRotationInterval(20);
    window.reset(new MainWindow);
    go("Rooms");
    RoomCardGrid *grid = rooms()->roomCards();
    QGridLayout *layout = grid->grid()->layout();
    auto *canvas = rooms()->findChild<QtMaterialCanvas *>();
    QVERIFY(canvas);
    QWidget *box = canvas->widget();
    QTRY_VERIFY(canvas->verticalScrollBar()->maximum() > 0);

    // Every room has its cell, so the grid and its scroll range are those of all cards; only the rows in and
    // near view have theirs.
    QCOMPARE(grid->roomCount(), 55);
    QCOMPARE(grid->roomNames().first(), QString("B-2-201"));
    QCOMPARE(grid->roomNames().last(), QString("A-1-101"));
    QCOMPARE(layoutcells::keptCells(layout), 55);
    QCOMPARE(layout->rowStretch(10), 1);
    QCOMPARE(layout->columnStretch(6), 1);
    QCOMPARE(box->minimumSizeHint().height(), layout->contentsMargins().top() + 10 * 160 + 9 * 20 +
                                                  layout->contentsMargins().bottom() + box->contentsMargins().top() +
                                                  box->contentsMargins().bottom());
    const int madeFirst = grid->cards().size();
    QVERIFY(madeFirst > 0);
    QVERIFY(madeFirst < 55);
    QCOMPARE(madeFirst % 6, 0);
    for (int i = 0; i < madeFirst; ++i)
        QCOMPARE(grid->cards().at(i)->name(), grid->roomNames().at(i));
    // Home makes only its first rows too.
    QVERIFY(home()->strip()->roomCards()->cards().size() < 55);
    QCOMPARE(home()->strip()->roomCards()->roomCount(), 55);

    // A message that comes while room 101 has no card yet.
    QVERIFY(insertRow("tbl_message_log", {{"id", 2},
                                          {"message_id", 1},
                                          {"message_type", 1},
                                          {"message_status", 0},
                                          {"panel_id", 1},
                                          {"room_id", 1},
                                          {"recv_time", today + " 09:00:00"}}));
    universalSwitchMessage msg{};
    msg.id = 2;
    msg.room_id = 1;
    emit gBroadcastSocket.signalsAppendMessage(msg);

    const int height = box->height();
    canvas->verticalScrollBar()->setValue(canvas->verticalScrollBar()->maximum());
    ManagerItem *last = grid->cards().last();
    QCOMPARE(last->name(), QString("A-1-101"));
    QCOMPARE(last->id(), 1);
    QCOMPARE(cellOf(layout, last), QPoint(0, 9));
    QTRY_VERIFY(last->isVisible());
    layout->activate();
    QCOMPARE(last->geometry(), layout->cellRect(9, 0));
    QCOMPARE(box->height(), height);
    QCOMPARE(layoutcells::keptCells(layout), 55);
    // Each card made once, in its room's cell.
    const QList<ManagerItem *> made = grid->cards();
    QVERIFY(made.size() > madeFirst);
    QVERIFY(made.size() < 55);
    QCOMPARE(QSet<ManagerItem *>(made.begin(), made.end()).size(), made.size());
    for (ManagerItem *card : made) {
        const int index = grid->roomNames().indexOf(card->name());
        QCOMPARE(cellOf(layout, card), QPoint(index % 6, index / 6));
    }

    // The card made late shows both messages, in turn.
    QCOMPARE(last->messages().size(), 2);
    QVERIFY(last->isRotating());
    QVERIFY(!grid->cards().first()->isRotating());
    QTRY_COMPARE(last->currentMessageIndex(), 0);
    QTRY_COMPARE(last->currentMessageIndex(), 1);

    // And it opens its room like any card.
    navigations.clear();
    QTest::mouseClick(last, Qt::LeftButton);
    QVERIFY(!navigations.isEmpty());
    QCOMPARE(navigations.first(), QString("Operate Room|A-1-101|1|1"));
}

void TestHomePages::cardMadeLateShowsItsRoomAsItIsThen()
{
    // Sixty rooms, ten rows of six: the last row's cards are made only when it is scrolled into view.
    const int region = addRegion("A");
    const int floor = addFloor(region, "1");
    for (int i = 0; i < 60; ++i)
        addRoom(region, floor, QString::number(101 + i));
    window.reset(new MainWindow);
    go("Rooms");
    RoomCardGrid *grid = rooms()->roomCards();
    auto *canvas = rooms()->findChild<QtMaterialCanvas *>();
    QVERIFY(canvas);
    QTRY_VERIFY(canvas->verticalScrollBar()->maximum() > 0);
    const int madeFirst = grid->cards().size();
    QVERIFY(madeFirst < 54);

    // Before its card is made, one room of the last row is renamed and given another picture, and one is deleted.
    QVERIFY(gDatabase.execSql("update tbl_room set room_name='Suite',icon_name='room_7' where room_id=55"));
    QVERIFY(gDatabase.execSql("delete from tbl_room where room_id=60"));
    QCOMPARE(grid->roomCount(), 60);

    canvas->verticalScrollBar()->setValue(canvas->verticalScrollBar()->maximum());
    QTRY_VERIFY(grid->cards().last()->name() == QString("A-1-159"));
    const QList<ManagerItem *> made = grid->cards();
    const auto named = [&made](const QString &name) {
        return std::find_if(made.begin(), made.end(), [&name](ManagerItem *card) { return card->name() == name; });
    };
    QVERIFY(named("A-1-Suite") != made.end());
    QCOMPARE((*named("A-1-Suite"))->id(), 55);
    QCOMPARE((*named("A-1-Suite"))->iconName(), QString("room_7"));
    QVERIFY(named("A-1-155") == made.end());
    // The deleted room's cell stays empty, and no card is made for it on later scrolls either.
    QVERIFY(named("A-1-160") == made.end());
    QVERIFY(!grid->grid()->layout()->itemAtPosition(9, 5)->widget());
    canvas->verticalScrollBar()->setValue(0);
    canvas->verticalScrollBar()->setValue(canvas->verticalScrollBar()->maximum());
    QCOMPARE(grid->cards().size(), made.size());
    QCOMPARE(grid->roomNames().at(54), QString("A-1-Suite"));
    QCOMPARE(grid->roomNames().at(59), QString());
}

QTEST_MAIN(TestHomePages)
#include "tst_homepages.moc"

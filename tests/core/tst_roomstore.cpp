// Rooms, regions and floors as the pages read and write them, on a fresh project database.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/roomstore.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void addRoomRow(int roomId, int floorId, int regionId, const QString &name, int templateId = 0)
{
    QVERIFY(projectfixture::insertRow("tbl_room", {{"room_id", roomId},
                                                   {"room_name", name},
                                                   {"icon_name", "room_" + QString::number(roomId)},
                                                   {"floor_id", floorId},
                                                   {"region_id", regionId},
                                                   {"room_template_id", templateId}}));
}

void refuse(const QString &when, const QString &table)
{
    QVERIFY(gDatabase.execSql(QString("create trigger refuse_%1 before %1 on %2 begin select raise(abort, "
                                      "'refused'); end")
                                  .arg(when, table)));
}

QStringList roomNames(const QVector<RoomRow> &rooms)
{
    QStringList names;
    for (const RoomRow &room : rooms)
        names << room.name;
    return names;
}

} // namespace

class TestRoomStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roomsComeByRegionFloorAndId();
    void roomsOfATemplate();
    void readRoomFindsTheRowOrLeavesItAlone();
    void addedRoomIsStoredAsGiven();
    void nameAndPictureAreSavedAsTyped();
    void missingRoomSavesNothingAndSucceeds();
    void regionsAndFloorsByNameAndId();
    void floorNamesAreLookedUpWithinTheirRegion();
    void refusedWritesChangeNothing_data();
    void refusedWritesChangeNothing();
    void failedReadsTellTheirReason();

private:
    QTemporaryDir m_home;
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestRoomStore::initTestCase()
{
    testenv::useFreshHome(m_home);
}

void TestRoomStore::init()
{
    m_dir.reset(new QTemporaryDir);
    projectfixture::openFreshDatabase(QDir(m_dir->path()).filePath("p.db3"));
}

void TestRoomStore::cleanup()
{
    gDatabase.close();
}

void TestRoomStore::roomsComeByRegionFloorAndId()
{
    addRoomRow(5, 1, 2, "r2f1-5");
    addRoomRow(9, 2, 1, "r1f2-9");
    addRoomRow(7, 1, 1, "r1f1-7");
    addRoomRow(3, 1, 1, "r1f1-3");
    addRoomRow(1, 3, 2, "r2f3-1");

    QString error;
    const QVector<RoomRow> rooms = roomsInOrder(&error);
    QVERIFY(error.isEmpty());
    QCOMPARE(roomNames(rooms), QStringList({"r1f1-3", "r1f1-7", "r1f2-9", "r2f1-5", "r2f3-1"}));
    QCOMPARE(rooms.at(2).roomId, 9);
    QCOMPARE(rooms.at(2).floorId, 2);
    QCOMPARE(rooms.at(2).regionId, 1);
    QCOMPARE(rooms.at(2).iconName, QString("room_9"));
    QCOMPARE(roomIdsInOrder(), QVector<int>({3, 7, 9, 5, 1}));

    QVector<int> used = usedRoomIds();
    std::sort(used.begin(), used.end());
    QCOMPARE(used, QVector<int>({1, 3, 5, 7, 9}));
}

void TestRoomStore::roomsOfATemplate()
{
    addRoomRow(1, 1, 1, "a", 2);
    addRoomRow(2, 1, 1, "b", 3);
    addRoomRow(3, 1, 1, "c", 2);
    QCOMPARE(roomIdsOfTemplate(2), QVector<int>({1, 3}));
    QCOMPARE(roomIdsOfTemplate(3), QVector<int>({2}));
    QCOMPARE(roomIdsOfTemplate(4), QVector<int>());
}

void TestRoomStore::readRoomFindsTheRowOrLeavesItAlone()
{
    addRoomRow(4, 6, 8, "It's 100% 房间", 2);
    RoomRow room;
    QVERIFY(readRoom(4, room));
    QCOMPARE(room.roomId, 4);
    QCOMPARE(room.name, QString("It's 100% 房间"));
    QCOMPARE(room.iconName, QString("room_4"));
    QCOMPARE(room.floorId, 6);
    QCOMPARE(room.regionId, 8);
    QCOMPARE(room.templateId, 2);

    RoomRow untouched;
    untouched.name = "kept";
    QString error;
    QVERIFY(!readRoom(5, untouched, &error));
    QCOMPARE(untouched.name, QString("kept"));
    QVERIFY(error.isEmpty());
}

void TestRoomStore::addedRoomIsStoredAsGiven()
{
    QString error;
    QVERIFY(addRoom({11, "O'Hara x');--", "photo_Room_11", 3, 4, 5}, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(projectfixture::rowCount("tbl_room"), 1);
    const QVariantList key{11};
    QCOMPARE(projectfixture::value("select * from tbl_room where room_id=?", key, "room_name").toString(),
             QString("O'Hara x');--"));
    QCOMPARE(projectfixture::value("select * from tbl_room where room_id=?", key, "icon_name").toString(),
             QString("photo_Room_11"));
    QCOMPARE(projectfixture::rowCount("tbl_room", "floor_id=3 and region_id=4 and room_template_id=5"), 1);
}

void TestRoomStore::nameAndPictureAreSavedAsTyped()
{
    addRoomRow(1, 1, 1, "Old");
    addRoomRow(2, 1, 1, "Other");
    QVERIFY(saveRoomNameAndPicture(1, "50% 'off'", "photo_Room_1"));
    RoomRow room;
    QVERIFY(readRoom(1, room));
    QCOMPARE(room.name, QString("50% 'off'"));
    QCOMPARE(room.iconName, QString("photo_Room_1"));
    // An emptied name is stored empty.
    QVERIFY(saveRoomNameAndPicture(1, QString(), "room_3"));
    QVERIFY(readRoom(1, room));
    QCOMPARE(room.name, QString(""));
    QCOMPARE(room.iconName, QString("room_3"));
    QVERIFY(readRoom(2, room));
    QCOMPARE(room.name, QString("Other"));
}

void TestRoomStore::missingRoomSavesNothingAndSucceeds()
{
    addRoomRow(1, 1, 1, "Old");
    QString error;
    QVERIFY(saveRoomNameAndPicture(2, "New", "room_2", &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(projectfixture::rowCount("tbl_room"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_room", "room_name='Old'"), 1);
}

void TestRoomStore::regionsAndFloorsByNameAndId()
{
    QVERIFY(addRegion("South", 2));
    QVERIFY(addRegion("North's", 1));
    QVERIFY(addFloor("Ground", 4, 1));
    QVERIFY(addFloor("Roof", 3, 1));
    QVERIFY(addFloor("Ground", 5, 2));

    const QVector<RegionRow> regionRows = regions();
    QCOMPARE(regionRows.size(), 2);
    QCOMPARE(regionRows.at(0).regionId, 2);
    QCOMPARE(regionRows.at(0).name, QString("South"));
    QCOMPARE(regionNamesInOrder(), QStringList({"North's", "South"}));

    const QVector<FloorRow> floorRows = floors();
    QCOMPARE(floorRows.size(), 3);
    QCOMPARE(floorRows.at(1).regionId, 1);
    QCOMPARE(floorRows.at(1).floorId, 3);
    QCOMPARE(floorRows.at(1).name, QString("Roof"));

    QCOMPARE(regionName(1), QString("North's"));
    QCOMPARE(regionName(9), QString());
    QCOMPARE(floorName(1, 3), QString("Roof"));
    QCOMPARE(floorName(2, 3), QString());

    int regionId = -1;
    QVERIFY(findRegion("North's", regionId));
    QCOMPARE(regionId, 1);
    regionId = -1;
    QVERIFY(!findRegion("north's", regionId));
    QCOMPARE(regionId, -1);
}

void TestRoomStore::floorNamesAreLookedUpWithinTheirRegion()
{
    QVERIFY(addRegion("A", 1));
    QVERIFY(addRegion("B", 2));
    QVERIFY(addFloor("2", 7, 1));
    QVERIFY(addFloor("1", 6, 1));
    QVERIFY(addFloor("3", 8, 2));
    QCOMPARE(floorNamesOfRegion(1), QStringList({"1", "2"}));
    QCOMPARE(floorNamesOfRegion(2), QStringList({"3"}));
    QCOMPARE(floorNamesOfRegion(3), QStringList());

    int floorId = -1;
    QVERIFY(findFloor("2", 1, floorId));
    QCOMPARE(floorId, 7);
    floorId = -1;
    QVERIFY(!findFloor("3", 1, floorId));
    QCOMPARE(floorId, -1);
    QVERIFY(findFloor("3", 2, floorId));
    QCOMPARE(floorId, 8);
}

void TestRoomStore::refusedWritesChangeNothing_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("write");
    QTest::newRow("add room") << "insert"
                              << "tbl_room" << 0;
    QTest::newRow("save room") << "update"
                               << "tbl_room" << 1;
    QTest::newRow("add region") << "insert"
                                << "tbl_region" << 2;
    QTest::newRow("add floor") << "insert"
                               << "tbl_floor" << 3;
}

void TestRoomStore::refusedWritesChangeNothing()
{
    QFETCH(QString, when);
    QFETCH(QString, table);
    QFETCH(int, write);
    QVERIFY(addRegion("A", 1));
    QVERIFY(addFloor("1", 1, 1));
    addRoomRow(1, 1, 1, "Old");
    refuse(when, table);

    QString error;
    bool stored = true;
    switch (write) {
    case 0:
        stored = addRoom({2, "New", "room_2", 1, 1, 0}, &error);
        break;
    case 1:
        stored = saveRoomNameAndPicture(1, "New", "room_9", &error);
        break;
    case 2:
        stored = addRegion("B", 2, &error);
        break;
    default:
        stored = addFloor("2", 2, 1, &error);
        break;
    }
    QVERIFY(!stored);
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(projectfixture::rowCount("tbl_region"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_floor"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_room"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_room", "room_name='Old' and icon_name='room_1'"), 1);
}

void TestRoomStore::failedReadsTellTheirReason()
{
    addRoomRow(1, 1, 1, "Old");
    QVERIFY(gDatabase.execSql("drop table tbl_room"));
    QVERIFY(gDatabase.execSql("drop table tbl_floor"));

    QString error;
    QVERIFY(roomsInOrder(&error).isEmpty());
    QVERIFY(!error.isEmpty());
    error.clear();
    RoomRow room;
    QVERIFY(!readRoom(1, room, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(usedRoomIds(&error).isEmpty());
    QVERIFY(!error.isEmpty());
    error.clear();
    int floorId = 0;
    QVERIFY(!findFloor("1", 1, floorId, &error));
    QVERIFY(!error.isEmpty());
    // A read that works leaves the error as it was.
    error = "before";
    QVERIFY(regions(&error).isEmpty());
    QCOMPARE(error, QString("before"));
}

QTEST_GUILESS_MAIN(TestRoomStore)
#include "tst_roomstore.moc"

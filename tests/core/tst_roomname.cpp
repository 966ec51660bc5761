// The room's full name "region-floor-room": each part from its own table, an empty part where a row is missing.

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/roomname.h"
#include "core/roomstore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestRoomName : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void joinsTheThreeNames_data();
    void joinsTheThreeNames();
    void labelsReadOnceAgreeWithTheFullName();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestRoomName::init()
{
    m_dir.reset(new QTemporaryDir);
    gAppDirPath = m_dir->path();
    createDatabaseTables(QDir(m_dir->path()).filePath("names.db3"));
    // Floor 1 exists in two regions: the floor is found by both ids.
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_id,region_name) values(1,'East'),(2,'West')"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_id,region_id,floor_name) values(1,1,'Ground'),"
                              "(1,2,'Lobby')"));
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_id,room_name,floor_id,region_id) values"
                              "(1,'101',1,1),(2,'Guest''s 7',1,2),(3,'301',9,1),(4,'401',1,9)"));
    // A region and a floor without names are still there; so is a room without a name. Ids that were never set
    // count as 0.
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_id) values(3)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_id,region_id) values(2,3)"));
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_id,floor_id,region_id) values(5,2,3)"));
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_id,region_name) values(0,'Zero')"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_id,region_id,floor_name) values(0,0,'Base')"));
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_id,room_name) values(6,'601')"));
    // The first of two rows with one room id is the room's.
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_id,room_name,floor_id,region_id) values(1,'dup',1,2)"));
}

void TestRoomName::cleanup()
{
    gDatabase.close();
}

void TestRoomName::joinsTheThreeNames_data()
{
    QTest::addColumn<int>("roomId");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("complete");
    QTest::newRow("all rows") << 1 << "East-Ground-101" << true;
    QTest::newRow("floor of the room's own region") << 2 << "West-Lobby-Guest's 7" << true;
    QTest::newRow("floor row missing") << 3 << "East--301" << false;
    QTest::newRow("region row missing") << 4 << "--401" << false;
    QTest::newRow("room row missing") << 99 << "--" << false;
    QTest::newRow("rows without names") << 5 << "--" << true;
    QTest::newRow("ids not set") << 6 << "Zero-Base-601" << true;
}

void TestRoomName::joinsTheThreeNames()
{
    QFETCH(int, roomId);
    QFETCH(QString, name);
    QFETCH(bool, complete);
    QCOMPARE(roomFullName(roomId), name);
    QCOMPARE(roomNameParts(roomId).complete(), complete);
}

// The labels of room lists, from names read once, are the names read room by room; a second row of a region id
// does not rename it.
void TestRoomName::labelsReadOnceAgreeWithTheFullName()
{
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_id,region_name) values(1,'Later')"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_id,region_id,floor_name) values(1,1,'Later')"));
    const RoomLabels labels;
    for (int roomId : {1, 2, 3, 4, 5, 6}) {
        RoomRow room;
        QVERIFY(readRoom(roomId, room));
        QCOMPARE(labels.label(room.regionId, room.floorId, room.name), roomFullName(roomId));
    }
    QCOMPARE(labels.label(1, 1, "101"), QString("East-Ground-101"));
}

QTEST_GUILESS_MAIN(TestRoomName)
#include "tst_roomname.moc"

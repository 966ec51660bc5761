// Room deletion across the project database and folder, and deletion of project pictures.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/roomdeletion.h"
#include "devicelink/broadcastsocket.h"
#include "tests/support/homeproject.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

int rows(const QString &table, const QString &where = QString())
{
    return queryIntValue("select count(*) as n from " + table + (where.isEmpty() ? "" : " where " + where), "n");
}

QString homeFolder()
{
    return gAppDirPath + "/database/Home";
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("png");
}

void addRoom(int roomId, int floorId, int regionId, const QString &name = "room")
{
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,room_id,floor_id,region_id) values(?,?,?,?)",
                              {name, roomId, floorId, regionId}));
}

// Everything a room can own, in every table that names it.
void fillRoom(int roomId)
{
    const char *tables[] = {"tbl_3d_air_conditioner",
                            "tbl_3d_view_light",
                            "tbl_3d_view_manager",
                            "tbl_air_conditioner",
                            "tbl_light",
                            "tbl_message_log",
                            "tbl_mood_air_conditioner_status",
                            "tbl_mood_command",
                            "tbl_mood_light_status",
                            "tbl_occupation",
                            "tbl_master",
                            "tbl_panel"};
    for (const char *table : tables)
        QVERIFY(gDatabase.execSql(QString("insert into %1(room_id) values(?)").arg(table), {roomId}));
}

} // namespace

class TestRoomDeletion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void removesEverythingOfTheRoom();
    void floorAndRegionGoWhenUnused();
    void roomWithoutRowStillSignals();
    void failedStepUndoesEverything();
    void insideALargerDeletionPicturesWaitForItsCommit_data();
    void insideALargerDeletionPicturesWaitForItsCommit();
    void pictureNames_data();
    void pictureNames();
    void pictureOutsideTheProjectFolderIsRefused();

private:
    HomeProject m_project;
};

void TestRoomDeletion::initTestCase()
{
    m_project.useFreshHome();
}

void TestRoomDeletion::init()
{
    m_project.start();
}

void TestRoomDeletion::cleanup()
{
    m_project.close();
}

void TestRoomDeletion::removesEverythingOfTheRoom()
{
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('A',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('1',1,1)"));
    addRoom(3, 1, 1, "It's 100% 房间");
    addRoom(4, 1, 1);
    fillRoom(3);
    fillRoom(4);
    QVERIFY(gDatabase.execSql("insert into tbl_mood(mood_id,room_id) values(4,3)"));
    QVERIFY(gDatabase.execSql("insert into tbl_mood(mood_id,room_id) values(7,3)"));
    QVERIFY(gDatabase.execSql("insert into tbl_mood(mood_id,room_id) values(8,4)"));
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address) values(0,'A-1-101')"));
    QVERIFY(gDatabase.execSql("insert into tbl_message(message_id) values(1)"));

    const QStringList gone = {"photo_Mood_4.png", "photo_Mood_7.png", "photo_3dView_3.png", "photo_Room_3.png"};
    const QStringList kept = {"photo_Mood_8.png", "photo_Room_4.png", "photo_3dView_4.png"};
    for (const QString &name : gone + kept)
        touch(homeFolder() + "/" + name);
    QDir().mkpath(gAppDirPath + "/database/Other");
    touch(gAppDirPath + "/database/Other/photo_Room_3.png");

    QSignalSpy removed(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage);
    QVERIFY(deleteRoom(3));

    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(0).toInt(), 3);
    QCOMPARE(removed.first().at(1).toInt(), 1);

    const char *tables[] = {"tbl_3d_air_conditioner",
                            "tbl_3d_view_light",
                            "tbl_3d_view_manager",
                            "tbl_air_conditioner",
                            "tbl_light",
                            "tbl_message_log",
                            "tbl_mood",
                            "tbl_mood_air_conditioner_status",
                            "tbl_mood_command",
                            "tbl_mood_light_status",
                            "tbl_occupation",
                            "tbl_master",
                            "tbl_panel",
                            "tbl_room"};
    for (const char *table : tables) {
        QVERIFY2(rows(table, "room_id=3") == 0, table);
        QVERIFY2(rows(table, "room_id=4") == 1, table);
    }
    QCOMPARE(rows("tbl_floor"), 1);
    QCOMPARE(rows("tbl_region"), 1);
    QCOMPARE(rows("tbl_log"), 1);
    QCOMPARE(rows("tbl_message"), 1);
    for (const QString &name : gone)
        QVERIFY2(!QFile::exists(homeFolder() + "/" + name), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(QFile::exists(homeFolder() + "/" + name), qPrintable(name));
    QVERIFY(QFile::exists(gAppDirPath + "/database/Other/photo_Room_3.png"));
}

void TestRoomDeletion::floorAndRegionGoWhenUnused()
{
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('A',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('B',2)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('1',1,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('2',2,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('3',3,2)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('empty',9,2)"));
    addRoom(1, 1, 1);
    addRoom(2, 1, 1);
    addRoom(3, 2, 1);
    addRoom(4, 3, 2);

    // One of two rooms of a floor: the floor stays.
    QVERIFY(deleteRoom(1));
    QCOMPARE(rows("tbl_floor", "floor_id=1"), 1);
    // The last room of a floor whose region has rooms elsewhere: the floor goes, the region stays.
    QVERIFY(deleteRoom(2));
    QCOMPARE(rows("tbl_floor", "floor_id=1"), 0);
    QCOMPARE(rows("tbl_region", "region_id=1"), 1);
    // The last room of a region: floor and region go; an unrelated empty floor is left alone.
    QVERIFY(deleteRoom(4));
    QCOMPARE(rows("tbl_floor", "floor_id=3"), 0);
    QCOMPARE(rows("tbl_region", "region_id=2"), 0);
    QCOMPARE(rows("tbl_floor", "floor_id=9"), 1);
}

void TestRoomDeletion::roomWithoutRowStillSignals()
{
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('zero',0)"));
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,room_id) values(1,42)"));
    QSignalSpy removed(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage);
    QVERIFY(deleteRoom(42));
    QCOMPARE(removed.count(), 1);
    QCOMPARE(rows("tbl_light"), 0);
    QCOMPARE(rows("tbl_region"), 0);
}

void TestRoomDeletion::failedStepUndoesEverything()
{
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('A',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('1',1,1)"));
    addRoom(3, 1, 1);
    fillRoom(3);
    QVERIFY(gDatabase.execSql("insert into tbl_mood(mood_id,room_id) values(4,3)"));
    touch(homeFolder() + "/photo_Room_3.png");
    touch(homeFolder() + "/photo_Mood_4.png");
    // A damaged project: a table late in the sequence is gone.
    QVERIFY(gDatabase.execSql("drop table tbl_panel"));

    QSignalSpy removed(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QVERIFY(!deleteRoom(3));
    QCOMPARE(removed.count(), 0);
    QCOMPARE(gDatabase.transactionDepth(), 0);
    QCOMPARE(rows("tbl_light", "room_id=3"), 1);
    QCOMPARE(rows("tbl_mood", "room_id=3"), 1);
    QCOMPARE(rows("tbl_room", "room_id=3"), 1);
    QCOMPARE(rows("tbl_floor"), 1);
    QVERIFY(QFile::exists(homeFolder() + "/photo_Room_3.png"));
    QVERIFY(QFile::exists(homeFolder() + "/photo_Mood_4.png"));
}

void TestRoomDeletion::insideALargerDeletionPicturesWaitForItsCommit_data()
{
    QTest::addColumn<bool>("commit");
    QTest::newRow("committed") << true;
    QTest::newRow("rolled back") << false;
}

void TestRoomDeletion::insideALargerDeletionPicturesWaitForItsCommit()
{
    QFETCH(bool, commit);
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('A',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('1',1,1)"));
    addRoom(3, 1, 1);
    touch(homeFolder() + "/photo_Room_3.png");
    QSignalSpy removed(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage);

    QVERIFY(gDatabase.beginTransaction());
    QVERIFY(deleteRoom(3));
    QCOMPARE(gDatabase.transactionDepth(), 1);
    QVERIFY(QFile::exists(homeFolder() + "/photo_Room_3.png"));
    QCOMPARE(removed.count(), 0);
    QVERIFY(commit ? gDatabase.commitTransaction() : gDatabase.rollbackTransaction());

    QCOMPARE(rows("tbl_room", "room_id=3"), commit ? 0 : 1);
    QCOMPARE(QFile::exists(homeFolder() + "/photo_Room_3.png"), !commit);
    QCOMPARE(removed.count(), commit ? 1 : 0);
}

void TestRoomDeletion::pictureNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::newRow("without ending") << "photo_Room_3.png"
                                    << "photo_Room_3" << true;
    QTest::newRow("with ending") << "photo_Room_3.png"
                                 << "photo_Room_3.png" << true;
    QTest::newRow("upper-case ending") << "photo_Room_3.PNG.png"
                                       << "photo_Room_3.PNG" << true;
    QTest::newRow("quote and non-latin") << QString::fromUtf8("photo_it's_房.png") << QString::fromUtf8("photo_it's_房")
                                         << true;
    QTest::newRow("missing file") << "other.png"
                                  << "photo_None" << false;
}

void TestRoomDeletion::pictureNames()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(bool, removed);
    touch(homeFolder() + "/" + file);
    deleteProjectPicture(name);
    QCOMPARE(QFile::exists(homeFolder() + "/" + file), !removed);
}

void TestRoomDeletion::pictureOutsideTheProjectFolderIsRefused()
{
    touch(gAppDirPath + "/database/outside.png");
    deleteProjectPicture("../outside");
    QVERIFY(QFile::exists(gAppDirPath + "/database/outside.png"));
}

QTEST_GUILESS_MAIN(TestRoomDeletion)
#include "tst_roomdeletion.moc"

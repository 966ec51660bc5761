// The device log writer: one row per change of a device's reported state.

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/devicelog.h"
#include "core/globals.h"
#include "core/queryhelpers.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int logRows()
{
    return queryIntValue("select count(*) as n from tbl_log", "n");
}

void addRoom(int roomId, const QString &region, const QString &floor, const QString &room)
{
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values(?,?)", {region, roomId}));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values(?,?,?)",
                              {floor, roomId, roomId}));
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,room_id,floor_id,region_id) values(?,?,?,?)",
                              {room, roomId, roomId, roomId}));
}

} // namespace

class TestDeviceLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesTheRow();
    void repeatsAreSkipped();
    void otherKeyOrTypeIsNew();
    void missingRoomFloorOrRegionWritesNothing_data();
    void missingRoomFloorOrRegionWritesNothing();
    void sameSecondTieGoesToTheLatestInsert();
    void textsRoundTrip_data();
    void textsRoundTrip();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestDeviceLog::init()
{
    m_dir.reset(new QTemporaryDir);
    gAppDirPath = m_dir->path();
    gRetainDays = "30";
    createDatabaseTables(QDir(m_dir->path()).filePath("log.db3"));
    addRoom(1, "A", "1", "101");
}

void TestDeviceLog::cleanup()
{
    gDatabase.close();
}

void TestDeviceLog::writesTheRow()
{
    const QDateTime before = QDateTime::currentDateTime();
    addDeviceLog("light_Lamp", "light on", 1, 0);
    QCOMPARE(logRows(), 1);
    QSqlQuery row = gDatabase.querySql("select * from tbl_log");
    QVERIFY(row.next());
    QCOMPARE(row.value("log_type").toInt(), 0);
    QCOMPARE(row.value("log_address").toString(), QString("A-1-101"));
    QCOMPARE(row.value("log_device").toString(), QString("light_Lamp"));
    QCOMPARE(row.value("log_event").toString(), QString("light on"));
    const QString time = row.value("log_time").toString();
    QVERIFY(QRegularExpression("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$").match(time).hasMatch());
    const QDateTime stamped = QDateTime::fromString(time, "yyyy-MM-dd HH:mm:ss");
    QVERIFY(stamped >= before.addSecs(-1) && stamped <= QDateTime::currentDateTime().addSecs(1));
}

void TestDeviceLog::repeatsAreSkipped()
{
    addDeviceLog("light_Lamp", "on", 1, 0);
    addDeviceLog("light_Lamp", "on", 1, 0);
    QCOMPARE(logRows(), 1);
    addDeviceLog("light_Lamp", "off", 1, 0);
    QCOMPARE(logRows(), 2);
    addDeviceLog("light_Lamp", "on", 1, 0);
    QCOMPARE(logRows(), 3);
    addDeviceLog("light_Lamp", "On", 1, 0); // case counts
    QCOMPARE(logRows(), 4);
}

void TestDeviceLog::otherKeyOrTypeIsNew()
{
    addDeviceLog("light_Lamp", "on", 1, 0);
    addDeviceLog("light_Desk", "on", 1, 0);
    addDeviceLog("light_Lamp", "on", 1, 1);
    QCOMPARE(logRows(), 3);
    // A renamed room makes the next event a new entry.
    QVERIFY(gDatabase.execSql("update tbl_room set room_name='102' where room_id=1"));
    addDeviceLog("light_Lamp", "on", 1, 0);
    QCOMPARE(logRows(), 4);
}

void TestDeviceLog::missingRoomFloorOrRegionWritesNothing_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("room") << "delete from tbl_room";
    QTest::newRow("region") << "delete from tbl_region";
    QTest::newRow("floor") << "delete from tbl_floor";
    QTest::newRow("floor of another region") << "update tbl_floor set region_id=9";
}

void TestDeviceLog::missingRoomFloorOrRegionWritesNothing()
{
    QFETCH(QString, damage);
    QVERIFY(gDatabase.execSql(damage));
    addDeviceLog("master", "on", 1, 0);
    QCOMPARE(logRows(), 0);
}

void TestDeviceLog::sameSecondTieGoesToTheLatestInsert()
{
    // Two earlier entries stamped with the same second; the second one inserted is the device's last state.
    const QString second = QDateTime::currentDateTime().addSecs(-10).toString("yyyy-MM-dd HH:mm:ss");
    for (const char *event : {"off", "on"})
        QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                                  "values(0,'A-1-101','master',?,?)",
                                  {QString(event), second}));
    addDeviceLog("master", "on", 1, 0);
    QCOMPARE(logRows(), 2);
    addDeviceLog("master", "off", 1, 0);
    QCOMPARE(logRows(), 3);
}

void TestDeviceLog::textsRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quotes") << QString("O'Neil's \"Suite\"");
    QTest::newRow("percent") << QString("100% %s %d");
    QTest::newRow("non-latin") << QString::fromUtf8("Größe 客房 غرفة");
}

void TestDeviceLog::textsRoundTrip()
{
    QFETCH(QString, name);
    addRoom(2, name, name, name);
    const QString device = "light_" + name;
    addDeviceLog(device, name, 2, 0);
    addDeviceLog(device, name, 2, 0);
    QCOMPARE(logRows(), 1);
    QString stored;
    QVERIFY(queryStringValue("select * from tbl_log", "log_address", stored));
    QCOMPARE(stored, name + "-" + name + "-" + name);
    QVERIFY(queryStringValue("select * from tbl_log", "log_device", stored));
    QCOMPARE(stored, device);
    QVERIFY(queryStringValue("select * from tbl_log", "log_event", stored));
    QCOMPARE(stored, name);
}

QTEST_GUILESS_MAIN(TestDeviceLog)
#include "tst_devicelog.moc"

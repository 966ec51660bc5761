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

int addEntry(const QString &time, const QString &event, int type = 0)
{
    if (!gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                           "values(?,'A-1-101','light_Lamp',?,?)",
                           {type, event, time}))
        return 0;
    return queryIntValue("select max(id) as id from tbl_log", "id");
}

QStringList events()
{
    QStringList list;
    queryStringList("select log_event from tbl_log order by id", "log_event", list);
    return list;
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
    void rangeIsListedInSlices();
    void entriesAreReadByIdAndCut();
    void exportReadsTheRangeNewestFirst();
    void deletesAndPurges();
    void refusedWritesChangeNothing_data();
    void refusedWritesChangeNothing();
    void typeNames();

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
    QVERIFY(addDeviceLog("light_Lamp", "light on", 1, 0));
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
    QVERIFY(addDeviceLog("light_Lamp", "on", 1, 0));
    QVERIFY(addDeviceLog("light_Lamp", "on", 1, 0));
    QCOMPARE(logRows(), 1);
    QVERIFY(addDeviceLog("light_Lamp", "off", 1, 0));
    QCOMPARE(logRows(), 2);
    QVERIFY(addDeviceLog("light_Lamp", "on", 1, 0));
    QCOMPARE(logRows(), 3);
    QVERIFY(addDeviceLog("light_Lamp", "On", 1, 0)); // case counts
    QCOMPARE(logRows(), 4);
}

void TestDeviceLog::otherKeyOrTypeIsNew()
{
    QVERIFY(addDeviceLog("light_Lamp", "on", 1, 0));
    QVERIFY(addDeviceLog("light_Desk", "on", 1, 0));
    QVERIFY(addDeviceLog("light_Lamp", "on", 1, 1));
    QCOMPARE(logRows(), 3);
    // A renamed room makes the next event a new entry.
    QVERIFY(gDatabase.execSql("update tbl_room set room_name='102' where room_id=1"));
    QVERIFY(addDeviceLog("light_Lamp", "on", 1, 0));
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
    QVERIFY(addDeviceLog("master", "on", 1, 0));
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
    QVERIFY(addDeviceLog("master", "on", 1, 0));
    QCOMPARE(logRows(), 2);
    QVERIFY(addDeviceLog("master", "off", 1, 0));
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
    QVERIFY(addDeviceLog(device, name, 2, 0));
    QVERIFY(addDeviceLog(device, name, 2, 0));
    QCOMPARE(logRows(), 1);
    QString stored;
    QVERIFY(queryStringValue("select * from tbl_log", "log_address", stored));
    QCOMPARE(stored, name + "-" + name + "-" + name);
    QVERIFY(queryStringValue("select * from tbl_log", "log_device", stored));
    QCOMPARE(stored, device);
    QVERIFY(queryStringValue("select * from tbl_log", "log_event", stored));
    QCOMPARE(stored, name);
}

void TestDeviceLog::rangeIsListedInSlices()
{
    QList<int> inRange;
    for (int i = 0; i < 5; ++i)
        inRange << addEntry(QString("2026-12-10 08:00:0%1").arg(i), QString("e%1").arg(i));
    addEntry("2026-12-09 23:59:59", "before");
    addEntry("2026-12-10 09:00:01", "after");
    QList<int> ids;
    QStringList times;
    const auto take = [&](int id, const QString &time) {
        ids << id;
        times << time;
    };
    QCOMPARE(readDeviceLogStamps(0, "2026-12-10 08:00:00", "2026-12-10 09:00:01", 3, take), 3);
    QCOMPARE(readDeviceLogStamps(ids.last(), "2026-12-10 08:00:00", "2026-12-10 09:00:00", 3, take), 2);
    QCOMPARE(ids, inRange);
    QCOMPARE(times.first(), QString("2026-12-10 08:00:00"));
    QCOMPARE(readDeviceLogStamps(ids.last(), "2026-12-10 08:00:00", "2026-12-10 09:00:00", 3, take), 0);
}

void TestDeviceLog::entriesAreReadByIdAndCut()
{
    const int a = addEntry("2026-12-10 08:00:00", "a", 1);
    // 200 two-byte letters: 400 bytes, so the record's 255 bytes end inside one.
    const int b = addEntry("2026-12-10 08:00:01", QString(200, QChar(0x00E9)));
    QCOMPARE(deviceLogEntries({}).size(), 0);
    const QList<logRecord> records = deviceLogEntries({b, 9999, a});
    QCOMPARE(records.size(), 2);
    for (const logRecord &record : records) {
        QCOMPARE(QByteArray(record.log_address), QByteArray("A-1-101"));
        QCOMPARE(QByteArray(record.log_device), QByteArray("light_Lamp"));
        if (record.id == a) {
            QCOMPARE(record.log_type, 1);
            QCOMPARE(QByteArray(record.log_time), QByteArray("2026-12-10 08:00:00"));
        } else {
            QCOMPARE(record.id, b);
            QCOMPARE(QString::fromUtf8(record.log_event), QString(127, QChar(0x00E9)));
        }
    }
}

void TestDeviceLog::exportReadsTheRangeNewestFirst()
{
    addEntry("2026-12-10 08:00:00", "first of the second");
    addEntry("2026-12-10 09:00:00", "later", 1);
    addEntry("2026-12-10 08:00:00", "second of the second");
    addEntry("2026-12-11 08:00:00", "after the range");
    QStringList taken;
    QList<int> types;
    const auto take = [&](const DeviceLogLine &line) {
        taken << line.time + " " + line.event;
        types << line.type;
        return true;
    };
    QString error;
    QVERIFY(readDeviceLogRange("2026-12-10 08:00:00", "2026-12-10 09:00:00", take, &error));
    QCOMPARE(taken, QStringList({"2026-12-10 09:00:00 later", "2026-12-10 08:00:00 second of the second",
                                 "2026-12-10 08:00:00 first of the second"}));
    QCOMPARE(types, QList<int>({1, 0, 0}));
    QVERIFY(error.isEmpty());

    // A taker that gives up ends the read, and the read does not pass for whole.
    int calls = 0;
    QVERIFY(!readDeviceLogRange("2026-12-10 08:00:00", "2026-12-10 09:00:00", [&calls](const DeviceLogLine &) {
        ++calls;
        return false;
    }));
    QCOMPARE(calls, 1);

    QVERIFY(gDatabase.execSql("drop table tbl_log"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Fail to exec sql"));
    QVERIFY(!readDeviceLogRange("2026-12-10 08:00:00", "2026-12-10 09:00:00", take, &error));
    QVERIFY2(error.contains("no such table"), qPrintable(error));
}

void TestDeviceLog::deletesAndPurges()
{
    const int a = addEntry("2026-12-01 08:00:00", "a");
    const int b = addEntry("2026-12-02 08:00:00", "b");
    addEntry("2026-12-03 08:00:00", "c");
    const int d = addEntry("2026-12-04 08:00:00", "d");
    QVERIFY(deleteDeviceLogEntries({}));
    QVERIFY(deleteDeviceLogEntries({a, d, 9999}));
    QCOMPARE(events(), QStringList({"b", "c"}));
    QVERIFY(purgeDeviceLogBefore("2026-12-02 08:00:00"));
    QCOMPARE(events(), QStringList{"c"});
    Q_UNUSED(b);

    // More entries than one statement deletes.
    QVERIFY(gDatabase.beginTransaction());
    QVector<int> many;
    for (int i = 0; i < 1200; ++i)
        many << addEntry("2026-12-05 08:00:00", "many");
    QVERIFY(gDatabase.commitTransaction());
    QVERIFY(deleteDeviceLogEntries(many));
    QCOMPARE(events(), QStringList{"c"});
}

void TestDeviceLog::refusedWritesChangeNothing_data()
{
    QTest::addColumn<QString>("refusedWhen");
    QTest::addColumn<int>("write"); // 0 a new entry, 1 delete, 2 purge
    QTest::newRow("new entry") << "insert" << 0;
    QTest::newRow("delete") << "delete" << 1;
    QTest::newRow("purge") << "delete" << 2;
}

void TestDeviceLog::refusedWritesChangeNothing()
{
    QFETCH(QString, refusedWhen);
    QFETCH(int, write);
    QVector<int> ids;
    QVERIFY(gDatabase.beginTransaction());
    for (int i = 0; i < 600; ++i)
        ids << addEntry("2026-12-01 08:00:00", QString("e%1").arg(i));
    QVERIFY(gDatabase.commitTransaction());
    // The delete fails in its second statement: what the first deleted comes back.
    QVERIFY(gDatabase.execSql(QString("create trigger refuse before %1 on tbl_log when %2 begin "
                                      "select raise(abort,'refused'); end")
                                  .arg(refusedWhen, write == 0 ? "1" : QString("old.id=%1").arg(ids.last()))));
    const QStringList before = events();
    QString error;
    bool stored = true;
    if (write == 0)
        stored = addDeviceLog("light_Lamp", "on", 1, 0);
    else if (write == 1)
        stored = deleteDeviceLogEntries(ids, &error);
    else
        stored = purgeDeviceLogBefore("2026-12-02 00:00:00", &error);
    QVERIFY(!stored);
    if (write != 0)
        QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(events(), before);
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

void TestDeviceLog::typeNames()
{
    const QHash<int, QString> names = deviceLogTypeNames();
    QCOMPARE(names.value(0), QString("device status"));
    QCOMPARE(names.value(1), QString("device alert"));
    QCOMPARE(names.value(7), QString());
}

QTEST_GUILESS_MAIN(TestDeviceLog)
#include "tst_devicelog.moc"

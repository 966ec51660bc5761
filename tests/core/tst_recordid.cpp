// Record id allocation: the lowest free value of each id column.

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/recordid.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestRecordId : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lowestFree_data();
    void lowestFree();
    void emptyTablesGiveTheStartValue();
    void deletedIdIsReused();
    void multiChannelLightCountsOnce();
    void airConditionerNumbers_data();
    void airConditionerNumbers();
    void everyAllocatorReadsItsOwnColumn_data();
    void everyAllocatorReadsItsOwnColumn();
    void missingTableGivesTheStartValue();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestRecordId::init()
{
    m_dir.reset(new QTemporaryDir);
    gAppDirPath = m_dir->path();
    gRetainDays = "30";
    createDatabaseTables(QDir(m_dir->path()).filePath("ids.db3"));
}

void TestRecordId::cleanup()
{
    gDatabase.close();
}

void TestRecordId::lowestFree_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<int>("expected");
    QTest::newRow("1 2 3") << QList<int>{1, 2, 3} << 4;
    QTest::newRow("2 5") << QList<int>{2, 5} << 1;
    QTest::newRow("1 3") << QList<int>{1, 3} << 2;
    QTest::newRow("1 2 4") << QList<int>{1, 2, 4} << 3;
    QTest::newRow("unordered") << QList<int>{3, 1, 2} << 4;
    QTest::newRow("below start ignored") << QList<int>{0, -3, 1} << 2;
}

void TestRecordId::lowestFree()
{
    QFETCH(QList<int>, ids);
    QFETCH(int, expected);
    for (int id : ids)
        QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,room_id) values('r',?)", {id}));
    QCOMPARE(nextRoomId(), expected);
    QCOMPARE(nextRoomId(), expected); // nothing is reserved
}

void TestRecordId::emptyTablesGiveTheStartValue()
{
    QCOMPARE(nextRoomTemplateId(), 1);
    QCOMPARE(nextRegionId(), 1);
    QCOMPARE(nextFloorId(), 1);
    QCOMPARE(nextRoomId(), 1);
    QCOMPARE(nextLightId(), 1);
    QCOMPARE(nextTemplateLightId(), 1);
    QCOMPARE(nextAirConditionerNo(1), 0);
    QCOMPARE(nextExtraAirConditionerNo(1), 2);
    QCOMPARE(nextPanelId(), 1);
    QCOMPARE(nextTemplatePanelId(), 1);
    QCOMPARE(nextMessageId(), 1);
    QCOMPARE(nextMoodId(), 1);
}

void TestRecordId::deletedIdIsReused()
{
    for (int id : {1, 2, 3})
        QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,room_id) values('r',?)", {id}));
    QVERIFY(gDatabase.execSql("delete from tbl_room where room_id=2"));
    QCOMPARE(nextRoomId(), 2);
}

void TestRecordId::multiChannelLightCountsOnce()
{
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,rgb,room_id) values(1,0,1)"));
    for (int rgb : {1, 2, 3, 4})
        QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,rgb,room_id) values(5,?,1)", {rgb}));
    // A channel row of another light with a stray id is not a light of its own.
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,rgb,room_id) values(2,3,1)"));
    QCOMPARE(nextLightId(), 2);
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,rgb,room_id) values(2,0,1)"));
    QCOMPARE(nextLightId(), 3);
}

void TestRecordId::airConditionerNumbers_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("conditioner");
    QTest::addColumn<int>("heating");
    QTest::newRow("none") << QList<int>{} << 0 << 2;
    QTest::newRow("1 and 2") << QList<int>{1, 2} << 0 << 3;
    QTest::newRow("0 and 1") << QList<int>{0, 1} << 2 << 2;
    QTest::newRow("0 1 3") << QList<int>{0, 1, 3} << 2 << 2;
    QTest::newRow("all four") << QList<int>{0, 1, 2, 3} << 2 << 4;
}

void TestRecordId::airConditionerNumbers()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, conditioner);
    QFETCH(int, heating);
    for (int no : numbers)
        QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,room_id) values(?,7)", {no}));
    // Another room's units do not count.
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,room_id) values(0,8)"));
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,room_id) values(2,8)"));
    QCOMPARE(nextAirConditionerNo(7), conditioner);
    QCOMPARE(nextExtraAirConditionerNo(7), heating);
}

void TestRecordId::everyAllocatorReadsItsOwnColumn_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("which");
    const struct
    {
        const char *table;
        const char *column;
    } kinds[] = {{"tbl_room_template", "room_template_id"},
                 {"tbl_region", "region_id"},
                 {"tbl_floor", "floor_id"},
                 {"tbl_room", "room_id"},
                 {"tbl_template_light", "template_light_id"},
                 {"tbl_panel", "panel_id"},
                 {"tbl_template_panel", "template_panel_id"},
                 {"tbl_message", "message_id"},
                 {"tbl_mood", "mood_id"}};
    int which = 0;
    for (const auto &kind : kinds)
        QTest::newRow(kind.table) << QString(kind.table) << QString(kind.column) << which++;
}

void TestRecordId::everyAllocatorReadsItsOwnColumn()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(int, which);
    int (*const allocators[])() = {nextRoomTemplateId,  nextRegionId,        nextFloorId,
                                   nextRoomId,          nextTemplateLightId, nextPanelId,
                                   nextTemplatePanelId, nextMessageId,       nextMoodId};
    for (int id : {1, 2, 4})
        QVERIFY(gDatabase.execSql(QString("insert into %1(%2) values(?)").arg(table, column), {id}));
    QCOMPARE(allocators[which](), 3);
}

void TestRecordId::missingTableGivesTheStartValue()
{
    QVERIFY(gDatabase.execSql("drop table tbl_mood"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QCOMPARE(nextMoodId(), 1);
}

QTEST_GUILESS_MAIN(TestRecordId)
#include "tst_recordid.moc"

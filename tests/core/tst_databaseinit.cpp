// Opening a project database: creation with every seed row, repair and upgrade of an older file without losing
// its rows, retention purge, gateway list trimming, validation and new empty projects.

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/databaseschema.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "tests/support/testenv.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int rowCount(const QString &table)
{
    return queryIntValue("select count(*) as n from " + table, "n");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

QStringList listedProjects()
{
    QStringList names;
    getProjectNames(names);
    return names;
}

QString timeText(const QDateTime &time)
{
    return time.toString("yyyy-MM-dd HH:mm:ss");
}

// An older project as an earlier release left it: version 3.07, a network table without the gateway's server
// settings, a gateway list without times, occupancy switches without their kind, and project rows to keep.
void writeOlderProject(const QString &path)
{
    gDatabase.close();
    gDatabase.setDatabaseName(path);
    const char *statements[] = {
        "create table tbl_version(id integer primary key,name nvarchar,version nvarchar,date nvarchar)",
        "insert into tbl_version(name,version,date) values('Zoduv','3.07','2020-01-01')",
        "create table tbl_network(id integer primary key,ip_port_mac nvarchar,password nvarchar,"
        "server_ip nvarchar,domain_name nvarchar,host_ip nvarchar)",
        "insert into tbl_network(ip_port_mac,password,server_ip,domain_name,host_ip) "
        "values('AA-BB-CC-DD-EE-FF-00-11','se''cret','198.51.100.7','hotel.example.invalid','127.0.0.1')",
        "create table tbl_ip_port_mac(id integer primary key,ip_port_mac nvarchar,password nvarchar)",
        "insert into tbl_ip_port_mac(ip_port_mac,password) values('gw1','p1')",
        "insert into tbl_ip_port_mac(ip_port_mac,password) values('gw2','p2')",
        "create table tbl_occupation(id integer primary key,subnet_id integer,device_id integer,channel integer,"
        "status integer,room_id integer)",
        "insert into tbl_occupation(subnet_id,device_id,channel,status,room_id) values(1,20,3,1,7)",
        "create table tbl_room(id integer primary key,room_name nvarchar,icon_name nvarchar,room_id integer,"
        "floor_id integer,region_id integer,room_template_id integer)",
        "insert into tbl_room(room_name,icon_name,room_id,floor_id,region_id,room_template_id) "
        "values('101','room1',7,1,1,1)",
        "create table tbl_log_type(id integer primary key,log_type integer,log_type_name nvarchar)",
        "insert into tbl_log_type(log_type,log_type_name) values(0,'changed by hand')",
        "insert into tbl_log_type(log_type,log_type_name) values(5,'added by hand')",
        "create table tbl_log(id integer primary key,log_type integer,log_address nvarchar,log_device nvarchar,"
        "log_event nvarchar,log_time nvarchar)",
    };
    for (const char *sql : statements)
        QVERIFY2(gDatabase.execSql(sql), sql);
    const QDateTime now = QDateTime::currentDateTime();
    for (const QDateTime &time : {now.addDays(-400), now.addDays(-1)})
        QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                                  "values(0,'A-1-101','master',?,?)",
                                  {QString("it's 50% 開"), timeText(time)}));
    gDatabase.close();
}

} // namespace

class TestDatabaseInit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartCreatesTheCurrentProject();
    void createStatementsAreKeptAsWritten();
    void tablesAsExchanged_data();
    void tablesAsExchanged();
    void seedVocabularies();
    void vocabularyListsInFull_data();
    void vocabularyListsInFull();
    void vocabularyRowsInListOrder();
    void secondStartDoesNotReseed();
    void unusableCurrentNameFallsBackToAListedProject();
    void namesWithBlanksAreKept();
    void unusableListIsKeptAside_data();
    void unusableListIsKeptAside();
    void olderProjectIsRepairedAndUpgraded();
    void lookupIndexesOnOpening();
    void versionCheck_data();
    void versionCheck();
    void databaseWithoutVersionRowIsLeftAlone();
    void retentionCutoffText_data();
    void retentionCutoffText();
    void purgeRemovesRowsPastRetention();
    void retentionThatIsNoNumberPurgesNothing_data();
    void retentionThatIsNoNumberPurgesNothing();
    void retentionZeroPurgesUpToNow();
    void refusedMaintenanceKeepsRowsAndOpens();
    void gatewayListKeepsTenNewest();
    void networkRowIsLoaded();
    void isProjectDatabase_data();
    void isProjectDatabase();
    void emptyProjectFromCurrent();
    void emptyProjectInPlace();
    void emptyProjectFailureLeavesNoCopy();
    void damagedProjectAtStartIsKeptAside_data();
    void damagedProjectAtStartIsKeptAside();
    void journalGoesAsideWithItsDatabase();
    void emptyFileAtStartIsReplacedWithoutAWord();
    void newerProjectAtStartIsLeftUntouched();
    void checkTellsWhatAFileIs_data();
    void checkTellsWhatAFileIs();
    void interruptedImportsAreFinishedAtStart();

private:
    QString projectFile(const QString &name) const;
    QTemporaryDir m_home;
    QScopedPointer<QTemporaryDir> m_app;
};

QString TestDatabaseInit::projectFile(const QString &name) const
{
    return gAppDirPath + "/database/" + name + "/" + name + ".db3";
}

void TestDatabaseInit::initTestCase()
{
    testenv::useFreshHome(m_home);
}

void TestDatabaseInit::init()
{
    m_app.reset(new QTemporaryDir);
    QVERIFY(m_app->isValid());
    gAppDirPath = m_app->path();
    gRetainDays = "30";
    gHostIp.clear();
}

void TestDatabaseInit::cleanup()
{
    gDatabase.close();
}

void TestDatabaseInit::firstStartCreatesTheCurrentProject()
{
    QVERIFY(!QDir(gAppDirPath + "/database").exists());
    initDatabase();

    QVERIFY(QDir(gAppDirPath + "/database/Home").exists());
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));
    QVERIFY(QFile::exists(projectFile("Home")));
    QCOMPARE(gDatabase.databaseName(), projectFile("Home"));

    QStringList created;
    queryStringList("select name from sqlite_master where type='table' order by rowid", "name", created);
    QStringList expected;
    for (const SchemaTable &table : DatabaseSchema::tables())
        expected.append(table.name);
    QCOMPARE(created.size(), 34);
    QCOMPARE(created, expected);

    const QMap<QString, int> seeded = {{"tbl_log_type", 2},  {"tbl_message_type", 2}, {"tbl_message_status", 5},
                                       {"tbl_server_ip", 4}, {"tbl_domain", 3},       {"tbl_fnt_type", 51},
                                       {"tbl_fnt_prm1", 48}, {"tbl_comp2_item", 127}, {"tbl_comp3_item", 124},
                                       {"tbl_network", 1},   {"tbl_version", 1}};
    for (const QString &table : expected)
        QCOMPARE(rowCount(table), seeded.value(table, 0));

    QSqlQuery version = gDatabase.querySql("select * from tbl_version");
    QVERIFY(version.next());
    QCOMPARE(version.value("id").toInt(), 1);
    QCOMPARE(version.value("name").toString(), QString("Zoduv"));
    QCOMPARE(version.value("version").toString(), QString("3.08"));
    QCOMPARE(version.value("date").toString(), QDate::currentDate().toString("yyyy-MM-dd"));
    version.finish();

    QSqlQuery network = gDatabase.querySql("select * from tbl_network");
    QVERIFY(network.next());
    QCOMPARE(network.value("subnet_id").toInt(), 0);
    QCOMPARE(network.value("server_type").toInt(), 0);
    for (const char *column :
         {"ip_port_mac", "password", "server_ip", "domain_name", "host_ip", "static_server_ip", "static_domain"}) {
        QVERIFY2(!network.value(column).isNull(), column);
        QVERIFY2(network.value(column).toString().isEmpty(), column);
    }
    network.finish();

    QVERIFY(::isProjectDatabase(projectFile("Home")));
}

void TestDatabaseInit::createStatementsAreKeptAsWritten()
{
    initDatabase();
    // SQLite keeps the statement as written, except that it spells the leading "create table" in capitals.
    const auto stored = [](const char *table) {
        QString sql;
        queryStringValue("select sql from sqlite_master where name=?", {QString(table)}, "sql", sql);
        return sql.startsWith("CREATE TABLE ") ? "create table " + sql.mid(13) : sql;
    };
    QCOMPARE(stored("tbl_fnt_type"),
             QString("create table tbl_fnt_type(id integer primary key,[index] integer,flag integer,"
                     "value integer,item nvarchar,policy integer)"));
    QCOMPARE(stored("tbl_network"),
             QString("create table tbl_network(id integer primary key,subnet_id integer,device_id integer,"
                     "ip_port_mac nvarchar,password nvarchar,server_ip nvarchar,domain_name nvarchar,"
                     "host_ip nvarchar,server_type integer,static_server_ip nvarchar,static_domain nvarchar)"));
    QVERIFY(stored("tbl_air_conditioner").endsWith("original_type integer,version nvarchar,room_id integer)"));
    for (const SchemaTable &table : DatabaseSchema::tables())
        QCOMPARE(stored(table.name), QString(table.createSql));
}

void TestDatabaseInit::tablesAsExchanged_data()
{
    // Project files travel between stations: each table, its place in the creation order and its statement,
    // word for word.
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("sql");
    QTest::newRow("tbl_log_type")
        << 1 << QString("create table tbl_log_type(id integer primary key,log_type integer,log_type_name nvarchar)");
    QTest::newRow("tbl_log") << 2
                             << QString("create table tbl_log(id integer primary key,log_type integer,log_address "
                                        "nvarchar,log_device nvarchar,log_event nvarchar,log_time nvarchar)");
    QTest::newRow("tbl_message_type")
        << 3
        << QString(
               "create table tbl_message_type(id integer primary key,message_type integer,message_type_name nvarchar)");
    QTest::newRow("tbl_message")
        << 4
        << QString("create table tbl_message(id integer primary key,message_id integer,message_type "
                   "integer,message_remark nvarchar,icon_name nvarchar,universal_switch_no integer)");
    QTest::newRow("tbl_message_status") << 5
                                        << QString("create table tbl_message_status(id integer primary "
                                                   "key,message_status integer,message_status_name nvarchar)");
    QTest::newRow("tbl_message_log")
        << 6
        << QString("create table tbl_message_log(id integer primary key,message_id integer,message_type "
                   "integer,message_status integer,panel_id integer,room_id integer,message_log_remark "
                   "nvarchar,recv_time nvarchar,deal_time nvarchar)");
    QTest::newRow("tbl_region")
        << 7 << QString("create table tbl_region(id integer primary key,region_name nvarchar,region_id integer)");
    QTest::newRow("tbl_floor")
        << 8
        << QString(
               "create table tbl_floor(id integer primary key,floor_name nvarchar,floor_id integer,region_id integer)");
    QTest::newRow("tbl_room_template")
        << 9
        << QString("create table tbl_room_template(id integer primary key,room_template_name "
                   "nvarchar,room_template_icon_name nvarchar,room_template_id integer)");
    QTest::newRow("tbl_room")
        << 10
        << QString("create table tbl_room(id integer primary key,room_name nvarchar,icon_name nvarchar,room_id "
                   "integer,floor_id integer,region_id integer,room_template_id integer)");
    QTest::newRow("tbl_3d_view_manager")
        << 11 << QString("create table tbl_3d_view_manager(id integer primary key,icon_name nvarchar,room_id integer)");
    QTest::newRow("tbl_3d_view_light") << 12
                                       << QString("create table tbl_3d_view_light(id integer primary key,light_id "
                                                  "integer,xp1 integer,yp1 integer,room_id integer)");
    QTest::newRow("tbl_3d_air_conditioner")
        << 13
        << QString("create table tbl_3d_air_conditioner(id integer primary key,air_conditioner_no integer,xp1 "
                   "integer,yp1 integer,room_id integer)");
    QTest::newRow("tbl_light")
        << 14
        << QString("create table tbl_light(id integer primary key,light_id integer,light_type integer,light_remark "
                   "nvarchar,subnet_id integer,device_id integer,channel integer,icon_name_of_light_on "
                   "nvarchar,icon_name_of_light_off nvarchar,brightness integer,us_id integer,fade integer,rgb "
                   "integer,original_type integer,version nvarchar,room_id integer)");
    QTest::newRow("tbl_template_light")
        << 15
        << QString("create table tbl_template_light(id integer primary key,template_light_id integer,light_type "
                   "integer,light_remark nvarchar,icon_name nvarchar,room_template_id integer)");
    QTest::newRow("tbl_air_conditioner")
        << 16
        << QString("create table tbl_air_conditioner(id integer primary key,air_conditioner_no "
                   "integer,air_conditioner_type integer,remark nvarchar,subnet_id integer,device_id integer,channel "
                   "integer,status integer,mode integer,speed integer,current_temperature "
                   "integer,current_cool_temperature integer,current_heat_temperature integer,current_auto_temperature "
                   "integer,current_dry_temperature integer,temperature_unit integer,function nvarchar,high_limit "
                   "nvarchar,low_limit nvarchar,room_temperature integer,room_temperature_type integer,original_type "
                   "integer,version nvarchar,room_id integer)");
    QTest::newRow("tbl_mood") << 17
                              << QString(
                                     "create table tbl_mood(id integer primary key,mood_id integer,mood_name "
                                     "nvarchar,mood_icon_name nvarchar,light_bool integer,ac1_bool integer,ac2_bool "
                                     "integer,floor_heat1_bool integer,floor_heat2_bool integer,curtain_bool "
                                     "integer,audio_bool integer,diy_bool integer,room_id integer)");
    QTest::newRow("tbl_mood_light_status")
        << 18
        << QString("create table tbl_mood_light_status(id integer primary key,mood_id integer,light_id "
                   "integer,light_type integer,light_remark nvarchar,subnet_id integer,device_id integer,channel "
                   "integer,icon_name_of_light_on nvarchar,icon_name_of_light_off nvarchar,brightness integer,us_id "
                   "integer,fade integer,rgb integer,original_type integer,room_id integer)");
    QTest::newRow("tbl_mood_air_conditioner_status")
        << 19
        << QString(
               "create table tbl_mood_air_conditioner_status(id integer primary key,mood_id integer,air_conditioner_no "
               "integer,air_conditioner_type integer,remark nvarchar,subnet_id integer,device_id integer,channel "
               "integer,status integer,mode integer,speed integer,current_temperature integer,current_cool_temperature "
               "integer,current_heat_temperature integer,current_auto_temperature integer,current_dry_temperature "
               "integer,temperature_unit integer,original_type integer,room_id integer)");
    QTest::newRow("tbl_mood_command")
        << 20
        << QString("create table tbl_mood_command(id integer primary key,command_id integer,mood_id integer,subnet_id "
                   "integer,device_id integer,command_type integer,prm1 integer,prm2 integer,prm3 integer,prm4 "
                   "integer,room_id integer)");
    QTest::newRow("tbl_occupation")
        << 21
        << QString("create table tbl_occupation(id integer primary key,occupation_type integer,subnet_id "
                   "integer,device_id integer,channel integer,status integer,room_id integer)");
    QTest::newRow("tbl_master") << 22
                                << QString("create table tbl_master(id integer primary key,subnet_id integer,device_id "
                                           "integer,channel integer,status integer,room_id integer)");
    QTest::newRow("tbl_panel") << 23
                               << QString("create table tbl_panel(id integer primary key,panel_id integer,panel_remark "
                                          "nvarchar,subnet_id integer,device_id integer,room_id integer)");
    QTest::newRow("tbl_template_panel")
        << 24
        << QString("create table tbl_template_panel(id integer primary key,template_panel_id integer,panel_remark "
                   "nvarchar,room_template_id integer)");
    QTest::newRow("tbl_network")
        << 25
        << QString("create table tbl_network(id integer primary key,subnet_id integer,device_id integer,ip_port_mac "
                   "nvarchar,password nvarchar,server_ip nvarchar,domain_name nvarchar,host_ip nvarchar,server_type "
                   "integer,static_server_ip nvarchar,static_domain nvarchar)");
    QTest::newRow("tbl_server_ip")
        << 26 << QString("create table tbl_server_ip(id integer primary key,alias nvarchar,ip nvarchar)");
    QTest::newRow("tbl_domain") << 27 << QString("create table tbl_domain(id integer primary key,domain nvarchar)");
    QTest::newRow("tbl_ip_port_mac") << 28
                                     << QString("create table tbl_ip_port_mac(id integer primary key,ip_port_mac "
                                                "nvarchar,password nvarchar,update_time nvarchar)");
    QTest::newRow("tbl_fnt_type") << 29
                                  << QString("create table tbl_fnt_type(id integer primary key,[index] integer,flag "
                                             "integer,value integer,item nvarchar,policy integer)");
    QTest::newRow("tbl_fnt_prm1") << 30
                                  << QString("create table tbl_fnt_prm1(id integer primary key,policy integer,[index] "
                                             "integer,value integer,item nvarchar)");
    QTest::newRow("tbl_comp2_item") << 31
                                    << QString("create table tbl_comp2_item(id integer primary key,policy "
                                               "integer,[index] integer,value integer,item nvarchar)");
    QTest::newRow("tbl_comp3_item") << 32
                                    << QString("create table tbl_comp3_item(id integer primary key,policy "
                                               "integer,[index] integer,value integer,item nvarchar)");
    QTest::newRow("tbl_last_update") << 33
                                     << QString("create table tbl_last_update(id integer primary key,last_update_id "
                                                "nvarchar,last_update_time nvarchar)");
    QTest::newRow("tbl_version")
        << 34
        << QString("create table tbl_version(id integer primary key,name nvarchar,version nvarchar,date nvarchar)");
}

void TestDatabaseInit::tablesAsExchanged()
{
    QFETCH(int, position);
    QFETCH(QString, sql);
    initDatabase();
    QStringList statements;
    QCOMPARE(queryStringList("select sql from sqlite_master where type='table' order by rowid", "sql", statements), 34);
    QString stored = statements.at(position - 1);
    if (stored.startsWith("CREATE TABLE "))
        stored = "create table " + stored.mid(13);
    QCOMPARE(stored, sql);
    QCOMPARE(DatabaseSchema::createStatement(QTest::currentDataTag()), sql);
}

void TestDatabaseInit::seedVocabularies()
{
    initDatabase();
    QStringList list;
    queryStringList("select item from tbl_fnt_type where policy=1 and value !=117 and value !=118 order by [index] asc",
                    "item", list);
    QCOMPARE(list.size(), 17);
    QCOMPARE(list.first(), QString("Invalid Switch"));
    QCOMPARE(list.last(), QString("Zigbee Channel"));

    queryStringList("select item from tbl_fnt_type where policy=1 and value=85 order by [index]", "item", list);
    QCOMPARE(list, QStringList({"Scene Switch", "Broadcast Scene"}));
    QCOMPARE(queryIntValue("select flag from tbl_fnt_type where item='Broadcast Scene' and policy=1", "flag"), 1);
    QCOMPARE(queryIntValue("select count(*) as n from tbl_fnt_type where policy=2", "n"), 16);

    QCOMPARE(queryIntValue("select value from tbl_fnt_prm1 where policy=2 and item='Panel AC x'", "value"), 45);
    QCOMPARE(queryIntValue("select value from tbl_fnt_prm1 where policy=2 and item='Panel FH x'", "value"), 46);
    QCOMPARE(queryIntValue("select [index] from tbl_fnt_prm1 where policy=2 and item='Panel AC 8'", "index"), 32);
    QCOMPARE(queryIntValue("select value from tbl_fnt_prm1 where policy=3 and item='Play Specify Song'", "value"), 6);

    QCOMPARE(queryIntValue("select value from tbl_comp2_item where policy=3 and item=?", {QString::fromUtf8("25°C")},
                           "value"),
             25);
    QCOMPARE(queryIntValue("select value from tbl_comp2_item where policy=1 and item='On'", "value"), 255);
    QCOMPARE(queryIntValue("select value from tbl_comp2_item where policy=8 and item='CO-AXIAL'", "value"), 10);

    QStringList items, values;
    queryStringList("select item from tbl_comp3_item where policy=4 order by [index] asc", "item", items);
    queryIntStringList("select value from tbl_comp3_item where policy=4 order by [index] asc", "value", values);
    QCOMPARE(items.size(), 80);
    QCOMPARE(items.at(0), QString("VOL:0%"));
    QCOMPARE(items.at(2), QString("VOL:3%"));
    QCOMPARE(items.at(39), QString("VOL:49%"));
    QCOMPARE(items.at(40), QString("VOL:51%"));
    QCOMPARE(items.at(79), QString("VOL:100%"));
    QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), 80);
    for (int i = 0; i < 80; ++i)
        QCOMPARE(values.at(i).toInt(), 79 - i);
    QCOMPARE(queryIntValue("select value from tbl_comp3_item where policy=3 and item='Zone4 Mute'", "value"), 34);
    QCOMPARE(queryIntValue("select value from tbl_comp3_item where policy=6 and item='Open'", "value"), 187);

    QStringList ids;
    queryIntStringList("select id from tbl_comp2_item order by id", "id", ids);
    QCOMPARE(ids.first(), QString("1"));
    QCOMPARE(ids.last(), QString("127"));

    queryStringList("select ip from tbl_server_ip order by id", "ip", list);
    for (const QString &ip : list)
        QVERIFY2(ip.startsWith("192.0.2.") || ip.startsWith("198.51.100.") || ip.startsWith("203.0.113."),
                 qPrintable(ip));
    queryStringList("select domain from tbl_domain order by id", "domain", list);
    for (const QString &domain : list)
        QVERIFY(domain.endsWith(".invalid"));
    queryStringList("select message_status_name from tbl_message_status order by message_status", "message_status_name",
                    list);
    QCOMPARE(list, QStringList({"suspend", "user cancel", "processing", "processed", "secured"}));
}

void TestDatabaseInit::vocabularyListsInFull_data()
{
    // Other stations read these rows by text and by value, so every entry is pinned as it must be stored.
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QList<int>>("values");
    const auto addList = [](const char *table, int policy, const QStringList &items, const QList<int> &values) {
        QTest::addRow("%s %d", table, policy)
            << QString("select item as t,value as v from %1 where policy=%2 order by [index] asc")
                   .arg(table)
                   .arg(policy)
            << items << values;
    };
    const auto addNamed = [](const char *table, const char *number, const QStringList &items,
                             const QList<int> &values) {
        QTest::newRow(table) << QString("select %1_name as t,%1 as v from %2 order by id").arg(number, table) << items
                             << values;
    };
    addNamed("tbl_log_type", "log_type", {"device status", "device alert"}, {0, 1});
    addNamed("tbl_message_type", "message_type", {"service message", "alarm message"}, {0, 1});
    addNamed("tbl_message_status", "message_status", {"suspend", "user cancel", "processing", "processed", "secured"},
             {0, 1, 2, 3, 4});
    QTest::newRow("tbl_server_ip aliases")
        << QString("select alias as t,id as v from tbl_server_ip order by id")
        << QStringList({"ORV Server AUS", "ORV Server ASIA", "ORV Server USA", "ORV Server Europe"})
        << QList<int>({1, 2, 3, 4});
    // Stand-in host names, one per region in the order Australia, United States, Asia.
    QTest::newRow("tbl_domain") << QString("select domain as t,id as v from tbl_domain order by id")
                                << QStringList(
                                       {"au.cloud.zoduv.invalid", "us.cloud.zoduv.invalid", "asia.cloud.zoduv.invalid"})
                                << QList<int>({1, 2, 3});

    addList("tbl_fnt_type", 1,
            {"Invalid Switch", "Scene Switch", "Sequence Switch", "Universal Switch", "Single Channel Lighting",
             "Curtain Switch", "SMS Control", "Panel Control", "Broadcast Scene", "Broadcast Channel",
             "Security Module", "Audio Player", "UPB Channel", "UPB Scene", "Modbus Coil", "Modbus Register", "Dim Up",
             "Dim Down", "Zigbee Channel"},
            {0, 85, 86, 88, 89, 92, 94, 95, 85, 89, 102, 103, 112, 113, 115, 116, 117, 118, 121});
    addList("tbl_fnt_type", 2,
            {"Invalid Switch", "Sequence Switch", "Universal Switch", "Scene Switch", "Single Channel Lighting",
             "Broadcast Scene", "Broadcast Channel", "Curtain Switch", "Infrared Control", "SMS Control",
             "Panel Control", "Audio Player", "Reverse Control", "Security Module", "UPB Channel", "UPB Scene"},
            {0, 1, 2, 3, 4, 5, 6, 7, 12, 13, 14, 18, 19, 20, 112, 113});
    addList("tbl_fnt_type", 3,
            {"Scene Switch", "Sequence Switch", "Universal Switch", "Invalid Switch", "Single Channel Lighting",
             "Broadcast Scene", "Broadcast Channel", "Curtain Switch", "Broadcast Curtain", "SMS Control",
             "Panel Control", "Security Module", "Audio Player", "Reverse Control", "UPB Channel", "UPB Scene"},
            {0, 1, 2, 3, 4, 5, 6, 7, 11, 13, 14, 17, 18, 19, 112, 113});
    addList("tbl_fnt_prm1", 1, {"Invalid", "Message", "Remote"}, {0, 1, 2});
    addList("tbl_fnt_prm1", 2,
            {"Invalid",
             "IR Receiver",
             "Lock Key Of Panel",
             "AC Power",
             "AC Cooling Setpoint",
             "AC FAN Speed",
             "AC Mode",
             "AC Heating Setpoint",
             "AC Auto Setpoint",
             "Rise Temperature",
             "Reduce Temperature",
             "LCD Backlight",
             "Lock AC Page",
             "LCD Backlight New",
             "LCD Status Light",
             "Lock Button",
             "Lock Page",
             "Control Button Status",
             "Control Button",
             "Dry Temperature",
             "Floor Heating Power",
             "Floor Heating Mode",
             "Goto Page",
             "AC FAN Temperature",
             "Floor Heating Setpoint",
             "Panel AC 1",
             "Panel AC 2",
             "Panel AC 3",
             "Panel AC 4",
             "Panel AC 5",
             "Panel AC 6",
             "Panel AC 7",
             "Panel AC 8",
             "Panel AC All",
             "Panel Heat 1",
             "Panel Heat 2",
             "Panel Heat All",
             "Panel AC x",
             "Panel FH x"},
            {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
             20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 45, 46});
    addList("tbl_fnt_prm1", 3,
            {"Source Control", "Play Mode", "Play List/Radio Channel", "Play Control", "Volume Control",
             "Play Specify Song"},
            {1, 2, 3, 4, 5, 6});
    addList("tbl_comp2_item", 1, {"Off", "On"}, {0, 255});
    addList("tbl_comp2_item", 2, {"Stop", "On", "Off"}, {0, 1, 2});
    addList("tbl_comp2_item", 4, {"Auto", "High", "Medium", "Low"}, {0, 1, 2, 3});
    addList("tbl_comp2_item", 5, {"Cool", "Heat", "FAN", "Auto", "Dry"}, {0, 1, 2, 3, 4});
    addList("tbl_comp2_item", 6, {"Normal", "Day", "Night", "Away", "Auto"}, {1, 2, 3, 4, 5});
    addList("tbl_comp2_item", 7,
            {"Vacation", "Away", "Night", "Night With Guest", "Day", "Off/Disarm", "Emergency", "Fire", "Panic",
             "Slient Panic"},
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    addList("tbl_comp2_item", 8, {"SD CARD", "AUX1", "WIFI/FTP", "FM RADIO", "AUX2", "USB", "OPT", "CO-AXIAL"},
            {1, 2, 3, 4, 7, 8, 9, 10});
    addList("tbl_comp2_item", 9, {"No Repeat", "Repeat Song", "Continued", "Repeat All"}, {1, 2, 3, 4});
    addList("tbl_comp2_item", 10,
            {"PREV Play List", "Next Play List", "Specify Play List No", "PREV Radio Channel", "Next Radio Channel",
             "Specify Radio Channel"},
            {1, 2, 3, 4, 5, 6});
    addList("tbl_comp2_item", 11, {"PREV Song", "Next Song", "Play", "Stop"}, {1, 2, 3, 4});
    addList("tbl_comp2_item", 12, {"VOL", "TREBLE", "BASS"}, {1, 2, 3});
    addList("tbl_comp2_item", 13, {"AC Power", "Set Temperature", "AC Speed", "AC Mode", "Rise", "Reduce"},
            {3, 4, 5, 6, 9, 10});
    addList("tbl_comp2_item", 14, {"Floor Heater Power", "Set Temperature"}, {20, 24});
    addList("tbl_comp2_item", 15, {"Floor Heater Power", "Set Temperature", "Rise", "Reduce"}, {3, 4, 9, 10});
    addList("tbl_comp3_item", 1, {"Invalid", "Valid"}, {0, 1});
    addList("tbl_comp3_item", 2, {"Reduce VOL", "Raise VOL"}, {1, 2});
    addList("tbl_comp3_item", 3,
            {"Zone1 Reduce VOL", "Zone1 Raise VOL", "Zone1 VOL Value", "Zone1 Mute", "Zone2 Reduce VOL",
             "Zone2 Raise VOL", "Zone2 VOL Value", "Zone2 Mute", "Zone3 Reduce VOL", "Zone3 Raise VOL",
             "Zone3 VOL Value", "Zone3 Mute", "Zone4 Reduce VOL", "Zone4 Raise VOL", "Zone4 VOL Value", "Zone4 Mute"},
            {1, 2, 3, 4, 11, 12, 13, 14, 21, 22, 23, 24, 31, 32, 33, 34});
    addList("tbl_comp3_item", 5, {"OFF", "ON"}, {1, 0});

    QStringList degrees, numbers;
    QList<int> degreeValues, numberValues;
    for (int t = 0; t <= 60; ++t) {
        degrees.append(QString::number(t) + QString::fromUtf8("\xC2\xB0") + "C");
        degreeValues.append(t);
    }
    addList("tbl_comp2_item", 3, degrees, degreeValues);
    numbers.append("Close");
    numberValues.append(0);
    for (int i = 1; i <= 20; ++i) {
        numbers.append(QString::number(i));
        numberValues.append(i);
    }
    numbers.append("Open");
    numberValues.append(187);
    addList("tbl_comp3_item", 6, numbers, numberValues);
}

void TestDatabaseInit::vocabularyListsInFull()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, items);
    QFETCH(QList<int>, values);
    initDatabase();
    QStringList storedItems, storedValues;
    queryStringList(sql, "t", storedItems);
    queryIntStringList(sql, "v", storedValues);
    QCOMPARE(storedItems, items);
    QList<int> numbers;
    for (const QString &value : storedValues)
        numbers.append(value.toInt());
    QCOMPARE(numbers, values);
}

void TestDatabaseInit::vocabularyRowsInListOrder()
{
    initDatabase();
    // Rows go in list by list and entry by entry, so the row ids follow (policy, [index]), and each list numbers
    // its entries from 0 without gaps.
    for (const char *table : {"tbl_fnt_type", "tbl_fnt_prm1", "tbl_comp2_item", "tbl_comp3_item"}) {
        QStringList ids;
        queryIntStringList(QString("select id from %1 order by policy,[index]").arg(table), "id", ids);
        for (int i = 0; i < ids.size(); ++i)
            QCOMPARE(ids.at(i).toInt(), i + 1);
        QVERIFY(!queryHasRecord(QString("select policy from %1 group by policy "
                                        "having min([index])<>0 or max([index])<>count(*)-1")
                                    .arg(table)));
    }
    QStringList flagged;
    queryStringList("select item from tbl_fnt_type where flag<>0 order by id", "item", flagged);
    QCOMPARE(flagged, QStringList({"Broadcast Scene", "Broadcast Channel"}));
    QCOMPARE(queryIntValue("select policy from tbl_fnt_type where flag=1 and [index]=8", "policy"), 1);
}

void TestDatabaseInit::secondStartDoesNotReseed()
{
    initDatabase();
    QVERIFY(gDatabase.execSql("update tbl_message_type set message_type_name='mine' where message_type=0"));
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('A',1)"));
    initDatabase();
    QString name;
    queryStringValue("select message_type_name from tbl_message_type where message_type=0", "message_type_name", name);
    QCOMPARE(name, QString("mine"));
    QCOMPARE(rowCount("tbl_region"), 1);
    QCOMPARE(rowCount("tbl_network"), 1);
    QCOMPARE(rowCount("tbl_version"), 1);
}

void TestDatabaseInit::unusableCurrentNameFallsBackToAListedProject()
{
    QDir().mkpath(gAppDirPath + "/database");
    QVERIFY(createProjectXml());
    QVERIFY(addProject("Alpha"));
    QVERIFY(removeProject("Home"));
    // The current name is edited by hand into a path that climbs out of the database folder.
    QFile list(projectXmlPath());
    QVERIFY(list.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(list.readAll());
    list.close();
    const int at = text.lastIndexOf("<name>Home</name>");
    QVERIFY(at > 0);
    text.replace(at, int(qstrlen("<name>Home</name>")), "<name>../evil</name>");
    QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
    list.write(text.toUtf8());
    list.close();

    initDatabase();

    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Alpha"));
    QCOMPARE(gDatabase.databaseName(), projectFile("Alpha"));
    QVERIFY(QFile::exists(projectFile("Alpha")));
    QVERIFY(!QFile::exists(gAppDirPath + "/database/.db3"));
    QVERIFY(!QDir(gAppDirPath + "/evil").exists());
    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, QStringList{"Alpha"});
}

void TestDatabaseInit::namesWithBlanksAreKept()
{
    QDir().mkpath(gAppDirPath + "/database");
    const QByteArray list = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<general>\n"
                            "    <project>\n        <name> Lake</name>\n    </project>\n"
                            "    <current>\n        <name> Lake</name>\n    </current>\n</general>\n";
    QFile file(projectXmlPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(list);
    file.close();

    initDatabase();

    QCOMPARE(gDatabase.databaseName(), projectFile(" Lake"));
    QVERIFY(QFile::exists(projectFile(" Lake")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), list);
    QCOMPARE(QDir(gAppDirPath + "/database").entryList(QDir::Files), QStringList{"project.xml"});
}

void TestDatabaseInit::unusableListIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::newRow("only unusable names") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<general>\n"
                                                       "<project><name>../Lake</name></project>\n"
                                                       "<project><name>.Lake</name></project>\n"
                                                       "<current><name>../Lake</name></current>\n</general>\n");
    QTest::newRow("damaged") << QByteArray("<general><project><name>Lake</name></proj");
    QTest::newRow("empty") << QByteArray();
}

void TestDatabaseInit::unusableListIsKeptAside()
{
    QFETCH(QByteArray, list);
    const QString folder = gAppDirPath + "/database";
    QDir().mkpath(folder);
    // A list kept aside at an earlier start is not overwritten either.
    for (const QString &name : {QString("project.xml.bak"), QString("project.xml")}) {
        QFile file(folder + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name == "project.xml" ? list : QByteArray("earlier"));
    }

    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("project list names no usable project; it is kept as .*"
                                                        "project\\.xml\\.1\\.bak.* and a default list is written"));
    initDatabase();

    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
             (QStringList{"project.xml", "project.xml.1.bak", "project.xml.bak"}));
    QFile kept(folder + "/project.xml.1.bak");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), list);
    QFile earlier(folder + "/project.xml.bak");
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    QFile current(projectXmlPath());
    QVERIFY(current.open(QIODevice::ReadOnly));
    QCOMPARE(current.readAll(), QByteArray(testenv::defaultProjectList));
    QCOMPARE(gDatabase.databaseName(), projectFile("Home"));

    // The default list is usable: the next start keeps it and sets nothing more aside.
    initDatabase();
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
}

void TestDatabaseInit::lookupIndexesOnOpening()
{
    // An older file gains the indexes when it is opened; its tables stay as they were written.
    initDatabase();
    const QString path = projectFile("Home");
    gDatabase.close();
    QVERIFY(QFile::remove(path));
    writeOlderProject(path);
    initDatabase();
    QStringList indexes;
    queryStringList("select name from sqlite_master where type='index' and name like 'idx_%' order by name", "name",
                    indexes);
    QCOMPARE(indexes, QStringList({"idx_air_conditioner_room", "idx_floor_floor", "idx_light_room", "idx_log_device",
                                   "idx_master_room", "idx_message_log_request", "idx_message_switch",
                                   "idx_occupation_room", "idx_panel_address", "idx_panel_room", "idx_region_region",
                                   "idx_room_order", "idx_room_room"}));

    // The device-log writer's lookup of the latest event no longer reads the whole log.
    QSqlQuery plan = gDatabase.querySql("explain query plan select log_event from tbl_log where log_type=? and "
                                        "log_address=? and log_device=? order by log_time desc, id desc",
                                        {0, QString("a"), QString("b")});
    QString steps;
    while (plan.next())
        steps += plan.value("detail").toString() + "\n";
    QVERIFY2(steps.contains("idx_log_device") && !steps.contains("TEMP B-TREE"), qPrintable(steps));

    // Nor does listing the rooms in their order sort the rooms.
    plan = gDatabase.querySql("explain query plan select room_id from tbl_room order by region_id asc,floor_id asc,"
                              "room_id asc");
    steps.clear();
    while (plan.next())
        steps += plan.value("detail").toString() + "\n";
    QVERIFY2(steps.contains("idx_room_order") && !steps.contains("TEMP B-TREE"), qPrintable(steps));

    // A second opening adds nothing and fails nothing.
    initDatabase();
    QCOMPARE(queryIntValue("select count(*) as n from sqlite_master where type='index' and name like 'idx_%'", "n"),
             indexes.size());
}

void TestDatabaseInit::olderProjectIsRepairedAndUpgraded()
{
    // The current project was left by an earlier release; the next start brings it up to date.
    initDatabase();
    const QString path = projectFile("Home");
    gDatabase.close();
    QVERIFY(QFile::remove(path));
    writeOlderProject(path);
    gHostIp = "127.0.0.9";
    initDatabase();
    QCOMPARE(gDatabase.databaseName(), path);

    QCOMPARE(gDatabase.tables().size(), 34);

    // The network row survives with its gateway, server and domain settings; the new columns read their defaults.
    QCOMPARE(rowCount("tbl_network"), 1);
    QSqlQuery network = gDatabase.querySql("select * from tbl_network");
    QVERIFY(network.next());
    QCOMPARE(network.value("server_ip").toString(), QString("198.51.100.7"));
    QCOMPARE(network.value("password").toString(), QString("se'cret"));
    QCOMPARE(network.value("subnet_id").toInt(), 0);
    QCOMPARE(network.value("server_type").toInt(), 0);
    QVERIFY(!network.value("static_domain").isNull());
    QCOMPARE(network.value("static_domain").toString(), QString());
    network.finish();
    QCOMPARE(gServerIp, QString("198.51.100.7"));
    QCOMPARE(gDomainName, QString("hotel.example.invalid"));
    QCOMPARE(gPassword, QString("se'cret"));
    QCOMPARE(gIpPortMac, QString("AA-BB-CC-DD-EE-FF-00-11"));
    QCOMPARE(gHostIp, QString("127.0.0.1"));

    // The gateway list keeps its rows and gains the time column.
    QVERIFY(gDatabase.isColumnExist("tbl_ip_port_mac", "update_time"));
    QCOMPARE(rowCount("tbl_ip_port_mac"), 2);

    QCOMPARE(queryIntValue("select occupation_type from tbl_occupation where room_id=7", "occupation_type"), 0);
    QCOMPARE(queryIntValue("select device_id from tbl_occupation where room_id=7", "device_id"), 20);
    QCOMPARE(rowCount("tbl_room"), 1);
    QString event;
    QVERIFY(queryStringValue("select * from tbl_log", "log_event", event));
    QCOMPARE(event, QString("it's 50% 開"));
    QCOMPARE(rowCount("tbl_log"), 1);

    // The vocabularies are reseeded: the hand-made rows are gone, the names restored.
    QStringList names;
    queryStringList("select log_type_name from tbl_log_type order by id", "log_type_name", names);
    QCOMPARE(names, QStringList({"device status", "device alert"}));
    QString version;
    queryStringValue("select * from tbl_version", "version", version);
    QCOMPARE(version, QString("3.08"));
    QString date;
    queryStringValue("select * from tbl_version", "date", date);
    QCOMPARE(date, QDate::currentDate().toString("yyyy-MM-dd"));
    QVERIFY(::isProjectDatabase(path));
}

void TestDatabaseInit::versionCheck_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("upgraded");
    QTest::newRow("3.07") << "3.07" << true;
    QTest::newRow("3.08") << "3.08" << false;
    QTest::newRow("3.1") << "3.1" << false;
    QTest::newRow("not a number") << "abc" << true;
}

void TestDatabaseInit::versionCheck()
{
    QFETCH(QString, stored);
    QFETCH(bool, upgraded);
    const QString path = QDir(gAppDirPath).filePath("v.db3");
    createDatabaseTables(path);
    QVERIFY(gDatabase.execSql("update tbl_version set version=?,date='2001-02-03'", {stored}));
    QVERIFY(gDatabase.execSql("update tbl_comp2_item set item='changed' where id=1"));
    createDatabaseTables(path);
    QString version, item;
    queryStringValue("select version from tbl_version", "version", version);
    queryStringValue("select item from tbl_comp2_item where id=1", "item", item);
    QCOMPARE(version, upgraded ? QString("3.08") : stored);
    QCOMPARE(item, upgraded ? QString("Off") : QString("changed"));
    QCOMPARE(rowCount("tbl_comp2_item"), 127);
}

void TestDatabaseInit::databaseWithoutVersionRowIsLeftAlone()
{
    const QString path = QDir(gAppDirPath).filePath("norow.db3");
    createDatabaseTables(path);
    QVERIFY(gDatabase.execSql("delete from tbl_version"));
    createDatabaseTables(path);
    QCOMPARE(rowCount("tbl_version"), 0);
    QVERIFY(!::isProjectDatabase(path));
}

void TestDatabaseInit::retentionCutoffText_data()
{
    QTest::addColumn<QString>("days");
    QTest::addColumn<int>("offset");
    QTest::newRow("30") << "30" << 30;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("leading zero") << "07" << 7;
}

void TestDatabaseInit::retentionCutoffText()
{
    QFETCH(QString, days);
    QFETCH(int, offset);
    // The clock may tick between the two readings; one of the two neighbouring seconds matches.
    const QDateTime before = QDateTime::currentDateTime().addDays(-offset);
    const QString cutoff = retentionCutoff(days);
    const QDateTime after = QDateTime::currentDateTime().addDays(-offset);
    QVERIFY2(cutoff == timeText(before) || cutoff == timeText(after), qPrintable(cutoff));
}

void TestDatabaseInit::purgeRemovesRowsPastRetention()
{
    initDatabase();
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime edge = now.addDays(-30);
    const QStringList times = {timeText(edge.addSecs(-3600)), timeText(edge.addSecs(-1)), timeText(edge.addSecs(3600)),
                               timeText(now)};
    for (const QString &time : times) {
        QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_time) values(0,?)", {time}));
        QVERIFY(gDatabase.execSql("insert into tbl_message_log(message_id,recv_time) values(1,?)", {time}));
    }
    gRetainDays = "30";
    initDatabase();
    QStringList left;
    queryStringList("select log_time from tbl_log order by log_time", "log_time", left);
    QCOMPARE(left, times.mid(2));
    queryStringList("select recv_time from tbl_message_log order by recv_time", "recv_time", left);
    QCOMPARE(left, times.mid(2));
}

void TestDatabaseInit::retentionThatIsNoNumberPurgesNothing_data()
{
    QTest::addColumn<QString>("days");
    QTest::newRow("letters") << "abc";
    QTest::newRow("negative") << "-5";
    QTest::newRow("fraction") << "3.5";
    QTest::newRow("blank around") << " 30 ";
    QTest::newRow("empty") << "";
    QTest::newRow("trailing letters") << "30d";
    QTest::newRow("trailing newline") << "30\n";
}

void TestDatabaseInit::retentionThatIsNoNumberPurgesNothing()
{
    QFETCH(QString, days);
    initDatabase();
    const QString old = timeText(QDateTime::currentDateTime().addDays(-400));
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_time) values(0,?)", {old}));
    QVERIFY(gDatabase.execSql("insert into tbl_message_log(message_id,recv_time) values(1,?)", {old}));
    QVERIFY(retentionCutoff(days).isEmpty());
    gRetainDays = days;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^retain_days .* no records purged\\."));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^retain_days .* no records purged\\."));
    initDatabase();
    QCOMPARE(rowCount("tbl_log"), 1);
    QCOMPARE(rowCount("tbl_message_log"), 1);
}

void TestDatabaseInit::retentionZeroPurgesUpToNow()
{
    initDatabase();
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_time) values(0,?)", {timeText(now.addSecs(-5))}));
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_time) values(0,?)", {timeText(now.addSecs(3600))}));
    gRetainDays = "0";
    initDatabase();
    QCOMPARE(rowCount("tbl_log"), 1);
}

// A purge or trim that the file refuses leaves its table as it was, says so, and the rest of the opening goes on.
void TestDatabaseInit::refusedMaintenanceKeepsRowsAndOpens()
{
    initDatabase();
    const QString old = timeText(QDateTime::currentDateTime().addDays(-400));
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_time) values(0,?)", {old}));
    QVERIFY(gDatabase.execSql("insert into tbl_message_log(message_id,recv_time) values(1,?)", {old}));
    for (int i = 1; i <= 12; ++i)
        QVERIFY(gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,password,update_time) values(?,?,?)",
                                  {QString("gw%1").arg(i), QString(), QString::asprintf("202401%02d120000", i)}));
    QVERIFY(gDatabase.execSql("create trigger refuse_log before delete on tbl_log begin "
                              "select raise(abort, 'refused'); end"));
    QVERIFY(gDatabase.execSql("create trigger refuse_gateway before delete on tbl_ip_port_mac begin "
                              "select raise(abort, 'refused'); end"));
    gRetainDays = "30";
    const QRegularExpression refused("^Error: Fail to exec sql\\..*refused.*");
    QTest::ignoreMessage(QtWarningMsg, refused);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Could not bring \"tbl_log\" up to date"));
    QTest::ignoreMessage(QtWarningMsg, refused);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Could not bring \"tbl_ip_port_mac\" up to date"));
    initDatabase();
    QCOMPARE(rowCount("tbl_log"), 1);
    QCOMPARE(rowCount("tbl_ip_port_mac"), 12);
    // The message log beside them was purged, and the opening was stored.
    QCOMPARE(rowCount("tbl_message_log"), 0);
    QVERIFY(queryHasRecord("select * from tbl_version"));
}

void TestDatabaseInit::gatewayListKeepsTenNewest()
{
    initDatabase();
    for (int i = 1; i <= 12; ++i)
        QVERIFY(gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,password,update_time) values(?,?,?)",
                                  {QString("gw%1").arg(i), QString(), QString::asprintf("202401%02d120000", i)}));
    initDatabase();
    QStringList left;
    queryStringList("select ip_port_mac from tbl_ip_port_mac order by update_time", "ip_port_mac", left);
    QCOMPARE(left.size(), 10);
    QCOMPARE(left.first(), QString("gw3"));

    // Rows that share one of the ten newest times all stay, even past ten.
    QVERIFY(gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,update_time) values('twin','20240103120000')"));
    initDatabase();
    QCOMPARE(rowCount("tbl_ip_port_mac"), 11);
}

void TestDatabaseInit::networkRowIsLoaded()
{
    initDatabase();
    const QString mac = QString::fromUtf8("MAC 'ü' 100%");
    QVERIFY(
        gDatabase.execSql("update tbl_network set ip_port_mac=?,password=?,server_ip=?,domain_name=?,host_ip=?",
                          {mac, QString("pa'ss"), QString("203.0.113.5"), QString("d.invalid"), QString("127.0.0.2")}));
    loadNetworkSettings();
    QCOMPARE(gIpPortMac, mac);
    QCOMPARE(gPassword, QString("pa'ss"));
    QCOMPARE(gServerIp, QString("203.0.113.5"));
    QCOMPARE(gDomainName, QString("d.invalid"));
    QCOMPARE(gHostIp, QString("127.0.0.2"));

    QVERIFY(gDatabase.execSql("delete from tbl_network"));
    loadNetworkSettings();
    QVERIFY(gIpPortMac.isEmpty() && gPassword.isEmpty() && gServerIp.isEmpty() && gDomainName.isEmpty() &&
            gHostIp.isEmpty());
    // A project whose network row went missing gets a default one at the next opening.
    initDatabase();
    QCOMPARE(rowCount("tbl_network"), 1);
}

void TestDatabaseInit::isProjectDatabase_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("expected");
    QTest::newRow("project") << "" << true;
    QTest::newRow("lower-case name") << "update tbl_version set name='zoduv'" << false;
    QTest::newRow("other name") << "update tbl_version set name='hotel'" << false;
    QTest::newRow("no row") << "delete from tbl_version" << false;
    QTest::newRow("no table") << "drop table tbl_version" << false;
    QTest::newRow("no name column") << "alter table tbl_version rename column name to title" << false;
    QTest::newRow("older version") << "update tbl_version set version='2.50'" << true;
}

void TestDatabaseInit::isProjectDatabase()
{
    QFETCH(QString, setup);
    QFETCH(bool, expected);
    const QString path = QDir(gAppDirPath).filePath("p.db3");
    createDatabaseTables(path);
    if (!setup.isEmpty())
        QVERIFY(gDatabase.execSql(setup));
    QCOMPARE(::isProjectDatabase(path), expected);
    QCOMPARE(gDatabase.databaseName(), path);

    const QString missing = QDir(gAppDirPath).filePath("missing.db3");
    QVERIFY(!::isProjectDatabase(missing));
    QVERIFY(QFile::exists(missing));
}

void TestDatabaseInit::emptyProjectFromCurrent()
{
    initDatabase();
    const QString home = projectFile("Home");
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,room_id) values('101',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_time) values(0,?)",
                              {timeText(QDateTime::currentDateTime())}));
    QVERIFY(gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,update_time) values('gw','20240101000000')"));
    QVERIFY(gDatabase.execSql("insert into tbl_last_update(last_update_id) values('x')"));
    QVERIFY(gDatabase.execSql("update tbl_network set server_ip='203.0.113.1'"));
    QVERIFY(gDatabase.execSql("update tbl_version set date='2001-01-01'"));
    gDatabase.close();

    QDir().mkpath(gAppDirPath + "/database/New");
    const QString fresh = projectFile("New");
    gHostIp = "127.0.0.5";
    QVERIFY(createEmptyProjectDatabase(fresh));
    QCOMPARE(gDatabase.databaseName(), fresh);
    QCOMPARE(rowCount("tbl_room"), 0);
    QCOMPARE(rowCount("tbl_log"), 0);
    QCOMPARE(rowCount("tbl_last_update"), 0);
    QCOMPARE(rowCount("tbl_ip_port_mac"), 1);
    QCOMPARE(rowCount("tbl_fnt_type"), 51);
    QCOMPARE(rowCount("tbl_network"), 1);
    QString text;
    queryStringValue("select * from tbl_network", "server_ip", text);
    QVERIFY(text.isEmpty());
    queryStringValue("select * from tbl_network", "host_ip", text);
    QCOMPARE(text, QString("127.0.0.5"));
    queryStringValue("select * from tbl_version", "date", text);
    QCOMPARE(text, QDate::currentDate().toString("yyyy-MM-dd"));
    QVERIFY(::isProjectDatabase(fresh));

    // The source project is untouched.
    gDatabase.close();
    gDatabase.setDatabaseName(home);
    QCOMPARE(rowCount("tbl_room"), 1);
}

void TestDatabaseInit::emptyProjectInPlace()
{
    initDatabase();
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,room_id) values(?,1)", {QString("It's 100%")}));
    QVERIFY(createEmptyProjectDatabase(projectFile("Home")));
    QCOMPARE(rowCount("tbl_room"), 0);
    QCOMPARE(rowCount("tbl_version"), 1);
    QCOMPARE(rowCount("tbl_comp3_item"), 124);

    // The same file under another spelling is emptied in place too, not removed by the copy onto itself.
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,room_id) values('101',1)"));
    const QString spelledOtherwise = gAppDirPath + "/database//Home/./Home.db3";
    QVERIFY(createEmptyProjectDatabase(spelledOtherwise));
    QVERIFY(QFile::exists(projectFile("Home")));
    QCOMPARE(rowCount("tbl_room"), 0);
    QCOMPARE(rowCount("tbl_fnt_type"), 51);
    QVERIFY(::isProjectDatabase(projectFile("Home")));
}

void TestDatabaseInit::emptyProjectFailureLeavesNoCopy()
{
    initDatabase();
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,room_id) values('101',1)"));
    // A damaged current project: one of the tables to empty is gone, so the emptying cannot complete.
    QVERIFY(gDatabase.execSql("drop table tbl_master"));
    gDatabase.close();
    QDir().mkpath(gAppDirPath + "/database/New");
    const QString fresh = projectFile("New");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QVERIFY(!createEmptyProjectDatabase(fresh));
    QVERIFY(!QFile::exists(fresh));

    // In place, the file stays whole: nothing of the half-done emptying remains.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QVERIFY(!createEmptyProjectDatabase(projectFile("Home")));
    QVERIFY(QFile::exists(projectFile("Home")));
    QCOMPARE(rowCount("tbl_room"), 1);
}

void TestDatabaseInit::damagedProjectAtStartIsKeptAside_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("why");
    QTest::newRow("truncated to 8 KiB") << "truncated"
                                        << "";
    QTest::newRow("random bytes") << "random"
                                  << "file is not a database";
    QTest::newRow("another program's database") << "foreign"
                                                << "it is not a project database of this station";
    QTest::newRow("a folder in its place") << "folder"
                                           << "it is a folder, not a file";
}

void TestDatabaseInit::damagedProjectAtStartIsKeptAside()
{
    QFETCH(QString, damage);
    QFETCH(QString, why);
    const QString file = projectFile("Home");
    QVERIFY(initDatabase().isEmpty());
    for (int i = 0; i < 200; ++i)
        QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                                  "values(0,'A-1-101','master','on',?)",
                                  {timeText(QDateTime::currentDateTime())}));
    gDatabase.close();
    if (damage == "truncated") {
        QVERIFY(QFileInfo(file).size() > 64 * 1024);
        QVERIFY(QFile::resize(file, 8 * 1024));
    } else if (damage == "random") {
        QByteArray bytes(64 * 1024, Qt::Uninitialized);
        QRandomGenerator(5).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        QVERIFY(writeAll(file, bytes));
    } else if (damage == "foreign") {
        QVERIFY(QFile::remove(file));
        gDatabase.setDatabaseName(file);
        QVERIFY(gDatabase.execSql("create table contacts(id integer primary key,name text)"));
        QVERIFY(gDatabase.execSql("insert into contacts(name) values('someone')"));
        gDatabase.close();
    } else {
        QVERIFY(QFile::remove(file));
        QVERIFY(writeAll(file + "/notes.txt", "a folder where the database belongs"));
    }
    const QByteArray before = QFileInfo(file).isDir() ? readAll(file + "/notes.txt") : readAll(file);

    const QString notice = initDatabase();
    // The operator is told which project, why, and where its file went.
    QVERIFY2(notice.startsWith("The database of the project \"Home\" cannot be used: "), qPrintable(notice));
    QVERIFY2(notice.contains(why), qPrintable(notice));
    QVERIFY2(notice.contains("\"Home.db3.invalid\""), qPrintable(notice));
    if (damage == "folder")
        QCOMPARE(readAll(file + ".invalid/notes.txt"), before);
    else
        QCOMPARE(readAll(file + ".invalid"), before);

    // The station goes on with the project, on a fresh database.
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));
    QCOMPARE(listedProjects(), QStringList({"Home"}));
    QCOMPARE(gDatabase.databaseName(), file);
    QCOMPARE(rowCount("tbl_log"), 0);
    QCOMPARE(rowCount("tbl_message_status"), 5);
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('A',1)"));
    QCOMPARE(checkProjectDatabase(file).verdict, ProjectDatabaseCheck::Usable);

    // The next start opens it without a word.
    QVERIFY(initDatabase().isEmpty());
    QCOMPARE(rowCount("tbl_region"), 1);
}

void TestDatabaseInit::journalGoesAsideWithItsDatabase()
{
    // A journal left beside a file that goes aside belongs to that file: played into the new database of that
    // name, it would write the old pages into it.
    const QString file = QDir(gAppDirPath).filePath("j.db3");
    QVERIFY(writeAll(file, "no database"));
    QVERIFY(writeAll(file + "-journal", "journal of the file above"));
    QCOMPARE(keepDatabaseAside(file), file + ".invalid");
    QCOMPARE(readAll(file + ".invalid"), QByteArray("no database"));
    QCOMPARE(readAll(file + ".invalid-journal"), QByteArray("journal of the file above"));
    QVERIFY(!QFileInfo::exists(file));
    QVERIFY(!QFileInfo::exists(file + "-journal"));

    // A backup name whose journal's name is taken is not used.
    QVERIFY(QFile::remove(file + ".invalid"));
    QVERIFY(writeAll(file, "no database either"));
    QCOMPARE(databaseBackupPath(file), file + ".invalid-2");
    QCOMPARE(keepDatabaseAside(file), file + ".invalid-2");
    QCOMPARE(readAll(file + ".invalid-journal"), QByteArray("journal of the file above"));

    // Nothing to move: nothing moved.
    QVERIFY(keepDatabaseAside(file).isEmpty());
}

void TestDatabaseInit::emptyFileAtStartIsReplacedWithoutAWord()
{
    const QString file = projectFile("Home");
    QVERIFY(writeAll(file, QByteArray()));
    QVERIFY(initDatabase().isEmpty());
    QVERIFY(!QFileInfo::exists(file + ".invalid"));
    QCOMPARE(checkProjectDatabase(file).verdict, ProjectDatabaseCheck::Usable);
}

void TestDatabaseInit::newerProjectAtStartIsLeftUntouched()
{
    const QString file = projectFile("Home");
    QVERIFY(initDatabase().isEmpty());
    QVERIFY(gDatabase.execSql("update tbl_version set version='3.09'"));
    // Rows a purge would remove if the file were written to.
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                              "values(0,'A-1-101','master','on','2001-01-01 00:00:00')"));
    gDatabase.close();
    const QByteArray before = readAll(file);
    const QDateTime modified = QFileInfo(file).lastModified();

    const QString notice = initDatabase();
    QVERIFY2(notice.contains("\"Home\""), qPrintable(notice));
    QVERIFY2(notice.contains("version 3.09"), qPrintable(notice));
    QVERIFY2(notice.contains("supports version 3.08"), qPrintable(notice));
    QVERIFY2(notice.contains("new empty project \"Home_1\""), qPrintable(notice));
    QCOMPARE(readAll(file), before);
    QCOMPARE(QFileInfo(file).lastModified(), modified);
    QVERIFY(!QFileInfo::exists(file + ".invalid"));
    QVERIFY(!QFileInfo::exists(file + "-journal"));

    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home_1"));
    QCOMPARE(listedProjects(), QStringList({"Home", "Home_1"}));
    QCOMPARE(gDatabase.databaseName(), projectFile("Home_1"));
    QCOMPARE(rowCount("tbl_message_status"), 5);
    gDatabase.close();
    QCOMPARE(readAll(file), before);

    // Started again, the station is on the new project and has nothing more to say.
    QVERIFY(initDatabase().isEmpty());
    QCOMPARE(gDatabase.databaseName(), projectFile("Home_1"));
    QCOMPARE(listedProjects(), QStringList({"Home", "Home_1"}));
}

void TestDatabaseInit::checkTellsWhatAFileIs_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("found");
    QTest::newRow("this version") << "" << int(ProjectDatabaseCheck::Usable) << "";
    QTest::newRow("older version") << "update tbl_version set version='3.07'" << int(ProjectDatabaseCheck::Usable)
                                   << "";
    QTest::newRow("version that is no number")
        << "update tbl_version set version='abc'" << int(ProjectDatabaseCheck::Usable) << "";
    QTest::newRow("newer version") << "update tbl_version set version='3.1'" << int(ProjectDatabaseCheck::Newer)
                                   << "3.1";
    QTest::newRow("much newer version") << "update tbl_version set version='12.00'" << int(ProjectDatabaseCheck::Newer)
                                        << "12.00";
    QTest::newRow("other product") << "update tbl_version set name='hotel'" << int(ProjectDatabaseCheck::Unusable)
                                   << "";
    QTest::newRow("no version row") << "delete from tbl_version" << int(ProjectDatabaseCheck::Unusable) << "";
}

void TestDatabaseInit::checkTellsWhatAFileIs()
{
    QFETCH(QString, setup);
    QFETCH(int, verdict);
    QFETCH(QString, found);
    const QString path = QDir(gAppDirPath).filePath("c.db3");
    createDatabaseTables(path);
    if (!setup.isEmpty())
        QVERIFY(gDatabase.execSql(setup));
    gDatabase.close();
    const ProjectDatabaseCheck check = checkProjectDatabase(path);
    QCOMPARE(int(check.verdict), verdict);
    QCOMPARE(check.foundVersion, found);
    QCOMPARE(check.reason.isEmpty(), verdict != int(ProjectDatabaseCheck::Unusable));

    // A path without a file is absent, and stays without one.
    const QString missing = QDir(gAppDirPath).filePath("missing.db3");
    QCOMPARE(checkProjectDatabase(missing).verdict, ProjectDatabaseCheck::Absent);
    QVERIFY(!QFileInfo::exists(missing));
}

void TestDatabaseInit::interruptedImportsAreFinishedAtStart()
{
    QVERIFY(initDatabase().isEmpty());
    gDatabase.close();
    const QString folder = gAppDirPath + "/database/";
    // What imports and transfers cut off at various points leave behind.
    QVERIFY(writeAll(folder + ".import-a1B2c3/P/P.db3", "half"));
    QVERIFY(writeAll(folder + "..import-a1B2c3-unpacking-0011aabb/P/P.db3", "half"));
    QVERIFY(writeAll(folder + "..import-a1B2c3-old-0011aabc/x", "x"));
    QVERIFY(writeAll(folder + ".transfer-Zz9981.zip", "PK"));
    QVERIFY(writeAll(folder + "..transfer-Zz9981.zip-packing-01234567", "PK"));
    QVERIFY(writeAll(folder + ".case-probe-Qq1234", ""));
    // Put in place whole, cut off before it was listed, and after.
    QVERIFY(writeAll(folder + "Arrived/Arrived.db3", "arrived"));
    QVERIFY(writeAll(folder + "Arrived/.import-pending", ""));
    QVERIFY(writeAll(folder + "Listed/Listed.db3", "listed"));
    QVERIFY(writeAll(folder + "Listed/.import-pending", ""));
    QVERIFY(addProject("Listed"));
    // Not the station's leftovers: kept.
    QVERIFY(writeAll(folder + "Unlisted/Unlisted.db3", "someone's"));
    QVERIFY(writeAll(folder + ".keep", "someone's"));

    QVERIFY(initDatabase().isEmpty());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({".keep", "Arrived", "Home", "Listed", "project.xml", "Unlisted"}));
    QCOMPARE(listedProjects(), QStringList({"Home", "Listed", "Arrived"}));
    QVERIFY(!QFileInfo::exists(folder + "Arrived/.import-pending"));
    QVERIFY(!QFileInfo::exists(folder + "Listed/.import-pending"));
    QCOMPARE(readAll(folder + "Arrived/Arrived.db3"), QByteArray("arrived"));
    QCOMPARE(readAll(folder + "Unlisted/Unlisted.db3"), QByteArray("someone's"));
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));
}

QTEST_GUILESS_MAIN(TestDatabaseInit)
#include "tst_databaseinit.moc"

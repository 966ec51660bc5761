// The network record, the gateway history, the server and domain lists and the database version as the settings
// pages read and write them, on a fresh project database.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/networkstore.h"
#include "core/queryhelpers.h"
#include "tests/support/projectfixture.h"

#include <QDateTime>
#include <QDir>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every row of a table as one text per row, so that a refused write can be shown to have changed nothing.
QStringList dump(const QString &table)
{
    QStringList rows;
    QSqlQuery query = gDatabase.querySql("select * from " + table + " order by id");
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values << query.value(i).toString();
        rows << values.join('|');
    }
    return rows;
}

QString networkValue(const QString &column)
{
    return projectfixture::value("select * from tbl_network", {}, column).toString();
}

bool addHistory(const QString &mac, const QString &password, const QString &time)
{
    return gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,password,update_time) values(?,?,?)",
                             {mac, password, time});
}

NetworkRecord sampleRecord(const QString &mac)
{
    NetworkRecord record;
    record.subnetId = 7;
    record.deviceId = 101;
    record.ipPortMac = mac;
    record.password = "a'b%";
    record.serverIp = "it's%s.zoduv.invalid";
    record.domainName = "o'router.zoduv.invalid";
    record.serverType = 2;
    record.staticServerIp = "192.0.2.5";
    record.staticDomain = "it's%s.zoduv.invalid";
    return record;
}

} // namespace

class TestNetworkStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsTheRecord();
    void readWithoutRowOrTable_data();
    void readWithoutRowOrTable();
    void saveStoresTheRecordAndHistory_data();
    void saveStoresTheRecordAndHistory();
    void refusedSaveChangesNothing_data();
    void refusedSaveChangesNothing();
    void historyNewestFirstWithPasswords();
    void serversAndDomains();
    void version();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestNetworkStore::init()
{
    m_dir.reset(new QTemporaryDir);
    gAppDirPath = m_dir->path();
    projectfixture::openFreshDatabase(QDir(m_dir->path()).filePath("network.db3"));
}

void TestNetworkStore::cleanup()
{
    gDatabase.close();
    m_dir.reset();
}

void TestNetworkStore::readsTheRecord()
{
    QVERIFY(
        gDatabase.execSql("update tbl_network set subnet_id=3,device_id=250,ip_port_mac='01-02-03-04-05-06-07-08',"
                          "password='p''w',server_ip='198.51.100.10',domain_name='r.zoduv.invalid',host_ip='10.0.0.5',"
                          "server_type=1,static_server_ip='198.51.100.10',static_domain='d.zoduv.invalid'"));
    NetworkRecord record;
    QString error = "untouched";
    QVERIFY(readNetworkRecord(record, &error));
    QCOMPARE(error, QString("untouched"));
    QCOMPARE(record.subnetId, 3);
    QCOMPARE(record.deviceId, 250);
    QCOMPARE(record.ipPortMac, QString("01-02-03-04-05-06-07-08"));
    QCOMPARE(record.password, QString("p'w"));
    QCOMPARE(record.serverIp, QString("198.51.100.10"));
    QCOMPARE(record.domainName, QString("r.zoduv.invalid"));
    QCOMPARE(record.serverType, 1);
    QCOMPARE(record.staticServerIp, QString("198.51.100.10"));
    QCOMPARE(record.staticDomain, QString("d.zoduv.invalid"));
}

void TestNetworkStore::readWithoutRowOrTable_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("failed");
    QTest::newRow("no row") << "delete from tbl_network" << false;
    QTest::newRow("no table") << "drop table tbl_network" << true;
}

void TestNetworkStore::readWithoutRowOrTable()
{
    QFETCH(QString, statement);
    QFETCH(bool, failed);
    QVERIFY(gDatabase.execSql(statement));
    NetworkRecord record;
    record.subnetId = 9;
    record.password = "kept";
    QString error;
    QVERIFY(!readNetworkRecord(record, &error));
    QCOMPARE(!error.isEmpty(), failed);
    QCOMPARE(record.subnetId, 9);
    QCOMPARE(record.password, QString("kept"));
}

void TestNetworkStore::saveStoresTheRecordAndHistory_data()
{
    QTest::addColumn<QString>("mac");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("historyRows");
    QTest::newRow("no mac") << "" << false << 1;
    QTest::newRow("new mac") << "0A-0B-0C-0D-0E-0F-10-11" << false << 2;
    QTest::newRow("known mac") << "01-02-03-04-05-06-07-08" << true << 1;
}

void TestNetworkStore::saveStoresTheRecordAndHistory()
{
    QFETCH(QString, mac);
    QFETCH(bool, known);
    QFETCH(int, historyRows);
    QVERIFY(addHistory("01-02-03-04-05-06-07-08", "old", "20000101000000"));
    QVERIFY(gDatabase.execSql("update tbl_network set host_ip='10.0.0.5'"));
    const QString before = QDateTime::currentDateTime().toString("yyyyMMddhhmmss");

    QString error = "untouched";
    QVERIFY(saveNetworkRecord(sampleRecord(mac), &error));
    QCOMPARE(error, QString("untouched"));

    QCOMPARE(projectfixture::rowCount("tbl_network"), 1);
    QCOMPARE(networkValue("subnet_id"), QString("7"));
    QCOMPARE(networkValue("device_id"), QString("101"));
    QCOMPARE(networkValue("ip_port_mac"), mac);
    QCOMPARE(networkValue("password"), QString("a'b%"));
    QCOMPARE(networkValue("server_ip"), QString("it's%s.zoduv.invalid"));
    QCOMPARE(networkValue("domain_name"), QString("o'router.zoduv.invalid"));
    QCOMPARE(networkValue("server_type"), QString("2"));
    QCOMPARE(networkValue("static_server_ip"), QString("192.0.2.5"));
    QCOMPARE(networkValue("static_domain"), QString("it's%s.zoduv.invalid"));
    // The station's own address is no part of the record.
    QCOMPARE(networkValue("host_ip"), QString("10.0.0.5"));

    QCOMPARE(projectfixture::rowCount("tbl_ip_port_mac"), historyRows);
    if (mac.isEmpty()) {
        QCOMPARE(dump("tbl_ip_port_mac"), QStringList({"1|01-02-03-04-05-06-07-08|old|20000101000000"}));
        return;
    }
    const QString time =
        projectfixture::value("select update_time from tbl_ip_port_mac where ip_port_mac=?", {mac}, "update_time")
            .toString();
    QVERIFY(QDateTime::fromString(time, "yyyyMMddhhmmss").isValid());
    QVERIFY(time >= before);
    QString password;
    QVERIFY(gatewayPassword(mac, password));
    QCOMPARE(password, QString("a'b%"));
    QCOMPARE(projectfixture::rowCount("tbl_ip_port_mac", "ip_port_mac=?", {mac}), 1);
    if (!known)
        QCOMPARE(projectfixture::rowCount("tbl_ip_port_mac", "password='old'"), 1);
}

void TestNetworkStore::refusedSaveChangesNothing_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("mac");
    QTest::newRow("record refused, new mac")
        << "create trigger refuse before update on tbl_network begin select raise(abort, 'refused'); end"
        << "0A-0B-0C-0D-0E-0F-10-11";
    QTest::newRow("record refused, known mac")
        << "create trigger refuse before update on tbl_network begin select raise(abort, 'refused'); end"
        << "01-02-03-04-05-06-07-08";
    QTest::newRow("history insert refused")
        << "create trigger refuse before insert on tbl_ip_port_mac begin select raise(abort, 'refused'); end"
        << "0A-0B-0C-0D-0E-0F-10-11";
    QTest::newRow("history update refused")
        << "create trigger refuse before update on tbl_ip_port_mac begin select raise(abort, 'refused'); end"
        << "01-02-03-04-05-06-07-08";
}

void TestNetworkStore::refusedSaveChangesNothing()
{
    QFETCH(QString, trigger);
    QFETCH(QString, mac);
    QVERIFY(addHistory("01-02-03-04-05-06-07-08", "old", "20000101000000"));
    QVERIFY(gDatabase.execSql(trigger));
    const QStringList network = dump("tbl_network");
    const QStringList history = dump("tbl_ip_port_mac");

    QString error;
    QVERIFY(!saveNetworkRecord(sampleRecord(mac), &error));
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(dump("tbl_network"), network);
    QCOMPARE(dump("tbl_ip_port_mac"), history);
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

void TestNetworkStore::historyNewestFirstWithPasswords()
{
    QVERIFY(addHistory("01-01-01-01-01-01-01-01", "one", "20240101000000"));
    QVERIFY(addHistory("03-03-03-03-03-03-03-03", "three", "20260101000000"));
    QVERIFY(addHistory("02-02-02-02-02-02-02-02", "it's", "20250101000000"));
    QCOMPARE(gatewayMacs(),
             QStringList({"03-03-03-03-03-03-03-03", "02-02-02-02-02-02-02-02", "01-01-01-01-01-01-01-01"}));

    QString password = "kept";
    QVERIFY(gatewayPassword("02-02-02-02-02-02-02-02", password));
    QCOMPARE(password, QString("it's"));
    password = "kept";
    QVERIFY(!gatewayPassword("04-04-04-04-04-04-04-04", password));
    QCOMPARE(password, QString("kept"));

    QVERIFY(gDatabase.execSql("drop table tbl_ip_port_mac"));
    QString error;
    QVERIFY(gatewayMacs(&error).isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestNetworkStore::serversAndDomains()
{
    QVERIFY(gDatabase.execSql("insert into tbl_server_ip(alias,ip) values(?,?)", {"O'Brien's %s", "192.0.2.99"}));
    QCOMPARE(serverAliases(),
             QStringList({"ORV Server AUS", "ORV Server ASIA", "ORV Server USA", "ORV Server Europe", "O'Brien's %s"}));
    QCOMPARE(serverDomains(),
             QStringList({"au.cloud.zoduv.invalid", "us.cloud.zoduv.invalid", "asia.cloud.zoduv.invalid"}));

    QCOMPARE(serverAliasOfAddress("192.0.2.99"), QString("O'Brien's %s"));
    QCOMPARE(serverAliasOfAddress("192.0.2.250"), QString());
    QString address = "typed";
    QVERIFY(serverAddressOfAlias("O'Brien's %s", address));
    QCOMPARE(address, QString("192.0.2.99"));
    address = "typed";
    QVERIFY(!serverAddressOfAlias("Unknown", address));
    QCOMPARE(address, QString("typed"));
}

void TestNetworkStore::version()
{
    QVERIFY(gDatabase.execSql("update tbl_version set version='1.23'"));
    QCOMPARE(databaseVersion(), QString("1.23"));
    QVERIFY(gDatabase.execSql("delete from tbl_version"));
    QString error = "untouched";
    QCOMPARE(databaseVersion(&error), QString());
    QCOMPARE(error, QString("untouched"));
}

QTEST_GUILESS_MAIN(TestNetworkStore)
#include "tst_networkstore.moc"

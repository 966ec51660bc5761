// Choice of the station's host address and of the broadcast address that belongs to it.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/hostaddress.h"
#include "tests/support/privatenetwork.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<QHostAddress> addresses(const QStringList &texts)
{
    QList<QHostAddress> out;
    for (const QString &t : texts)
        out << QHostAddress(t);
    return out;
}

QNetworkAddressEntry entry(const QString &ip, const QString &broadcast)
{
    QNetworkAddressEntry e;
    e.setIp(QHostAddress(ip));
    if (!broadcast.isEmpty())
        e.setBroadcast(QHostAddress(broadcast));
    return e;
}

QString storedHostIp()
{
    QSqlQuery q = gDatabase.querySql("select host_ip from tbl_network");
    return q.next() ? q.value(0).toString() : QString("<no row>");
}

} // namespace

class TestHostAddress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void choose_data();
    void choose();
    void candidates();
    void broadcast_data();
    void broadcast();
    void updateOnThisMachine();
    void broadcastOnThisMachine();

private:
    QTemporaryDir dir;
};

void TestHostAddress::initTestCase()
{
    QVERIFY(dir.isValid());
    gDatabase.setDatabaseName(dir.filePath("project.db"));
    QVERIFY(gDatabase.execSql("create table tbl_network(id integer primary key,host_ip nvarchar)"));
    QVERIFY(gDatabase.execSql("insert into tbl_network(host_ip) values('')"));
}

void TestHostAddress::cleanupTestCase()
{
    gDatabase.close();
    gHostIp.clear();
}

void TestHostAddress::choose_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("machine");
    QTest::addColumn<QString>("chosen"); // empty: keep the current one

    const QStringList machine = {"fe80::1", "127.0.0.1", "10.0.0.5", "192.168.1.20"};
    QTest::newRow("still assigned") << "192.168.1.20" << machine << "";
    QTest::newRow("empty") << "" << machine << "10.0.0.5";
    QTest::newRow("gone") << "172.16.0.9" << machine << "10.0.0.5";
    QTest::newRow("only loopback and IPv6") << "" << QStringList({"::1", "127.0.0.1", "fe80::2"}) << "";
    QTest::newRow("no addresses") << "10.0.0.5" << QStringList() << "";
    QTest::newRow("loopback is never kept") << "127.0.0.1" << machine << "10.0.0.5";
    QTest::newRow("rest of the 127 range qualifies") << "" << QStringList({"127.0.0.1", "127.0.0.2"}) << "127.0.0.2";
    QTest::newRow("leading zeros never match") << "192.168.001.020" << machine << "10.0.0.5";
}

void TestHostAddress::choose()
{
    QFETCH(QString, current);
    QFETCH(QStringList, machine);
    QFETCH(QString, chosen);
    QCOMPARE(chooseHostIp(current, addresses(machine)), chosen);
}

void TestHostAddress::candidates()
{
    const QStringList machine = {"fe80::1", "127.0.0.1", "10.0.0.5", "::1", "127.0.0.2", "192.168.1.20"};
    QCOMPARE(hostAddressTexts(addresses(machine)), QStringList({"10.0.0.5", "127.0.0.2", "192.168.1.20"}));
    QCOMPARE(hostAddressTexts({}), QStringList());
}

void TestHostAddress::broadcast_data()
{
    QTest::addColumn<QString>("hostIp");
    QTest::addColumn<QString>("expected");
    QTest::newRow("carried") << "192.168.1.20"
                             << "192.168.1.255";
    QTest::newRow("second interface") << "10.0.0.5"
                                      << "10.255.255.255";
    QTest::newRow("carried by no entry") << "172.16.0.9"
                                         << "255.255.255.255";
    QTest::newRow("empty") << ""
                           << "255.255.255.255";
    QTest::newRow("loopback skipped") << "127.0.0.1"
                                      << "255.255.255.255";
    // A point-to-point entry has no broadcast address; frames must still go somewhere.
    QTest::newRow("entry without broadcast") << "100.64.0.7"
                                             << "255.255.255.255";
}

void TestHostAddress::broadcast()
{
    QFETCH(QString, hostIp);
    QFETCH(QString, expected);
    const QList<QNetworkAddressEntry> entries = {
        entry("127.0.0.1", "127.255.255.255"), entry("::1", ""),        entry("192.168.1.20", "192.168.1.255"),
        entry("10.0.0.5", "10.255.255.255"),   entry("100.64.0.7", ""),
    };
    QCOMPARE(findBroadcastAddress(hostIp, entries), QHostAddress(expected));
}

void TestHostAddress::updateOnThisMachine()
{
    REQUIRE_PRIVATE_NETWORK();
    // Inside the private network the machine carries 127.0.0.1 and 127.0.0.2.
    gHostIp.clear();
    QVERIFY(updateHostIp());
    QCOMPARE(gHostIp, QString("127.0.0.2"));
    QCOMPARE(storedHostIp(), QString("127.0.0.2"));

    // Kept while assigned: nothing is written.
    QVERIFY(gDatabase.execSql("update tbl_network set host_ip='marker'"));
    QVERIFY(updateHostIp());
    QCOMPARE(gHostIp, QString("127.0.0.2"));
    QCOMPARE(storedHostIp(), QString("marker"));

    // A row that cannot be written is told; the chosen address still serves this run.
    gHostIp.clear();
    QVERIFY(gDatabase.execSql("create trigger refuse_host before update on tbl_network begin "
                              "select raise(abort, 'refused'); end"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*refused.*"));
    QVERIFY(!updateHostIp());
    QCOMPARE(gHostIp, QString("127.0.0.2"));
    QCOMPARE(storedHostIp(), QString("marker"));
}

void TestHostAddress::broadcastOnThisMachine()
{
    REQUIRE_PRIVATE_NETWORK();
    gHostIp = QStringLiteral("127.0.0.2");
    QCOMPARE(getBroadcastAddress(), QHostAddress(QStringLiteral("127.255.255.255")));
    gHostIp = QStringLiteral("10.9.9.9");
    QCOMPARE(getBroadcastAddress(), QHostAddress(QHostAddress::Broadcast));
}

QTEST_GUILESS_MAIN(TestHostAddress)
#include "tst_hostaddress.moc"

// The server login packets byte for byte, the machine identifier they carry, and the reading of the replies.

#include "core/appsettings.h"
#include "shell/serverlogin.h"
#include "tests/support/buspeercrc.h"
#include "tests/support/loginpackets.h"
#include "tests/support/simulateddevice.h"
#include "tests/support/testenv.h"

#include <QtTest>

class TestServerLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void cloudLoginPacket();
    void cloudLoginShortPasswordAndEmptyMac();
    void machineIdKeepsLettersAndDigits_data();
    void machineIdKeepsLettersAndDigits();
    void dnsLoginPacket();
    void macFields_data();
    void macFields();
    void machineIdIsStoredOnce();

    void replies_data();
    void replies();
    void replyTooShortForItsResult_data();
    void replyTooShortForItsResult();

private:
    QTemporaryDir home;
};

void TestServerLogin::initTestCase()
{
    testenv::useFreshHome(home);
}

static QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

void TestServerLogin::cloudLoginPacket()
{
    const QByteArray expected = loginpackets::cloudLogin();
    QCOMPARE(expected.size(), 56);
    QCOMPARE(expected, buspeer::withCrc(expected.left(54))); // the table's own CRC, computed bit by bit
    const QByteArray p =
        ServerLogin::cloudLoginPacket(loginpackets::password, loginpackets::macText, loginpackets::subnetId,
                                      loginpackets::deviceId, loginpackets::machineId);
    QCOMPARE(p.toHex(' '), expected.toHex(' '));
}

void TestServerLogin::cloudLoginShortPasswordAndEmptyMac()
{
    const QByteArray p = ServerLogin::cloudLoginPacket("ab", "", "", "", "");
    QCOMPARE(p.mid(8, 4), QByteArray("ab\0\0", 4));
    QCOMPARE(p.mid(12, 10), QByteArray(10, '\0'));
    QCOMPARE(p.mid(22, 32), QByteArray(32, '\0'));
    QCOMPARE(p, buspeer::withCrc(p.left(54)));
}

void TestServerLogin::machineIdKeepsLettersAndDigits_data()
{
    QTest::addColumn<QString>("machineId");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("separators dropped") << "4c4c4544-0042_3510{8050}" << QByteArray("4c4c4544004235108050");
    QTest::newRow("cut to 32") << QString(40, 'A') + "BCD" << QByteArray(32, 'A');
    QTest::newRow("32 after skipping") << "-" + QString(16, '1') + "--" + QString(20, '2')
                                       << QByteArray(16, '1') + QByteArray(16, '2');
}

void TestServerLogin::machineIdKeepsLettersAndDigits()
{
    QFETCH(QString, machineId);
    QFETCH(QByteArray, sent);
    const QByteArray p = ServerLogin::cloudLoginPacket("", "", "0", "0", machineId);
    QCOMPARE(p.mid(22, sent.size()), sent);
    QCOMPARE(p.mid(22 + sent.size(), 32 - sent.size()), QByteArray(32 - sent.size(), '\0'));
}

void TestServerLogin::dnsLoginPacket()
{
    const QByteArray expected = loginpackets::dnsLogin();
    QCOMPARE(expected.size(), 23);
    QCOMPARE(expected, buspeer::withCrc(expected.left(21)));
    const QByteArray p = ServerLogin::dnsLoginPacket(loginpackets::password, loginpackets::macText);
    QCOMPARE(p.toHex(' '), expected.toHex(' '));
}

void TestServerLogin::macFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("complete") << "01-02-03-04-05-06-07-08" << hex("0102030405060708");
    QTest::newRow("either case") << "0a-0B-ff-00-11-22-33-44" << hex("0A0BFF0011223344");
    QTest::newRow("single digits") << "1-2-3-4-5-6-7-8" << hex("0102030405060708");
    QTest::newRow("three fields") << "aa-bb-cc" << hex("AABBCC0000000000");
    QTest::newRow("unreadable field stops") << "aa-zz-cc-dd-ee-ff-11-22" << hex("AA00000000000000");
    QTest::newRow("colons") << "aa:bb:cc:dd:ee:ff:11:22" << hex("AA00000000000000");
    QTest::newRow("empty") << "" << QByteArray(8, '\0');
}

void TestServerLogin::macFields()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ServerLogin::macBytes(text), bytes);
}

void TestServerLogin::machineIdIsStoredOnce()
{
    writeRegistrySetting("machineUniqueId", "");
    const QString made = ServerLogin::stationMachineId();
    QString stored;
    readRegistrySetting("machineUniqueId", stored);
    QCOMPARE(stored, made);
    if (made.isEmpty())
        return; // a platform without an identifier stores nothing and asks again next time

    writeRegistrySetting("machineUniqueId", "kept-id-1");
    QCOMPARE(ServerLogin::stationMachineId(), QString("kept-id-1"));
}

void TestServerLogin::replies_data()
{
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<bool>("loginSuccess");
    QTest::addColumn<QString>("msg");

    const QByteArray a3 = hex("CCCC001000A300000000000000");
    const char *cloud[] = {"Success",
                           "MAC Error",
                           "IPPORT Offline",
                           "Password Error",
                           "Firmware Version Too Low",
                           "Failed To Connect Server"};
    for (int code = 0; code <= 5; ++code)
        QTest::addRow("A3 result %d", code) << makeServerPacket(a3 + char(code)) << (code == 0) << cloud[code];
    QTest::newRow("A3 result 200") << makeServerPacket(a3 + char(200)) << false << "Failed To Connect Server";

    const QByteArray a4 = hex("CCCC000C00A4000000");
    const char *dns[] = {
        "Failed To Connect IPPORT", "Success", "A2 trigger A4",           "Password Error", "MAC Error",
        "MAC And Password Error",   "Full",    "Failed To Connect IPPORT"};
    for (int code = 0; code <= 7; ++code)
        QTest::addRow("A4 result %d", code) << makeServerPacket(a4 + char(code)) << (code == 1) << dns[code];
}

void TestServerLogin::replies()
{
    QFETCH(QByteArray, packet);
    QFETCH(bool, loginSuccess);
    QFETCH(QString, msg);
    bool success = !loginSuccess;
    QString text;
    QVERIFY(ServerLogin::readLoginReply(reinterpret_cast<const quint8 *>(packet.constData()), packet.size(), success,
                                        text));
    QCOMPARE(success, loginSuccess);
    QCOMPARE(text, msg);
}

void TestServerLogin::replyTooShortForItsResult_data()
{
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<bool>("read");
    // Without the fix these read the zeroed bytes after the packet as the result 0, "Success" for 0x00A3.
    QTest::newRow("A3 of 9 bytes") << makeServerPacket(hex("CCCC000900A300")) << false;
    QTest::newRow("A3 ending before byte 13") << makeServerPacket(hex("CCCC000F00A3000000000000")) << false;
    QTest::newRow("A3 result is a CRC byte") << makeServerPacket(hex("CCCC000F00A300000000000000")) << false;
    QTest::newRow("A4 of 11 bytes") << makeServerPacket(hex("CCCC000B00A4000000")) << false;
    QTest::newRow("A4 just long enough") << makeServerPacket(hex("CCCC000C00A400000001")) << true;
    QTest::newRow("other opcode") << makeServerPacket(hex("CCCC001000A500000000000000000000")) << false;
}

void TestServerLogin::replyTooShortForItsResult()
{
    QFETCH(QByteArray, packet);
    QFETCH(bool, read);
    bool success = false;
    QString text;
    QCOMPARE(
        ServerLogin::readLoginReply(reinterpret_cast<const quint8 *>(packet.constData()), packet.size(), success, text),
        read);
}

QTEST_MAIN(TestServerLogin)
#include "tst_serverlogin.moc"
